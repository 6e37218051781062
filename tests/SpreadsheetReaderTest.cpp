// SPDX-License-Identifier: GPL-3.0-or-later
// Reading spreadsheet files: numbers shown through their formats, the structure of an
// OpenDocument sheet and of an Excel sheet, and files that are damaged or hostile. The files
// are made here, member by member.

#include "catalogue/SpreadsheetReader.h"
#include "catalogue/WorksheetScanner.h"

#include "SpreadsheetFiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QtTest>

#include <utility>

namespace {

using Rows = std::vector<QStringList>;

// The ZIP with the unpacked size of a member changed in its local and its central header: a
// member that says it is larger than it is, as a ZIP bomb does, or smaller.
QByteArray WithUnpackedSize(QByteArray zip, const QByteArray& member, quint32 size) {
    const std::pair<const char*, int> headers[] = {{"PK\x03\x04", 30}, {"PK\x01\x02", 46}};
    for (const auto& [signature, nameAt] : headers) {
        const int sizeAt = nameAt == 30 ? 22 : 24;
        for (qsizetype at = 0; (at = zip.indexOf(QByteArray(signature, 4), at)) >= 0; at += 4) {
            if (zip.mid(at + nameAt, member.size()) != member)
                continue;
            for (int i = 0; i < 4; ++i)
                zip[at + sizeAt + i] = char(size >> (8 * i));
        }
    }
    return zip;
}

const char* const kWorkbookRels =
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
    "relationships/styles\" Target=\"styles.xml\"/>"
    "<Relationship Id=\"rId3\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
    "relationships/worksheet\" Target=\"worksheets/sheet1.xml\"/>"
    "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
    "relationships/worksheet\" Target=\"/xl/worksheets/other.xml\"/>"
    "<Relationship Id=\"rId4\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
    "relationships/sharedStrings\" Target=\"sharedStrings.xml\"/></Relationships>";

// A workbook whose first sheet, "Lots", is the member worksheets/other.xml, not sheet1.xml.
QByteArray Excel(const QByteArray& sheetData, const QByteArray& sharedStrings = {},
                 const QByteArray& styles = {}, bool date1904 = false) {
    const QByteArray workbook =
        QByteArray(
            "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
            "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/"
            "relationships\"><workbookPr date1904=\"") +
        (date1904 ? "1" : "false") +
        "\"/><sheets><sheet name=\"Lots\" sheetId=\"2\" r:id=\"rId2\"/>"
        "<sheet name=\"Notes\" sheetId=\"1\" r:id=\"rId3\"/></sheets></workbook>";
    const QByteArray main = "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"";
    return Zip(
        {{QStringLiteral("[Content_Types].xml"), "<Types/>"},
         {QStringLiteral("xl/workbook.xml"), workbook},
         {QStringLiteral("xl/_rels/workbook.xml.rels"), kWorkbookRels},
         {QStringLiteral("xl/styles.xml"), "<styleSheet " + main + ">" + styles + "</styleSheet>"},
         {QStringLiteral("xl/sharedStrings.xml"), "<sst " + main + ">" + sharedStrings + "</sst>"},
         {QStringLiteral("xl/worksheets/sheet1.xml"),
          "<worksheet " + main +
              "><sheetData><row r=\"1\"><c r=\"A1\" t=\"inlineStr\">"
              "<is><t>wrong sheet</t></is></c></row></sheetData></worksheet>"},
         {QStringLiteral("xl/worksheets/other.xml"),
          "<worksheet " + main + "><sheetData>" + sheetData + "</sheetData></worksheet>"}});
}

Rows Split(const QString& rows) {
    Rows out;
    if (rows.isEmpty())
        return out;
    for (const QString& row : rows.split(QLatin1Char('/')))
        out.push_back(row.isEmpty() ? QStringList() : row.split(QLatin1Char('|')));
    return out;
}

}  // namespace

class SpreadsheetReaderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A number in a cell of an Excel workbook, styled with a built-in format (by id) or a code.
    void numberFormats_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("date1904");
        QTest::addColumn<QString>("shown");
        auto row = [](const char* format, const char* value, const char* shown,
                      bool date1904 = false) {
            QTest::addRow("%s %s", format, value)
                << QString::fromUtf8(format) << QString::fromUtf8(value) << date1904
                << QString::fromUtf8(shown);
        };
        row("id 0", "1001", "1001");
        row("id 0", "0.1", "0.1");
        row("id 0", "145.5", "145.5");
        row("id 0", "-2.5", "-2.5");
        row("id 0", "0.30000000000000004", "0.3");
        row("id 0", "0.00001", "0.00001");
        row("id 0", "123456789012", "123456789012");
        row("id 0", "1E+20", "1E+020");
        row("id 1", "2.5", "3");
        row("id 2", "3.14159", "3.14");
        row("id 2", "1.005", "1.01");
        row("id 3", "1234567", "1,234,567");
        row("id 4", "-1234.5", "-1,234.50");
        row("id 4", "0", "0.00");
        row("id 9", "0.25", "25%");
        row("id 10", "0.12345", "12.35%");
        row("id 11", "12345", "1.23E+04");
        row("id 14", "37585", "11/25/2002");
        row("id 18", "0.75", "6:00 PM");
        row("id 21", "0.4375", "10:30:00");
        row("id 22", "37585.4375", "11/25/2002 10:30");
        row("id 46", "1.5", "36:00:00");
        row("id 49", "42", "42");
        row("id 12", "1.5", "1 1/2");
        row("id 12", "3", "3    ");  // blanks where the fraction stands, to line up
        row("id 13", "0.75", "  3/4 ");
        row("id 13", "12.7", "12  7/10");
        row("?/?", "1.3333333", "4/3");
        row("# ?/8", "-0.75", "- 6/8");
        row("0 ?/100", "2.0625", "2 6/100");
        row("[$$-409]#,##0.00;[RED]-[$$-409]#,##0.00", "145", "$145.00");
        row("[$$-409]#,##0.00;[RED]-[$$-409]#,##0.00", "-5.25", "-$5.25");
        row("#,##0.00 [$€-407]", "80.5", "80.50 €");
        row("[$€-1809]#,##0.00", "1234.5", "€1,234.50");
        row("\"£\"#,##0.00", "1234.5", "£1,234.50");
        row("[$USD] #,##0.00", "145", "USD 145.00");
        row("\\$0.00", "1.5", "$1.50");
        row("#,##0.00_);(#,##0.00)", "-5", "(5.00)");
        row("#,##0.00_);(#,##0.00)", "5", "5.00 ");
        row("0.00;-0.00;\"none\"", "0", "none");
        row("[Red]0.00", "1", "1.00");
        row("000", "7", "007");
        row("0.##", "2.5", "2.5");
        row("0.0,,", "1234567", "1.2");
        row("General", "145.5", "145.5");
        row("General\" kg\"", "0.25", "0.25 kg");
        row("yyyy\\-mm\\-dd", "37585", "2002-11-25");
        row("YYYY-MM-DD HH:MM:SS", "37585.5", "2002-11-25 12:00:00");
        row("dd/mm/yy", "37585", "25/11/02");
        row("mmm d, yyyy", "37585", "Nov 25, 2002");
        row("dddd d mmmm", "37585", "Monday 25 November");
        row("d-mmm-yy", "37585", "25-Nov-02");
        row("h:mm AM/PM", "0.5", "12:00 PM");
        row("mm:ss.00", "0.000017361111111", "00:01.50");
        row("yyyy-mm-dd", "1", "1900-01-01");
        row("yyyy-mm-dd", "59", "1900-02-28");
        row("yyyy-mm-dd", "60", "1900-02-29");
        row("yyyy-mm-dd", "61", "1900-03-01");
        row("yyyy-mm-dd", "0", "1904-01-01", true);
        row("yyyy-mm-dd", "36123", "2002-11-25", true);
    }
    void numberFormats() {
        QFETCH(QString, format);
        QFETCH(QString, value);
        QFETCH(bool, date1904);
        QFETCH(QString, shown);
        const bool builtIn = format.startsWith(QLatin1String("id "));
        const int id = builtIn ? format.mid(3).toInt() : 164;
        QByteArray styles = "<cellXfs><xf numFmtId=\"0\"/><xf numFmtId=\"" +
                            QByteArray::number(id) + "\"/></cellXfs>";
        if (!builtIn)
            styles = "<numFmts><numFmt numFmtId=\"164\" formatCode=\"" +
                     format.toHtmlEscaped().toUtf8() + "\"/></numFmts>" + styles;
        const SpreadsheetReader::Sheet sheet = SpreadsheetReader::Read(
            Excel("<row r=\"1\"><c r=\"A1\" s=\"1\"><v>" + value.toUtf8() + "</v></c></row>", {},
                  styles, date1904));
        QCOMPARE(sheet.failure, QString());
        QCOMPARE(sheet.rows, Rows{{shown}});
    }

    void openDocument_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("rows");  // rows split at "/", cells at "|"
        const QString cell =
            QStringLiteral("<table:table-cell><text:p>%1</text:p></table:table-cell>");
        QTest::addRow("paragraphs, line breaks, blanks, tabs, spans")
            << QStringLiteral(
                   "<table:table-row><table:table-cell office:value-type=\"float\" "
                   "office:value=\"1001\"><text:p>1,001.00</text:p></table:table-cell>"
                   "<table:table-cell><text:p>Line "
                   "one</text:p><text:p/><text:p>two<text:line-break/>"
                   "three</text:p></table:table-cell><table:table-cell><text:p><text:s "
                   "text:c=\"2\"/>"
                   "a<text:s/>b<text:tab/>c <text:span>bold</text:span> <text:a>link</text:a>"
                   "</text:p></table:table-cell><table:table-cell><text:p>x  \n  y</text:p>"
                   "</table:table-cell></table:table-row>")
            << QStringLiteral("1,001.00|Line one\n\ntwo\nthree|  a b\tc bold link|x y");
        QTest::addRow("repeated cells and rows, empty rows between, huge empty ends")
            << QStringLiteral(
                   "<table:table-column table:number-columns-repeated=\"1024\"/>"
                   "<table:table-row>%1<table:table-cell table:number-columns-repeated=\"2\"/>"
                   "<table:table-cell table:number-columns-repeated=\"2\"><text:p>r</text:p>"
                   "</table:table-cell><table:table-cell "
                   "table:number-columns-repeated=\"16380\"/></table:table-row>"
                   "<table:table-row table:number-rows-repeated=\"2\">"
                   "<table:table-cell table:number-columns-repeated=\"1024\"/></table:table-row>"
                   "<table:table-row-group><table:table-row table:number-rows-repeated=\"3\">"
                   "%2</table:table-row></table:table-row-group>"
                   "<table:table-row table:number-rows-repeated=\"1048570\">"
                   "<table:table-cell table:number-columns-repeated=\"16384\"/>"
                   "</table:table-row>")
                   .arg(cell.arg(QStringLiteral("a")), cell.arg(QStringLiteral("same")))
            << QStringLiteral("a|||r|r///same/same/same");
        QTest::addRow("covered cells, comments and the second sheet")
            << QStringLiteral(
                   "<table:table-row><table:table-cell table:number-columns-spanned=\"2\">"
                   "<office:annotation><text:p>a comment</text:p></office:annotation>"
                   "<text:p>merged</text:p></table:table-cell><table:covered-table-cell>"
                   "<text:p>hidden</text:p></table:covered-table-cell>%1</table:table-row>"
                   "</table:table><table:table table:name=\"Second\"><table:table-row>%2"
                   "</table:table-row>")
                   .arg(cell.arg(QStringLiteral("after")), cell.arg(QStringLiteral("other")))
            << QStringLiteral("merged||after");
        QTest::addRow("empty sheet") << QString() << QString();
    }
    void openDocument() {
        QFETCH(QString, table);
        QFETCH(QString, rows);
        const QByteArray file = OpenDocument(
            QStringLiteral("<table:table table:name=\"Lots\">%1</table:table>").arg(table));
        QCOMPARE(SpreadsheetReader::KindOf(
                     QByteArrayView(file).first(std::min(file.size(), qsizetype(4096)))),
                 SpreadsheetReader::Kind::OpenDocument);
        const SpreadsheetReader::Sheet sheet = SpreadsheetReader::Read(file);
        QCOMPARE(sheet.failure, QString());
        QCOMPARE(sheet.name, QStringLiteral("Lots"));
        QCOMPARE(sheet.sheetCount, table.contains(QLatin1String("Second")) ? 2 : 1);
        QCOMPARE(sheet.rows, Split(rows));
    }

    void excel_data() {
        QTest::addColumn<QByteArray>("sheetData");
        QTest::addColumn<QByteArray>("sharedStrings");
        QTest::addColumn<QString>("rows");
        QTest::addRow("shared strings: runs, kept blanks, escapes, phonetic readings")
            << QByteArray(
                   "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\"><v>1</v></c>"
                   "<c r=\"C1\" t=\"s\"><v>2</v></c><c r=\"D1\" t=\"s\"><v>3</v></c></row>")
            << QByteArray(
                   "<si><t xml:space=\"preserve\">  Caf\xc3\xa9\nZ\xc3\xbcrich </t></si>"
                   "<si><r><rPr><b/></rPr><t>bold</t></r><r><t xml:space=\"preserve\"> plain</t>"
                   "</r></si><si><t>a_x000D_b_x005F_x000D_</t></si>"
                   "<si><t>\xe6\x9d\xb1</t><rPh sb=\"0\" eb=\"1\"><t>\xe3\x81\xa8</t></rPh></si>")
            << QStringLiteral("  Café\nZürich |bold plain|a\rb_x000D_|東");
        QTest::addRow("inline strings, formulas, booleans, errors; gaps in rows and cells")
            << QByteArray(
                   "<row r=\"2\"><c r=\"B2\" t=\"inlineStr\"><is><r><t>in</t></r><r><t>line</t>"
                   "</r></is></c><c r=\"E2\" t=\"str\"><f>A1&amp;\"x\"</f><v>made</v></c></row>"
                   "<row r=\"5\"><c r=\"A5\" t=\"b\"><v>1</v></c><c t=\"b\"><v>0</v></c>"
                   "<c r=\"C5\" t=\"e\"><v>#VALUE!</v></c><c r=\"D5\" s=\"0\"/>"
                   "<c r=\"AA5\"><f>1+1</f><v>2</v></c></row><row r=\"9\"><c r=\"A9\" "
                   "s=\"0\"/></row>")
            << QByteArray()
            << QStringLiteral("/|inline|||made///TRUE|FALSE|#VALUE!|") +
                   QString(23, QLatin1Char('|')) + QStringLiteral("2");
        QTest::addRow("references, CDATA, comments, prefixes and line ends in the sheet's own XML")
            << QByteArray(
                   "<row r=\"1\"><x:c r=\"A1\" t=\"inlineStr\"><x:is><x:t>a &amp; b &lt;&#233;"
                   "&#x20AC;&gt;</x:t></x:is></x:c><c r='B1' t='inlineStr'><is><t>one\r\ntwo"
                   "<![CDATA[ <3 ]]>three<!-- a note --> four</t></is></c>"
                   "<c r=\"C1\" s=\"0\"><v>12</v></c></row>")
            << QByteArray() << QStringLiteral("a & b <é€>|one\ntwo <3 three four|12");
        QTest::addRow("a shared string that is not there")
            << QByteArray(
                   "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>7</v></c><c r=\"B1\"><v>3</v></c></row>")
            << QByteArray() << QStringLiteral("|3");
    }
    void excel() {
        QFETCH(QByteArray, sheetData);
        QFETCH(QByteArray, sharedStrings);
        QFETCH(QString, rows);
        const QByteArray file = Excel(sheetData, sharedStrings);
        QCOMPARE(SpreadsheetReader::KindOf(
                     QByteArrayView(file).first(std::min(file.size(), qsizetype(4096)))),
                 SpreadsheetReader::Kind::Excel);
        const SpreadsheetReader::Sheet sheet = SpreadsheetReader::Read(file);
        QCOMPARE(sheet.failure, QString());
        QCOMPARE(sheet.name, QStringLiteral("Lots"));
        QCOMPARE(sheet.sheetCount, 2);
        QCOMPARE(sheet.rows, Split(rows));
    }

    // What the scanner's fuzzer found, kept beside its seeds: a style number past an int's
    // range, and empty strings past the limit.
    void theScannersFindingsStayMended() {
        const QDir corpus(QStringLiteral(LOTCRAFT_TEST_DATA "/worksheet-corpus"));
        const QStringList names = corpus.entryList(QDir::Files);
        QVERIFY(names.size() >= 4);
        for (const QString& name : names) {
            QFile file(corpus.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            WorksheetScanner::Handlers handlers;
            handlers.cell = [](const WorksheetScanner::Cell& cell) { return cell.style >= 0; };
            QVERIFY2(WorksheetScanner::Scan(bytes, handlers) != WorksheetScanner::Result::Stopped,
                     qPrintable(name));
            std::vector<QString> strings;
            if (WorksheetScanner::ScanSharedStrings(bytes, strings, 2) !=
                WorksheetScanner::Result::Stopped)
                QVERIFY2(strings.size() <= 2, qPrintable(name));
        }
    }

    void damaged_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("failure");
        const QString damaged =
            QStringLiteral("the spreadsheet cannot be read: its content is damaged");
        const QString neither =
            QStringLiteral("the file is neither an OpenDocument spreadsheet nor an Excel workbook");
        const QByteArray good = OpenDocument(QStringLiteral(
            "<table:table><table:table-row><table:table-cell><text:p>a</text:p></table:table-cell>"
            "</table:table-row></table:table>"));
        const int ods = int(SpreadsheetReader::Kind::OpenDocument);
        const int none = int(SpreadsheetReader::Kind::None);
        QTest::addRow("a CSV file") << QByteArray("Item,Title\n1,Clock\n") << none << neither;
        QTest::addRow("cut short") << good.left(good.size() / 2) << ods << damaged;
        QByteArray flipped = good;
        flipped[flipped.size() / 2 + 40] = char(flipped[flipped.size() / 2 + 40] ^ 0x55);
        QTest::addRow("a damaged byte") << flipped << ods << damaged;
        QTest::addRow("a text document")
            << Zip({{QStringLiteral("mimetype"), "application/vnd.oasis.opendocument.text"},
                    {QStringLiteral("word.xml"), "<a/>"}})
            << none << neither;
        QTest::addRow("no content")
            << Zip({{QStringLiteral("mimetype"), "application/vnd.oasis.opendocument.spreadsheet"}})
            << ods
            << QStringLiteral("the spreadsheet cannot be read: content.xml is missing from it");
        QTest::addRow("a member that unpacks to more than 1 GiB")
            << WithUnpackedSize(good, "content.xml", 0x50000000u) << ods
            << QStringLiteral(
                   "the spreadsheet cannot be read: its content.xml unpacks to more than 1 "
                   "GiB");
        QTest::addRow("a member larger than it says")
            << WithUnpackedSize(good, "content.xml", 100u) << ods << damaged;
        QTest::addRow("bad XML") << OpenDocument(QStringLiteral("<table:table><table:table-row>"))
                                 << ods << damaged;
        QTest::addRow("no sheet") << OpenDocument(QString()) << ods
                                  << QStringLiteral(
                                         "the spreadsheet cannot be read: it holds no sheet");
        QTest::addRow("entities that multiply")
            << Zip({{QStringLiteral("mimetype"), "application/vnd.oasis.opendocument.spreadsheet"},
                    {QStringLiteral("content.xml"),
                     "<!DOCTYPE a [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b "
                     "\"&a;&a;&a;&a;&a;&a;&a;\">]>"
                     "<a>&b;&b;&b;&b;&b;&b;&b;&b;&b;</a>"}})
            << ods << damaged;
        QTest::addRow("more rows than a sheet has")
            << OpenDocument(QStringLiteral(
                   "<table:table><table:table-row table:number-rows-repeated=\"2000000000\"/>"
                   "<table:table-row><table:table-cell><text:p>a</text:p></table:table-cell>"
                   "</table:table-row></table:table>"))
            << ods
            << QStringLiteral(
                   "the spreadsheet cannot be read: its first sheet is larger than a spreadsheet "
                   "can be");
        const QByteArray doctype = Excel("<!DOCTYPE a [<!ENTITY b \"bbbbbbbb\">]>");
        QTest::addRow("a worksheet with a document type")
            << doctype << int(SpreadsheetReader::Kind::Excel) << damaged;
        QTest::addRow("an entity not XML's own")
            << Excel("<row r=\"1\"><c t=\"inlineStr\"><is><t>&b;</t></is></c></row>")
            << int(SpreadsheetReader::Kind::Excel) << damaged;
        QTest::addRow("a workbook without its sheet")
            << Zip({{QStringLiteral("[Content_Types].xml"), "<Types/>"},
                    {QStringLiteral("xl/workbook.xml"),
                     "<workbook xmlns:r=\"urn:r\"><sheets><sheet name=\"A\" "
                     "r:id=\"rId2\"/></sheets>"
                     "</workbook>"},
                    {QStringLiteral("xl/_rels/workbook.xml.rels"), kWorkbookRels}})
            << int(SpreadsheetReader::Kind::Excel)
            << QStringLiteral("the spreadsheet cannot be read: xl/styles.xml is missing from it");
    }
    void damaged() {
        QFETCH(QByteArray, file);
        QFETCH(int, kind);
        QFETCH(QString, failure);
        QCOMPARE(int(SpreadsheetReader::KindOf(file)), kind);
        const SpreadsheetReader::Sheet sheet = SpreadsheetReader::Read(file);
        QCOMPARE(sheet.failure, failure);
        QVERIFY(sheet.rows.empty());
    }
};

QTEST_GUILESS_MAIN(SpreadsheetReaderTest)
#include "SpreadsheetReaderTest.moc"
