// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/GridView.h"

#include "catalogue/ItemRecord.h"
#include "editing/Grid.h"
#include "ui/Twips.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

// A grid row: 240 twips.
constexpr int kRowHeight = TwipsToPixels(240);

constexpr int kWidths[ItemRecord::GridColumnCount] = {220,  1000, 2000, 3000, 2000, 1000,
                                                      1000, 2000, 2000, 1500, 3500};

}  // namespace

int GridView::ColumnWidth(int column) {
    return kWidths[column];
}

GridView::GridView(Grid& grid, QWidget* parent) : QTableView(parent) {
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
    ApplyWidths();
    connect(&grid, &QAbstractItemModel::modelReset, this, &GridView::ApplyWidths);
    // A row heading changes when a page run marks its row. The view and its row header would
    // each take such a change as a reason to lay out and repaint the whole grid, though the
    // header's width and the rows' heights are fixed: during a run of thousands of rows that
    // cost more than writing the pages. So a row heading in view is repainted alone, and the
    // others are painted as they scroll into view; a column heading still lays the view out.
    QObject::disconnect(&grid, SIGNAL(headerDataChanged(Qt::Orientation, int, int)), this, nullptr);
    QObject::disconnect(&grid, SIGNAL(headerDataChanged(Qt::Orientation, int, int)),
                        verticalHeader(), nullptr);
    connect(&grid, &QAbstractItemModel::headerDataChanged, this, &GridView::HeadingsChanged);
    connect(this, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& index) { Q_EMIT RowClicked(index.row() + 1); });
    connect(verticalHeader(), &QHeaderView::sectionClicked, this,
            [this](int section) { Q_EMIT RowClicked(section + 1); });
    // A column heading is no row: the click acts on the current row.
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this] { Q_EMIT RowClicked(CurrentRow()); });
}

int GridView::CurrentRow() const {
    return currentIndex().isValid() ? currentIndex().row() + 1 : 0;
}

void GridView::ApplyWidths() {
    verticalHeader()->setFixedWidth(TwipsToPixels(kWidths[0]));
    for (int column = 1; column < ItemRecord::GridColumnCount; ++column)
        setColumnWidth(column - 1, TwipsToPixels(kWidths[column]));
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
        Q_EMIT RowClicked(CurrentRow());
        return;
    }
    const int rowBefore = CurrentRow();
    QTableView::keyPressEvent(event);
    if (CurrentRow() > 0 && CurrentRow() != rowBefore)
        Q_EMIT RowClicked(CurrentRow());
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
        Q_EMIT RowClicked(CurrentRow());
}
