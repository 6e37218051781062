// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/ItemRecord.h"

#include <QString>

#include <vector>

// Records as the clipboard carries rows between the grid and a spreadsheet: tab-separated
// text, one row per record in the catalogue file's order of fields, then the values of the
// columns the catalogue keeps beyond them, and the same as comma-separated lines for programs
// that take those.
class RowsText {
public:
    // Rows read from the clipboard: all of them, or none and the reason why.
    struct Pasted {
        std::vector<ItemRecord> records;
        // Whether the first row held the columns' names rather than an item and was left out.
        bool headingSkipped = false;
        // Why nothing can be pasted, as a sentence; empty when the rows were read.
        QString problem;
    };

    // Each record's ten fields and its first `kept` kept values joined by tabs, each row
    // ended by "\n", no heading row. A value holding a tab, a line break or a double quote is
    // put in double quotes, its quotes doubled, as spreadsheets put such a cell on the
    // clipboard.
    static QString TabSeparated(const std::vector<ItemRecord>& records, int kept = 0);
    // The same values as lines of a catalogue file without a heading, CR LF ended.
    static QString Csv(const std::vector<ItemRecord>& records, int kept = 0);
    // Reads rows as a spreadsheet puts them on the clipboard: cells separated by tabs, rows
    // by LF or CR LF, a cell in double quotes holding tabs, line breaks and doubled quotes.
    // Every row must have the catalogue's ten cells, in its order, or those and one for each
    // of the `kept` columns kept beyond them; a first row of the columns' names is left out.
    // Values are taken exactly as they stand.
    static Pasted FromTabSeparated(const QString& text, int kept = 0);
};
