#pragma once

#include <QTableView>

class Grid;

// Shows the grid: row 0 as the column headings, column 0 as the narrow row headings, the
// column widths the grid is given in twips. A click on a cell, or Enter or Space on the
// view's current cell, is the grid's Click.
class GridView : public QTableView {
    Q_OBJECT

public:
    explicit GridView(Grid& grid, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ApplyWidth(int column, int twips);
    // A heading's text or picture changed.
    void HeadingsChanged(Qt::Orientation orientation, int first, int last);

    Grid& m_grid;
};
