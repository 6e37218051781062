#include "catalogue/CatalogueReader.h"

#include <QFile>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// Windows-1252 where it differs from ISO-8859-1 (bytes 0x80 to 0x9F); the five bytes it
// leaves undefined keep their ISO-8859-1 meaning.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

std::uint64_t Load8(const char* p) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

// Whether any byte of the word is `byte`.
bool HasByte(std::uint64_t word, unsigned char byte) {
    const std::uint64_t x = word ^ (kOnes * byte);
    return ((x - kOnes) & ~x & kHighBits) != 0;
}

// Strict UTF-8: no overlong forms, no surrogates, nothing beyond U+10FFFF.
bool IsValidUtf8(const char* p, const char* end) {
    while (p < end) {
        if (end - p >= 8 && (Load8(p) & kHighBits) == 0) {
            p += 8;
            continue;
        }
        const auto c = static_cast<unsigned char>(*p);
        if (c < 0x80) {
            ++p;
            continue;
        }
        int length;
        unsigned char low = 0x80, high = 0xBF;  // bounds of the second byte
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            if (c == 0xE0)
                low = 0xA0;
            if (c == 0xED)
                high = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            if (c == 0xF0)
                low = 0x90;
            if (c == 0xF4)
                high = 0x8F;
        } else {
            return false;
        }
        if (end - p < length)
            return false;
        const auto second = static_cast<unsigned char>(p[1]);
        if (second < low || second > high)
            return false;
        for (int i = 2; i < length; ++i) {
            if ((static_cast<unsigned char>(p[i]) & 0xC0) != 0x80)
                return false;
        }
        p += length;
    }
    return true;
}

// Walks the bytes of a catalogue field by field. Every character the rules look at (comma,
// quote, CR, LF, blank) is one byte in both encodings a catalogue may have, so fields are
// found in the bytes and only their texts are decoded.
class FieldScanner {
public:
    enum class End { Comma, LineEnd, FileEnd };

    FieldScanner(const char* begin, const char* end, bool utf8)
        : m_at(begin), m_end(end), m_utf8(utf8) {}

    bool AtFileEnd() const { return m_at == m_end; }

    // Nothing but blanks and line ends is left.
    bool OnlyBlankLeft() const {
        for (const char* p = m_at; p != m_end; ++p) {
            if (*p != ' ' && *p != '\r' && *p != '\n')
                return false;
        }
        return true;
    }

    // Reads the next field into value and tells how it ended; unclosed is set when the file
    // ended inside a quoted field.
    End Next(QString& value, bool& unclosed) {
        unclosed = false;
        while (m_at != m_end && *m_at == ' ')
            ++m_at;
        if (m_at == m_end || *m_at != '"') {
            const char* start = m_at;
            SkipToDelimiter();
            value = Text(start, m_at - start);
            return Terminator();
        }

        ++m_at;  // the opening quote
        const char* start = m_at;
        QByteArray pieced;  // used only where a quote is doubled
        for (;;) {
            const auto* quote =
                static_cast<const char*>(std::memchr(m_at, '"', size_t(m_end - m_at)));
            if (!quote) {
                unclosed = true;
                m_at = m_end;
                return End::FileEnd;
            }
            if (quote + 1 != m_end && quote[1] == '"') {
                pieced.append(m_at, quote + 1 - m_at);
                m_at = quote + 2;
                continue;
            }
            if (!pieced.isNull() || start != m_at)
                pieced.append(m_at, quote - m_at);
            const char* quotedEnd = quote;
            m_at = quote + 1;
            const char* tail = m_at;
            SkipToDelimiter();
            if (pieced.isNull() && tail == m_at) {
                value = Text(start, quotedEnd - start);
            } else {
                if (pieced.isNull())
                    pieced.append(start, quotedEnd - start);
                pieced.append(tail, m_at - tail);
                value = Text(pieced.constData(), pieced.size());
            }
            return Terminator();
        }
    }

private:
    void SkipToDelimiter() {
        while (m_end - m_at >= 8) {
            const std::uint64_t word = Load8(m_at);
            if (HasByte(word, ',') || HasByte(word, '\r') || HasByte(word, '\n'))
                break;
            m_at += 8;
        }
        while (m_at != m_end && *m_at != ',' && *m_at != '\r' && *m_at != '\n')
            ++m_at;
    }

    End Terminator() {
        if (m_at == m_end)
            return End::FileEnd;
        const char c = *m_at++;
        if (c == ',')
            return End::Comma;
        if (c == '\r' && m_at != m_end && *m_at == '\n')
            ++m_at;
        return End::LineEnd;
    }

    QString Text(const char* p, qsizetype size) const {
        if (m_utf8)
            return QString::fromUtf8(p, size);
        QString text(size, Qt::Uninitialized);
        QChar* out = text.data();
        for (qsizetype i = 0; i < size; ++i) {
            const auto byte = static_cast<unsigned char>(p[i]);
            out[i] =
                QChar(byte >= 0x80 && byte < 0xA0 ? kWindows1252High[byte - 0x80] : char16_t(byte));
        }
        return text;
    }

    const char* m_at;
    const char* m_end;
    bool m_utf8;
};

QString ReadSoFar(size_t count) {
    if (count == 0)
        return QStringLiteral("no record before it has been read");
    if (count == 1)
        return QStringLiteral("the record before it has been read");
    return QStringLiteral("the %1 records before it have been read").arg(count);
}

}  // namespace

CatalogueReader::Result CatalogueReader::Read(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        Result result;
        result.failure.emplace(
            QStringLiteral("the catalogue cannot be opened: %1").arg(file.errorString()), fileName);
        return result;
    }
    // A regular file is read through a mapping, which spares copying it.
    if (file.size() > 0) {
        if (uchar* mapped = file.map(0, file.size())) {
            Result result = ReadBytes(
                QByteArray::fromRawData(reinterpret_cast<const char*>(mapped), file.size()),
                fileName);
            file.unmap(mapped);
            return result;
        }
    }
    return Read(file, fileName);
}

CatalogueReader::Result CatalogueReader::Read(QIODevice& device, const QString& name) {
    const QByteArray bytes = device.readAll();
    const auto* file = qobject_cast<const QFileDevice*>(&device);
    if (file && file->error() != QFileDevice::NoError) {
        Result result;
        result.failure.emplace(
            QStringLiteral("the catalogue cannot be read: %1").arg(device.errorString()), name);
        return result;
    }
    return ReadBytes(bytes, name);
}

CatalogueReader::Result CatalogueReader::ReadBytes(const QByteArray& bytes, const QString& name) {
    const char* begin = bytes.constData();
    const char* end = begin + bytes.size();
    if (bytes.startsWith("\xEF\xBB\xBF"))
        begin += 3;
    FieldScanner scanner(begin, end, IsValidUtf8(begin, end));

    Result result;
    // A record takes at least ten bytes (nine commas and a line end), and most far more.
    result.records.reserve(
        std::min<size_t>(MaxRecords, static_cast<size_t>(bytes.size()) / 64 + 1));
    QString value;
    while (!scanner.OnlyBlankLeft()) {
        const size_t number = result.records.size() + 1;
        if (result.records.size() == MaxRecords) {
            result.failure.emplace(
                QStringLiteral("the catalogue holds more than %1 records, the most Lotcraft "
                               "can hold; the first %1 have been read")
                    .arg(MaxRecords),
                name);
            return result;
        }
        ItemRecord record;
        FieldScanner::End end = FieldScanner::End::Comma;
        for (int position = 1; position <= ItemRecord::FieldCount; ++position) {
            // Line ends are only field ends, but at the file's end a record that still
            // lacks fields is cut short; after a comma a field always follows, if only an
            // empty one.
            if (position > 1 && end == FieldScanner::End::FileEnd) {
                result.failure.emplace(
                    QStringLiteral("record %1 is cut short by the end of the file: it has %2 "
                                   "of its %3 fields and has not been read; %4")
                        .arg(number)
                        .arg(position - 1)
                        .arg(ItemRecord::FieldCount)
                        .arg(ReadSoFar(number - 1)),
                    name);
                return result;
            }
            bool unclosed = false;
            end = scanner.Next(value, unclosed);
            if (unclosed) {
                result.failure.emplace(
                    QStringLiteral("field %1 of record %2 opens a double quote that is never "
                                   "closed, so the record has not been read; %3")
                        .arg(position)
                        .arg(number)
                        .arg(ReadSoFar(number - 1)),
                    name);
                return result;
            }
            record.SetField(position, value);
            if (end == FieldScanner::End::LineEnd && scanner.AtFileEnd())
                end = FieldScanner::End::FileEnd;
        }
        result.records.push_back(std::move(record));
    }
    return result;
}
