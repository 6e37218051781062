// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/GridView.h"

#include "catalogue/ItemRecord.h"
#include "editing/CatalogueView.h"
#include "editing/Grid.h"
#include "ui/ColourContrast.h"
#include "ui/Twips.h"

#include <QHeaderView>
#include <QItemSelection>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include <limits>

namespace {

// A grid row: 240 twips.
constexpr int kRowHeight = TwipsToPixels(240);

constexpr int kWidths[ItemRecord::GridColumnCount] = {220,  1000, 2000, 3000, 2000, 1000,
                                                      1000, 2000, 2000, 1500, 3500};

// The contrast of the focused cell's frame against the cell, as for any focus mark.
constexpr double kLeastFocusContrast = 3.0;

// The model column of the page path, which is no record field.
constexpr int kPathColumn = ItemRecord::HtmlColumn - 1;

}  // namespace

// Cells are edited in a line box that takes a value of any length, as the form's boxes do.
// The focused cell gets a frame of its own, 2 pixels wide and at least 3:1 against the cell:
// the style's dotted focus mark all but vanishes inside the selected row.
class GridView::CellEditing : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem cell(option);
        cell.state &= ~QStyle::State_HasFocus;
        QStyledItemDelegate::paint(painter, cell, index);
        if (!(option.state & QStyle::State_HasFocus))
            return;
        const bool selected = option.state & QStyle::State_Selected;
        const QColor behind = option.palette.color(selected ? QPalette::Highlight : QPalette::Base);
        const QColor frame = ColourContrast::FirstReadable(
            behind, {option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text)},
            kLeastFocusContrast);
        painter->save();
        painter->setPen(QPen(frame, 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
        painter->restore();
    }
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* box = qobject_cast<QLineEdit*>(editor))
            box->setMaxLength(std::numeric_limits<int>::max());
        return editor;
    }
};

int GridView::ColumnWidth(int column) {
    return kWidths[column];
}

GridView::GridView(CatalogueView& shown, QWidget* parent) : QTableView(parent), m_shown(shown) {
    setModel(&shown);
    setItemDelegate(new CellEditing(this));
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setCornerButtonEnabled(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    verticalHeader()->setMinimumSectionSize(kRowHeight);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setFixedHeight(kRowHeight + 2);
    horizontalHeader()->setSortIndicatorShown(false);
    ApplyWidths();
    connect(&shown, &QAbstractItemModel::modelReset, this, &GridView::ApplyWidths);
    // A row heading changes when a page run marks its row. The view and its row header would
    // each take such a change as a reason to lay out and repaint the whole grid, though the
    // header's width and the rows' heights are fixed: during a run of thousands of rows that
    // cost more than writing the pages. So a row heading in view is repainted alone, and the
    // others are painted as they scroll into view; a column heading still lays the view out.
    QObject::disconnect(&shown, SIGNAL(headerDataChanged(Qt::Orientation, int, int)), this,
                        nullptr);
    QObject::disconnect(&shown, SIGNAL(headerDataChanged(Qt::Orientation, int, int)),
                        verticalHeader(), nullptr);
    connect(&shown, &QAbstractItemModel::headerDataChanged, this, &GridView::HeadingsChanged);
    connect(this, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& index) { Q_EMIT RowClicked(ItemRow(index)); });
    connect(verticalHeader(), &QHeaderView::sectionClicked, this,
            [this](int section) { Q_EMIT RowClicked(ItemRow(m_shown.index(section, 0))); });
    // A column heading is no row: the click sorts, and acts on the current row.
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        SortBy(section);
        Q_EMIT RowClicked(CurrentRow());
    });
}

int GridView::ItemRow(const QModelIndex& index) const {
    return index.isValid() ? m_shown.SourceRow(index.row()) : 0;
}

QModelIndex GridView::ViewIndex(int row, int column) const {
    const int viewRow = row > 0 ? m_shown.ViewRow(row) : -1;
    return viewRow >= 0 ? m_shown.index(viewRow, column) : QModelIndex();
}

int GridView::CurrentRow() const {
    return ItemRow(currentIndex());
}

std::vector<int> GridView::SelectedRows() const {
    std::vector<int> rows;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        for (int viewRow = range.top(); viewRow <= range.bottom(); ++viewRow) {
            if (const int row = ItemRow(m_shown.index(viewRow, 0)))
                rows.push_back(row);
        }
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void GridView::ShowFormRow(int row) {
    const int column = currentIndex().isValid() ? currentIndex().column() : 0;
    const QModelIndex index = ViewIndex(row, column);
    if (!index.isValid()) {
        if (row == 0)
            clearSelection();
        return;
    }
    if (selectionModel()->isRowSelected(index.row(), QModelIndex()))
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    else
        selectionModel()->setCurrentIndex(
            index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void GridView::SelectRows(const std::vector<int>& rows) {
    QItemSelection selection;
    const int lastColumn = m_shown.columnCount() - 1;
    int first = -1;
    int last = -1;
    // Neighbouring view rows go in one range, so thousands of rows are few ranges.
    const auto flush = [&] {
        if (first >= 0)
            selection.select(m_shown.index(first, 0), m_shown.index(last, lastColumn));
    };
    std::vector<int> viewRows;
    viewRows.reserve(rows.size());
    for (const int row : rows) {
        const QModelIndex index = ViewIndex(row, 0);
        if (index.isValid())
            viewRows.push_back(index.row());
    }
    std::sort(viewRows.begin(), viewRows.end());
    for (const int viewRow : viewRows) {
        if (first >= 0 && viewRow == last + 1) {
            last = viewRow;
            continue;
        }
        flush();
        first = last = viewRow;
    }
    flush();
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (!rows.empty()) {
        const QModelIndex current = ViewIndex(rows.front(), std::max(0, currentIndex().column()));
        selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
        scrollTo(current);
    }
}

int GridView::CurrentPosition() const {
    return CatalogueView::PositionOfModelColumn(currentIndex().column());
}

int GridView::SortPosition() const {
    return CatalogueView::PositionOfModelColumn(m_shown.sortColumn());
}

void GridView::SortBy(int column) {
    if (column < 0 || column >= kPathColumn)
        return;
    QHeaderView* header = horizontalHeader();
    if (m_shown.sortColumn() != column) {
        m_shown.sort(column, Qt::AscendingOrder);
    } else if (m_shown.sortOrder() == Qt::AscendingOrder) {
        m_shown.sort(column, Qt::DescendingOrder);
    } else {
        m_shown.sort(-1);
        header->setSortIndicatorShown(false);
        return;
    }
    header->setSortIndicator(column, m_shown.sortOrder());
    header->setSortIndicatorShown(true);
    if (currentIndex().isValid())
        scrollTo(currentIndex());
}

bool GridView::CancelEditing() {
    if (state() != EditingState)
        return false;
    if (QWidget* editor = indexWidget(currentIndex()))
        closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
    return true;
}

bool GridView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    if (index.isValid() && (editTriggers() & trigger)) {
        const int row = ItemRow(index);
        if (index.column() == kPathColumn || row == 0)
            return false;
        if (CatalogueView::PositionOfModelColumn(index.column()) == ItemRecord::Description) {
            // Its line breaks would not show in a line box: the form's box edits it.
            if (trigger != AnyKeyPressed)
                Q_EMIT DescriptionEditRequested(row);
            return false;
        }
        if (m_mayEdit && !m_mayEdit(row))
            return false;
    }
    return QTableView::edit(index, trigger, event);
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
