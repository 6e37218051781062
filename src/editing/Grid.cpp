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

QString Grid::Shown(const QString& text) {
    if (text.size() <= ShownLength)
        return text;
    qsizetype shown = ShownLength;
    if (text[shown - 1].isHighSurrogate())
        --shown;
    return text.left(shown) + QChar(0x2026);
}

void Grid::Clear() {
    beginResetModel();
    m_records.clear();
    m_rows.clear();
    endResetModel();
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
    m_records[size_t(row - 1)] = record;
    Q_EMIT dataChanged(index(row - 1, 0), index(row - 1, kPathColumn - 1));
}

void Grid::RemoveRow(int row) {
    beginRemoveRows(QModelIndex(), row - 1, row - 1);
    m_records.erase(m_records.begin() + (row - 1));
    m_rows.erase(m_rows.begin() + (row - 1));
    endRemoveRows();
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
    return parent.isValid() ? 0 : kPathColumn + 1;
}

QVariant Grid::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return QVariant();
    const int row = index.row() + 1;
    const bool path = index.column() == kPathColumn;
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return Shown(path ? PagePath(row)
                          : Field(row, ItemRecord::PositionOfColumn(index.column() + 1)));
    if (role == Qt::DecorationRole && path && Marked(row))
        return m_pageMark;
    return QVariant();
}

QVariant Grid::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal)
        return role == Qt::DisplayRole ? QVariant(Heading(section + 1)) : QVariant();
    if (section < 0 || section >= ItemCount())
        return QVariant();
    if (role == Qt::DisplayRole)
        return QString();
    if (role == Qt::DecorationRole && Marked(section + 1))
        return m_doneMark;
    return QVariant();
}

Qt::ItemFlags Grid::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
