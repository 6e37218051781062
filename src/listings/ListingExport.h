// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <vector>

class CatalogueColumns;
class ItemRecord;
class ListingColumns;
struct ListingOptions;
struct PageInputs;

// eBay's bulk listing file: a CSV file in UTF-8 with a header row and one auction listing
// per item, fields quoted where they must be, lines ended by CR LF, which Seller Hub's
// upload takes, for the site of the options: an auction unless the row's Format column says
// FixedPrice, and the values of its columns that eBay's file knows (ListingColumns) over
// those every listing shares, its item specifics in columns of their own. The description of each
// listing is the description section of the item's page (PageBuilder::DescriptionSection), in the
// inputs' layout and scheme; without business policies each listing carries its shipping service
// and cost and its returns.
class ListingExport {
public:
    // The heading row for a catalogue of these columns: the columns every listing has, and
    // those its kept columns add (a condition's description, a store category, a postal
    // code where none is shared, the item specifics).
    static QStringList Headings(const ListingOptions& options, const CatalogueColumns& columns);
    static QStringList Headings(const ListingOptions& options, const ListingColumns& columns);
    // One row of values, in the order of Headings; now decides whether the start time lies
    // ahead and is given as the listing's scheduled start.
    static QStringList Values(const ItemRecord& record, const PageInputs& inputs,
                              const ListingOptions& options, const CatalogueColumns& columns,
                              const QDateTime& now);
    static QStringList Values(const ItemRecord& record, const PageInputs& inputs,
                              const ListingOptions& options, const ListingColumns& columns,
                              const QDateTime& now);
    // A row of the file, CR LF included.
    static QByteArray Line(const QStringList& values);

    // Writes the listings of records, but for the rows left out (1 for records[0],
    // ascending), into path: the whole file or, on any failure, no file and the one that
    // was there left as it was (where path is a link, the file it leads to is written). A
    // run that is killed leaves nothing behind that a later export does not clear. Gives the
    // number of listings written; throws LotcraftError naming the file when it cannot be
    // written. Callers make sure first that it does not replace the catalogue
    // (FileIdentity::WouldReplace).
    static qint64 Write(const QString& path, const std::vector<ItemRecord>& records,
                        const std::vector<int>& rowsLeftOut, const PageInputs& inputs,
                        const ListingOptions& options, const CatalogueColumns& columns,
                        const QDateTime& now);
};
