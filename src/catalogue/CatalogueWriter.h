// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <vector>

class CatalogueColumns;
class ItemRecord;
class QIODevice;

// Writes a catalogue file: one line per record, its ten fields joined with "," and ended by
// CR LF; an empty catalogue is an empty file. A catalogue with a heading is written with it,
// first, and each record's values in the heading's columns (CatalogueColumns::HeadingFor). A field
// is put in double quotes, its inner quotes doubled, only when it holds a comma, a double quote, a
// line break or starts with a blank or a U+FEFF, so every catalogue reads back unchanged and every
// other line is written exactly as it stands. The text is UTF-8 without a signature, unless a value
// holds a NUL character: then a signature keeps the zero bytes from being taken for UTF-16.
class CatalogueWriter {
public:
    // Writes a new file that takes fileName's place only when all of it is on the disk, so
    // a failed or killed save leaves the previous file whole, and nothing beside it
    // (FolderWriter); it keeps the previous file's permissions, and where fileName is a
    // link, the file it leads to is written. Throws LotcraftError naming the file.
    static void Write(const QString& fileName, const std::vector<ItemRecord>& records);
    static void Write(const QString& fileName, const CatalogueColumns& columns,
                      const std::vector<ItemRecord>& records);
    // Writes to an open device; throws LotcraftError naming `name` when a write fails.
    static void Write(QIODevice& device, const std::vector<ItemRecord>& records,
                      const QString& name);
    static void Write(QIODevice& device, const CatalogueColumns& columns,
                      const std::vector<ItemRecord>& records, const QString& name);

    // One record's line, CR LF included.
    static QByteArray Line(const ItemRecord& record);
    // Appends a record's line with the values at `positions` (ItemRecord::Value), or its ten
    // fields where positions is empty.
    static void AppendLine(QByteArray& out, const ItemRecord& record,
                           const std::vector<int>& positions);
    // A field as the line holds it: as it stands, or quoted.
    static QString Field(const QString& value);
    // The same field appended to a line in UTF-8, without a copy of its own: for writers of
    // large files of this form.
    static void AppendField(QByteArray& line, QStringView value);
};
