#pragma once

#include <QImage>
#include <QString>

// The cursor operations of a grid of catalogue rows: row 0 is the heading row, rows 1 to
// the item count hold the items; columns 1 to 9 hold the record fields, column 10 the page
// path and column 0 nothing but a mark. Saving and page generation walk a grid through
// these operations only, so they work the same on the window's grid and on a catalogue
// read from a file.
class GridCursor {
public:
    virtual ~GridCursor();

    virtual int Row() const = 0;
    virtual void SetRow(int row) = 0;
    virtual int Col() const = 0;
    virtual void SetCol(int column) = 0;

    // The text of the current cell.
    virtual QString Text() const = 0;
    virtual void SetText(const QString& text) = 0;
    // Shows a picture in the current cell, beside its text.
    virtual void SetCellPicture(const QImage& picture) = 0;
};
