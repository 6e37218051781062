// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <vector>

// A spreadsheet number format code ("#,##0.00", "[$€-407] #,##0.00", "yyyy-mm-dd hh:mm"), read
// once and then applied to many numbers: an Excel workbook keeps a number and its format, not
// the text the cell shows, and that text is what a catalogue needs.
//
// The codes are read as Excel and LibreOffice write them in a workbook, with "." as the
// decimal point and "," as the thousands separator, and month and day names in English. Up to
// four sections separated by ";": positive, negative, zero, text. Conditions ("[>100]") and
// colours are passed over.
class SpreadsheetNumberFormat {
public:
    // The code of one of Excel's built-in formats, by its id; empty for General and for an id
    // that names no format.
    static QString BuiltInCode(int id);
    // The number in its shortest decimal form, as a General cell shows it: 1001, 0.1, 145.5.
    static QString General(double value);

    explicit SpreadsheetNumberFormat(const QString& code = QString());
    // The text a cell of this format shows for the number; date1904 says that the workbook
    // counts days from 1904-01-01 instead of from 1899-12-30.
    QString Show(double value, bool date1904) const;

private:
    struct Token {
        enum Type {
            Literal,
            Digit,  // 0, # or ?, in text
            Point,
            Slash,  // of a fraction
            Comma,
            Percent,
            Exponent,  // E+ or E-, in text
            General,
            Text,  // @
            Year,
            Month,
            Minute,
            Day,
            Hour,
            Second,
            FractionSecond,
            AmPm,  // text AM/PM or A/P as written
            ElapsedHours,
            ElapsedMinutes,
            ElapsedSeconds,
        };
        Type type;
        QString text;
        int count = 0;  // of letters; 1 for a comma that separates or scales, not shown
    };
    // Where the pieces of a number go in a section, worked out once for every number shown.
    struct Layout {
        qsizetype point = -1;     // the token of the decimal point
        qsizetype exponent = -1;  // the token of E+ or E-
        qsizetype lastIntegerDigit = -1;
        int integerDigits = 0;
        int decimals = 0;
        int exponentDigits = 0;
        bool thousands = false;
        bool hashInInteger = false;  // a "#" or "?" among the integer digits
        double factor = 1;           // of the percent signs and the scaling commas
    };
    struct Section {
        std::vector<Token> tokens;
        Layout layout;
        bool date = false;
        bool fraction = false;
    };

    static Section Parse(const QString& code);
    static void Lay(Section& section);
    static QString ShowNumber(const Section& section, double value);
    static QString ShowFraction(const Section& section, double value);
    static QString ShowDate(const Section& section, double value, bool date1904);

    std::vector<Section> m_sections;
};
