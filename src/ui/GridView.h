// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTableView>

#include <functional>
#include <vector>

class CatalogueView;

// Shows the grid through `shown`, a sorting and filtering view of it: the column headings,
// the narrow row headings with their marks, and the columns in their widths. Rows are told in
// item rows of the grid, whatever the view's order. RowClicked is raised by a click on a cell
// or a row heading, by Enter or Space, and by every key that moves to another row (arrows,
// Page Up and Down, Home and End), with that row; by a click on a column heading or the empty
// space below the rows with the view's current row. So the row the view's current row is
// always the row the form shows. Shift and Ctrl select several rows.
//
// A click on a heading sorts the view by its column, a second descending, a third gives the
// catalogue's order back. F2, a double-click or typing edits a cell in place; the description
// is edited in the form instead, where its line breaks show.
class GridView : public QTableView {
    Q_OBJECT

public:
    // Width in twips of grid column 0 (the row headings) to 10 (the page path).
    static int ColumnWidth(int column);

    explicit GridView(CatalogueView& shown, QWidget* parent = nullptr);

    // The item row a view index shows, 0 for none.
    int ItemRow(const QModelIndex& index) const;
    // The item rows selected, ascending.
    std::vector<int> SelectedRows() const;
    // The form shows item row `row` (0: none): it becomes the current row, in the current
    // column; the selection stays where it holds the row, else it is that row alone.
    void ShowFormRow(int row);
    // Selects the item rows (ascending) shown by the view, the first the current row.
    void SelectRows(const std::vector<int>& rows);
    // The record position of the current column, or 0.
    int CurrentPosition() const;
    // The record position of the column the view is sorted by, or 0 in the catalogue's order.
    int SortPosition() const;
    // Leaves a cell being edited without storing it; false when none is.
    bool CancelEditing();
    // Asked before a cell is edited in place, with its item row: false keeps it from being
    // edited (the form's changes not yet stored were kept).
    void SetEditGuard(std::function<bool(int row)> mayEdit) { m_mayEdit = std::move(mayEdit); }

Q_SIGNALS:
    // Item row 1 to the item count, or 0 while the view has no current row.
    void RowClicked(int row);
    // F2 or a double-click on a row's description: it is edited in the form.
    void DescriptionEditRequested(int row);

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    class CellEditing;

    void ApplyWidths();
    // A row's mark changed.
    void HeadingsChanged(Qt::Orientation orientation, int first, int last);
    // The item row of the view's current row, 0 when there is none.
    int CurrentRow() const;
    // A heading clicked: ascending, descending, then the catalogue's order.
    void SortBy(int column);
    QModelIndex ViewIndex(int row, int column) const;

    CatalogueView& m_shown;
    std::function<bool(int)> m_mayEdit;
    bool m_pressedBelowRows = false;
};
