// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editing/SortKeys.h"

#include <QCollator>
#include <QSortFilterProxyModel>

#include <optional>
#include <vector>

class Grid;

// The grid as the window shows it: only the rows that hold the find's text, in the order of
// the column it is sorted by. The find ignores case and accents and reads the records' whole
// fields, not the shortened texts the grid shows; the sort orders amounts and times as the
// export reads them (SortKeys). Both keep what they made of each row, so a keystroke or a
// sort reads no text twice; those caches follow every change of the grid.
//
// Model row r is the r-th row shown, model column c grid column c + 1, as in the grid.
class CatalogueView : public QSortFilterProxyModel {
    Q_OBJECT

public:
    // The record position that model column `column` shows, or 0 for the page path.
    static int PositionOfModelColumn(int column);

    explicit CatalogueView(Grid* grid, QObject* parent = nullptr);

    // The grid is the only source this view reads records from; another model is shown
    // unfiltered in its own order.
    void setSourceModel(QAbstractItemModel* model) override;

    // Shows only the rows of which a field holds the text, case and accents aside; the empty
    // text shows every row.
    void SetFindText(const QString& text);
    const QString& FindText() const { return m_findText; }
    bool Filtered() const { return !m_needle.isEmpty(); }
    int ShownCount() const { return rowCount(); }

    // The item row (1 to ItemCount) that view row `viewRow` shows, or 0 for none.
    int SourceRow(int viewRow) const;
    // The view row that shows item row `itemRow`, or -1 where it is not shown.
    int ViewRow(int itemRow) const;

    // The grid's records (0-based indices) in the order a sort by `column` shows them: what
    // "Sort the catalogue by this column" makes the file's order.
    std::vector<int> SortedOrder(int column, Qt::SortOrder order) const;
    // Column -1 gives back the catalogue's order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    // What a row was last found to be for a find text that the present one holds.
    enum class Found : quint8 { Unknown, Rejected };

    // The grid's changes, seen before the proxy's own handling of them.
    void SourceReset();
    void SourceRowsInserted(int first, int last);
    void SourceRowsRemoved(int first, int last);
    void SourceDataChanged(int first, int last);

    // The folded fields of a row, made when first needed.
    const QString& FoldedRow(int sourceRow) const;
    bool RowHolds(int sourceRow) const;
    // The sort keys of the model column sorted by, or nothing for the page path.
    const SortKeys* Keys() const;

    Grid* m_grid = nullptr;
    std::vector<QMetaObject::Connection> m_connections;
    QString m_findText;
    QString m_needle;
    QCollator m_collator;
    // A null string is a row not folded yet.
    mutable std::vector<QString> m_folded;
    mutable std::vector<Found> m_found;
    mutable std::optional<SortKeys> m_keys;
};
