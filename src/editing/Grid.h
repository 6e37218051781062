#pragma once

#include "catalogue/GridCursor.h"
#include "catalogue/ItemRecord.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QImage>
#include <QString>

#include <functional>
#include <vector>

// The window's grid MSFlexGrid1, the only store of the open catalogue: cells of text, some
// with a picture beside the text, addressed by row and column from 0. Row 0 is the fixed
// heading row and column 0 the fixed column; a current cell (Row, Col) is the cursor most
// operations act on. Each item row also keeps its record's Spare field, which no column
// shows and which moves with the row.
//
// As a table model it shows rows 1 to Rows - 1 and columns 1 to Cols - 1 as its cells, row 0
// as the horizontal heading and column 0 as the vertical heading, so that both stay in
// place while the cells scroll.
class Grid : public QAbstractTableModel, public GridCursor {
    Q_OBJECT

public:
    // The view shows at most this many characters of a cell, then an ellipsis: a cell may
    // hold megabytes, which no view lays out quickly. Text() always gives the whole text.
    static constexpr qsizetype ShownLength = 1000;
    static QString Shown(const QString& text);

    explicit Grid(QObject* parent = nullptr);

    // Rows including row 0 (at least 1). More adds empty rows at the end, fewer drops rows
    // from the end; the rows that stay keep their texts.
    int Rows() const { return m_rows; }
    void SetRows(int rows);
    // Columns including column 0 (at least 1).
    int Cols() const { return m_cols; }
    void SetCols(int cols);

    int Row() const override { return m_row; }
    void SetRow(int row) override;
    int Col() const override { return m_col; }
    void SetCol(int column) override;
    QString Text() const override;
    void SetText(const QString& text) override;
    void SetCellPicture(const QImage& picture) override;
    QImage CellPicture() const;

    // Width of a column in twips; -1 until one is set (the view's own width then).
    int ColWidth(int column) const;
    void SetColWidth(int column, int twips);

    // Empties the text of every cell, headings included, and every row's Spare; the rows,
    // columns and pictures stay.
    void Clear();
    // Repaints the grid at once.
    void Refresh();
    // What a click of the user on a cell does: a cell below the heading row becomes the
    // current cell, then Click is raised.
    void Click(int row, int column);

    // The Spare field of an item row.
    QString Spare(int row) const;
    void SetSpare(int row, const QString& spare);

    // Appends records as rows after the last one, columns 1 to 9 from their fields and the
    // Spare from position 7, with one reset of the model for the whole block; the last new
    // row becomes current. progress, when given, is told the row count after every `step`
    // rows and at the end.
    void AppendRecords(const std::vector<ItemRecord>& records,
                       const std::function<void(int rows)>& progress = {}, int step = 1024);
    // The record an item row holds, its Spare included.
    ItemRecord Record(int row) const;
    // One field of that record, without copying the record: position 1 to 10 (Spare too);
    // row and position must be valid, and a field without a column is empty.
    const QString& Field(int row, int position) const;

    // The table model.
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

Q_SIGNALS:
    void Clicked();
    void Refreshed();
    void ColWidthChanged(int column, int twips);

private:
    void CheckCell(int row, int column) const;
    qsizetype CellIndex(int row, int column) const { return qsizetype(row) * m_cols + column; }
    const QString& CellText(int row, int column) const {
        return m_texts[size_t(CellIndex(row, column))];
    }
    QImage CellPictureAt(int row, int column) const;
    void CellChanged(int row, int column, int role);

    int m_rows = 1;
    int m_cols = 1;
    int m_row = 0;
    int m_col = 0;
    // Row by row, m_cols texts each.
    std::vector<QString> m_texts;
    // One per row; row 0's is never used.
    std::vector<QString> m_spares;
    // The few cells that show a picture, by cell index.
    QHash<qsizetype, QImage> m_pictures;
    std::vector<int> m_widths;
};
