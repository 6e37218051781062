// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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
// fields in column order) and 10 (the page path) as model column 0 to 9, the headings above
// them and the done mark as a row's vertical heading.
class Grid : public QAbstractTableModel {
    Q_OBJECT

public:
    // The view shows at most this many characters of a cell, then an ellipsis: a cell may
    // hold megabytes, which no view lays out quickly.
    static constexpr qsizetype ShownLength = 1000;
    static QString Shown(const QString& text);
    // The heading of grid column 1 to 10, the empty text for any other.
    static QString Heading(int column);

    explicit Grid(QObject* parent = nullptr);

    int ItemCount() const { return int(m_records.size()); }
    const std::vector<ItemRecord>& Records() const { return m_records; }
    // Item row 1 to ItemCount; rows are not checked.
    const ItemRecord& Record(int row) const { return m_records[size_t(row - 1)]; }
    const QString& Field(int row, int position) const { return Record(row).Field(position); }
    // The page a run wrote for the row, empty until one did.
    const QString& PagePath(int row) const { return m_rows[size_t(row - 1)].pagePath; }
    // Whether the row shows the marks of a written page.
    bool Marked(int row) const { return m_rows[size_t(row - 1)].marked; }

    // Removes every row.
    void Clear();
    // Appends records as rows after the last one, with one reset of the model for the whole
    // block.
    void AppendRecords(std::vector<ItemRecord> records);
    // Replaces the record of a row; its page path and marks stay.
    void StoreRecord(int row, const ItemRecord& record);
    // Removes a row; the rows after it move up with their page paths and marks.
    void RemoveRow(int row);
    // Shows the row's page path in column 10.
    void SetPagePath(int row, const QString& pagePath);
    // Shows the marks of a written page: pageMark beside the path, doneMark in the row's
    // heading; the pictures are the grid's, the last given.
    void MarkRow(int row, const QImage& pageMark, const QImage& doneMark);

    // The table model.
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    // What a row shows besides its record.
    struct RowState {
        QString pagePath;
        bool marked = false;
    };

    std::vector<ItemRecord> m_records;
    std::vector<RowState> m_rows;
    QImage m_pageMark;
    QImage m_doneMark;
};
