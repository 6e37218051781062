// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>

#include <functional>
#include <vector>

// The cells of an Excel worksheet, read straight from the bytes of its part (UTF-8 XML): the
// rows of its sheetData, each cell's reference, style, type and text (the value, or an inline
// string's text without its phonetic readings), character references and XML's own
// entities decoded and line ends made LF, as an XML reader gives them. A worksheet holds
// millions of cells, each a few tags: a general XML reader spends most of a workbook's
// opening on them, this one a fraction. The workbook's shared strings, nearly as many, are
// read the same way. Anything else in the part is passed over; a document type, which no
// workbook part has and which is a way to multiply entities, is refused.
class WorksheetScanner {
public:
    // The cell's type attribute: s (a shared string's index), inlineStr and str (text), b, e
    // and d (shown as written), none or n (a number).
    enum class Type { Number, Shared, Text, Boolean, Error };
    struct Cell {
        // The cell's column from 0 by its reference ("C7": 2), or -1 where it has none.
        int column = -1;
        Type type = Type::Number;
        int style = 0;
        QString value;
    };
    struct Handlers {
        // A row starts: its number from its r attribute (from 1), or 0 where it has none.
        std::function<bool(qint64 number)> rowStart;
        std::function<bool(const Cell& cell)> cell;
        std::function<bool()> rowEnd;
    };
    enum class Result { Read, Stopped, Damaged };

    // Calls the handlers in the order of the part, until the end of sheetData; a handler that
    // returns false stops the reading.
    static Result Scan(QByteArrayView bytes, const Handlers& handlers);
    // The texts of a workbook's shared strings part, in order: each string's text runs joined,
    // its phonetic readings left out. Stopped once there are more than `most`.
    static Result ScanSharedStrings(QByteArrayView bytes, std::vector<QString>& strings,
                                    qint64 most);
};
