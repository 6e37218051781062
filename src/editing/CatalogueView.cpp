// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/CatalogueView.h"

#include "editing/Grid.h"
#include "editing/TextFolding.h"

#include <QLocale>

#include <algorithm>
#include <numeric>

namespace {

// Between a row's folded fields: a character that no find text typed holds, so a text found
// in the joined fields lies within one of them.
constexpr QChar kBetweenFields(0xFFFF);

}  // namespace

int CatalogueView::PositionOfModelColumn(int column) {
    return Grid::PositionOfModelColumn(column);
}

CatalogueView::CatalogueView(Grid* grid, QObject* parent)
    : QSortFilterProxyModel(parent),
      // The C locale's collation is the characters' codes, capitals before all small
      // letters: where no language is set, titles sort as in English.
      m_collator(QLocale().language() == QLocale::C ? QLocale(QLocale::English) : QLocale()) {
    m_collator.setNumericMode(true);
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    setSourceModel(grid);
}

void CatalogueView::setSourceModel(QAbstractItemModel* model) {
    for (const QMetaObject::Connection& connection : m_connections)
        disconnect(connection);
    m_connections.clear();
    m_grid = qobject_cast<Grid*>(model);
    if (m_grid) {
        // Connected before the proxy connects its own handling, so that handling, which
        // filters and sorts the rows changed, finds the caches already in step.
        m_connections = {
            connect(m_grid, &QAbstractItemModel::modelReset, this, &CatalogueView::SourceReset),
            connect(m_grid, &QAbstractItemModel::layoutChanged, this, &CatalogueView::SourceReset),
            connect(m_grid, &QAbstractItemModel::rowsMoved, this, &CatalogueView::SourceReset),
            connect(m_grid, &QAbstractItemModel::rowsInserted, this,
                    [this](const QModelIndex&, int first, int last) {
                        SourceRowsInserted(first, last);
                    }),
            connect(m_grid, &QAbstractItemModel::rowsRemoved, this,
                    [this](const QModelIndex&, int first, int last) {
                        SourceRowsRemoved(first, last);
                    }),
            connect(m_grid, &QAbstractItemModel::dataChanged, this,
                    [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                        SourceDataChanged(topLeft.row(), bottomRight.row());
                    }),
        };
    }
    SourceReset();
    QSortFilterProxyModel::setSourceModel(model);
}

void CatalogueView::SourceReset() {
    const size_t rows = m_grid ? size_t(m_grid->ItemCount()) : 0;
    m_folded.assign(rows, QString());
    m_found.assign(rows, Found::Unknown);
    m_keys.reset();
}

void CatalogueView::SourceRowsInserted(int first, int last) {
    const int count = last - first + 1;
    m_folded.insert(m_folded.begin() + first, size_t(count), QString());
    m_found.insert(m_found.begin() + first, size_t(count), Found::Unknown);
    if (m_keys) {
        for (int row = first; row <= last; ++row)
            m_keys->Insert(row, m_grid->Record(row + 1));
    }
}

void CatalogueView::SourceRowsRemoved(int first, int last) {
    m_folded.erase(m_folded.begin() + first, m_folded.begin() + last + 1);
    m_found.erase(m_found.begin() + first, m_found.begin() + last + 1);
    if (m_keys)
        m_keys->Remove(first, last - first + 1);
}

void CatalogueView::SourceDataChanged(int first, int last) {
    for (int row = first; row <= last; ++row) {
        m_folded[size_t(row)] = QString();
        m_found[size_t(row)] = Found::Unknown;
        if (m_keys)
            m_keys->Update(row, m_grid->Record(row + 1));
    }
}

void CatalogueView::SetFindText(const QString& text) {
    m_findText = text;
    QString needle = TextFolding::Folded(text);
    if (needle == m_needle)
        return;
    // A row without the text cannot hold a longer text that holds it: as the text grows
    // key by key, only the rows still shown are searched again.
    if (m_needle.isEmpty() || !needle.contains(m_needle))
        std::fill(m_found.begin(), m_found.end(), Found::Unknown);
    m_needle = std::move(needle);
    invalidateRowsFilter();
}

const QString& CatalogueView::FoldedRow(int sourceRow) const {
    QString& folded = m_folded[size_t(sourceRow)];
    if (folded.isNull()) {
        const ItemRecord& record = m_grid->Record(sourceRow + 1);
        qsizetype length = ItemRecord::LastFieldColumn - ItemRecord::FirstFieldColumn;
        for (int column = ItemRecord::FirstFieldColumn; column <= ItemRecord::LastFieldColumn;
             ++column)
            length += record.Field(ItemRecord::PositionOfColumn(column)).size();
        for (const QString& extra : record.Extras())
            length += 1 + extra.size();
        // Not null once reserved, even for a row of empty fields: the row is folded.
        folded.reserve(length);
        for (int column = ItemRecord::FirstFieldColumn; column <= ItemRecord::LastFieldColumn;
             ++column) {
            if (column > ItemRecord::FirstFieldColumn)
                folded += kBetweenFields;
            TextFolding::AppendFolded(folded, record.Field(ItemRecord::PositionOfColumn(column)));
        }
        for (const QString& extra : record.Extras()) {
            folded += kBetweenFields;
            TextFolding::AppendFolded(folded, extra);
        }
    }
    return folded;
}

bool CatalogueView::RowHolds(int sourceRow) const {
    if (!m_needle.contains(kBetweenFields))
        return FoldedRow(sourceRow).contains(m_needle);
    // Only a text pasted into the find holds the separator: each field on its own, then.
    const ItemRecord& record = m_grid->Record(sourceRow + 1);
    for (int column = ItemRecord::FirstFieldColumn; column <= ItemRecord::LastFieldColumn;
         ++column) {
        if (TextFolding::Folded(record.Field(ItemRecord::PositionOfColumn(column)))
                .contains(m_needle))
            return true;
    }
    for (const QString& extra : record.Extras()) {
        if (TextFolding::Folded(extra).contains(m_needle))
            return true;
    }
    return false;
}

bool CatalogueView::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    if (m_needle.isEmpty() || !m_grid || sourceParent.isValid())
        return true;
    Found& found = m_found[size_t(sourceRow)];
    if (found == Found::Rejected)
        return false;
    const bool holds = RowHolds(sourceRow);
    found = holds ? Found::Unknown : Found::Rejected;
    return holds;
}

const SortKeys* CatalogueView::Keys() const {
    const int position = PositionOfModelColumn(sortColumn());
    if (!m_grid || position == 0)
        return nullptr;
    if (!m_keys || m_keys->Position() != position)
        m_keys.emplace(m_grid->Records(), position, m_collator);
    return &*m_keys;
}

void CatalogueView::sort(int column, Qt::SortOrder order) {
    // The keys are made for the column before the sort, and again only where the grid was
    // reset since.
    const int position = PositionOfModelColumn(column);
    if (m_grid && position != 0 && (!m_keys || m_keys->Position() != position))
        m_keys.emplace(m_grid->Records(), position, m_collator);
    else if (position == 0)
        m_keys.reset();
    QSortFilterProxyModel::sort(column, order);
}

bool CatalogueView::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const SortKeys* keys = Keys();
    if (!keys)
        return QSortFilterProxyModel::lessThan(left, right);
    // A descending sort reverses this order: empty values, first here, end up last.
    return sortOrder() == Qt::DescendingOrder ? keys->LessToReverse(left.row(), right.row())
                                              : keys->Less(left.row(), right.row());
}

std::vector<int> CatalogueView::SortedOrder(int column, Qt::SortOrder order) const {
    std::vector<int> indices(m_grid ? size_t(m_grid->ItemCount()) : 0);
    std::iota(indices.begin(), indices.end(), 0);
    const int position = PositionOfModelColumn(column);
    if (!m_grid || position == 0)
        return indices;
    const SortKeys keys(m_grid->Records(), position, m_collator);
    // As the view sorts: a descending sort compares the other way round, ties kept in order.
    if (order == Qt::AscendingOrder)
        std::stable_sort(indices.begin(), indices.end(),
                         [&keys](int a, int b) { return keys.Less(a, b); });
    else
        std::stable_sort(indices.begin(), indices.end(),
                         [&keys](int a, int b) { return keys.LessToReverse(b, a); });
    return indices;
}

int CatalogueView::SourceRow(int viewRow) const {
    const QModelIndex source = mapToSource(index(viewRow, 0));
    return source.isValid() ? source.row() + 1 : 0;
}

int CatalogueView::ViewRow(int itemRow) const {
    if (!sourceModel() || itemRow < 1 || itemRow > sourceModel()->rowCount())
        return -1;
    const QModelIndex shown = mapFromSource(sourceModel()->index(itemRow - 1, 0));
    return shown.isValid() ? shown.row() : -1;
}
