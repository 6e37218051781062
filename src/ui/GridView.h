// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTableView>

class Grid;

// Shows the grid: the column headings, the narrow row headings with their marks, and the
// columns in their widths. RowClicked is raised by a click on a cell or a row heading, by
// Enter or Space, and by every key that moves to another row (arrows, Page Up and Down, Home
// and End), with that row; by a click on a column heading or the empty space below the rows
// with the view's current row. So the row the view highlights is always the row the form
// shows.
class GridView : public QTableView {
    Q_OBJECT

public:
    // Width in twips of grid column 0 (the row headings) to 10 (the page path).
    static int ColumnWidth(int column);

    explicit GridView(Grid& grid, QWidget* parent = nullptr);

Q_SIGNALS:
    // Item row 1 to the item count, or 0 while the view has no current row.
    void RowClicked(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void ApplyWidths();
    // A row's mark changed.
    void HeadingsChanged(Qt::Orientation orientation, int first, int last);
    // The item row of the view's current row, 0 when there is none.
    int CurrentRow() const;

    bool m_pressedBelowRows = false;
};
