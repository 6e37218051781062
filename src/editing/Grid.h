// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/CatalogueColumns.h"
#include "catalogue/ItemRecord.h"

#include <QAbstractTableModel>
#include <QImage>
#include <QString>

#include <vector>

// The window's grid MSFlexGrid1, the only store of the open catalogue: a table of records,
// item row 1 to ItemCount, each with the path of its page once a page run has written it and
// the marks that say so. Everything is read and written by row: a field, a record, a row's
// page path and mark; no cursor is moved to reach them.
//
// As a table model it shows item row r as model row r - 1, grid column 1 to 9 (the record's
// fields in column order) and 10 (the page path) as model column 0 to 9, the columns the
// catalogue keeps beyond the ten fields after them, the headings above them and the done mark
// as a row's vertical heading.
class Grid : public QAbstractTableModel {
    Q_OBJECT

public:
    // The view shows at most this many characters of a cell, then an ellipsis: a cell may
    // hold megabytes, which no view lays out quickly.
    static constexpr qsizetype ShownLength = 1000;
    static QString Shown(const QString& text);
    // The heading of grid column 1 to 10, the empty text for any other.
    static QString Heading(int column);
    // The record position (ItemRecord::Value) that model column `column` shows, or 0 for
    // the page path.
    static int PositionOfModelColumn(int column);

    explicit Grid(QObject* parent = nullptr);

    int ItemCount() const { return int(m_records.size()); }
    // The catalogue's columns, as its file names them.
    const CatalogueColumns& Columns() const { return m_columns; }
    // Takes new columns with each row's kept values (one list a row, in row order): a
    // catalogue's columns changed as a whole, told as a reset.
    void SetColumns(CatalogueColumns columns, const std::vector<QStringList>& extras);
    // What the window calls the column of a record position: a field's heading, or a kept
    // column's name.
    QString ColumnName(int position) const;
    // Every row's kept values, in row order.
    std::vector<QStringList> Extras() const;
    const std::vector<ItemRecord>& Records() const { return m_records; }
    // Item row 1 to ItemCount; rows are not checked.
    const ItemRecord& Record(int row) const { return m_records[size_t(row - 1)]; }
    const QString& Field(int row, int position) const { return Record(row).Field(position); }
    // The page a run wrote for the row, empty until one did.
    const QString& PagePath(int row) const { return m_rows[size_t(row - 1)].pagePath; }
    // Whether the row shows the marks of a written page.
    bool Marked(int row) const { return m_rows[size_t(row - 1)].marked; }

    // What a row shows besides its record: its page path and marks, which move with it.
    struct RowState {
        QString pagePath;
        bool marked = false;
        bool operator==(const RowState& other) const {
            return pagePath == other.pagePath && marked == other.marked;
        }
    };
    // Rows taken out of the grid, with the item rows they stood at (ascending), so that they
    // can be put back where they were.
    struct TakenRows {
        std::vector<int> rows;
        std::vector<ItemRecord> records;
        std::vector<RowState> states;
    };

    // Removes every row; the columns become those of a file without a heading.
    void Clear();
    // Appends records as rows after the last one, with one reset of the model for the whole
    // block.
    void AppendRecords(std::vector<ItemRecord> records);
    // Replaces every row with a catalogue's records in its columns.
    void Open(CatalogueColumns columns, std::vector<ItemRecord> records);
    // Replaces the record of a row; its page path and marks stay.
    void StoreRecord(int row, const ItemRecord& record);
    // Replaces the records of item rows (ascending), with one change told for them all.
    void StoreRecords(const std::vector<int>& rows, const std::vector<ItemRecord>& records);
    // Removes a row; the rows after it move up with their page paths and marks.
    void RemoveRow(int row);
    // Removes the given item rows (ascending, each once) with their page paths and marks, and
    // gives them back as they were.
    TakenRows TakeRows(const std::vector<int>& rows);
    // Puts rows taken out back at the item rows they stood at.
    void PutBack(const TakenRows& taken);
    // Inserts records as new rows before item row `before` (ItemCount() + 1 appends), without
    // page paths or marks.
    void InsertRecords(int before, const std::vector<ItemRecord>& records);
    // Orders the rows anew: new item row i + 1 is the row that stood at item row order[i] + 1
    // (a permutation of 0 to ItemCount() - 1); page paths and marks move with their records.
    void Reorder(const std::vector<int>& order);
    // Shows the row's page path in column 10.
    void SetPagePath(int row, const QString& pagePath);
    // Shows the marks of a written page: pageMark beside the path, doneMark in the row's
    // heading; the pictures are the grid's, the last given.
    void MarkRow(int row, const QImage& pageMark, const QImage& doneMark);

    // The table model. A field's Qt::EditRole is its value whole, for an editor; its
    // Qt::DisplayRole what the view shows of it.
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A field's cell edited in a view: nothing changes here; CellEdited asks for the change,
    // which the editing stores as any other, to be undone.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

Q_SIGNALS:
    // A view's editor asks to store value into the field at `position` of item row `row`.
    void CellEdited(int row, int position, const QString& value);

private:
    CatalogueColumns m_columns;
    std::vector<ItemRecord> m_records;
    std::vector<RowState> m_rows;
    QImage m_pageMark;
    QImage m_doneMark;
};
