// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <array>

// One item of the catalogue: ten free texts in the order of the catalogue file, and the
// values of the columns a catalogue with a heading holds beyond them (CatalogueColumns).
// Position 7, Spare, is carried along but shown nowhere. The grid has no column for it, so
// from position 8 on the grid column is one less than the position; PositionOfColumn and
// ColumnOfPosition are the only place that says so.
class ItemRecord {
public:
    enum Position {
        ItemNumber = 1,
        Title = 2,
        Description = 3,
        ImageAddress = 4,
        Price = 5,
        FirstBid = 6,
        Spare = 7,
        StartTime = 8,
        EndTime = 9,
        Category = 10,
    };
    static constexpr int FieldCount = 10;
    // Grid columns 1 to 9 hold record fields; column 10 holds the page path.
    static constexpr int FirstFieldColumn = 1;
    static constexpr int LastFieldColumn = 9;
    static constexpr int HtmlColumn = 10;
    // The grid's columns: 0 for the marks, the field columns and the page path.
    static constexpr int GridColumnCount = HtmlColumn + 1;
    // The most items a catalogue holds: the item counter is a 16-bit signed number.
    static constexpr int MaxItems = 32766;
    // Positions from this one on are the columns kept beyond the ten fields: the value of
    // kept column k (from 0) is at position FirstExtraPosition + k.
    static constexpr int FirstExtraPosition = FieldCount + 1;

    // The field at position 1 to 10; throws LotcraftError outside.
    const QString& Field(int position) const;
    void SetField(int position, const QString& value);
    void SetField(int position, QString&& value);

    // The value of kept column `index` (from 0); empty where the record holds none.
    const QString& Extra(int index) const;
    void SetExtra(int index, const QString& value);
    // Every kept column's value, in the columns' order; may be shorter than the columns.
    const QStringList& Extras() const { return m_extras; }
    void SetExtras(QStringList extras) { m_extras = std::move(extras); }
    // A field (position 1 to 10) or a kept column's value (FirstExtraPosition on): what a
    // cell of the grid holds.
    const QString& Value(int position) const;
    void SetValue(int position, const QString& value);

    // The record position that grid column 1 to 9 shows; throws LotcraftError outside.
    static int PositionOfColumn(int column);
    // The grid column that shows a position, or 0 for Spare, which no column shows.
    static int ColumnOfPosition(int position);

    // What the window shows for each field: the grid heading, the edit box's name, the label
    // beside it and the box's tooltip (empty where there is none). Spare has none of these.
    struct Presentation {
        const char* heading;
        const char* boxName;
        const char* label;
        const char* toolTip;
    };
    static const Presentation& PresentationOf(int position);

    // The picture addresses the image field holds: several are joined by "|", each with the
    // blanks around it dropped and empty ones left out. A field without "|" is one address
    // as it stands, blanks and all, or none when it is blank.
    QStringList Pictures() const;
    // The address a page shows: the first of several, or the field as it stands.
    QString FirstPicture() const;

    // Kept columns a record holds no value for are empty: they compare equal to empty values.
    bool operator==(const ItemRecord& other) const;
    bool operator!=(const ItemRecord& other) const { return !(*this == other); }

private:
    static void CheckPosition(int position);

    std::array<QString, FieldCount> m_fields;
    QStringList m_extras;
};
