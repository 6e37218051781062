#include "catalogue/CatalogueReader.h"

#include <QFile>
#include <QStringDecoder>

namespace {

// Windows-1252 where it differs from ISO-8859-1 (bytes 0x80 to 0x9F); the five bytes it
// leaves undefined keep their ISO-8859-1 meaning.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString DecodeWindows1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        *out++ =
            QChar(value >= 0x80 && value < 0xA0 ? kWindows1252High[value - 0x80] : char16_t(value));
    }
    return text;
}

// Walks the text field by field.
class FieldScanner {
public:
    enum class End { Comma, LineEnd, FileEnd };

    explicit FieldScanner(const QString& text)
        : m_begin(text.constData()), m_at(m_begin), m_end(m_begin + text.size()) {}

    bool AtFileEnd() const { return m_at == m_end; }

    // Nothing but blanks and line ends is left.
    bool OnlyBlankLeft() const {
        for (const QChar* p = m_at; p != m_end; ++p) {
            if (*p != u' ' && *p != u'\r' && *p != u'\n')
                return false;
        }
        return true;
    }

    // Reads the next field into value and tells how it ended; unclosed is set when the file
    // ended inside a quoted field.
    End Next(QString& value, bool& unclosed) {
        unclosed = false;
        while (m_at != m_end && *m_at == u' ')
            ++m_at;
        value.clear();
        if (m_at != m_end && *m_at == u'"') {
            ++m_at;
            for (;;) {
                const QChar* start = m_at;
                while (m_at != m_end && *m_at != u'"')
                    ++m_at;
                value.append(start, m_at - start);
                if (m_at == m_end) {
                    unclosed = true;
                    return End::FileEnd;
                }
                ++m_at;  // the quote
                if (m_at != m_end && *m_at == u'"') {
                    value.append(u'"');
                    ++m_at;
                    continue;
                }
                break;
            }
        }
        const QChar* start = m_at;
        while (m_at != m_end && *m_at != u',' && *m_at != u'\r' && *m_at != u'\n')
            ++m_at;
        value.append(start, m_at - start);
        return Terminator();
    }

private:
    End Terminator() {
        if (m_at == m_end)
            return End::FileEnd;
        const QChar c = *m_at++;
        if (c == u',')
            return End::Comma;
        if (c == u'\r' && m_at != m_end && *m_at == u'\n')
            ++m_at;
        return End::LineEnd;
    }

    const QChar* m_begin;
    const QChar* m_at;
    const QChar* m_end;
};

QString ReadSoFar(size_t count) {
    if (count == 0)
        return QStringLiteral("no record before it has been read");
    if (count == 1)
        return QStringLiteral("the record before it has been read");
    return QStringLiteral("the %1 records before it have been read").arg(count);
}

}  // namespace

QString CatalogueReader::Decode(const QByteArray& bytes) {
    QStringDecoder utf8(QStringConverter::Utf8);  // skips a signature
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return DecodeWindows1252(bytes);
}

CatalogueReader::Result CatalogueReader::Read(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        Result result;
        result.failure.emplace(
            QStringLiteral("the catalogue cannot be opened: %1").arg(file.errorString()), fileName);
        return result;
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
    const QString text = Decode(bytes);
    FieldScanner scanner(text);
    Result result;
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
            // After a line end, or at the file end, a record that still lacks fields is cut
            // short; after a comma a field always follows, if only an empty one.
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
