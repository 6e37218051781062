#pragma once

#include "app/LotcraftError.h"
#include "catalogue/ItemRecord.h"

#include <QString>

#include <optional>
#include <vector>

class QIODevice;

// Reads a catalogue file: a stream of comma-separated fields taken ten at a time.
//  - A comma ends a field, and so does a line end (CR LF, or a lone CR or LF). Line ends are
//    only field ends: a line with more or fewer than ten fields shifts the records after it.
//  - Blanks before a field are dropped; an unquoted field runs to the next comma or line
//    end, its trailing blanks kept.
//  - A field that starts with a double quote runs to the closing quote, commas and line ends
//    included; a doubled quote inside it is one quote, and text between the closing quote
//    and the next comma or line end is kept after the quoted text.
//  - Line ends and blanks alone after the last record are no record.
// The text is UTF-8 (a signature is skipped); a file that is not valid UTF-8 is read as
// Windows-1252, as older spreadsheet programs write it.
class CatalogueReader {
public:
    // The most items a catalogue can hold.
    static constexpr int MaxRecords = 32766;

    struct Result {
        // The records read, in file order; on a failure, those before it.
        std::vector<ItemRecord> records;
        // What stopped the reading early, naming the file and the record; empty when the
        // whole file was read.
        std::optional<LotcraftError> failure;
    };

    static Result Read(const QString& fileName);
    // Reads from an open device; name is the file name the failure messages give.
    static Result Read(QIODevice& device, const QString& name);
    // Reads from the bytes of a whole file.
    static Result ReadBytes(const QByteArray& bytes, const QString& name);
};
