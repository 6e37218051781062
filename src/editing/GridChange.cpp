// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/GridChange.h"

#include <numeric>

GridChange::GridChange(Grid& grid, Kind kind, const QString& text) : m_grid(grid), m_kind(kind) {
    setText(text);
}

std::unique_ptr<GridChange> GridChange::Store(Grid& grid, std::vector<int> rows,
                                              std::vector<ItemRecord> after, const QString& text) {
    std::unique_ptr<GridChange> change(new GridChange(grid, Kind::Store, text));
    change->m_before.reserve(rows.size());
    for (const int row : rows)
        change->m_before.push_back(grid.Record(row));
    change->m_rows = std::move(rows);
    change->m_after = std::move(after);
    return change;
}

std::unique_ptr<GridChange> GridChange::Insert(Grid& grid, int before,
                                               std::vector<ItemRecord> records,
                                               const QString& text) {
    std::unique_ptr<GridChange> change(new GridChange(grid, Kind::Insert, text));
    change->m_rows.resize(records.size());
    std::iota(change->m_rows.begin(), change->m_rows.end(), before);
    change->m_after = std::move(records);
    return change;
}

std::unique_ptr<GridChange> GridChange::Remove(Grid& grid, std::vector<int> rows,
                                               const QString& text) {
    std::unique_ptr<GridChange> change(new GridChange(grid, Kind::Remove, text));
    change->m_rows = std::move(rows);
    return change;
}

std::unique_ptr<GridChange> GridChange::Reorder(Grid& grid, std::vector<int> order,
                                                const QString& text) {
    std::unique_ptr<GridChange> change(new GridChange(grid, Kind::Reorder, text));
    change->m_order = std::move(order);
    return change;
}

std::unique_ptr<GridChange> GridChange::Columns(Grid& grid, CatalogueColumns after,
                                                std::vector<QStringList> extras, int formRow,
                                                const QString& text) {
    std::unique_ptr<GridChange> change(new GridChange(grid, Kind::Columns, text));
    change->m_columnsBefore = grid.Columns();
    change->m_extrasBefore = grid.Extras();
    change->m_columnsAfter = std::move(after);
    change->m_extrasAfter = std::move(extras);
    if (formRow > 0)
        change->m_rows = {formRow};
    return change;
}

void GridChange::redo() {
    Apply(true);
}

void GridChange::undo() {
    Apply(false);
}

void GridChange::Apply(bool forward) {
    m_shown.clear();
    switch (m_kind) {
        case Kind::Store:
            m_grid.StoreRecords(m_rows, forward ? m_after : m_before);
            m_shown = m_rows;
            break;
        case Kind::Insert:
            if (forward) {
                m_grid.InsertRecords(m_rows.front(), m_after);
                m_shown = m_rows;
            } else {
                m_grid.TakeRows(m_rows);
            }
            break;
        case Kind::Remove:
            if (forward) {
                m_taken = m_grid.TakeRows(m_rows);
            } else {
                m_grid.PutBack(m_taken);
                m_taken = Grid::TakenRows();
                m_shown = m_rows;
            }
            break;
        case Kind::Reorder:
            if (forward) {
                m_grid.Reorder(m_order);
            } else {
                std::vector<int> back(m_order.size());
                for (size_t index = 0; index < m_order.size(); ++index)
                    back[size_t(m_order[index])] = int(index);
                m_grid.Reorder(back);
            }
            break;
        case Kind::Columns:
            m_grid.SetColumns(forward ? m_columnsAfter : m_columnsBefore,
                              forward ? m_extrasAfter : m_extrasBefore);
            m_shown = m_rows;
            break;
    }
}
