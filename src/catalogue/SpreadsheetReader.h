// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <vector>

// The first sheet of a spreadsheet file, as rows of the texts its cells show, so that a
// catalogue kept in LibreOffice Calc or Excel opens without being saved as CSV first.
//
// An OpenDocument spreadsheet keeps the text of every cell as shown, which is what is read;
// an Excel workbook keeps numbers and a number format, which are put together here the way
// the spreadsheet program shows them. Both are ZIP files of XML members, read as a stream: a
// sheet may have tens of thousands of rows and cells of tens of thousands of characters.
// Nothing in the file is trusted: a member that unpacks to more than a gibibyte, a sheet
// larger than any spreadsheet program makes, and damaged XML end the reading with a reason.
class SpreadsheetReader {
public:
    enum class Kind { None, OpenDocument, Excel };
    // What a file's first bytes show it to be: a ZIP holding an OpenDocument spreadsheet (its
    // first member "mimetype", stored, says so) or an Excel workbook (members under "xl/");
    // None for anything else. Known by content, never by the file's name. A few KiB are
    // enough: both programs write those members first.
    static Kind KindOf(QByteArrayView firstBytes);

    struct Sheet {
        // The first sheet's rows, each cell's text as the spreadsheet program shows it; the
        // empty cells at the end of a row and the empty rows at the end dropped, empty rows in
        // between kept as empty lists.
        std::vector<QStringList> rows;
        QString name;        // the sheet's name
        int sheetCount = 0;  // how many sheets the file holds
        // Why it could not be read, a clause starting lower case, such as "the
        // spreadsheet cannot be read: its content is damaged"; empty when it was read.
        QString failure;
    };
    // Reads a whole file (at most 1 GiB); which kind it is comes from its content.
    static Sheet Read(const QByteArray& fileBytes);

    // Limits beyond what LibreOffice and Excel make, so that a hostile file cannot take all
    // memory: the unpacked size of one member, and the rows, columns and cells of the sheet.
    static constexpr qint64 MaxMemberSize = qint64(1) << 30;
    static constexpr int MaxRows = 1 << 20;
    static constexpr int MaxColumns = 1 << 14;
    static constexpr qint64 MaxCells = qint64(1) << 24;
};
