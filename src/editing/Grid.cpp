// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/Grid.h"

#include <iterator>

namespace {

// The model's columns: the nine record fields, then the page path.
constexpr int kPathColumn = ItemRecord::HtmlColumn - 1;

}  // namespace

Grid::Grid(QObject* parent) : QAbstractTableModel(parent) {}

QString Grid::Heading(int column) {
    if (column == ItemRecord::HtmlColumn)
        return QStringLiteral("Html");
    if (column < ItemRecord::FirstFieldColumn || column > ItemRecord::LastFieldColumn)
        return QString();
    return QString::fromLatin1(
        ItemRecord::PresentationOf(ItemRecord::PositionOfColumn(column)).heading);
}

int Grid::PositionOfModelColumn(int column) {
    if (column >= ItemRecord::HtmlColumn)
        return ItemRecord::FirstExtraPosition + column - ItemRecord::HtmlColumn;
    const int gridColumn = column + 1;
    if (gridColumn < ItemRecord::FirstFieldColumn || gridColumn > ItemRecord::LastFieldColumn)
        return 0;
    return ItemRecord::PositionOfColumn(gridColumn);
}

QString Grid::Shown(const QString& text) {
    if (text.size() <= ShownLength)
        return text;
    qsizetype shown = ShownLength;
    if (text[shown - 1].isHighSurrogate())
        --shown;
    return text.left(shown) + QChar(0x2026);
}

void Grid::Clear() {
    Open(CatalogueColumns(), {});
}

void Grid::Open(CatalogueColumns columns, std::vector<ItemRecord> records) {
    beginResetModel();
    m_columns = std::move(columns);
    m_records = std::move(records);
    m_rows.assign(m_records.size(), RowState());
    endResetModel();
}

void Grid::SetColumns(CatalogueColumns columns, const std::vector<QStringList>& extras) {
    beginResetModel();
    m_columns = std::move(columns);
    for (size_t index = 0; index < m_records.size() && index < extras.size(); ++index)
        m_records[index].SetExtras(extras[index]);
    endResetModel();
}

QString Grid::ColumnName(int position) const {
    if (position >= ItemRecord::FirstExtraPosition)
        return m_columns.ExtraNames().value(position - ItemRecord::FirstExtraPosition);
    return CatalogueColumns::NameOfField(position);
}

std::vector<QStringList> Grid::Extras() const {
    std::vector<QStringList> extras;
    extras.reserve(m_records.size());
    for (const ItemRecord& record : m_records)
        extras.push_back(record.Extras());
    return extras;
}

void Grid::AppendRecords(std::vector<ItemRecord> records) {
    if (records.empty())
        return;
    beginResetModel();
    if (m_records.empty()) {
        m_records = std::move(records);
    } else {
        m_records.reserve(m_records.size() + records.size());
        std::move(records.begin(), records.end(), std::back_inserter(m_records));
    }
    m_rows.resize(m_records.size());
    endResetModel();
}

void Grid::StoreRecord(int row, const ItemRecord& record) {
    StoreRecords({row}, {record});
}

void Grid::StoreRecords(const std::vector<int>& rows, const std::vector<ItemRecord>& records) {
    if (rows.empty())
        return;
    for (size_t index = 0; index < rows.size(); ++index)
        m_records[size_t(rows[index] - 1)] = records[index];
    Q_EMIT dataChanged(index(rows.front() - 1, 0), index(rows.back() - 1, columnCount() - 1));
}

void Grid::RemoveRow(int row) {
    TakeRows({row});
}

namespace {

// Item rows (ascending) as ranges of neighbours, first and last.
std::vector<std::pair<int, int>> Ranges(const std::vector<int>& rows) {
    std::vector<std::pair<int, int>> ranges;
    for (const int row : rows) {
        if (!ranges.empty() && ranges.back().second + 1 == row)
            ranges.back().second = row;
        else
            ranges.emplace_back(row, row);
    }
    return ranges;
}

// More ranges than this are told as one reset.
constexpr size_t kMostRangesTold = 16;

}  // namespace

Grid::TakenRows Grid::TakeRows(const std::vector<int>& rows) {
    TakenRows taken;
    taken.rows = rows;
    taken.records.reserve(rows.size());
    taken.states.reserve(rows.size());
    const auto ranges = Ranges(rows);
    if (ranges.size() <= kMostRangesTold) {
        for (auto range = ranges.rbegin(); range != ranges.rend(); ++range) {
            const auto first = size_t(range->first - 1);
            const auto last = size_t(range->second);
            beginRemoveRows(QModelIndex(), range->first - 1, range->second - 1);
            std::vector<ItemRecord> records(std::make_move_iterator(m_records.begin() + first),
                                            std::make_move_iterator(m_records.begin() + last));
            std::vector<RowState> states(m_rows.begin() + first, m_rows.begin() + last);
            m_records.erase(m_records.begin() + first, m_records.begin() + last);
            m_rows.erase(m_rows.begin() + first, m_rows.begin() + last);
            endRemoveRows();
            taken.records.insert(taken.records.begin(), std::make_move_iterator(records.begin()),
                                 std::make_move_iterator(records.end()));
            taken.states.insert(taken.states.begin(), states.begin(), states.end());
        }
        return taken;
    }
    beginResetModel();
    // Every row stays or goes in one pass, so removing thousands costs what removing one does.
    size_t next = 0;
    size_t kept = 0;
    for (size_t index = 0; index < m_records.size(); ++index) {
        if (next < rows.size() && size_t(rows[next] - 1) == index) {
            taken.records.push_back(std::move(m_records[index]));
            taken.states.push_back(std::move(m_rows[index]));
            ++next;
            continue;
        }
        if (kept != index) {
            m_records[kept] = std::move(m_records[index]);
            m_rows[kept] = std::move(m_rows[index]);
        }
        ++kept;
    }
    m_records.resize(kept);
    m_rows.resize(kept);
    endResetModel();
    return taken;
}

void Grid::PutBack(const TakenRows& taken) {
    const auto ranges = Ranges(taken.rows);
    if (ranges.size() <= kMostRangesTold) {
        size_t from = 0;
        for (const auto& range : ranges) {
            const size_t length = size_t(range.second - range.first + 1);
            const auto at = size_t(range.first - 1);
            beginInsertRows(QModelIndex(), range.first - 1, range.second - 1);
            m_records.insert(m_records.begin() + at, taken.records.begin() + from,
                             taken.records.begin() + from + length);
            m_rows.insert(m_rows.begin() + at, taken.states.begin() + from,
                          taken.states.begin() + from + length);
            endInsertRows();
            from += length;
        }
        return;
    }
    beginResetModel();
    std::vector<ItemRecord> records;
    std::vector<RowState> states;
    const size_t count = m_records.size() + taken.records.size();
    records.reserve(count);
    states.reserve(count);
    size_t next = 0;
    size_t old = 0;
    for (size_t index = 0; index < count; ++index) {
        if (next < taken.rows.size() && size_t(taken.rows[next] - 1) == index) {
            records.push_back(taken.records[next]);
            states.push_back(taken.states[next]);
            ++next;
        } else {
            records.push_back(std::move(m_records[old]));
            states.push_back(std::move(m_rows[old]));
            ++old;
        }
    }
    m_records = std::move(records);
    m_rows = std::move(states);
    endResetModel();
}

void Grid::InsertRecords(int before, const std::vector<ItemRecord>& records) {
    if (records.empty())
        return;
    const int first = before - 1;
    beginInsertRows(QModelIndex(), first, first + int(records.size()) - 1);
    m_records.insert(m_records.begin() + first, records.begin(), records.end());
    m_rows.insert(m_rows.begin() + first, records.size(), RowState());
    endInsertRows();
}

void Grid::Reorder(const std::vector<int>& order) {
    Q_EMIT layoutAboutToBeChanged();
    const QModelIndexList persistent = persistentIndexList();
    std::vector<int> newRowOf(order.size());
    for (size_t index = 0; index < order.size(); ++index)
        newRowOf[size_t(order[index])] = int(index);
    std::vector<ItemRecord> records;
    std::vector<RowState> states;
    records.reserve(order.size());
    states.reserve(order.size());
    for (const int old : order) {
        records.push_back(std::move(m_records[size_t(old)]));
        states.push_back(std::move(m_rows[size_t(old)]));
    }
    m_records = std::move(records);
    m_rows = std::move(states);
    QModelIndexList moved;
    moved.reserve(persistent.size());
    for (const QModelIndex& index : persistent)
        moved.push_back(this->index(newRowOf[size_t(index.row())], index.column()));
    changePersistentIndexList(persistent, moved);
    Q_EMIT layoutChanged();
}

void Grid::SetPagePath(int row, const QString& pagePath) {
    m_rows[size_t(row - 1)].pagePath = pagePath;
    const QModelIndex cell = index(row - 1, kPathColumn);
    Q_EMIT dataChanged(cell, cell, {Qt::DisplayRole});
}

void Grid::MarkRow(int row, const QImage& pageMark, const QImage& doneMark) {
    m_pageMark = pageMark;
    m_doneMark = doneMark;
    m_rows[size_t(row - 1)].marked = true;
    const QModelIndex cell = index(row - 1, kPathColumn);
    Q_EMIT dataChanged(cell, cell, {Qt::DecorationRole});
    Q_EMIT headerDataChanged(Qt::Vertical, row - 1, row - 1);
}

int Grid::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ItemCount();
}

int Grid::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kPathColumn + 1 + m_columns.ExtraCount();
}

QVariant Grid::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return QVariant();
    const int row = index.row() + 1;
    const bool path = index.column() == kPathColumn;
    if (role == Qt::EditRole)
        return path ? PagePath(row) : Record(row).Value(PositionOfModelColumn(index.column()));
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return Shown(path ? PagePath(row)
                          : Record(row).Value(PositionOfModelColumn(index.column())));
    if (role == Qt::DecorationRole && path && Marked(row))
        return m_pageMark;
    return QVariant();
}

QVariant Grid::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal) {
        if (role != Qt::DisplayRole)
            return QVariant();
        if (section > kPathColumn)
            return m_columns.ExtraNames().value(section - kPathColumn - 1);
        return Heading(section + 1);
    }
    if (section < 0 || section >= ItemCount())
        return QVariant();
    if (role == Qt::DisplayRole)
        return QString();
    if (role == Qt::DecorationRole && Marked(section + 1))
        return m_doneMark;
    return QVariant();
}

Qt::ItemFlags Grid::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return index.column() == kPathColumn ? flags : flags | Qt::ItemIsEditable;
}

bool Grid::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || index.column() == kPathColumn)
        return false;
    Q_EMIT CellEdited(index.row() + 1, PositionOfModelColumn(index.column()), value.toString());
    return true;
}
