// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/CatalogueWriter.h"

#include "app/DeviceWriter.h"
#include "app/FolderWriter.h"
#include "app/LotcraftError.h"
#include "catalogue/CatalogueColumns.h"
#include "catalogue/ItemRecord.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringEncoder>

#include <algorithm>

namespace {

// The file is written in pieces of about this many bytes.
constexpr qsizetype kChunk = 1 << 20;

// Whether a value holds a NUL character. Where there are many, the zero bytes of the file
// could be taken for UTF-16; a signature then says that the file is UTF-8.
bool HoldsNul(const std::vector<ItemRecord>& records, const QStringList& heading) {
    const auto nul = [](const QString& value) { return value.contains(QChar(0)); };
    for (const ItemRecord& record : records) {
        for (int position = 1; position <= ItemRecord::FieldCount; ++position) {
            if (nul(record.Field(position)))
                return true;
        }
        if (std::any_of(record.Extras().begin(), record.Extras().end(), nul))
            return true;
    }
    return std::any_of(heading.begin(), heading.end(), nul);
}

// What a file starts with: a signature where it must have one, then the heading.
QByteArray FileStart(const std::vector<ItemRecord>& records, const QStringList& heading) {
    QByteArray start = HoldsNul(records, heading) ? QByteArray("\xEF\xBB\xBF") : QByteArray();
    if (heading.isEmpty())
        return start;
    for (qsizetype index = 0; index < heading.size(); ++index) {
        if (index > 0)
            start += ',';
        CatalogueWriter::AppendField(start, heading[index]);
    }
    return start + "\r\n";
}

// Whether a value is put in quotes.
bool NeedsQuotes(QStringView value) {
    // A U+FEFF at the start of the file would be read as a signature and dropped: in quotes
    // it is part of the value.
    return value.startsWith(QLatin1Char(' ')) || value.startsWith(QChar(0xFEFF)) ||
           value.contains(QLatin1Char(',')) || value.contains(QLatin1Char('"')) ||
           value.contains(QLatin1Char('\r')) || value.contains(QLatin1Char('\n'));
}

}  // namespace

QString CatalogueWriter::Field(const QString& value) {
    QByteArray field;
    AppendField(field, value);
    return QString::fromUtf8(field);
}

void CatalogueWriter::AppendField(QByteArray& line, QStringView value) {
    // Each piece is encoded on its own, a lone surrogate at its end as U+FFFD, as
    // QString::toUtf8 does.
    QStringEncoder encoder(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
    const auto append = [&line, &encoder](QStringView piece) {
        const qsizetype at = line.size();
        line.resize(at + encoder.requiredSpace(piece.size()));
        char* const end = encoder.appendToBuffer(line.data() + at, piece);
        line.resize(end - line.constData());
    };
    if (!NeedsQuotes(value)) {
        append(value);
        return;
    }
    line += '"';
    for (qsizetype from = 0;;) {
        const qsizetype quote = value.indexOf(QLatin1Char('"'), from);
        append(value.mid(from, quote < 0 ? -1 : quote - from));
        if (quote < 0)
            break;
        line += "\"\"";
        from = quote + 1;
    }
    line += '"';
}

QByteArray CatalogueWriter::Line(const ItemRecord& record) {
    QByteArray line;
    AppendLine(line, record, {});
    return line;
}

void CatalogueWriter::AppendLine(QByteArray& out, const ItemRecord& record,
                                 const std::vector<int>& positions) {
    if (positions.empty()) {
        for (int position = 1; position <= ItemRecord::FieldCount; ++position) {
            if (position > 1)
                out += ',';
            AppendField(out, record.Field(position));
        }
    } else {
        for (size_t index = 0; index < positions.size(); ++index) {
            if (index > 0)
                out += ',';
            AppendField(out, record.Value(positions[index]));
        }
    }
    out += "\r\n";
}

void CatalogueWriter::Write(QIODevice& device, const std::vector<ItemRecord>& records,
                            const QString& name) {
    Write(device, CatalogueColumns(), records, name);
}

void CatalogueWriter::Write(QIODevice& device, const CatalogueColumns& columns,
                            const std::vector<ItemRecord>& records, const QString& name) {
    std::vector<int> positions;
    const QStringList heading = columns.HeadingFor(records, positions);
    if (heading.isEmpty())
        positions.clear();
    QByteArray chunk = FileStart(records, heading);
    auto flush = [&] {
        const QString reason = DeviceWriter::WriteAll(device, chunk);
        if (!reason.isEmpty())
            throw LotcraftError(QCoreApplication::translate("CatalogueWriter",
                                                            "the catalogue cannot be written: %1")
                                    .arg(reason),
                                name);
        chunk.clear();
    };
    for (const ItemRecord& record : records) {
        AppendLine(chunk, record, positions);
        if (chunk.size() >= kChunk)
            flush();
    }
    if (!chunk.isEmpty())
        flush();
}

void CatalogueWriter::Write(const QString& fileName, const std::vector<ItemRecord>& records) {
    Write(fileName, CatalogueColumns(), records);
}

void CatalogueWriter::Write(const QString& fileName, const CatalogueColumns& columns,
                            const std::vector<ItemRecord>& records) {
    // A link is written through: the seller's catalogue is the file it leads to.
    const QFileInfo given(fileName);
    const QFileInfo catalogue(given.isSymLink() && given.exists() ? given.canonicalFilePath()
                                                                  : given.absoluteFilePath());
    const FolderWriter folder(catalogue.absolutePath());
    const QString what = QCoreApplication::translate("CatalogueWriter", "the catalogue");
    try {
        FolderWriter::Pending file = folder.Begin(catalogue.fileName(), what);
        std::vector<int> positions;
        const QStringList heading = columns.HeadingFor(records, positions);
        if (heading.isEmpty())
            positions.clear();
        QByteArray chunk = FileStart(records, heading);
        for (const ItemRecord& record : records) {
            AppendLine(chunk, record, positions);
            if (chunk.size() >= kChunk) {
                folder.Append(file, chunk, what);
                chunk.clear();
            }
        }
        folder.Append(file, chunk, what);
        // The catalogue cannot be made again: it is on the disk before it has its name.
        folder.Name(file, what, FolderWriter::Durability::Flushed);
    } catch (const LotcraftError& error) {
        throw LotcraftError(
            error.Reason() + QCoreApplication::translate("CatalogueWriter",
                                                         "; the file as it was before is "
                                                         "unchanged"),
            fileName);
    }
}
