// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/SpreadsheetReader.h"

#include "catalogue/SpreadsheetNumberFormat.h"
#include "catalogue/WorksheetScanner.h"

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipfileinfo.h>
#include <QBuffer>
#include <QCoreApplication>
#include <QHash>
#include <QXmlStreamReader>

#include <algorithm>
#include <functional>
#include <optional>

namespace {

const QLatin1String kOdsMimetype("application/vnd.oasis.opendocument.spreadsheet");
// More cell styles than Excel allows; the cells of styles past it show their numbers in General.
const size_t kMaxStyles = 65536;

QString Damaged() {
    return QCoreApplication::translate("SpreadsheetReader",
                                       "the spreadsheet cannot be read: its content is damaged");
}

QString NeitherKind() {
    return QCoreApplication::translate(
        "SpreadsheetReader",
        "the file is neither an OpenDocument spreadsheet nor an Excel workbook");
}

QString Missing(const QString& member) {
    return QCoreApplication::translate("SpreadsheetReader",
                                       "the spreadsheet cannot be read: %1 is missing from it")
        .arg(member);
}

QString TooLarge() {
    return QCoreApplication::translate(
        "SpreadsheetReader",
        "the spreadsheet cannot be read: its first sheet is larger than a spreadsheet can be");
}

QString TooLargeMember(const QString& member) {
    return QCoreApplication::translate(
               "SpreadsheetReader",
               "the spreadsheet cannot be read: its %1 unpacks to more than 1 GiB")
        .arg(member);
}

// Up to count bytes from at, fewer where the view ends.
QByteArrayView Slice(QByteArrayView bytes, qsizetype at, qsizetype count) {
    if (at >= bytes.size())
        return {};
    return bytes.sliced(at, std::min(count, bytes.size() - at));
}

quint32 Little(QByteArrayView bytes, qsizetype at, int size) {
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | quint8(bytes.at(at + i));
    return value;
}

// Opens a member of the ZIP for reading into file, and gives the size it says it unpacks to.
// A member that says it is too large is refused before it is unpacked; one that says less than
// it holds is cut at what it says, and then fails as damaged. Its readers count what they
// unpack against MaxMemberSize all the same. Returns the failure, empty when the member is
// open.
QString OpenMember(QuaZip& zip, const QString& member, QuaZipFile& file, quint64& size) {
    if (!zip.setCurrentFile(member, QuaZip::csSensitive))
        return Missing(member);
    QuaZipFileInfo64 info;
    if (!zip.getCurrentFileInfo(&info))
        return Damaged();
    if (info.uncompressedSize > quint64(SpreadsheetReader::MaxMemberSize))
        return TooLargeMember(member);
    if (!file.open(QIODevice::ReadOnly))
        return Damaged();
    size = info.uncompressedSize;
    return QString();
}

// Calls handle for every token of an XML member of the ZIP, fed to the reader a mebibyte at a
// time so that a member is never held whole, and refused past MaxMemberSize. handle returns false
// to stop early. Returns the failure, empty when the member was read.
QString ReadMember(QuaZip& zip, const QString& member,
                   const std::function<bool(QXmlStreamReader&)>& handle) {
    QuaZipFile file(&zip);
    quint64 size = 0;
    if (const QString failure = OpenMember(zip, member, file, size); !failure.isEmpty())
        return failure;
    QXmlStreamReader xml;
    qint64 total = 0;
    bool more = true;
    int depth = 0;
    bool rootClosed = false;
    while (true) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (xml.hasError()) {
            if (xml.error() != QXmlStreamReader::PrematureEndOfDocumentError)
                return Damaged();
            if (!more) {
                if (rootClosed)
                    break;
                return Damaged();
            }
            const QByteArray chunk = file.read(1 << 20);
            if (chunk.isEmpty()) {
                if (file.getZipError() != UNZ_OK || !file.atEnd())
                    return Damaged();
                more = false;
            }
            total += chunk.size();
            if (total > SpreadsheetReader::MaxMemberSize)
                return TooLargeMember(member);
            xml.addData(chunk);
            continue;
        }
        if (token == QXmlStreamReader::EndDocument)
            break;
        if (token == QXmlStreamReader::DTD)
            return Damaged();  // no spreadsheet member has one; entities are a way to bomb
        if (token == QXmlStreamReader::StartElement)
            ++depth;
        if (token == QXmlStreamReader::EndElement && --depth == 0)
            rootClosed = true;
        if (!handle(xml))
            return QString();
    }
    file.close();
    if (file.getZipError() != UNZ_OK)
        return Damaged();
    return QString();
}

// The bytes of a member of the ZIP, refused past MaxMemberSize as ReadMember refuses it.
// Returns the failure, empty when the member was read.
QString ReadWholeMember(QuaZip& zip, const QString& member, QByteArray& bytes) {
    QuaZipFile file(&zip);
    quint64 size = 0;
    if (const QString failure = OpenMember(zip, member, file, size); !failure.isEmpty())
        return failure;
    // The size the member gives is only a hint: more than it says is read, up to the limit.
    bytes.reserve(qsizetype(size) + 1);
    for (;;) {
        const qsizetype at = bytes.size();
        bytes.resize(at + (1 << 20));
        const qint64 got = file.read(bytes.data() + at, 1 << 20);
        bytes.resize(at + std::max<qint64>(got, 0));
        if (got < 0 || file.getZipError() != UNZ_OK)
            return Damaged();
        if (got == 0)
            break;
        if (bytes.size() > SpreadsheetReader::MaxMemberSize)
            return TooLargeMember(member);
    }
    file.close();
    return file.getZipError() == UNZ_OK ? QString() : Damaged();
}

// A relationship target resolved against the folder of the member that names it.
QString Resolved(const QString& from, const QString& target) {
    if (target.startsWith(QLatin1Char('/')))
        return target.mid(1);
    QStringList path = from.split(QLatin1Char('/'));
    path.removeLast();
    for (const QString& step : target.split(QLatin1Char('/'))) {
        if (step == QLatin1String("..")) {
            if (!path.isEmpty())
                path.removeLast();
        } else if (step != QLatin1String(".") && !step.isEmpty()) {
            path << step;
        }
    }
    return path.join(QLatin1Char('/'));
}

struct Relationship {
    QString id;
    QString type;
    QString member;
};

QString ReadRelationships(QuaZip& zip, const QString& member, std::vector<Relationship>& out) {
    QStringList path = member.split(QLatin1Char('/'));
    const QString name = path.takeLast();
    path << QStringLiteral("_rels") << name + QLatin1String(".rels");
    const QString rels = path.join(QLatin1Char('/'));
    return ReadMember(zip, rels, [&](QXmlStreamReader& xml) {
        if (xml.isStartElement() && xml.name() == QLatin1String("Relationship")) {
            const QXmlStreamAttributes a = xml.attributes();
            if (a.value(QLatin1String("TargetMode")) != QLatin1String("External"))
                out.push_back({a.value(QLatin1String("Id")).toString(),
                               a.value(QLatin1String("Type")).toString(),
                               Resolved(member, a.value(QLatin1String("Target")).toString())});
        }
        return true;
    });
}

// Undoes the "_xHHHH_" escapes Excel writes for characters XML cannot hold; "_x005F_" is the
// escape of "_" itself, so that "_x005F_x000D_" stays "_x000D_".
QString Unescaped(const QString& text) {
    if (!text.contains(QLatin1String("_x")))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('_') && i + 6 < text.size() &&
            text.at(i + 1) == QLatin1Char('x') && text.at(i + 6) == QLatin1Char('_')) {
            bool ok = false;
            const ushort code = QStringView(text).mid(i + 2, 4).toUShort(&ok, 16);
            if (ok) {
                out += QChar(code);
                i += 6;
                continue;
            }
        }
        out += text.at(i);
    }
    return out;
}

// The rows of a sheet as they are built: empty cells and empty rows wait until something
// follows them, so that the many empty ones a sheet ends with are never made.
struct RowsBuilder {
    // Adds a cell to the row being built, repeated; false when the sheet grows too large.
    bool AddCell(const QString& text, qint64 repeat) {
        if (text.isEmpty()) {
            m_emptyCells += repeat;
            return true;
        }
        if (qint64(m_row.size()) + m_emptyCells + repeat > SpreadsheetReader::MaxColumns)
            return false;
        m_cells += m_emptyCells + repeat;
        if (m_cells > SpreadsheetReader::MaxCells)
            return false;
        for (; m_emptyCells > 0; --m_emptyCells)
            m_row << QString();
        for (qint64 i = 0; i < repeat; ++i)
            m_row << text;
        return true;
    }
    // Empty cells up to a column, for a cell that says where it is.
    void MoveTo(int column) {
        const qint64 here = qint64(m_row.size()) + m_emptyCells;
        if (column > here)
            m_emptyCells += column - here;
    }
    bool EndRow(qint64 repeat) {
        m_emptyCells = 0;
        if (m_row.isEmpty()) {
            m_emptyRows += repeat;
        } else {
            if (qint64(m_rows.size()) + m_emptyRows + repeat > SpreadsheetReader::MaxRows)
                return false;
            m_cells += (repeat - 1) * m_row.size();
            if (m_cells > SpreadsheetReader::MaxCells)
                return false;
            m_rows.resize(m_rows.size() + size_t(m_emptyRows));
            m_emptyRows = 0;
            for (qint64 i = 0; i < repeat; ++i)
                m_rows.push_back(m_row);
            m_row.clear();
        }
        return true;
    }
    // Empty rows up to a row, for a row that says which it is.
    void MoveToRow(qint64 row) {
        const qint64 here = qint64(m_rows.size()) + m_emptyRows;
        if (row > here)
            m_emptyRows += row - here;
    }
    std::vector<QStringList> Take() { return std::move(m_rows); }

    std::vector<QStringList> m_rows;
    QStringList m_row;
    qint64 m_emptyCells = 0;
    qint64 m_emptyRows = 0;
    qint64 m_cells = 0;
};

const QLatin1String kTableNamespace("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QLatin1String kTextNamespace("urn:oasis:names:tc:opendocument:xmlns:text:1.0");

qint64 Repeat(const QXmlStreamReader& xml, QLatin1String space, QLatin1String attribute) {
    const QStringView value = xml.attributes().value(space, attribute);
    if (value.isEmpty())
        return 1;
    bool ok = false;
    const qint64 repeat = value.toLongLong(&ok);
    return ok && repeat > 0 ? std::min(repeat, qint64(1) << 31) : 1;
}

SpreadsheetReader::Sheet ReadOpenDocument(QuaZip& zip) {
    SpreadsheetReader::Sheet sheet;
    RowsBuilder rows;
    int depth = 0;
    int spreadsheet = -1;  // the depths of the elements being read in, -1 outside
    int table = -1;
    int row = -1;
    int cell = -1;
    int paragraph = -1;
    int skip = -1;  // below this depth, everything is passed over
    bool firstDone = false;
    bool covered = false;
    bool tooLarge = false;
    qint64 rowRepeat = 1;
    qint64 cellRepeat = 1;
    int paragraphs = 0;
    bool rawBlank = true;
    QString text;
    const QString failure =
        ReadMember(zip, QStringLiteral("content.xml"), [&](QXmlStreamReader& xml) {
            if (xml.isEndElement()) {
                if (depth == skip)
                    skip = -1;
                else if (depth == paragraph)
                    paragraph = -1;
                else if (depth == cell) {
                    tooLarge = !rows.AddCell(covered ? QString() : text, cellRepeat);
                    cell = -1;
                } else if (depth == row) {
                    tooLarge = !rows.EndRow(rowRepeat);
                    row = -1;
                } else if (depth == table) {
                    table = -1;
                    firstDone = true;
                } else if (depth == spreadsheet) {
                    --depth;
                    return false;
                }
                --depth;
                return !tooLarge;
            }
            if (xml.isStartElement()) {
                ++depth;
                const QStringView name = xml.name();
                if (skip >= 0)
                    return true;
                if (paragraph >= 0) {
                    if (name == QLatin1String("s")) {
                        const qint64 blanks = Repeat(xml, kTextNamespace, QLatin1String("c"));
                        text +=
                            QString(qsizetype(std::min(blanks, qint64(1) << 16)), QLatin1Char(' '));
                        rawBlank = false;
                    } else if (name == QLatin1String("tab")) {
                        text += QLatin1Char('\t');
                        rawBlank = false;
                    } else if (name == QLatin1String("line-break")) {
                        text += QLatin1Char('\n');
                        rawBlank = false;
                    } else if (name == QLatin1String("annotation") ||
                               name == QLatin1String("note")) {
                        skip = depth;
                    }
                    // Spans and links: their text is the cell's.
                } else if (cell >= 0) {
                    if (depth == cell + 1 &&
                        (name == QLatin1String("p") || name == QLatin1String("h"))) {
                        if (paragraphs++ > 0)
                            text += QLatin1Char('\n');
                        paragraph = depth;
                        rawBlank = true;
                    } else {
                        skip = depth;  // comments, pictures, shapes anchored to the cell
                    }
                } else if (row >= 0) {
                    if (depth == row + 1 && (name == QLatin1String("table-cell") ||
                                             name == QLatin1String("covered-table-cell"))) {
                        cell = depth;
                        covered = name == QLatin1String("covered-table-cell");
                        cellRepeat =
                            Repeat(xml, kTableNamespace, QLatin1String("number-columns-repeated"));
                        text.clear();
                        paragraphs = 0;
                    } else {
                        skip = depth;
                    }
                } else if (table >= 0) {
                    if (name == QLatin1String("table-row")) {
                        row = depth;
                        rowRepeat =
                            Repeat(xml, kTableNamespace, QLatin1String("number-rows-repeated"));
                    } else if (name == QLatin1String("table")) {
                        skip = depth;
                    }
                    // Row groups and header rows hold rows; columns hold nothing to read.
                } else if (spreadsheet >= 0) {
                    if (depth == spreadsheet + 1 && name == QLatin1String("table")) {
                        ++sheet.sheetCount;
                        if (!firstDone) {
                            table = depth;
                            sheet.name = xml.attributes()
                                             .value(kTableNamespace, QLatin1String("name"))
                                             .toString();
                        } else {
                            skip = depth;
                        }
                    } else {
                        skip = depth;
                    }
                } else if (name == QLatin1String("spreadsheet")) {
                    spreadsheet = depth;
                }
                return true;
            }
            if (paragraph >= 0 && skip < 0 && xml.isCharacters()) {
                // The blanks of the XML itself fold into one, and go at a paragraph's start: blanks
                // the text keeps are written as <text:s/>. Most texts have none to fold.
                const QStringView chunk = xml.text();
                if (!chunk.contains(QLatin1Char('\n')) && !chunk.contains(QLatin1Char('\t')) &&
                    !chunk.contains(QLatin1Char('\r')) && !chunk.contains(QLatin1String("  ")) &&
                    !(rawBlank && chunk.startsWith(QLatin1Char(' '))) && !chunk.isEmpty()) {
                    text += chunk;
                    rawBlank = chunk.endsWith(QLatin1Char(' '));
                    return true;
                }
                for (const QChar c : chunk) {
                    const bool blank = c == QLatin1Char(' ') || c == QLatin1Char('\n') ||
                                       c == QLatin1Char('\t') || c == QLatin1Char('\r');
                    if (!blank)
                        text += c;
                    else if (!rawBlank)
                        text += QLatin1Char(' ');
                    rawBlank = blank;
                }
            }
            return true;
        });
    if (tooLarge)
        sheet.failure = TooLarge();
    else if (!failure.isEmpty())
        sheet.failure = failure;
    else if (sheet.sheetCount == 0)
        sheet.failure = QCoreApplication::translate(
            "SpreadsheetReader", "the spreadsheet cannot be read: it holds no sheet");
    if (sheet.failure.isEmpty())
        sheet.rows = rows.Take();
    return sheet;
}

SpreadsheetReader::Sheet ReadExcel(QuaZip& zip) {
    SpreadsheetReader::Sheet sheet;
    // The workbook is where the package's relationships say, xl/workbook.xml where it has none.
    QString workbook = QStringLiteral("xl/workbook.xml");
    std::vector<Relationship> relationships;
    if (ReadRelationships(zip, QString(), relationships).isEmpty()) {
        for (const Relationship& r : relationships)
            if (r.type.endsWith(QLatin1String("/officeDocument")))
                workbook = r.member;
    }
    relationships.clear();
    QString failure = ReadRelationships(zip, workbook, relationships);
    if (!failure.isEmpty()) {
        sheet.failure = failure;
        return sheet;
    }
    bool date1904 = false;
    QString firstId;
    failure = ReadMember(zip, workbook, [&](QXmlStreamReader& xml) {
        if (!xml.isStartElement())
            return true;
        const QStringView name = xml.name();
        if (name == QLatin1String("workbookPr")) {
            const QStringView value = xml.attributes().value(QLatin1String("date1904"));
            date1904 = value == QLatin1String("1") || value == QLatin1String("true");
        } else if (name == QLatin1String("sheet")) {
            if (sheet.sheetCount++ == 0) {
                sheet.name = xml.attributes().value(QLatin1String("name")).toString();
                for (const QXmlStreamAttribute& attribute : xml.attributes())
                    if (attribute.name() == QLatin1String("id") &&
                        !attribute.namespaceUri().isEmpty())
                        firstId = attribute.value().toString();
            }
        }
        return true;
    });
    if (!failure.isEmpty()) {
        sheet.failure = failure;
        return sheet;
    }
    QString worksheet;
    QString sharedStringsMember;
    QString stylesMember;
    for (const Relationship& r : relationships) {
        if (r.id == firstId)
            worksheet = r.member;
        else if (r.type.endsWith(QLatin1String("/sharedStrings")))
            sharedStringsMember = r.member;
        else if (r.type.endsWith(QLatin1String("/styles")))
            stylesMember = r.member;
    }
    if (sheet.sheetCount == 0 || worksheet.isEmpty()) {
        sheet.failure = QCoreApplication::translate(
            "SpreadsheetReader", "the spreadsheet cannot be read: it holds no sheet");
        return sheet;
    }

    // The number format of every cell style; a style names a built-in format or its own.
    std::vector<SpreadsheetNumberFormat> formats;
    if (!stylesMember.isEmpty()) {
        QHash<int, QString> codes;
        std::vector<int> styleFormats;
        bool inCellStyles = false;
        failure = ReadMember(zip, stylesMember, [&](QXmlStreamReader& xml) {
            const QStringView name = xml.name();
            if (xml.isEndElement() && name == QLatin1String("cellXfs"))
                inCellStyles = false;
            if (!xml.isStartElement())
                return true;
            if (name == QLatin1String("numFmt")) {
                codes.insert(xml.attributes().value(QLatin1String("numFmtId")).toInt(),
                             xml.attributes().value(QLatin1String("formatCode")).toString());
            } else if (name == QLatin1String("cellXfs")) {
                inCellStyles = true;
            } else if (inCellStyles && name == QLatin1String("xf") &&
                       styleFormats.size() < kMaxStyles) {
                styleFormats.push_back(xml.attributes().value(QLatin1String("numFmtId")).toInt());
            }
            return true;
        });
        if (!failure.isEmpty()) {
            sheet.failure = failure;
            return sheet;
        }
        // Many styles share a format: each is read once.
        QHash<int, SpreadsheetNumberFormat> byId;
        for (int id : styleFormats) {
            auto known = byId.constFind(id);
            if (known == byId.constEnd())
                known = byId.insert(
                    id, SpreadsheetNumberFormat(codes.contains(id)
                                                    ? codes.value(id)
                                                    : SpreadsheetNumberFormat::BuiltInCode(id)));
            formats.push_back(*known);
        }
    }

    std::vector<QString> sharedStrings;
    if (!sharedStringsMember.isEmpty()) {
        QByteArray bytes;
        failure = ReadWholeMember(zip, sharedStringsMember, bytes);
        if (failure.isEmpty()) {
            switch (WorksheetScanner::ScanSharedStrings(bytes, sharedStrings,
                                                        SpreadsheetReader::MaxCells)) {
                case WorksheetScanner::Result::Read: break;
                case WorksheetScanner::Result::Stopped: failure = TooLarge(); break;
                case WorksheetScanner::Result::Damaged: failure = Damaged(); break;
            }
        }
        if (!failure.isEmpty()) {
            sheet.failure = failure;
            return sheet;
        }
        for (QString& text : sharedStrings)
            text = Unescaped(text);
    }

    RowsBuilder rows;
    bool tooLarge = false;
    int nextColumn = 0;
    using Cell = WorksheetScanner::Cell;
    using CellType = WorksheetScanner::Type;
    WorksheetScanner::Handlers handlers;
    handlers.rowStart = [&](qint64 number) {
        if (number > SpreadsheetReader::MaxRows) {
            tooLarge = true;
            return false;
        }
        if (number > 0)
            rows.MoveToRow(number - 1);
        nextColumn = 0;
        return true;
    };
    handlers.cell = [&](const Cell& cell) {
        if (cell.column >= SpreadsheetReader::MaxColumns) {
            tooLarge = true;
            return false;
        }
        if (cell.column >= 0)
            nextColumn = cell.column;
        const QString& value = cell.value;
        QString shown;
        if (cell.type == CellType::Shared) {
            bool ok = false;
            const qulonglong index = value.toULongLong(&ok);
            if (ok && index < sharedStrings.size())
                shown = sharedStrings[index];
        } else if (cell.type == CellType::Text) {
            shown = Unescaped(value);
        } else if (cell.type == CellType::Boolean) {
            if (!value.isEmpty())
                shown = value.trimmed() == QLatin1String("0") ? QStringLiteral("FALSE")
                                                              : QStringLiteral("TRUE");
        } else if (cell.type == CellType::Error) {  // and ISO dates, shown as written
            shown = value;
        } else if (!value.isEmpty()) {
            bool ok = false;
            const double number = QStringView(value).trimmed().toDouble(&ok);
            if (!ok)
                shown = value;
            else if (cell.style >= 0 && size_t(cell.style) < formats.size())
                shown = formats[size_t(cell.style)].Show(number, date1904);
            else
                shown = SpreadsheetNumberFormat::General(number);
        }
        rows.MoveTo(nextColumn);
        if (!rows.AddCell(shown, 1)) {
            tooLarge = true;
            return false;
        }
        ++nextColumn;
        return true;
    };
    handlers.rowEnd = [&] {
        if (!rows.EndRow(1)) {
            tooLarge = true;
            return false;
        }
        return true;
    };
    // The worksheet's cells are most of a workbook: they are read by a scanner of their own.
    QByteArray worksheetBytes;
    failure = ReadWholeMember(zip, worksheet, worksheetBytes);
    if (failure.isEmpty() &&
        WorksheetScanner::Scan(worksheetBytes, handlers) == WorksheetScanner::Result::Damaged &&
        !tooLarge)
        failure = Damaged();
    if (tooLarge)
        sheet.failure = TooLarge();
    else if (!failure.isEmpty())
        sheet.failure = failure;
    else
        sheet.rows = rows.Take();
    return sheet;
}

}  // namespace

SpreadsheetReader::Kind SpreadsheetReader::KindOf(QByteArrayView firstBytes) {
    const QByteArrayView local("PK\x03\x04", 4);
    if (!firstBytes.startsWith(local))
        return Kind::None;
    // OpenDocument: the first member is "mimetype", stored, and holds the media type.
    if (firstBytes.size() >= 30) {
        const quint32 method = Little(firstBytes, 8, 2);
        const quint32 size = Little(firstBytes, 18, 4);
        const quint32 nameLength = Little(firstBytes, 26, 2);
        const quint32 extraLength = Little(firstBytes, 28, 2);
        const qsizetype data = 30 + qsizetype(nameLength) + qsizetype(extraLength);
        if (Slice(firstBytes, 30, nameLength) == QByteArrayView("mimetype") && method == 0 &&
            data + qsizetype(size) <= firstBytes.size())
            return Slice(firstBytes, data, size) ==
                           QByteArrayView(kOdsMimetype.data(), kOdsMimetype.size())
                       ? Kind::OpenDocument
                       : Kind::None;
    }
    // Excel: a member under xl/ among the first. Sizes in a local header may be left for after
    // the data, so the headers are found by their signature rather than walked.
    for (qsizetype at = 0;
         (at = firstBytes.indexOf(local, at)) >= 0 && at + 30 <= firstBytes.size(); at += 4) {
        const quint32 nameLength = Little(firstBytes, at + 26, 2);
        if (Slice(firstBytes, at + 30, nameLength).startsWith(QByteArrayView("xl/")))
            return Kind::Excel;
    }
    return Kind::None;
}

SpreadsheetReader::Sheet SpreadsheetReader::Read(const QByteArray& fileBytes) {
    if (!fileBytes.startsWith(QByteArrayView("PK\x03\x04", 4))) {
        Sheet sheet;
        sheet.failure = NeitherKind();
        return sheet;
    }
    QBuffer buffer;
    buffer.setData(fileBytes);
    QuaZip zip(&buffer);
    if (!zip.open(QuaZip::mdUnzip)) {
        Sheet sheet;
        sheet.failure = Damaged();
        return sheet;
    }
    // Which kind it is from the members themselves: the first bytes may not show an Excel
    // workbook whose first members are large.
    std::optional<Kind> kind;
    if (KindOf(QByteArrayView(fileBytes).first(std::min(fileBytes.size(), qsizetype(1) << 16))) ==
        Kind::OpenDocument)
        kind = Kind::OpenDocument;
    else if (zip.setCurrentFile(QStringLiteral("xl/workbook.xml"), QuaZip::csSensitive) ||
             zip.setCurrentFile(QStringLiteral("[Content_Types].xml"), QuaZip::csSensitive))
        kind = Kind::Excel;
    else if (zip.setCurrentFile(QStringLiteral("content.xml"), QuaZip::csSensitive))
        kind = Kind::OpenDocument;
    Sheet sheet;
    if (!kind)
        sheet.failure = NeitherKind();
    else if (*kind == Kind::OpenDocument)
        sheet = ReadOpenDocument(zip);
    else
        sheet = ReadExcel(zip);
    zip.close();
    return sheet;
}
