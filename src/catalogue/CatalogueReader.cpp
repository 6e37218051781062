// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/CatalogueReader.h"

#include "catalogue/CatalogueColumns.h"
#include "catalogue/CatalogueEncoding.h"
#include "catalogue/FieldScanner.h"
#include "catalogue/SpreadsheetReader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDevice>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using End = FieldScanner::End;

QString SystemReason() {
    return LotcraftError::SystemReason(errno);
}

QString ReadSoFar(size_t count) {
    if (count == 0)
        return QCoreApplication::translate("CatalogueReader", "no record before it has been read");
    if (count == 1)
        return QCoreApplication::translate("CatalogueReader", "the record before it has been read");
    return QCoreApplication::translate("CatalogueReader", "the %1 records before it have been read")
        .arg(count);
}

CatalogueReader::Result Failed(const QString& reason, const QString& name) {
    CatalogueReader::Result result;
    result.failure.emplace(reason, name);
    return result;
}

// Why a file of this kind is no catalogue, or empty for a regular file. Reading a device or
// a pipe could take all memory (/dev/zero) or wait for ever (a pipe nobody writes to).
QString NotARegularFile(const struct stat& status) {
    QString what;
    if (S_ISREG(status.st_mode))
        return what;
    if (S_ISDIR(status.st_mode))
        what = QCoreApplication::translate("CatalogueReader", "a folder");
    else if (S_ISFIFO(status.st_mode))
        what = QCoreApplication::translate("CatalogueReader", "a named pipe");
    else if (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode))
        what = QCoreApplication::translate("CatalogueReader", "a device");
    else if (S_ISSOCK(status.st_mode))
        what = QCoreApplication::translate("CatalogueReader", "a socket");
    else
        what = QCoreApplication::translate("CatalogueReader", "no regular file");
    return QCoreApplication::translate(
               "CatalogueReader",
               "this is %1, not a catalogue file, and has not been read; choose a "
               "catalogue file (.csv) and open it")
        .arg(what);
}

QString TooLarge() {
    return QCoreApplication::translate(
               "CatalogueReader",
               "the file is larger than %1 MiB, more than a catalogue can be; check "
               "that you chose the catalogue file (.csv)")
        .arg(CatalogueReader::MaxFileSize / (1024 * 1024));
}

// Why the scanner stopped before the end of the file, or empty.
QString StopReason(const FieldScanner& scanner) {
    if (scanner.Exceeded())
        return TooLarge();
    if (!scanner.Error().isEmpty())
        return QCoreApplication::translate("CatalogueReader", "the catalogue cannot be read: %1")
            .arg(scanner.Error());
    return QString();
}

// "1 field", "3 fields": both marked with QT_TRANSLATE_NOOP where they are given.
QString Plural(qsizetype count, const char* one, const char* many) {
    return count == 1 ? QCoreApplication::translate("CatalogueReader", one)
                      : QCoreApplication::translate("CatalogueReader", many).arg(count);
}

// Line ends in a quoted field's text: CR LF, a lone CR and a lone LF are one each. Found
// with memchr, as a long description holds few.
qint64 LineEndsIn(QByteArrayView text) {
    qint64 count = 0;
    const char* const end = text.data() + text.size();
    for (const char* p = text.data(); p != end; ++p) {
        p = static_cast<const char*>(std::memchr(p, '\n', size_t(end - p)));
        if (!p)
            break;
        ++count;
    }
    for (const char* p = text.data(); p != end; ++p) {
        p = static_cast<const char*>(std::memchr(p, '\r', size_t(end - p)));
        if (!p)
            break;
        count += p + 1 == end || p[1] != '\n';
    }
    return count;
}

// Reads the fields of a catalogue's text into records, by the reading rules, and says what
// the seller should know. Each field is decoded as soon as it is found, straight from the
// scanner's window, so no field's bytes are copied on their way to its text.
class RecordReader {
public:
    RecordReader(FieldScanner& scanner, const QString& name, qint64 size)
        : m_scanner(scanner), m_name(name) {
        // A record takes at least ten bytes (nine commas and a line end), and most far more.
        m_result.records.reserve(
            size_t(std::min<qint64>(ItemRecord::MaxItems, std::max<qint64>(size, 0) / 64 + 1)));
    }

    CatalogueReader::Result Read() {
        // A first line that names the columns is the heading: the records then have as many
        // fields as it names, placed by its names. Otherwise the file is read as ten fields a
        // record, or as one item a line of short lines.
        std::optional<CatalogueColumns> heading = ReadHeading();
        if (!m_unusableHeading.isEmpty()) {
            m_result.failure.emplace(m_unusableHeading, m_name);
            return std::move(m_result);
        }
        m_scanner.Restart();
        const int fieldsPerLine = heading ? 0 : ShortLineLength();
        m_scanner.Rewind();
        m_line = 1;
        if (heading) {
            m_result.columns = std::move(*heading);
            m_fieldCount = int(m_result.columns.Columns().size());
            m_extraCount = m_result.columns.ExtraCount();
            m_keptValues.resize(size_t(m_extraCount) * kCachedValues);
            m_positions = m_result.columns.Positions();
            SkipLine();
        }
        ReadRecords(fieldsPerLine > 0);
        if (const QString reason = StopReason(m_scanner); !reason.isEmpty())
            m_result.failure.emplace(
                reason % QStringLiteral("; ") % ReadSoFar(m_result.records.size()), m_name);
        // The file's own count: after a failure, every line that holds anything but blanks
        // from the start of the record that failed is taken for an item. The lines of the
        // fields it has read are counted as they were read (the scanner may have pieced a
        // quoted field's text together over its bytes), the rest from the bytes.
        m_result.itemsInFile = qint64(m_result.records.size());
        if (m_result.failure)
            m_result.itemsInFile +=
                m_recordLines + m_scanner.NonBlankLinesFrom(m_countFrom, m_lineBegun);

        // A sentence for one and one for many: the verbs and pronouns follow the count.
        if (const qsizetype count = m_windows1252Fields)
            m_result.notices << (count == 1 ? QCoreApplication::translate(
                                                  "CatalogueReader",
                                                  "1 field of %1 was not UTF-8 and was read as "
                                                  "Windows-1252: check the accented letters in "
                                                  "it.")
                                                  .arg(m_name)
                                            : QCoreApplication::translate(
                                                  "CatalogueReader",
                                                  "%1 fields of %2 were not UTF-8 and were read "
                                                  "as Windows-1252: check the accented letters "
                                                  "in them.")
                                                  .arg(count)
                                                  .arg(m_name));
        if (fieldsPerLine > 0)
            m_result.notices << QCoreApplication::translate(
                                    "CatalogueReader",
                                    "Each line of %1 holds %2, not %3: it was read as one item "
                                    "a line, the missing fields left empty.")
                                    .arg(m_name,
                                         Plural(fieldsPerLine,
                                                QT_TRANSLATE_NOOP("CatalogueReader", "1 field"),
                                                QT_TRANSLATE_NOOP("CatalogueReader", "%1 fields")),
                                         QString::number(ItemRecord::FieldCount));
        if (m_shift.record > 0 && size_t(m_shift.record) <= m_result.records.size()) {
            m_result.shiftedFrom = m_shift.record;
            m_result.notices << ShiftNotice();
        }
        if (m_runOn.record > 0 && size_t(m_runOn.record) <= m_result.records.size()) {
            if (m_result.shiftedFrom == 0 || m_runOn.record < m_result.shiftedFrom)
                m_result.shiftedFrom = m_runOn.record;
            m_result.notices << RunOnNotice();
        }
        if (m_tailed > 0)
            m_result.notices << TailNotice();
        if (m_blankLines > 0)
            m_result.notices << BlankLinesNotice();
        if (heading)
            m_result.notices.prepend(CatalogueReader::ColumnsNotice(m_result.columns, m_name));
        return std::move(m_result);
    }

private:
    // The first record that does not end where a line ends: the line it starts on and, when
    // the record runs on past it, how many values that line holds (0 when it does not); the
    // line it ends inside and how many values that one holds (counted on to its end).
    struct Shift {
        int record = 0;
        qint64 startLine = 0;
        int startLineValues = 0;
        qint64 endLine = 0;
        int endLineValues = 0;
        bool endLineCounted = false;
    };

    QString ShiftNotice() const {
        const QString shifted =
            QCoreApplication::translate(
                "CatalogueReader",
                "The items from item %1 on may be shifted: compare them with the file, "
                "put such values in quotes, and open the file again.")
                .arg(m_shift.record);
        const QString endValues =
            Plural(m_shift.endLineValues, QT_TRANSLATE_NOOP("CatalogueReader", "1 value"),
                   QT_TRANSLATE_NOOP("CatalogueReader", "%1 values"));
        if (m_shift.startLineValues == 0)
            return QCoreApplication::translate(
                       "CatalogueReader",
                       "Line %1 of %2 holds %3, not %4: a value with a comma that is "
                       "not in quotes? %5")
                .arg(QString::number(m_shift.startLine), m_name, endValues,
                     QString::number(m_fieldCount), shifted);
        return QCoreApplication::translate(
                   "CatalogueReader",
                   "Line %1 of %2 holds %3, not %4, and the item it starts ends "
                   "inside line %5, which holds %6: a value with a line break or a "
                   "comma that is not in quotes? %7")
            .arg(QString::number(m_shift.startLine), m_name,
                 Plural(m_shift.startLineValues, QT_TRANSLATE_NOOP("CatalogueReader", "1 value"),
                        QT_TRANSLATE_NOOP("CatalogueReader", "%1 values")),
                 QString::number(m_fieldCount), QString::number(m_shift.endLine), endValues,
                 shifted);
    }

    // A value in quotes that ran on over line ends to a quote followed by other text.
    QString RunOnNotice() const {
        return QCoreApplication::translate(
                   "CatalogueReader",
                   "Line %1 of %2 opens a value with a double quote that is closed only on "
                   "line %3, by a double quote followed by other text (an inch mark, as in "
                   "12\" ruler?), so the lines between were read into one value of item %4. "
                   "The items from item %4 on may be shifted: compare them with the file, put "
                   "each value that holds a double quote in quotes with its double quotes "
                   "doubled (\"12\"\" ruler\"), and open the file again.")
            .arg(QString::number(m_runOn.startLine), m_name, QString::number(m_runOn.endLine),
                 QString::number(m_runOn.record));
    }

    // Values with text after their closing quote on the same line, which is kept.
    QString TailNotice() const {
        const QString where = QCoreApplication::translate("CatalogueReader", "field %1 of item %2")
                                  .arg(m_firstTailed.field)
                                  .arg(m_firstTailed.record);
        if (m_tailed == 1)
            return QCoreApplication::translate(
                       "CatalogueReader",
                       "Line %1 of %2 has text after the double quote that closes %3; it was "
                       "kept as part of the value. Check that value.")
                .arg(QString::number(m_firstTailed.startLine), m_name, where);
        return QCoreApplication::translate(
                   "CatalogueReader",
                   "%1 values of %2 have text after the double quote that closes them, the "
                   "first on line %3 (%4); it was kept as part of each value. Check those "
                   "values.")
            .arg(QString::number(m_tailed), m_name, QString::number(m_firstTailed.startLine),
                 where);
    }

    // A quoted value read with text after its closing quote: told, and where it ran on over
    // line ends, the records from its own on may be shifted.
    void NoteTextAfterQuote(int field) {
        const qint64 lineEnds = LineEndsIn(m_scanner.Text());
        const Quote quote{int(m_result.records.size()) + 1, field, m_line, m_line + lineEnds};
        if (lineEnds > 0) {
            if (m_runOn.record == 0)
                m_runOn = quote;
        } else if (m_tailed++ == 0) {
            m_firstTailed = quote;
        }
    }

    QString BlankLinesNotice() const {
        if (m_blankLines == 1)
            return QCoreApplication::translate("CatalogueReader",
                                               "Line %1 of %2 is blank and was skipped.")
                .arg(QString::number(m_firstBlankLine), m_name);
        return QCoreApplication::translate(
                   "CatalogueReader",
                   "%1 blank lines between the items of %2 were skipped, the first of "
                   "them line %3.")
            .arg(QString::number(m_blankLines), m_name, QString::number(m_firstBlankLine));
    }

    // The first line's values, when they name columns as a heading does.
    std::optional<CatalogueColumns> ReadHeading() {
        QStringList names;
        for (;;) {
            const End end = m_scanner.Next(true);
            if (m_scanner.Unclosed() || names.size() >= kMostColumns)
                return std::nullopt;
            names << m_encoding.DecodeField(m_scanner.Text(), m_scanner.TextIsAscii());
            if (end != End::Comma)
                break;
        }
        // The heading's values are no item's: the encoding notice counts only the items'.
        m_encoding = CatalogueEncoding();
        std::optional<CatalogueColumns> heading = CatalogueColumns::FromHeading(names);
        if (!heading)
            m_unusableHeading = CatalogueReader::UnusableHeading(names);
        return heading;
    }

    // Passes over the heading line, read before.
    void SkipLine() {
        End end = End::Comma;
        while (end == End::Comma) {
            end = m_scanner.Next(true);
            if (m_scanner.Quoted())
                m_line += LineEndsIn(m_scanner.Text());
        }
        ++m_line;
    }

    // The number of fields on every line when all lines hold the same number, fewer than
    // ten; 0 for a file of any other shape. Blank lines count for nothing. Looks at no more
    // than it must: a catalogue's first line of ten fields settles it.
    int ShortLineLength() {
        int perLine = 0;
        int count = 0;
        for (;;) {
            if (count == 0 && m_scanner.OnlyBlankLeft())
                return perLine;
            if (count == 0 && m_scanner.SkipBlankLine())
                continue;
            const End end = m_scanner.Next(false);
            if (m_scanner.Unclosed())
                return 0;
            ++count;
            if (end == End::Comma) {
                if (count >= (perLine > 0 ? perLine : ItemRecord::FieldCount - 1))
                    return 0;
                continue;
            }
            if (perLine > 0 && count != perLine)
                return 0;
            perLine = count;
            count = 0;
            if (end == End::FileEnd)
                return perLine;
        }
    }

    // Records of ten fields taken one after another, line ends being only field ends; or,
    // for a file of short lines, one record a line with as many fields as the line holds
    // (the scanner gives the very bytes it showed ShortLineLength), the missing ones empty.
    // A blank line where a record would start is skipped. Reading stops at the first record
    // that cannot be read whole.
    void ReadRecords(bool oneALine) {
        bool lineStart = true;
        for (;;) {
            if (m_scanner.OnlyBlankLeft())
                return;
            if (lineStart && m_scanner.SkipBlankLine()) {
                if (m_blankLines++ == 0)
                    m_firstBlankLine = m_line;
                ++m_line;
                continue;
            }
            m_countFrom = m_scanner.Position();
            m_recordLines = 0;
            m_lineBegun = false;
            if (Full())
                return;
            const qint64 startLine = m_line;
            int startLineValues = 0;
            ItemRecord record;
            if (m_extraCount > 0)
                record.SetExtras(QStringList(m_extraCount));
            End end = End::Comma;
            for (int position = 1; position <= m_fieldCount; ++position) {
                if (oneALine && end != End::Comma)
                    continue;
                // After a comma a field always follows, if only an empty one; at the file's
                // end a record that still lacks fields is cut short.
                if (position > 1 && end == End::FileEnd) {
                    const size_t number = m_result.records.size() + 1;
                    m_result.failure.emplace(
                        QCoreApplication::translate(
                            "CatalogueReader",
                            "record %1 is cut short by the end of the file: it has "
                            "%2 of its %3 fields and has not been read; %4")
                            .arg(number)
                            .arg(position - 1)
                            .arg(m_fieldCount)
                            .arg(ReadSoFar(number - 1)),
                        m_name);
                    return;
                }
                end = m_scanner.Next(true);
                if (m_scanner.Unclosed()) {
                    m_countFrom = m_scanner.FieldStart();
                    const size_t number = m_result.records.size() + 1;
                    m_result.failure.emplace(
                        QCoreApplication::translate(
                            "CatalogueReader",
                            "field %1 of record %2 opens a double quote that is "
                            "never closed, so the record has not been read; %3")
                            .arg(position)
                            .arg(number)
                            .arg(ReadSoFar(number - 1)),
                        m_name);
                    return;
                }
                if (m_scanner.TextAfterQuote())
                    NoteTextAfterQuote(position);
                CountLine(end, startLineValues);
                const int at = m_positions.empty() ? position : m_positions[size_t(position - 1)];
                if (at >= ItemRecord::FirstExtraPosition)
                    record.SetExtra(at - ItemRecord::FirstExtraPosition,
                                    KeptValue(at - ItemRecord::FirstExtraPosition));
                else
                    record.SetField(
                        at, m_encoding.DecodeField(m_scanner.Text(), m_scanner.TextIsAscii()));
            }
            // A read that failed may have cut the last field short.
            if (m_scanner.Exceeded() || !m_scanner.Error().isEmpty())
                return;
            m_result.records.push_back(std::move(record));
            lineStart = end != End::Comma;
            if (!lineStart && m_shift.record == 0) {
                m_shift.record = int(m_result.records.size());
                m_shift.startLine = startLine;
                m_shift.startLineValues = startLineValues;
                m_shift.endLine = m_line;
            }
            // Only the fields of records read count for the notice.
            m_windows1252Fields = m_encoding.Windows1252Fields();
        }
    }

    // Counts a field into its line, and the lines it ends, for the record being read and for
    // the file; until the values of the line
    // where the first shifted record ends are known, they are kept for its notice. What the
    // first line of the record being read holds goes to startLineValues when that line ends
    // within the record.
    void CountLine(End end, int& startLineValues) {
        ++m_lineValues;
        m_countFrom = m_scanner.Position();
        if (m_scanner.Quoted()) {
            const qint64 lineEnds = LineEndsIn(m_scanner.Text());
            m_line += lineEnds;
            m_recordLines += lineEnds;
            m_lineBegun = true;
        } else {
            // Blanks before an unquoted field are dropped: a field holds something, or nothing.
            m_lineBegun = m_lineBegun || end == End::Comma || !m_scanner.Text().isEmpty();
        }
        if (m_shift.record > 0 && !m_shift.endLineCounted) {
            m_shift.endLineValues = m_lineValues;
            m_shift.endLineCounted = end != End::Comma;
        }
        if (end == End::Comma)
            return;
        if (startLineValues == 0)
            startLineValues = m_lineValues;
        m_lineValues = 0;
        ++m_line;
        m_recordLines += m_lineBegun;
        m_lineBegun = false;
    }

    // The value of a kept column just scanned. Kept columns hold the same few values again and
    // again (a brand, a condition, a quantity): a short ASCII value is taken from a small
    // cache of the column's recent values where it stands there, so that each of those
    // values is one string shared by its items rather than a string of each item's own.
    const QString& KeptValue(int extra) {
        const QByteArrayView bytes = m_scanner.Text();
        QString& cached = m_keptValues[size_t(extra) * kCachedValues + CacheSlot(bytes)];
        if (!m_scanner.TextIsAscii() || bytes.size() > kCachedLength) {
            m_uncached = m_encoding.DecodeField(bytes, m_scanner.TextIsAscii());
            return m_uncached;
        }
        if (cached.isNull() || cached != QLatin1String(bytes.data(), bytes.size()))
            cached = m_encoding.DecodeField(bytes, true);
        return cached;
    }

    static size_t CacheSlot(QByteArrayView bytes) {
        if (bytes.isEmpty())
            return 0;
        const auto byte = [&bytes](qsizetype at) { return uint(uchar(bytes[at])); };
        return (uint(bytes.size()) * 31u + byte(0) * 7u + byte(bytes.size() - 1) * 13u +
                byte(bytes.size() / 2)) %
               kCachedValues;
    }

    // Whether the catalogue already holds the most items it can, with more to come.
    bool Full() {
        if (m_result.records.size() < size_t(ItemRecord::MaxItems))
            return false;
        m_result.failure.emplace(QCoreApplication::translate(
                                     "CatalogueReader",
                                     "the catalogue holds more than %1 records, the most Lotcraft "
                                     "can hold; the first %1 have been read")
                                     .arg(ItemRecord::MaxItems),
                                 m_name);
        return true;
    }

    // No heading names more columns than this: a first line of more values is an item.
    static constexpr qsizetype kMostColumns = 1000;
    // The kept values cached for each kept column, and the longest value cached.
    static constexpr size_t kCachedValues = 256;
    static constexpr qsizetype kCachedLength = 64;

    FieldScanner& m_scanner;
    const QString& m_name;
    CatalogueEncoding m_encoding;
    // The fields of a record, and for a file with a heading the position each column's
    // value goes to (empty for the ten fields in order) and how many columns are kept.
    int m_fieldCount = ItemRecord::FieldCount;
    std::vector<int> m_positions;
    int m_extraCount = 0;
    std::vector<QString> m_keptValues;
    QString m_uncached;
    // Why a first line that names columns cannot be read as the heading, or empty.
    QString m_unusableHeading;
    // Fields of the records read that were read as Windows-1252.
    qsizetype m_windows1252Fields = 0;
    // For the record being read: where in the text the lines not yet counted start, how
    // many lines holding anything but blanks it has passed (each line of a quoted value
    // counted as one), and whether the line it is in holds anything but blanks so far.
    qint64 m_countFrom = 0;
    qint64 m_recordLines = 0;
    bool m_lineBegun = false;
    // The line being read (from 1, as a text editor numbers them: line ends in quotes count)
    // and the values read on it so far.
    qint64 m_line = 1;
    int m_lineValues = 0;
    Shift m_shift;
    // A quoted value with text after its closing quote: its record and field, and the lines
    // its quotes open and close on. The first that ran on over line ends, and the first of
    // those on one line, with how many there were.
    struct Quote {
        int record = 0;
        int field = 0;
        qint64 startLine = 0;
        qint64 endLine = 0;
    };
    Quote m_runOn;
    Quote m_firstTailed;
    qint64 m_tailed = 0;
    qint64 m_blankLines = 0;
    qint64 m_firstBlankLine = 0;
    CatalogueReader::Result m_result;
};

// Why a file that is not text is no catalogue, from its first bytes; empty for text.
// Spreadsheets, documents, pictures and archives say what they are in their first bytes;
// anything else with zero bytes in it, outside UTF-16, is no text either (a file that starts
// with UTF-8's signature is text, zero bytes and all: the writer gives one to a catalogue
// that holds NUL characters).
QString NoTextReason(QByteArrayView start, const CatalogueEncoding::Detected& detected) {
    // A signature of UTF-16 marks text; after UTF-8's, the text is looked at as any other.
    const bool bytes = detected.kind == CatalogueEncoding::Kind::Bytes;
    if (!bytes && detected.signatureLength > 0)
        return QString();
    // The first value as the reader would take it, after blank lines, blanks and its quote:
    // the writer may put it at the very start of the file.
    qsizetype from = detected.signatureLength;
    while (from < start.size() &&
           (start[from] == ' ' || start[from] == '\r' || start[from] == '\n'))
        ++from;
    if (from < start.size() && start[from] == '"')
        ++from;
    const QByteArrayView first = start.sliced(from);
    const auto startsWith = [&first](const char* magic, qsizetype length) {
        return first.size() >= length && std::memcmp(first.data(), magic, size_t(length)) == 0;
    };
    const auto holds = [&start](const char* text) {
        return start.indexOf(QByteArrayView(text)) >= 0;
    };
    // These files all hold control bytes near their start, which no catalogue does: an item
    // numbered "GIF89a" is no picture.
    const bool controls = std::any_of(start.begin(), start.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r';
    });
    // A PDF's first line is its version alone, which no catalogue's first line is.
    const bool pdf = startsWith("%PDF-", 5) && first.size() >= 9 &&
                     QByteArrayView("\r\n").contains(first[8]) && first[6] == '.';
    QString what;
    // A spreadsheet is told how to save it as CSV.
    bool spreadsheet = false;
    if (pdf) {
        what = QCoreApplication::translate("CatalogueReader", "a PDF document");
    } else if (!controls) {
        return QString();
    } else if (startsWith("PK\x03\x04", 4) || startsWith("PK\x05\x06", 4)) {
        spreadsheet = holds("application/vnd.oasis.opendocument.spreadsheet") || holds("xl/");
        if (holds("application/vnd.oasis.opendocument.spreadsheet"))
            what = QCoreApplication::translate("CatalogueReader",
                                               "a spreadsheet (OpenDocument, .ods)");
        else if (holds("xl/"))
            what = QCoreApplication::translate("CatalogueReader", "a spreadsheet (Excel, .xlsx)");
        else if (holds("application/vnd.oasis.opendocument") || holds("word/"))
            what =
                QCoreApplication::translate("CatalogueReader", "a text document (.odt or .docx)");
        else
            what = QCoreApplication::translate("CatalogueReader", "a ZIP archive");
    } else if (startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8)) {
        spreadsheet = true;
        what = QCoreApplication::translate(
            "CatalogueReader", "a spreadsheet or document in the old Office format (.xls, .doc)");
    } else if (startsWith("\x89PNG\r\n\x1A\n", 8) || startsWith("\xFF\xD8\xFF", 3) ||
               startsWith("GIF87a", 6) || startsWith("GIF89a", 6) ||
               (startsWith("RIFF", 4) && first.size() >= 12 && first.sliced(8, 4) == "WEBP") ||
               startsWith("II*\0", 4) || startsWith("MM\0*", 4)) {
        what = QCoreApplication::translate("CatalogueReader", "a picture");
    } else if (bytes && detected.signatureLength == 0 && start.indexOf('\0') >= 0) {
        return QCoreApplication::translate(
            "CatalogueReader",
            "the file holds zero bytes, which no text file holds, so it is no CSV file and has "
            "not been read; if it is a catalogue, save it again as CSV (UTF-8) from the program "
            "that made it, and open that");
    } else {
        return QString();
    }
    if (spreadsheet)
        return QCoreApplication::translate(
                   "CatalogueReader",
                   "this is %1, not a CSV file, and has not been read: save it as CSV "
                   "from the spreadsheet program (Text CSV, character set UTF-8) and "
                   "open that")
            .arg(what);
    return QCoreApplication::translate(
               "CatalogueReader",
               "this is %1, not a CSV file, and has not been read: choose the "
               "catalogue file (.csv) and open it")
        .arg(what);
}

// A spreadsheet column's name by its index from 0, as spreadsheet programs letter them: A
// to Z, then AA.
QString ColumnLetters(int index) {
    QString letters;
    for (int n = index + 1; n > 0; n = (n - 1) / 26)
        letters.prepend(QChar(u'A' + (n - 1) % 26));
    return letters;
}

// The records of a spreadsheet's first sheet, a row each, by the rules of a catalogue file:
// a first row that names the columns is the heading, and places each cell by its column's
// name; without one, a row's first ten cells are the ten fields. Cells beyond the heading's
// columns, or beyond the ten fields, are kept under their column's letters, so that nothing
// in the sheet is lost. An empty row between others is an empty item, as in the CSV file the
// spreadsheet program saves of the sheet; empty rows before the first are none.
CatalogueReader::Result ReadSheet(const SpreadsheetReader::Sheet& sheet, const QString& name) {
    CatalogueReader::Result result;
    result.spreadsheet = true;
    if (!sheet.failure.isEmpty()) {
        result.failure.emplace(sheet.failure, name);
        return result;
    }
    const std::vector<QStringList>& rows = sheet.rows;
    size_t first = 0;
    while (first < rows.size() && rows[first].isEmpty())
        ++first;
    std::optional<CatalogueColumns> heading;
    if (first < rows.size()) {
        heading = CatalogueColumns::FromHeading(rows[first]);
        if (const QString reason = CatalogueReader::UnusableHeading(rows[first]);
            !heading && !reason.isEmpty()) {
            result.failure.emplace(reason, name);
            return result;
        }
    }
    CatalogueColumns columns = heading ? *heading : CatalogueColumns();
    std::vector<int> positions = columns.Positions();
    const size_t from = heading ? first + 1 : 0;
    qsizetype widest = 0;
    for (size_t row = from; row < rows.size(); ++row)
        widest = std::max(widest, rows[row].size());
    for (qsizetype index = qsizetype(positions.size()); index < widest; ++index) {
        columns.AddExtra(QStringLiteral("Column %1").arg(ColumnLetters(int(index))));
        positions.push_back(ItemRecord::FirstExtraPosition + columns.ExtraCount() - 1);
    }
    for (size_t row = std::max(from, first); row < rows.size(); ++row) {
        const QStringList& cells = rows[row];
        if (result.records.size() >= size_t(ItemRecord::MaxItems)) {
            result.failure.emplace(
                QCoreApplication::translate(
                    "CatalogueReader",
                    "the sheet holds more than %1 items, the most Lotcraft can hold; "
                    "the first %1 have been read")
                    .arg(ItemRecord::MaxItems),
                name);
            break;
        }
        ItemRecord record;
        if (columns.ExtraCount() > 0)
            record.SetExtras(QStringList(columns.ExtraCount()));
        for (qsizetype index = 0; index < cells.size(); ++index)
            record.SetValue(positions[size_t(index)], cells[index]);
        result.records.push_back(std::move(record));
    }
    result.itemsInFile = qint64(result.records.size());
    if (result.failure) {
        result.itemsInFile = 0;
        result.itemsInFile = qint64(rows.size() - std::max(from, first));
    }
    result.columns = std::move(columns);
    if (heading)
        result.notices << CatalogueReader::ColumnsNotice(result.columns, name);
    if (sheet.sheetCount > 1)
        result.notices << QCoreApplication::translate(
                              "CatalogueReader", "%1 holds %2 sheets: the first, \"%3\", was read.")
                              .arg(name, QString::number(sheet.sheetCount), sheet.name);
    return result;
}

// Reads a catalogue in whichever encoding its first bytes show, or the spreadsheet they show
// it to be.
CatalogueReader::Result ReadText(FieldScanner& scanner, const QString& name, qint64 size) {
    using Kind = CatalogueEncoding::Kind;
    const QByteArrayView start = scanner.Peek(CatalogueEncoding::SampleSize);
    const CatalogueEncoding::Detected detected = CatalogueEncoding::Detect(start);
    if (const QString reason = StopReason(scanner); !reason.isEmpty())
        return Failed(reason % QStringLiteral("; ") % ReadSoFar(0), name);
    if (SpreadsheetReader::KindOf(start) != SpreadsheetReader::Kind::None) {
        const QByteArray bytes = scanner.TakeRest();
        if (const QString reason = StopReason(scanner); !reason.isEmpty())
            return Failed(reason % QStringLiteral("; ") % ReadSoFar(0), name);
        return ReadSheet(SpreadsheetReader::Read(bytes), name);
    }
    if (const QString reason = NoTextReason(start, detected); !reason.isEmpty())
        return Failed(reason, name);
    if (detected.kind == Kind::Utf32)
        return Failed(
            QCoreApplication::translate("CatalogueReader",
                                        "the catalogue is saved in UTF-32, which Lotcraft does not "
                                        "read, and has not been read; save it as UTF-8 (in a "
                                        "spreadsheet program: Text CSV, character set Unicode "
                                        "UTF-8) and open it again"),
            name);
    if (detected.kind == Kind::Undecidable)
        return Failed(
            QCoreApplication::translate("CatalogueReader",
                                        "the catalogue holds many zero bytes, as a file saved in "
                                        "UTF-16 does, but how to read it cannot be told, so it has "
                                        "not been read; save it as UTF-8 (in a spreadsheet "
                                        "program: Text CSV, character set Unicode UTF-8) and open "
                                        "it again"),
            name);
    scanner.SetTextStart(detected.signatureLength);
    if (detected.kind == Kind::Bytes)
        return RecordReader(scanner, name, size).Read();

    // UTF-16 is read whole and turned into UTF-8, whose fields the same rules find.
    const QByteArray utf16 = scanner.TakeRest();
    if (const QString reason = StopReason(scanner); !reason.isEmpty())
        return Failed(reason % QStringLiteral("; ") % ReadSoFar(0), name);
    qsizetype damaged = 0;
    const QByteArray utf8 = CatalogueEncoding::Utf16ToUtf8(utf16, detected.kind, damaged);
    const bool oddByte = utf16.size() % 2 != 0;
    FieldScanner converted(utf8);
    CatalogueReader::Result result = RecordReader(converted, name, utf8.size()).Read();
    if (damaged > 0)
        result.notices << (damaged == 1
                               ? QCoreApplication::translate(
                                     "CatalogueReader",
                                     "1 character of %1 is not valid UTF-16 and was read as the "
                                     "replacement character \uFFFD: check the items that show it.")
                                     .arg(name)
                               : QCoreApplication::translate(
                                     "CatalogueReader",
                                     "%1 characters of %2 are not valid UTF-16 and were read as "
                                     "the replacement character \uFFFD: check the items that "
                                     "show it.")
                                     .arg(damaged)
                                     .arg(name));
    if (oddByte)
        result.notices << QCoreApplication::translate(
                              "CatalogueReader",
                              "The last byte of %1 is half a character of UTF-16; it was left "
                              "out.")
                              .arg(name);
    return result;
}

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_size == b.st_size && a.st_mtim.tv_sec == b.st_mtim.tv_sec &&
           a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

}  // namespace

CatalogueReader::Result CatalogueReader::Read(const QString& fileName) {
    // What the name stands for is looked at before it is opened, and the open descriptor
    // again after, so that nothing put in its place meanwhile is read either.
    const QByteArray path = QFile::encodeName(fileName);
    struct stat status;
    if (::stat(path.constData(), &status) != 0)
        return Failed(
            QCoreApplication::translate("CatalogueReader", "the catalogue cannot be opened: %1")
                .arg(SystemReason()),
            fileName);
    if (const QString reason = NotARegularFile(status); !reason.isEmpty())
        return Failed(reason, fileName);
    if (status.st_size > MaxFileSize)
        return Failed(TooLarge(), fileName);
    // Without blocking, so that a pipe put in the file's place cannot hold the open.
    const int descriptor = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (descriptor < 0)
        return Failed(
            QCoreApplication::translate("CatalogueReader", "the catalogue cannot be opened: %1")
                .arg(SystemReason()),
            fileName);
    Result result = ReadDescriptor(descriptor, fileName);
    ::close(descriptor);
    return result;
}

CatalogueReader::Result CatalogueReader::ReadDescriptor(int descriptor, const QString& name,
                                                        qsizetype blockSize) {
    struct stat before;
    if (::fstat(descriptor, &before) != 0)
        return Failed(
            QCoreApplication::translate("CatalogueReader", "the catalogue cannot be read: %1")
                .arg(SystemReason()),
            name);
    if (const QString reason = NotARegularFile(before); !reason.isEmpty())
        return Failed(reason, name);
    if (before.st_size > MaxFileSize)
        return Failed(TooLarge(), name);

    const qint64 size = before.st_size - std::max<qint64>(::lseek(descriptor, 0, SEEK_CUR), 0);
    FieldScanner scanner(descriptor, size, blockSize, MaxFileSize);
    Result result = ReadText(scanner, name, size);
    struct stat after;
    if (::fstat(descriptor, &after) == 0 && !SameFile(before, after))
        result.notices << QCoreApplication::translate(
                              "CatalogueReader",
                              "%1 changed while it was read: if a program is still writing it, "
                              "open it again once that program has finished.")
                              .arg(name);
    return result;
}

CatalogueReader::Result CatalogueReader::Read(QIODevice& device, const QString& name) {
    if (const auto* file = qobject_cast<const QFileDevice*>(&device); file && file->handle() >= 0) {
        struct stat status;
        if (::fstat(file->handle(), &status) == 0) {
            if (const QString reason = NotARegularFile(status); !reason.isEmpty())
                return Failed(reason, name);
        }
    }
    QByteArray bytes;
    for (;;) {
        const qsizetype size = bytes.size();
        if (size > MaxFileSize)
            return Failed(TooLarge(), name);
        bytes.resize(size + BlockSize);
        const qint64 got = device.read(bytes.data() + size, BlockSize);
        bytes.resize(size + std::max<qint64>(got, 0));
        if (got < 0)
            return Failed(
                QCoreApplication::translate("CatalogueReader", "the catalogue cannot be read: %1")
                    .arg(device.errorString()),
                name);
        if (got == 0)
            break;
    }
    return ReadBytes(bytes, name);
}

CatalogueReader::Result CatalogueReader::ReadBytes(const QByteArray& bytes, const QString& name) {
    FieldScanner scanner(bytes);
    return ReadText(scanner, name, bytes.size());
}

QString CatalogueReader::ColumnsNotice(const CatalogueColumns& columns, const QString& name) {
    const auto quoted = [](const QString& text) -> QString {
        return QLatin1Char('"') % text % QLatin1Char('"');
    };
    QStringList matched;
    for (const CatalogueColumns::Column& column : columns.Columns()) {
        if (column.position < ItemRecord::FirstExtraPosition)
            matched << QCoreApplication::translate("CatalogueReader", "%1 as %2")
                           .arg(quoted(column.name),
                                CatalogueColumns::NameOfField(column.position));
    }
    QString notice =
        QCoreApplication::translate("CatalogueReader", "The first line of %1 is its heading: %2.")
            .arg(name, matched.join(QStringLiteral(", ")));
    QStringList missing;
    for (const int position : columns.MissingFields())
        missing << CatalogueColumns::NameOfField(position);
    if (!missing.isEmpty())
        notice +=
            QCoreApplication::translate("CatalogueReader", " No column holds %1: %2 read empty.")
                .arg(missing.join(QStringLiteral(", ")),
                     missing.size() == 1
                         ? QCoreApplication::translate("CatalogueReader", "it is")
                         : QCoreApplication::translate("CatalogueReader", "they are"));
    QStringList kept;
    for (const QString& extra : columns.ExtraNames())
        kept << quoted(extra);
    if (!kept.isEmpty())
        notice += QCoreApplication::translate("CatalogueReader", " Kept as %1: %2.")
                      .arg(kept.size() == 1
                               ? QCoreApplication::translate("CatalogueReader", "it stands")
                               : QCoreApplication::translate("CatalogueReader", "they stand"),
                           kept.join(QStringLiteral(", ")));
    return notice;
}

QString CatalogueReader::UnusableHeading(const QStringList& names) {
    if (!CatalogueColumns::NamesColumns(names) || CatalogueColumns::FromHeading(names))
        return QString();
    QStringList lacking;
    for (const int field : {int(ItemRecord::ItemNumber), int(ItemRecord::Title)}) {
        if (std::none_of(names.begin(), names.end(), [field](const QString& name) {
                return CatalogueColumns::FieldNamed(name) == field;
            }))
            lacking << (field == ItemRecord::ItemNumber
                            ? QCoreApplication::translate(
                                  "CatalogueReader", "the item number (\"Item number\" or \"SKU\")")
                            : QCoreApplication::translate("CatalogueReader",
                                                          "the title (\"Title\")"));
    }
    return QCoreApplication::translate(
               "CatalogueReader",
               "the first line names the columns (%1), but no column holds %2, so the file has "
               "not been read; give that column its name in the first line and open the file "
               "again")
        .arg(names.join(QStringLiteral(", ")),
             lacking.join(QCoreApplication::translate("CatalogueReader", " or ")));
}
