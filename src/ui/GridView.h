#pragma once

#include <QTableView>

class Grid;

// Shows the grid: row 0 as the column headings, column 0 as the narrow row headings, the
// column widths the grid is given in twips. The grid's Click is raised by a click on a cell,
// a row heading, a column heading or the empty space below the rows, by Enter or Space, and
// by every key that moves to another row (arrows, Page Up and Down, Home and End), so the
// row the view highlights is always the row the form shows.
class GridView : public QTableView {
    Q_OBJECT

public:
    explicit GridView(Grid& grid, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void ApplyWidth(int column, int twips);

    Grid& m_grid;
    bool m_pressedBelowRows = false;
};
