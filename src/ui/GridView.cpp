#include "ui/GridView.h"

#include "app/Twips.h"
#include "catalogue/Grid.h"

#include <QHeaderView>
#include <QKeyEvent>

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
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    verticalHeader()->setMinimumSectionSize(kRowHeight);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
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
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        m_grid.Click(index.row() + 1, index.column() + 1);
    });
    connect(verticalHeader(), &QHeaderView::sectionClicked, this,
            [this](int section) { m_grid.Click(section + 1, 0); });
}

void GridView::ApplyWidth(int column, int twips) {
    if (twips < 0)
        return;
    if (column == 0)
        verticalHeader()->setFixedWidth(TwipsToPixels(twips));
    else
        setColumnWidth(column - 1, TwipsToPixels(twips));
}

void GridView::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) &&
        currentIndex().isValid()) {
        m_grid.Click(currentIndex().row() + 1, currentIndex().column() + 1);
        return;
    }
    QTableView::keyPressEvent(event);
}
