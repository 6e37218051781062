// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/LotcraftError.h"
#include "catalogue/CatalogueColumns.h"
#include "catalogue/ItemRecord.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QIODevice;

// Reads a catalogue file: a stream of comma-separated fields taken ten at a time, one item a
// line as a spreadsheet writes it; or, where the first line names the columns (a heading,
// CatalogueColumns::FromHeading), as many at a time as it names, each placed in the field
// or kept column its name gives.
//  - A comma ends a field, and so does a line end (CR LF, or a lone CR or LF). Line ends are
//    only field ends, so a record may run on across a line end (a value with a bare line
//    break); but a record that does not end where a line ends (a line with more or fewer
//    than ten fields) shifts the records after it, and the first such line is told in a
//    notice and in Result::shiftedFrom.
//  - A blank line (nothing but blanks) where a record would start is skipped, and told.
//  - Blanks before a field are dropped; an unquoted field runs to the next comma or line
//    end, its trailing blanks kept.
//  - A field that starts with a double quote runs to the closing quote, commas and line ends
//    included; a doubled quote inside it is one quote, and text between the closing quote
//    and the next comma or line end is kept after the quoted text.
//  - Line ends and blanks alone after the last record are no record, and told of nowhere.
//  - A file whose every line (line ends inside quotes and blank lines do not count) holds
//    the same number of fields, fewer than ten, as a spreadsheet writes a sheet whose last
//    columns are empty, is read as one item a line, the missing last fields empty.
// The text is UTF-8 (a signature at the start of the file is skipped) where a field is
// valid UTF-8, and Windows-1252, as older spreadsheet programs write, where it is not;
// UTF-16 is recognised with or without its mark, in any script (CatalogueEncoding::Detect).
//
// Only regular files are read: a folder, a device or a pipe is refused before anything is
// read from it. The file is read a block at a time, not mapped, so one that changes while
// it is read gives a sane result (and a notice) rather than a crash.
class CatalogueReader {
public:
    struct Result {
        // The records read, in file order; on a failure, those before it.
        std::vector<ItemRecord> records;
        // The file's columns: those its heading names, or the ten fields of a file without one.
        CatalogueColumns columns;
        // Whether the file is a spreadsheet (.ods, .xlsx), read from its first sheet: never
        // to be written over as a catalogue.
        bool spreadsheet = false;
        // What stopped the reading early, naming the file and the record; empty when the
        // whole file was read.
        std::optional<LotcraftError> failure;
        // What the seller should know about a file that was read: whole sentences, each
        // naming the file (fields read as Windows-1252, short lines, records that stop lining
        // up with lines, blank lines skipped, damaged UTF-16, a file that changed).
        QStringList notices;
        // How many items the file holds by its own count: when the whole file was read, the
        // records; when the reading stopped early, the records read plus the lines holding
        // anything but blanks from the line where the failing record starts to the end of
        // the file (a file of 100 items whose item 50 opens a quote never closed: 49 + 51).
        // 0 when nothing could be read.
        qint64 itemsInFile = 0;
        // The first record (from 1, as the grid numbers rows) that does not end where a line
        // ends: it and every record after it may hold values shifted from their columns, and
        // a notice names the line. 0 when every record read lines up with the lines.
        int shiftedFrom = 0;

        // Whether the whole file was read: no failure stopped the reading. A catalogue read
        // only in part is not the file's catalogue, and must not be saved over it as such.
        bool Complete() const { return !failure.has_value(); }
    };

    // The largest catalogue file read.
    static constexpr qint64 MaxFileSize = qint64(1) << 30;
    // How much of a file one read takes.
    static constexpr qsizetype BlockSize = 256 * 1024;

    static Result Read(const QString& fileName);
    // Reads from an open device; name is the file name the messages give.
    static Result Read(QIODevice& device, const QString& name);
    // Reads from the bytes of a whole file.
    static Result ReadBytes(const QByteArray& bytes, const QString& name);
    // Reads an open file from its current offset, blockSize bytes at a time; what Read does
    // once it has checked and opened the file.
    static Result ReadDescriptor(int descriptor, const QString& name,
                                 qsizetype blockSize = BlockSize);

    // Why a first line is a heading no catalogue can be read by: it names at least three of
    // the fields' columns, and no number, but not both the item number's and the title's.
    // Empty otherwise, when the line is an item.
    static QString UnusableHeading(const QStringList& names);
    // What a heading was read as: which column holds each field, which fields have none
    // (read empty) and which columns are kept as they stand. One sentence or two.
    static QString ColumnsNotice(const CatalogueColumns& columns, const QString& name);
};
