// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <vector>

class CatalogueColumns;
class ItemRecord;

// The kept columns of a catalogue (CatalogueColumns) that eBay's listing file knows, by the
// names that file gives them: each row's value there stands in the row's listing over the
// value every listing shares. Item specifics ("C:Brand") become columns of the file of
// their own; a column eBay does not know (the seller's "Notes") stays in the catalogue only.
// A star before an item specific's name ("*C:Brand"), as eBay's category templates mark the
// ones a category requires, makes a value in it required.
class ListingColumns {
public:
    enum class Column {
        Quantity,
        Format,
        Duration,
        ConditionId,
        ConditionDescription,
        Pictures,
        BuyItNowPrice,
        ShippingProfile,
        ReturnProfile,
        PaymentProfile,
        ShippingService,
        ShippingCost,
        PostalCode,
        StoreCategory,
    };
    static constexpr int ColumnCount = int(Column::StoreCategory) + 1;

    enum class Format { Auction, FixedPrice, Unknown };

    struct Specific {
        // The heading of its column in the file: the name as the catalogue spells it, the
        // star dropped ("C:Brand").
        QString heading;
        int extra = 0;
        bool required = false;
    };

    explicit ListingColumns(const CatalogueColumns& columns);

    // The column of eBay's file a kept column's name names, or -1 for an item specific or a
    // column the file does not know.
    static int ColumnNamed(QStringView name);
    // The name eBay's file heads a column with.
    static QString Heading(Column column);

    bool Has(Column column) const { return m_extras[size_t(column)] >= 0; }
    // A row's value of a column, blanks around it dropped; empty when the catalogue has no
    // such column, so the shared value stands.
    QString Value(const ItemRecord& record, Column column) const;
    const std::vector<Specific>& Specifics() const { return m_specifics; }
    // A row's value of an item specific, blanks around it dropped.
    static QString Value(const ItemRecord& record, const Specific& specific);

    // How a row is listed: as an auction unless its Format says otherwise.
    Format FormatOf(const ItemRecord& record) const;
    // eBay's name of a format.
    static QString Name(Format format);
    // The row's picture addresses: those of its PicURL column, joined by "|" as the image
    // field joins them, or else the image field's.
    QStringList Pictures(const ItemRecord& record) const;

private:
    // The kept column each of eBay's columns is in, or -1.
    std::array<int, ColumnCount> m_extras;
    std::vector<Specific> m_specifics;
};
