// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editing/Grid.h"

#include <QUndoCommand>

#include <memory>
#include <vector>

// One change of the catalogue in the grid, as a step that can be undone and done again:
// records stored into rows, records inserted, rows removed (with their page paths and marks),
// the rows ordered anew, or the kept columns changed. Its text names what it does ("delete of 3
// items"), for the commands "Undo ..." and "Redo ...".
class GridChange : public QUndoCommand {
public:
    // Stores after[i] into item row rows[i] (ascending); the records there now come back on
    // undo.
    static std::unique_ptr<GridChange> Store(Grid& grid, std::vector<int> rows,
                                             std::vector<ItemRecord> after, const QString& text);
    // Inserts the records as rows before item row `before`.
    static std::unique_ptr<GridChange> Insert(Grid& grid, int before,
                                              std::vector<ItemRecord> records, const QString& text);
    // Removes the item rows (ascending, each once).
    static std::unique_ptr<GridChange> Remove(Grid& grid, std::vector<int> rows,
                                              const QString& text);
    // Orders the rows as Grid::Reorder does.
    static std::unique_ptr<GridChange> Reorder(Grid& grid, std::vector<int> order,
                                               const QString& text);

    // Gives the grid new columns and each row's kept values (Grid::SetColumns); the columns
    // and values there now come back on undo. formRow is the row the window shows after.
    static std::unique_ptr<GridChange> Columns(Grid& grid, CatalogueColumns after,
                                               std::vector<QStringList> extras, int formRow,
                                               const QString& text);

    void redo() override;
    void undo() override;

    // The item rows that hold what the step changed, once it was done or undone (ascending):
    // the rows the window shows and selects. None where the change left no row of its own (a
    // removal done, an insertion undone, a new order).
    const std::vector<int>& ShownRows() const { return m_shown; }

private:
    enum class Kind { Store, Insert, Remove, Reorder, Columns };

    GridChange(Grid& grid, Kind kind, const QString& text);
    void Apply(bool forward);

    Grid& m_grid;
    Kind m_kind;
    // The rows stored, inserted or removed.
    std::vector<int> m_rows;
    // Store: the records before and after; Insert: the records inserted.
    std::vector<ItemRecord> m_before;
    std::vector<ItemRecord> m_after;
    // Remove: what the removal took, while it is done.
    Grid::TakenRows m_taken;
    std::vector<int> m_order;
    std::vector<int> m_shown;
    // Columns: the columns and kept values before and after.
    CatalogueColumns m_columnsBefore;
    CatalogueColumns m_columnsAfter;
    std::vector<QStringList> m_extrasBefore;
    std::vector<QStringList> m_extrasAfter;
};
