#include "catalogue/RecordTable.h"

#include "app/LotcraftError.h"

RecordTable::RecordTable(std::vector<ItemRecord> records)
    : m_headings(ItemRecord::GridColumnCount) {
    m_rows.reserve(records.size());
    for (ItemRecord& record : records)
        m_rows.push_back({std::move(record), {}, {}, false, false});
}

const RecordTable::Entry& RecordTable::ItemRow(int row) const {
    if (row < 1 || row > ItemCount())
        throw LotcraftError(QStringLiteral("the catalogue has no item %1: it holds %2 items")
                                .arg(row)
                                .arg(ItemCount()));
    return m_rows[static_cast<size_t>(row - 1)];
}

RecordTable::Entry& RecordTable::ItemRow(int row) {
    return const_cast<Entry&>(static_cast<const RecordTable&>(*this).ItemRow(row));
}

const ItemRecord& RecordTable::Record(int row) const {
    return ItemRow(row).record;
}

const QString& RecordTable::PagePath(int row) const {
    return ItemRow(row).pagePath;
}

bool RecordTable::HasPicture(int row, int column) const {
    const Entry& item = ItemRow(row);
    if (column == 0)
        return item.markPicture;
    return column == ItemRecord::HtmlColumn && item.pagePicture;
}

void RecordTable::SetRow(int row) {
    if (row != 0)
        ItemRow(row);
    m_row = row;
}

void RecordTable::SetCol(int column) {
    if (column < 0 || column >= ItemRecord::GridColumnCount)
        throw LotcraftError(QStringLiteral("the catalogue has no column %1: its columns are "
                                           "0 to %2")
                                .arg(column)
                                .arg(ItemRecord::GridColumnCount - 1));
    m_col = column;
}

QString RecordTable::Text() const {
    if (m_row == 0)
        return m_headings[static_cast<size_t>(m_col)];
    const Entry& item = ItemRow(m_row);
    if (m_col == 0)
        return item.markText;
    if (m_col == ItemRecord::HtmlColumn)
        return item.pagePath;
    return item.record.Field(ItemRecord::PositionOfColumn(m_col));
}

void RecordTable::SetText(const QString& text) {
    if (m_row == 0) {
        m_headings[static_cast<size_t>(m_col)] = text;
        return;
    }
    Entry& item = ItemRow(m_row);
    if (m_col == 0)
        item.markText = text;
    else if (m_col == ItemRecord::HtmlColumn)
        item.pagePath = text;
    else
        item.record.SetField(ItemRecord::PositionOfColumn(m_col), text);
}

void RecordTable::SetCellPicture(const QImage& picture) {
    if (m_row == 0)
        return;
    Entry& item = ItemRow(m_row);
    if (m_col == 0)
        item.markPicture = !picture.isNull();
    else if (m_col == ItemRecord::HtmlColumn)
        item.pagePicture = !picture.isNull();
}
