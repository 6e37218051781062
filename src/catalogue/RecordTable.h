#pragma once

#include "catalogue/GridCursor.h"
#include "catalogue/ItemRecord.h"

#include <vector>

// A catalogue held in memory, without a window: the records of a catalogue file with the
// cells a grid would show for them (the page path of column 10 and the marks of columns 0
// and 10), walked through the same cursor operations as the window's grid.
class RecordTable : public GridCursor {
public:
    explicit RecordTable(std::vector<ItemRecord> records = {});

    int ItemCount() const { return static_cast<int>(m_rows.size()); }
    // Item 1 to ItemCount, its Spare field included.
    const ItemRecord& Record(int row) const;
    // Column 10 of an item's row: its page path, empty until a page was made.
    const QString& PagePath(int row) const;
    // Whether a picture was set in column 0 or 10 of an item's row.
    bool HasPicture(int row, int column) const;

    int Row() const override { return m_row; }
    void SetRow(int row) override;
    int Col() const override { return m_col; }
    void SetCol(int column) override;
    QString Text() const override;
    void SetText(const QString& text) override;
    void SetCellPicture(const QImage& picture) override;

private:
    struct Entry {
        ItemRecord record;
        QString markText;  // column 0
        QString pagePath;  // column 10
        bool markPicture = false;
        bool pagePicture = false;
    };
    const Entry& ItemRow(int row) const;
    Entry& ItemRow(int row);

    std::vector<Entry> m_rows;
    std::vector<QString> m_headings;
    int m_row = 0;
    int m_col = 0;
};
