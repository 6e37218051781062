#include "ui/GridView.h"

#include "editing/Grid.h"
#include "ui/Twips.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

// A grid row: 240 twips.
constexpr int kRowHeight = TwipsToPixels(240);

}  // namespace

GridView::GridView(Grid& grid, QWidget* parent) : QTableView(parent), m_grid(grid) {
    setModel(&grid);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setCornerButtonEnabled(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    verticalHeader()->setMinimumSectionSize(kRowHeight);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setFixedHeight(kRowHeight + 2);
    for (int column = 0; column < grid.Cols(); ++column)
        ApplyWidth(column, grid.ColWidth(column));

    connect(&grid, &Grid::ColWidthChanged, this, &GridView::ApplyWidth);
    connect(&grid, &QAbstractItemModel::modelReset, this, [this] {
        for (int column = 1; column < m_grid.Cols(); ++column)
            ApplyWidth(column, m_grid.ColWidth(column));
    });
    connect(&grid, &Grid::Refreshed, this, [this] { viewport()->repaint(); });
    // A row heading changes when a page run marks its row. The view and its row header would
    // each take such a change as a reason to lay out and repaint the whole grid, though the
    // header's width and the rows' heights are fixed: during a run of thousands of rows that
    // cost more than writing the pages. So a row heading in view is repainted alone, and the
    // others are painted as they scroll into view; a column heading still lays the view out.
    QObject::disconnect(&grid, SIGNAL(headerDataChanged(Qt::Orientation, int, int)), this, nullptr);
    QObject::disconnect(&grid, SIGNAL(headerDataChanged(Qt::Orientation, int, int)),
                        verticalHeader(), nullptr);
    connect(&grid, &QAbstractItemModel::headerDataChanged, this, &GridView::HeadingsChanged);
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        m_grid.Click(index.row() + 1, index.column() + 1);
    });
    connect(verticalHeader(), &QHeaderView::sectionClicked, this,
            [this](int section) { m_grid.Click(section + 1, 0); });
    // A heading is row 0, which no click makes current: the click acts on the current row.
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int section) { m_grid.Click(0, section + 1); });
}

void GridView::ApplyWidth(int column, int twips) {
    if (twips < 0)
        return;
    if (column == 0)
        verticalHeader()->setFixedWidth(TwipsToPixels(twips));
    else
        setColumnWidth(column - 1, TwipsToPixels(twips));
}

void GridView::HeadingsChanged(Qt::Orientation orientation, int first, int last) {
    if (orientation == Qt::Horizontal) {
        scheduleDelayedItemsLayout();
        return;
    }
    QHeaderView* header = verticalHeader();
    const int top = header->sectionViewportPosition(first);
    const int bottom = header->sectionViewportPosition(last) + header->sectionSize(last);
    if (bottom > 0 && top < header->viewport()->height())
        header->viewport()->update(0, top, header->viewport()->width(), bottom - top);
}

void GridView::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) &&
        currentIndex().isValid()) {
        m_grid.Click(currentIndex().row() + 1, currentIndex().column() + 1);
        return;
    }
    const int rowBefore = currentIndex().row();
    QTableView::keyPressEvent(event);
    const QModelIndex now = currentIndex();
    if (now.isValid() && now.row() != rowBefore)
        m_grid.Click(now.row() + 1, now.column() + 1);
}

QModelIndex GridView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    // Home and End go to the first and the last row, in the same column.
    if ((action == MoveHome || action == MoveEnd) && model()->rowCount() > 0) {
        const int column = currentIndex().isValid() ? currentIndex().column() : 0;
        const int row = action == MoveHome ? 0 : model()->rowCount() - 1;
        return model()->index(row, column);
    }
    return QTableView::moveCursor(action, modifiers);
}

void GridView::mousePressEvent(QMouseEvent* event) {
    m_pressedBelowRows =
        event->button() == Qt::LeftButton && !indexAt(event->position().toPoint()).isValid();
    QTableView::mousePressEvent(event);
}

void GridView::mouseReleaseEvent(QMouseEvent* event) {
    const bool belowRows = m_pressedBelowRows && event->button() == Qt::LeftButton &&
                           !indexAt(event->position().toPoint()).isValid();
    m_pressedBelowRows = false;
    QTableView::mouseReleaseEvent(event);
    if (belowRows)
        m_grid.Click(0, 0);
}
