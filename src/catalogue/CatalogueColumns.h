// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <vector>

class ItemRecord;

// The columns of a catalogue file: the ten fields in their one order for a file without a
// heading, or, for a file whose first line names its columns, those columns in the file's
// order, each holding one of the ten fields or kept as it stands beyond them (a Quantity, a
// "C:Brand", the seller's own "Notes"). A kept column's values are the records' extras
// (ItemRecord::Extra), numbered in the order the kept columns stand in the file.
//
// Names are matched ignoring case, blanks and a star (eBay's templates star the columns they
// require): "Item number", "SKU" and "CustomLabel" name the item number, "*Title" the title,
// and so on; the first column a field's names match holds it, and any later one is kept.
class CatalogueColumns {
public:
    struct Column {
        // The name as the heading holds it.
        QString name;
        // The field it holds (1 to 10), or ItemRecord::FirstExtraPosition + k for kept
        // column k.
        int position = 0;
    };

    // The columns of a file without a heading: the ten fields in order.
    CatalogueColumns();

    // The columns a first line names, when it is a heading: it names the item number's and
    // the title's columns. Nothing when it is an item.
    static std::optional<CatalogueColumns> FromHeading(const QStringList& names);
    // Whether a line's values would be read as a heading, usable or not: they name the
    // item number's and the title's columns, or at least three fields' columns and hold no
    // number.
    static bool NamesColumns(const QStringList& values);
    // The field a column's name names (1 to 10), or 0.
    static int FieldNamed(QStringView name);
    // A name as it is matched: lower case, without blanks or stars.
    static QString Key(QStringView name);
    // The name a field's column is given when a heading is written for it.
    static QString NameOfField(int position);

    bool HasHeading() const { return m_heading; }
    const std::vector<Column>& Columns() const { return m_columns; }
    // Each column's position, in the file's order: where a line's values go.
    std::vector<int> Positions() const;
    // The names of the kept columns, in their order.
    const QStringList& ExtraNames() const { return m_extraNames; }
    int ExtraCount() const { return int(m_extraNames.size()); }
    // The kept column whose name is `name` as names are matched, or -1.
    int ExtraNamed(QStringView name) const;
    // Whether a field has a column of its own. A file without a heading has one for each.
    bool HasField(int position) const;
    // The fields the window shows (all but Spare) that no column holds.
    std::vector<int> MissingFields() const;

    // Makes kept column `extra` the column of a field that has none: every record's value
    // of it becomes the field's, and the kept columns after it move up one.
    void MatchField(int position, int extra, std::vector<ItemRecord>& records);
    // Adds a kept column after the others; a catalogue without a heading is given one, its
    // ten fields named as the window shows them. Records need no change: a kept column they
    // hold no value for is empty.
    void AddExtra(const QString& name);
    // Removes kept column `extra` from the columns and from every record.
    void RemoveExtra(int extra, std::vector<ItemRecord>& records);

    // The heading line's names as a save writes them, or empty for a file without a
    // heading. A field with no column that holds a value in any record is given one at the
    // end, so that nothing typed into it is lost; `positions` receives each written column's
    // position in the same order.
    QStringList HeadingFor(const std::vector<ItemRecord>& records,
                           std::vector<int>& positions) const;

    // Whether two files' columns read alike: the same names in the same order.
    bool operator==(const CatalogueColumns& other) const;
    bool operator!=(const CatalogueColumns& other) const { return !(*this == other); }

private:
    void Renumber();

    bool m_heading = false;
    std::vector<Column> m_columns;
    QStringList m_extraNames;
};
