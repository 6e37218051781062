// SPDX-License-Identifier: GPL-3.0-or-later
// Reading catalogue files: the field rules, the ends of files, the encodings, files of short
// lines, what is no regular file, files that change while read, and every failure that
// stops the reading early.

#include "catalogue/CatalogueReader.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <future>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kName = QStringLiteral("items.csv");

CatalogueReader::Result Read(const QByteArray& bytes) {
    return CatalogueReader::ReadBytes(bytes, kName);
}

QStringList Fields(const ItemRecord& record) {
    QStringList fields;
    for (int position = 1; position <= ItemRecord::FieldCount; ++position)
        fields << record.Field(position);
    return fields;
}

QStringList Split(const char* commaSeparated) {
    return QString::fromUtf8(commaSeparated).split(QLatin1Char('|'));
}

QByteArray Utf16(const QString& text, QStringConverter::Encoding encoding, bool mark) {
    QStringEncoder encoder(
        encoding, mark ? QStringConverter::Flag::WriteBom : QStringConverter::Flag::Default);
    return encoder.encode(text);
}

bool WriteFile(const QString& name, const QByteArray& bytes) {
    QFile file(name);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Reads a file through its descriptor, blockSize bytes at a time.
CatalogueReader::Result ReadInBlocks(const QString& name, qsizetype blockSize) {
    const int descriptor = ::open(QFile::encodeName(name).constData(), O_RDONLY);
    if (descriptor < 0)
        return {};
    CatalogueReader::Result result = CatalogueReader::ReadDescriptor(descriptor, kName, blockSize);
    ::close(descriptor);
    return result;
}

QByteArray Repeat(const QByteArray& line, int count) {
    QByteArray bytes;
    bytes.reserve(line.size() * count);
    for (int i = 0; i < count; ++i)
        bytes += line;
    return bytes;
}

QString Describe(const CatalogueReader::Result& result) {
    return QStringLiteral(
               "%1 records, %2 in the file, shifted from %3, failure \"%4\", notices "
               "\"%5\"")
        .arg(result.records.size())
        .arg(result.itemsInFile)
        .arg(result.shiftedFrom)
        .arg(result.failure ? result.failure->Message() : QString(),
             result.notices.join(QLatin1Char(' ')));
}

// Reads the bytes in one piece, and from a file in blocks of a few bytes (so that fields,
// quotes, line ends and blank lines fall across the ends of blocks); what differs between
// the readings goes to `problem`.
CatalogueReader::Result ReadBothWays(const QByteArray& bytes, QString& problem) {
    const CatalogueReader::Result whole = Read(bytes);
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("both.csv"));
    if (!WriteFile(name, bytes)) {
        problem = QStringLiteral("the file cannot be written");
        return whole;
    }
    for (qsizetype blockSize : {1, 2, 3, 7, 4096}) {
        const CatalogueReader::Result inBlocks = ReadInBlocks(name, blockSize);
        if (inBlocks.records != whole.records || Describe(inBlocks) != Describe(whole)) {
            problem = QStringLiteral("in blocks of %1: %2; in one piece: %3")
                          .arg(blockSize)
                          .arg(Describe(inBlocks), Describe(whole));
            return whole;
        }
    }
    return whole;
}

// A catalogue of `count` items written in one script: every value but the item number and
// the empty seventh field in the script's letters (and the first item's description long),
// each item on a line of its own.
QString ItemsInScript(int count, const QString& title, const QString& words) {
    QString text;
    for (int n = 1; n <= count; ++n) {
        text += QString::number(1000 + n) + QLatin1Char(',') + title + QLatin1Char(',');
        for (int i = 0; i < (n == 1 ? 12 : 4); ++i)
            text += words;
        text += QLatin1Char(',') + words + QLatin1Char(',') + title + QLatin1Char(',') + title +
                QStringLiteral(",,") + words + QLatin1Char(',') + words + QLatin1Char(',') + title +
                QStringLiteral("\r\n");
    }
    return text;
}

}  // namespace

class CatalogueReaderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aWrittenLineReadsBack() {
        const auto result = Read(
            "123,Old clock,Works well,pic.jpg,$10.00,$5.00,,Nov-25-02 10:33:39 PST,"
            "Dec-02-02 10:33:39 PST,45\r\n");
        QVERIFY(!result.failure);
        QCOMPARE(result.records.size(), size_t(1));
        QCOMPARE(Fields(result.records[0]),
                 Split("123|Old clock|Works well|pic.jpg|$10.00|$5.00||Nov-25-02 10:33:39 "
                       "PST|Dec-02-02 10:33:39 PST|45"));
    }

    void fieldRules_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");  // the first record's fields, "|" between
        QTest::newRow("blanks before a field dropped, after it kept")
            << QByteArray("  a ,   b  ,c,d,e,f,g,h,i,j  \r\n")
            << QStringLiteral("a |b  |c|d|e|f|g|h|i|j  ");
        QTest::newRow("quoted commas and line ends")
            << QByteArray("\"a, b\",\"two\r\nlines\",c,d,e,f,g,h,i,j\r\n")
            << QStringLiteral("a, b|two\r\nlines|c|d|e|f|g|h|i|j");
        QTest::newRow("blanks before a quote") << QByteArray("   \"q\",b,c,d,e,f,g,h,i,j\r\n")
                                               << QStringLiteral("q|b|c|d|e|f|g|h|i|j");
        QTest::newRow("doubled quote is one quote")
            << QByteArray("\"say \"\"hi\"\"\",\"\"\"\",c,d,e,f,g,h,i,j\r\n")
            << QStringLiteral("say \"hi\"|\"|c|d|e|f|g|h|i|j");
        QTest::newRow("text after the closing quote is kept")
            << QByteArray("\"abc\" def,\"x\"y,c,d,e,f,g,h,i,j\r\n")
            << QStringLiteral("abc def|xy|c|d|e|f|g|h|i|j");
        QTest::newRow("a quote inside an unquoted field is text")
            << QByteArray("5\" ruler,b,c,d,e,f,g,h,i,j\r\n")
            << QStringLiteral("5\" ruler|b|c|d|e|f|g|h|i|j");
        QTest::newRow("a short line takes fields from the next")
            << QByteArray("a,b,c\r\nd,e,f,g,h,i,j\r\n") << QStringLiteral("a|b|c|d|e|f|g|h|i|j");
        QTest::newRow("lone CR and lone LF end fields")
            << QByteArray("a\rb\nc,d,e,f,g,h,i,j\r\n") << QStringLiteral("a|b|c|d|e|f|g|h|i|j");
        QTest::newRow("empty fields") << QByteArray(",,,,,,,,,\r\n") << QStringLiteral("|||||||||");
        QTest::newRow("no line end at the end")
            << QByteArray("a,b,c,d,e,f,g,h,i,j") << QStringLiteral("a|b|c|d|e|f|g|h|i|j");
        QTest::newRow("a comma at the end gives an empty last field")
            << QByteArray("a,b,c,d,e,f,g,h,i,") << QStringLiteral("a|b|c|d|e|f|g|h|i|");
    }
    void fieldRules() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        const auto result = Read(bytes);
        QVERIFY2(!result.failure, result.failure ? qPrintable(result.failure->Message()) : "");
        QCOMPARE(result.records.size(), size_t(1));
        QCOMPARE(Fields(result.records[0]), expected.split(QLatin1Char('|')));
    }

    void longLinesShiftTheRecordsAfterThem() {
        const auto result = Read("1,b,c,d,e,f,g,h,i,j,EXTRA\r\n2,b,c,d,e,f,g,h,i\r\n");
        QVERIFY(!result.failure);
        QCOMPARE(result.records.size(), size_t(2));
        QCOMPARE(result.records[1].Field(1), QStringLiteral("EXTRA"));
        QCOMPARE(result.records[1].Field(10), QStringLiteral("i"));
        QCOMPARE(result.shiftedFrom, 1);
        QCOMPARE(result.notices.size(), 1);
    }

    void blankEndsAreNoRecord_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("records");
        QTest::newRow("empty file") << QByteArray() << 0;
        QTest::newRow("only line ends and blanks") << QByteArray("\r\n  \r\n\n") << 0;
        QTest::newRow("an extra empty line") << QByteArray("a,b,c,d,e,f,g,h,i,j\r\n\r\n") << 1;
        QTest::newRow("blank lines and blanks")
            << QByteArray("a,b,c,d,e,f,g,h,i,j\r\n1,2,3,4,5,6,7,8,9,10\r\n \r\n\r\n  ") << 2;
    }
    void blankEndsAreNoRecord() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, records);
        const auto result = Read(bytes);
        QVERIFY(!result.failure);
        QCOMPARE(int(result.records.size()), records);
    }

    void spareIsKeptPerRecord() {
        const auto result = Read("1,,,,,,first,,,\r\n2,,,,,,second,,,\r\n3,,,,,,,,,\r\n");
        QCOMPARE(result.records.size(), size_t(3));
        QCOMPARE(result.records[0].Field(ItemRecord::Spare), QStringLiteral("first"));
        QCOMPARE(result.records[1].Field(ItemRecord::Spare), QStringLiteral("second"));
        QCOMPARE(result.records[2].Field(ItemRecord::Spare), QString());
    }

    void encodingsAreDecidedFieldByField() {
        // UTF-8 after a signature; one field in Windows-1252 (0xE9 e acute, 0x80 the euro
        // sign, 0x93/0x94 curly quotes) leaves every other field UTF-8, quoted or not, in its
        // record and the next, and the seller is told how many fields were not UTF-8.
        const auto result = Read(
            "\xEF\xBB\xBF"
            "Caf\xC3\xA9,\x93"
            "Caf\xE9 \x80\x94,\"\xE2\x82\xAC 5, or less\",d,e,f,g,h,i,j\r\n"
            "\xC3\xBC,\x80,c,d,e,f,g,h,i,\xE2\x80\x93\r\n");
        QVERIFY(!result.failure);
        QCOMPARE(Fields(result.records.at(0)).mid(0, 3),
                 Split("Caf\u00E9|\u201CCaf\u00E9 \u20AC\u201D|\u20AC 5, or less"));
        QCOMPARE(Fields(result.records.at(1)), Split("\u00FC|\u20AC|c|d|e|f|g|h|i|\u2013"));
        QCOMPARE(result.notices,
                 QStringList{QStringLiteral("2 fields of items.csv were not UTF-8 and were read "
                                            "as Windows-1252: check the accented letters in "
                                            "them.")});
        QCOMPARE(Read("\x80,,,,,,,,,").notices[0].left(34),
                 QStringLiteral("1 field of items.csv was not UTF-8"));
    }

    void utf16IsRecognised_data() {
        QTest::addColumn<int>("encoding");
        QTest::addColumn<bool>("mark");
        QTest::newRow("little endian with mark") << int(QStringConverter::Utf16LE) << true;
        QTest::newRow("little endian without mark") << int(QStringConverter::Utf16LE) << false;
        QTest::newRow("big endian with mark") << int(QStringConverter::Utf16BE) << true;
        QTest::newRow("big endian without mark") << int(QStringConverter::Utf16BE) << false;
    }
    void utf16IsRecognised() {
        QFETCH(int, encoding);
        QFETCH(bool, mark);
        // Letters beyond Latin-1 and one beyond 16 bits (a surrogate pair); after a mark, a
        // second one that is the first field's own character.
        const QString first = mark ? QStringLiteral("\uFEFF1") : QStringLiteral("1");
        const QString text =
            first + QStringLiteral(
                        ",Caf\u00E9,\"Line one\r\nline \u20AC\",,,,,,,\U0001F600\r\n"
                        "2,\u0416\u0443\u043A,c,d,e,f,g,h,i,j\r\n");
        const QByteArray bytes =
            Utf16(text, static_cast<QStringConverter::Encoding>(encoding), mark);
        const auto result = Read(bytes);
        QVERIFY2(!result.failure, result.failure ? qPrintable(result.failure->Message()) : "");
        QVERIFY(result.notices.isEmpty());
        QCOMPARE(result.records.size(), size_t(2));
        QCOMPARE(result.records[0].Field(1), first);
        QCOMPARE(result.records[0].Field(2), QStringLiteral("Caf\u00E9"));
        QCOMPARE(result.records[0].Field(3), QStringLiteral("Line one\r\nline \u20AC"));
        QCOMPARE(result.records[0].Field(10), QStringLiteral("\U0001F600"));
        QCOMPARE(result.records[1].Field(2), QStringLiteral("\u0416\u0443\u043A"));
    }

    void zeroBytesAndDamagedUtf16() {
        // Half a surrogate pair: a replacement character, and a notice. An odd last byte:
        // left out, and told as what it is.
        QByteArray bytes =
            Utf16(QStringLiteral("1,b,c,d,e,f,g,h,i,j\r\n"), QStringConverter::Utf16LE, true);
        bytes.insert(6, QByteArray("\x00\xD8", 2));
        auto result = Read(bytes + 'x');
        QCOMPARE(result.records.size(), size_t(1));
        QCOMPARE(result.records.at(0).Field(2), QStringLiteral("\uFFFDb"));
        QCOMPARE(result.notices,
                 (QStringList{QStringLiteral("1 character of items.csv is not valid UTF-16 and "
                                             "was read as the replacement character \uFFFD: "
                                             "check the items that show it."),
                              QStringLiteral("The last byte of items.csv is half a character of "
                                             "UTF-16; it was left out.")}));
        result = Read(
            Utf16(QStringLiteral("1,b,c,d,e,f,g,h,i,j\r\n"), QStringConverter::Utf16BE, false) +
            '\0');
        QCOMPARE(Fields(result.records.at(0)), Split("1|b|c|d|e|f|g|h|i|j"));
        QCOMPARE(result.notices, QStringList{QStringLiteral("The last byte of items.csv is half "
                                                            "a character of UTF-16; it was left "
                                                            "out.")});

        // A NUL here and there in UTF-8 that says it is UTF-8 (as the writer says it of a
        // catalogue with NUL characters) is no UTF-16: kept as a character.
        bytes =
            "\xEF\xBB\xBF" +
            Repeat("1,Old clock,Works well,pic.jpg,$10.00,$5.00,,Nov-25-02,Dec-02-02,45\r\n", 20);
        bytes[13] = '\0';
        bytes[304] = '\0';
        result = Read(bytes);
        QCOMPARE(result.records.size(), size_t(20));
        QCOMPARE(result.records[0].Field(2), QStringLiteral("Old clock").replace(8, 1, QChar(0)));
        QVERIFY(!result.failure && result.notices.isEmpty());

        // Many zero bytes in no pattern of UTF-16, and UTF-32: refused, asking for UTF-8.
        for (const QByteArray& unknown :
             {QByteArray("a\0\0b\0\0c\0\0d\0\0e\0\0f\0\0", 18), QByteArray("\xFF\xFE\0\0"
                                                                           "1\0\0\0",
                                                                           8)}) {
            result = Read(unknown);
            QVERIFY(result.records.empty() && result.failure);
            QVERIFY2(result.failure->Reason().contains(QLatin1String("save it as UTF-8")),
                     qPrintable(result.failure->Reason()));
        }
    }

    void aMarkAtTheStartOfAFieldIsKept() {
        // Only the signature at the very start of the file is skipped; a second one, and one
        // at the start of any other field, quoted or not, is the value's own character.
        const auto result = Read(
            "\xEF\xBB\xBF\xEF\xBB\xBF"
            "1,\xEF\xBB\xBFtitle,\"\xEF\xBB\xBF\xEF\xBB\xBF\",d,e,f,g,h,i,\xEF\xBB\xBF\r\n");
        QVERIFY(!result.failure);
        QCOMPARE(result.records.size(), size_t(1));
        QCOMPARE(result.records[0].Field(1), QStringLiteral("\uFEFF1"));
        QCOMPARE(result.records[0].Field(2), QStringLiteral("\uFEFFtitle"));
        QCOMPARE(result.records[0].Field(3), QStringLiteral("\uFEFF\uFEFF"));
        QCOMPARE(result.records[0].Field(10), QStringLiteral("\uFEFF"));
    }

    void shortLinesAreOneItemEach_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("fieldsPerLine");
        QTest::addColumn<int>("records");
        QTest::addColumn<QString>("lastRecord");  // its ten fields, "|" between
        QTest::newRow("nine fields, the last column empty")
            << QByteArray("1,a,b,c,d,e,f,g,h\r\n2,\"two\r\nlines, quoted\",b,c,d,e,f,g,h\r\n\r\n")
            << 9 << 2 << QStringLiteral("2|two\r\nlines, quoted|b|c|d|e|f|g|h|");
        QTest::newRow("three fields, LF, no line end at the end")
            << QByteArray("1,a,b\n2,c,d\n3,e,f") << 3 << 3 << QStringLiteral("3|e|f|||||||");
        QTest::newRow("one line") << QByteArray("7,clock,\"old, brass\"\r\n") << 3 << 1
                                  << QStringLiteral("7|clock|old, brass|||||||");
    }
    void shortLinesAreOneItemEach() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, fieldsPerLine);
        QFETCH(int, records);
        QFETCH(QString, lastRecord);
        const auto result = Read(bytes);
        QVERIFY2(!result.failure, result.failure ? qPrintable(result.failure->Message()) : "");
        QCOMPARE(int(result.records.size()), records);
        QCOMPARE(Fields(result.records.back()), lastRecord.split(QLatin1Char('|')));
        QCOMPARE(result.notices,
                 QStringList{QStringLiteral("Each line of items.csv holds %1 fields, not 10: it "
                                            "was read as one item a line, the missing fields left "
                                            "empty.")
                                 .arg(fieldsPerLine)});
    }

    void linesOfOtherShapesFollowTheRules() {
        // Values with bare line breaks: lines of different lengths, read as ten fields a
        // record across the lines, as always, each break shifting the fields after it.
        auto result = Read(
            "1,Clock,Works well\r\nkey included,pic.jpg,$10,$5,,start,end,45\r\n"
            "2,Lamp,Brass\r\nno shade,lamp.jpg,$20,$8,,start,end,46\r\n");
        QCOMPARE(result.shiftedFrom, 1);
        QCOMPARE(result.notices.size(), 1);
        QVERIFY2(result.notices[0].startsWith(QLatin1String(
                     "Line 1 of items.csv holds 3 values, not 10, and the item it starts ends "
                     "inside line 2, which holds 8 values")),
                 qPrintable(result.notices[0]));
        QCOMPARE(result.records.size(), size_t(2));
        QCOMPARE(Fields(result.records[0]),
                 Split("1|Clock|Works well|key included|pic.jpg|$10|$5||start|end"));
        QCOMPARE(Fields(result.records[1]),
                 Split("45|2|Lamp|Brass|no shade|lamp.jpg|$20|$8||start"));
        QVERIFY(result.failure);
        QVERIFY2(result.failure->Reason().contains(QLatin1String("record 3 is cut short")),
                 qPrintable(result.failure->Reason()));

        // Equal lines of ten fields or more are records by the rules, and so is a file whose
        // lines agree but for one.
        result = Read("1,b,c,d,e,f,g,h,i,j,k\r\n2,b,c,d,e,f,g,h,i,j,k\r\n");
        QCOMPARE(result.shiftedFrom, 1);
        QCOMPARE(result.records[1].Field(1), QStringLiteral("k"));
        result = Read("1,b,c,d,e\r\n2,b,c,d,e\r\n3,b,c,d\r\n4,b,c,d,e\r\n");
        QCOMPARE(result.shiftedFrom, 0);
        QVERIFY(result.notices.isEmpty());
        QCOMPARE(Fields(result.records[0]), Split("1|b|c|d|e|2|b|c|d|e"));
        QVERIFY(result.failure);
    }

    void aRecordCutShortIsReportedAndNotRead() {
        const auto result = Read("1,b,c,d,e,f,g,h,i,j\r\n2,b,c,d,e,f,g,h,i,j\r\n3,b,c,d\r\n");
        QCOMPARE(result.records.size(), size_t(2));
        QVERIFY(result.failure);
        QCOMPARE(result.failure->File(), kName);
        const QString reason = result.failure->Reason();
        QVERIFY2(reason.contains(QLatin1String("record 3")), qPrintable(reason));
        QVERIFY2(reason.contains(QLatin1String("4 of its 10 fields")), qPrintable(reason));
        QVERIFY2(reason.contains(QLatin1String("2 records before it")), qPrintable(reason));
    }

    void aQuoteThatIsNeverClosedIsReported() {
        const auto result = Read("1,b,c,d,e,f,g,h,i,j\r\n2,\"never closed,c,d\r\ne,f,g,h,i,j\r\n");
        QCOMPARE(result.records.size(), size_t(1));
        QVERIFY(result.failure);
        const QString reason = result.failure->Reason();
        QVERIFY2(reason.contains(QLatin1String("field 2 of record 2")), qPrintable(reason));
        QVERIFY(reason.contains(QLatin1String("never closed")));
    }

    void aLargeCatalogueIsReadWholeInFileOrder() {
        // Many records, each its own (numbered, of varied lengths, quoted with commas and
        // line ends, some fields in Windows-1252, one description of over a megabyte), and a
        // cut record with another such field at the end: the records come in file order, and
        // the cut record's fields count for nothing.
        const QByteArray longDescription(1200 * 1000, '\xe9');
        QByteArray bytes;
        for (int n = 1; n <= 12000; ++n) {
            const QByteArray description =
                n == 5000 ? longDescription : QByteArray(n % 700, 'd') + ", \"\"so\"\"\r\nmore";
            bytes += QByteArray::number(n) + ",Title " + QByteArray::number(n) + ",\"" +
                     description + "\"," +
                     (n % 97 == 0 ? QByteArray("Caf\xe9") : QByteArray("Caf\xc3\xa9")) +
                     ",$1,$2,,s,e,c\r\n";
        }
        bytes += "12001,\"" + longDescription + "\",cut";
        const CatalogueReader::Result result = Read(bytes);
        QCOMPARE(result.records.size(), size_t(12000));
        for (int n = 1; n <= 12000; n += 1187) {
            const ItemRecord& record = result.records[size_t(n - 1)];
            QCOMPARE(record.Field(ItemRecord::ItemNumber), QString::number(n));
            QCOMPARE(record.Field(ItemRecord::Description).size(), n % 700 + 12);
            QCOMPARE(record.Field(ItemRecord::ImageAddress), QStringLiteral("Caf\u00e9"));
        }
        QCOMPARE(result.records[4999].Field(ItemRecord::Description),
                 QString(longDescription.size(), QChar(0xe9)));
        QCOMPARE(result.records[5000].Field(ItemRecord::ItemNumber), QStringLiteral("5001"));
        QVERIFY(result.failure);
        QVERIFY2(result.failure->Reason().contains(QLatin1String("record 12001 is cut short")),
                 qPrintable(result.failure->Reason()));
        QCOMPARE(result.itemsInFile, 12001);
        // 123 short fields and the long description; the cut record's is not counted.
        QCOMPARE(result.notices.size(), 1);
        QVERIFY2(result.notices.first().startsWith(QLatin1String("124 fields of")),
                 qPrintable(result.notices.first()));
    }

    void atMost32766Records() {
        const QByteArray line("n,b,c,d,e,f,g,h,i,j\r\n");
        auto result = Read(Repeat(line, ItemRecord::MaxItems) + "\r\n");
        QVERIFY(!result.failure);
        QCOMPARE(int(result.records.size()), ItemRecord::MaxItems);

        result = Read(Repeat(line, ItemRecord::MaxItems + 1));
        QCOMPARE(int(result.records.size()), ItemRecord::MaxItems);
        QCOMPARE(result.itemsInFile, ItemRecord::MaxItems + 1);
        QVERIFY(result.failure);
        QVERIFY2(result.failure->Reason().contains(QLatin1String("more than 32766")),
                 qPrintable(result.failure->Reason()));
    }

    void aFileThatCannotBeReadIsReported() {
        QTemporaryDir dir;
        const QString missing = dir.filePath(QStringLiteral("missing.csv"));
        auto result = CatalogueReader::Read(missing);
        QVERIFY(result.records.empty());
        QVERIFY(result.failure);
        QCOMPARE(result.failure->File(), missing);
        QVERIFY2(result.failure->Reason().contains(QLatin1String("cannot be opened")),
                 qPrintable(result.failure->Reason()));
    }

    void whatIsNoRegularFileIsRefusedAtOnce() {
        QTemporaryDir dir;
        const QString pipe = dir.filePath(QStringLiteral("pipe.csv"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        // A pipe that nobody writes to would hold the reading for ever; should it, the test
        // writes to it after a while, so that it fails instead of hanging.
        auto reading = std::async(std::launch::async, [&] { return CatalogueReader::Read(pipe); });
        if (reading.wait_for(std::chrono::seconds(30)) != std::future_status::ready) {
            const int writer = ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK);
            ::close(writer);
            QFAIL("reading a named pipe waited for a writer");
        }
        const std::pair<QString, CatalogueReader::Result> results[] = {
            {pipe, reading.get()},
            {QStringLiteral("/dev/zero"), CatalogueReader::Read(QStringLiteral("/dev/zero"))},
            {dir.path(), CatalogueReader::Read(dir.path())},
        };
        for (const auto& [name, result] : results) {
            QVERIFY(result.records.empty());
            QVERIFY2(result.failure, qPrintable(name));
            QCOMPARE(result.failure->File(), name);
            QVERIFY2(result.failure->Reason().contains(QLatin1String("not a catalogue file")) &&
                         result.failure->Reason().contains(QLatin1String("choose a catalogue")),
                     qPrintable(result.failure->Reason()));
        }
        QVERIFY(results[0].second.failure->Reason().contains(QLatin1String("a named pipe")));
        QVERIFY(results[1].second.failure->Reason().contains(QLatin1String("a device")));
        QVERIFY(results[2].second.failure->Reason().contains(QLatin1String("a folder")));

        // The same through an open device.
        QFile zero(QStringLiteral("/dev/zero"));
        QVERIFY(zero.open(QIODevice::ReadOnly));
        const auto result = CatalogueReader::Read(zero, kName);
        QVERIFY(result.failure);
        QVERIFY(result.failure->Reason().contains(QLatin1String("a device")));
    }

    void readingInBlocksGivesWhatMemoryGives() {
        // Fields, doubled quotes, CR LF pairs and a long value (which grows the window) fall
        // across the ends of blocks of every small size; a first line of short fields is
        // looked at twice.
        QByteArray bytes("1,\"a \"\"quoted\"\" value\",  c\r\n");
        bytes += "d,e,f,g,h,i,j\r\n2,\"x\"tail," + QByteArray(5000, 'L') + ",\r\n\r,,,,\r\n";
        bytes += "Caf\xE9,\"\r\n\",c,d,e,f,g,h,i,j\r\n  \r\n";
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("blocks.csv"));
        QVERIFY(WriteFile(name, bytes));
        const auto expected = Read(bytes);
        QVERIFY(!expected.failure);
        QCOMPARE(expected.records.size(), size_t(3));
        for (qsizetype blockSize : {1, 2, 3, 7, 16, 17, 4096}) {
            const auto result = ReadInBlocks(name, blockSize);
            QVERIFY2(result.records == expected.records, qPrintable(QString::number(blockSize)));
            QCOMPARE(result.notices, expected.notices);
            QVERIFY(!result.failure);
        }
        // The whole file, through its name.
        QVERIFY(CatalogueReader::Read(name).records == expected.records);
    }

    void aLongRunOfBlankLinesIsReadOnce() {
        // Each blank line of the run is skipped on its own; looking through all that is left
        // of the run for each would take hours.
        auto result = Read(QByteArray(1 << 20, '\n') + "x");
        QVERIFY(result.Complete());
        QCOMPARE(result.records.size(), size_t(1));
        QCOMPARE(result.records[0].Field(1), QStringLiteral("x"));
        QCOMPARE(result.notices.size(), 2);
        result = Read("1,b,c,d,e,f,g,h,i,j\n" + QByteArray(1 << 20, '\n') + "2,b,c,d,e,f,g,h,i,j");
        QVERIFY(!result.failure);
        QCOMPARE(result.records.size(), size_t(2));
        QCOMPARE(result.notices, QStringList{QStringLiteral("1048576 blank lines between the items "
                                                            "of items.csv were skipped, the first "
                                                            "of them line 2.")});
    }

    void aFileThatShrinksWhileReadIsReadSanely() {
        // Another thread cuts the file short and writes it back, over and over, while it is
        // read in small blocks. A mapped file would be killed here. Whatever a reading sees,
        // its records are the file's first records up to the first that differs, and that one
        // is the last, cut short (a field cut, the fields after it empty), or holds the zero
        // bytes that a read racing with the cut may return; a failure, if any, names the file.
        QByteArray bytes;
        for (int n = 1; n <= 400; ++n) {
            const QByteArray line = "%1,Title %1,A description of item %1,pic.jpg,$1,$2,,s,e,9\r\n";
            bytes += QByteArray(line).replace("%1", QByteArray::number(n));
        }
        const std::vector<ItemRecord> all = Read(bytes).records;
        QCOMPARE(all.size(), size_t(400));
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("shrinking.csv"));
        QVERIFY(WriteFile(name, bytes));

        std::atomic<bool> done{false};
        std::thread cutter([&] {
            const int descriptor = ::open(QFile::encodeName(name).constData(), O_WRONLY);
            for (int round = 0; !done; ++round) {
                (void)::ftruncate(descriptor, (round * 7919) % bytes.size());
                (void)::pwrite(descriptor, bytes.constData(), size_t(bytes.size()), 0);
            }
            ::close(descriptor);
        });
        // Stops the cutter however the test ends.
        struct Stop {
            std::atomic<bool>& done;
            std::thread& thread;
            ~Stop() {
                done = true;
                thread.join();
            }
        } stop{done, cutter};
        for (int attempt = 0; attempt < 200; ++attempt) {
            const auto result = ReadInBlocks(name, 512);
            const size_t count = result.records.size();
            QVERIFY(count <= all.size());
            const size_t same =
                std::mismatch(result.records.begin(), result.records.end(), all.begin()).first -
                result.records.begin();
            if (same < count) {
                const QStringList fields = Fields(result.records[same]);
                const QStringList expected = Fields(all[same]);
                int field = 0;
                while (fields[field] == expected[field])
                    ++field;
                const bool cut = same == count - 1 && expected[field].startsWith(fields[field]) &&
                                 fields.mid(field + 1).join(QString()).isEmpty();
                QVERIFY2(cut || fields.join(QString()).contains(QChar(0)),
                         qPrintable(fields.join(QLatin1Char('|'))));
            }
            if (result.failure)
                QCOMPARE(result.failure->File(), kName);
        }
    }

    // How the file's items line up with its lines, and what the seller is told: a line of
    // 11 values (a comma in a title) shifts the records after it, and the first line where a
    // record does not end at a line end is told; blank lines between items are skipped and
    // told; a record that runs on across a line end but ends where a line ends is read as
    // always, with nothing to tell.
    void howItemsLineUpWithLinesIsTold_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("itemNumbers");  // "|" between
        QTest::addColumn<int>("shiftedFrom");
        QTest::addColumn<QStringList>("notices");
        const QString shifted = QStringLiteral(
            " The items from item %1 on may be shifted: compare them with the file, put such "
            "values in quotes, and open the file again.");
        QTest::newRow("a comma in a title")
            << QByteArray(
                   "1001,Old clock, brass,Works well,clock.jpg,$10.00,$5.00,,Nov-25,"
                   "Dec-02,45\r\n1002,Lamp,Brass lamp,lamp.jpg,$20,$8,,Nov-25,Dec-02\r\n")
            << QStringLiteral("1001|45") << 1
            << QStringList{QStringLiteral(
                               "Line 1 of items.csv holds 11 values, not 10: a value with a comma "
                               "that is not in quotes?") +
                           shifted.arg(1)};
        QTest::newRow("a short line, then a long one")
            << QByteArray("1,b,c,d,e,f,g,h,i\r\n2,b,c,d,e,f,g,h,i,j,k\r\n3,b,c,d,e,f,g,h,i,j\r\n")
            << QStringLiteral("1|b|3") << 1
            << QStringList{QStringLiteral(
                               "Line 1 of items.csv holds 9 values, not 10, and the item it "
                               "starts ends inside line 2, which holds 11 values: a value with a "
                               "line break or a comma that is not in quotes?") +
                           shifted.arg(1)};
        // Line ends in quotes count as lines, as a text editor shows them.
        QTest::newRow("after records that line up, quoted line ends among them")
            << QByteArray(
                   "1,\"two\r\nlines\",c,d,e,f,g,h,i,j\r\n2,b,c,d,e,f,g,h,i,j,k\r\n"
                   "3,b,c,d,e,f,g,h,i\r\n")
            << QStringLiteral("1|2|k") << 2
            << QStringList{QStringLiteral(
                               "Line 3 of items.csv holds 11 values, not 10: a value with a comma "
                               "that is not in quotes?") +
                           shifted.arg(2)};
        QTest::newRow("lone CRs and LFs in quotes")
            << QByteArray(
                   "1,\"a\rb\nc\r\n\",c,d,e,f,g,h,i,j\r\n2,b,c,d,e,f,g,h,i,j,k\r\n"
                   "3,b,c,d,e,f,g,h,i\r\n")
            << QStringLiteral("1|2|k") << 2
            << QStringList{QStringLiteral(
                               "Line 5 of items.csv holds 11 values, not 10: a value with a comma "
                               "that is not in quotes?") +
                           shifted.arg(2)};
        QTest::newRow("two items on one line")
            << QByteArray("1,b,c,d,e,f,g,h,i,j,2,b,c,d,e,f,g,h,i,j\r\n") << QStringLiteral("1|2")
            << 1
            << QStringList{QStringLiteral(
                               "Line 1 of items.csv holds 20 values, not 10: a value with a comma "
                               "that is not in quotes?") +
                           shifted.arg(1)};
        QTest::newRow("after the first of three items")
            << QByteArray(
                   "1001,Clock,a,b,c,d,e,f,g,h\r\n\r\n1002,Lamp,a,b,c,d,e,f,g,h\r\n"
                   "1003,Vase,a,b,c,d,e,f,g,h\r\n")
            << QStringLiteral("1001|1002|1003") << 0
            << QStringList{QStringLiteral("Line 2 of items.csv is blank and was skipped.")};
        QTest::newRow("blanks, lone LFs and CRs, before the first item and between")
            << QByteArray(
                   "\n   \r\n1,a,b,c,d,e,f,g,h,i\r\r2,\"x\r\ny\",b,c,d,e,f,g,h,i\n \n"
                   "3,a,b,c,d,e,f,g,h,i\n\n\n")
            << QStringLiteral("1|2|3") << 0
            << QStringList{QStringLiteral("4 blank lines between the items of items.csv were "
                                          "skipped, the first of them line 1.")};
        QTest::newRow("in a file of short lines")
            << QByteArray("7,clock,brass\r\n\r\n8,lamp,shade\r\n") << QStringLiteral("7|8") << 0
            << QStringList{QStringLiteral("Each line of items.csv holds 3 fields, not 10: it was "
                                          "read as one item a line, the missing fields left "
                                          "empty."),
                           QStringLiteral("Line 2 of items.csv is blank and was skipped.")};
        // An opening quote never meant as one, closed lines later by an inch mark: the lines
        // between went into one value, which is told; so is text after a closing quote.
        QTest::newRow("a quote closed by an inch mark lines later")
            << QByteArray(
                   "1,T1,D1,p,$1,$1,,s,e,9\r\n2,T2,\"Works well,p,$1,$1,,s,e,9\r\n"
                   "3,T3,D3,p,$1,$1,,s,e,9\r\n4,T4,D4 12\" ruler,p,$1,$1,,s,e,9\r\n"
                   "5,T5,D5,p,$1,$1,,s,e,9\r\n")
            << QStringLiteral("1|2|5") << 2
            << QStringList{QStringLiteral(
                   "Line 2 of items.csv opens a value with a double quote that is closed only on "
                   "line 4, by a double quote followed by other text (an inch mark, as in 12\" "
                   "ruler?), so the lines between were read into one value of item 2. The items "
                   "from item 2 on may be shifted: compare them with the file, put each value "
                   "that holds a double quote in quotes with its double quotes doubled (\"12\"\" "
                   "ruler\"), and open the file again.")};
        QTest::newRow("text after closing quotes")
            << QByteArray("1,\"abc\" def,c,d,e,f,g,h,i,j\r\n2,b,\"c\"d ,\"e\"  ,e,f,g,h,i,j\r\n")
            << QStringLiteral("1|2") << 0
            << QStringList{QStringLiteral(
                   "2 values of items.csv have text after the double quote that closes them, the "
                   "first on line 1 (field 2 of item 1); it was kept as part of each value. "
                   "Check those values.")};
        QTest::newRow("a record split over two lines")
            << QByteArray(
                   "1,Clock,Works well\r\nkey included,pic.jpg,$10,$5,,start,end\r\n"
                   "2,Lamp,Brass,no shade,lamp.jpg\r\n$20,$8,,start,end\r\n")
            << QStringLiteral("1|2") << 0 << QStringList();
    }

    void howItemsLineUpWithLinesIsTold() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, itemNumbers);
        QFETCH(int, shiftedFrom);
        QFETCH(QStringList, notices);
        QString problem;
        const auto result = ReadBothWays(bytes, problem);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QVERIFY2(result.Complete(), qPrintable(Describe(result)));
        QStringList read;
        for (const ItemRecord& record : result.records)
            read << record.Field(ItemRecord::ItemNumber);
        QCOMPARE(read, itemNumbers.split(QLatin1Char('|')));
        QCOMPARE(result.itemsInFile, int(result.records.size()));
        QCOMPARE(result.shiftedFrom, shiftedFrom);
        QCOMPARE(result.notices, notices);
    }

    // A read that stops early says how many items the file holds by its own count, for the
    // window's question before the file is replaced by what was read.
    void aPartlyReadFileCountsItsItems_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("itemsInFile");
        QByteArray broken;
        for (int n = 1; n <= 100; ++n) {
            broken += QByteArray::number(n) +
                      (n == 50 ? ",\"Title with no closing quote" : ",Title") +
                      ",Description,pic.jpg,$1,$2,,start,end,45\r\n";
        }
        QTest::newRow("100 items, a quote never closed in item 50") << broken << 49 << 100;
        QTest::newRow("blank lines after the break count for nothing")
            << QByteArray("1,a,b,c,d,e,f,g,h,i\r\n2,\"a,b\r\n\r\n  \r\n3,a,b\r\n\r\n") << 1 << 3;
        QTest::newRow("a last item cut short")
            << QByteArray("1,a,b,c,d,e,f,g,h,i\r\n2,a,b,c,d,e,f,g,h,i\r\n3,a,b") << 2 << 3;
        QTest::newRow("read whole")
            << QByteArray("1,a,b,c,d,e,f,g,h,i\r\n\r\n2,a,b,c,d,e,f,g,h,i") << 2 << 2;
        QTest::newRow("empty") << QByteArray("\r\n") << 0 << 0;
    }
    void aPartlyReadFileCountsItsItems() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, records);
        QFETCH(int, itemsInFile);
        QString problem;
        const auto result = ReadBothWays(bytes, problem);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QCOMPARE(int(result.records.size()), records);
        QCOMPARE(result.itemsInFile, itemsInFile);
        QCOMPARE(result.Complete(), records == itemsInFile);
        QCOMPARE(result.Complete(), !result.failure.has_value());
    }

    // UTF-16 without a mark in scripts whose text brings few zero bytes: nine items (the
    // share of ASCII under one in eight) and three, in either byte order.
    void utf16WithoutAMarkInAnyScript_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("encoding");
        const struct {
            const char* name;
            QString title;
            QString words;
        } scripts[] = {
            // U+4E00 puts a zero in the first byte of its little-endian unit.
            {"Japanese", QStringLiteral("\u53E4\u3044\u6642\u8A08"),
             QStringLiteral("\u771F\u936E\u88FD\u3067\u52D5\u4F5C\u3057\u307E\u3059\u3002"
                            "\u4E00\u4E07\u5186")},
            {"Chinese", QStringLiteral("\u65E7\u949F\u8868"),
             QStringLiteral("\u9EC4\u94DC\u5236\u4F5C\uFF0C\u8FD0\u884C\u826F\u597D\u3002")},
            {"Korean", QStringLiteral("\uC624\uB798\uB41C \uC2DC\uACC4"),
             QStringLiteral("\uAC00\uC7A5 \uC798 \uC791\uB3D9\uD569\uB2C8\uB2E4")},
            {"Cyrillic",
             QStringLiteral("\u0421\u0442\u0430\u0440\u044B\u0435 \u0447\u0430\u0441\u044B"),
             QStringLiteral("\u041B\u0430\u0442\u0443\u043D\u044C\u0020\u0440\u0430\u0431\u043E"
                            "\u0442\u0430\u0435\u0442")},
            {"Greek",
             QStringLiteral("\u03A0\u03B1\u03BB\u03B9\u03CC \u03C1\u03BF\u03BB\u03CC\u03B9"),
             QStringLiteral("\u039F\u03C1\u03B5\u03AF\u03C7\u03B1\u03BB\u03BA\u03BF\u03C2")},
        };
        for (const auto& script : scripts) {
            for (int count : {9, 3, 1}) {
                for (const auto encoding : {QStringConverter::Utf16LE, QStringConverter::Utf16BE}) {
                    QTest::addRow("%s, %d items, %s", script.name, count,
                                  encoding == QStringConverter::Utf16LE ? "LE" : "BE")
                        << ItemsInScript(count, script.title, script.words) << int(encoding);
                }
            }
        }
    }
    void utf16WithoutAMarkInAnyScript() {
        QFETCH(QString, text);
        QFETCH(int, encoding);
        QString problem;
        const auto result =
            ReadBothWays(Utf16(text, QStringConverter::Encoding(encoding), false), problem);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QVERIFY2(result.Complete() && result.notices.isEmpty(), qPrintable(Describe(result)));
        const QStringList lines = text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(int(result.records.size()), int(lines.size()));
        for (size_t n = 0; n < result.records.size(); ++n)
            QCOMPARE(Fields(result.records[n]), lines[qsizetype(n)].split(QLatin1Char(',')));
    }

    // Spreadsheets, documents, pictures and any other file with zero bytes outside UTF-16
    // are refused before a field is read, saying what the file is and what to do; text that
    // merely starts as they do is read.
    void filesThatAreNoTextAreRefused_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("said");
        const QByteArray zip("PK\x03\x04\x14\0\0\0\x08\0", 10);
        QTest::newRow("ods") << zip + "mimetypeapplication/vnd.oasis.opendocument.spreadsheet"
                             << QStringLiteral(
                                    "a spreadsheet (OpenDocument, .ods), not a CSV "
                                    "file, and has not been read: save it as CSV");
        QTest::newRow("xlsx") << zip + "[Content_Types].xmlPK\x03\x04xl/workbook.xml"
                              << QStringLiteral("a spreadsheet (Excel, .xlsx)");
        QTest::newRow("zip") << zip + "notes.txt" << QStringLiteral("a ZIP archive");
        QTest::newRow("xls") << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\0\0\0\0", 12)
                             << QStringLiteral("the old Office format");
        QTest::newRow("pdf") << QByteArray("%PDF-1.7\n%\xE2\xE3\xCF\xD3\n1 0 obj")
                             << QStringLiteral("a PDF document");
        QTest::newRow("png") << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)
                             << QStringLiteral("a picture");
        QTest::newRow("jpeg") << QByteArray("\xFF\xD8\xFF\xE0\0\x10JFIF", 10)
                              << QStringLiteral("a picture");
        // Zero bytes too few for the shape of UTF-16, in UTF-8 and in Windows-1252.
        QByteArray utf8;
        for (int n = 0; n < 80; ++n)
            utf8 += n % 16 == 0
                        ? QByteArray("1,\xD0\xA7\xD0\xB0\xD1\x81\xD1\x8B,\0,d,e,f,g,h,i,j\r\n", 28)
                        : QByteArray("1,\xD0\xA7\xD0\xB0\xD1\x81\xD1\x8B,c,d,e,f,g,h,i,j\r\n");
        QTest::newRow("zero bytes in UTF-8") << utf8 << QStringLiteral("holds zero bytes");
        QByteArray latin = Repeat("1,Caf\xE9,c,d,e,f,g,h,i,j\r\n", 12);
        latin.insert(2, '\0');
        QTest::newRow("a zero byte in Windows-1252") << latin << QStringLiteral("holds zero bytes");
        // The first value as the reader takes it, after blank lines and blanks.
        QTest::newRow("a picture after blank lines")
            << QByteArray("\r\n  GIF89a\x01\0\x01\0", 14) << QStringLiteral("a picture");
        // Text that starts like such a file is a catalogue all the same.
        QTest::newRow("an item numbered GIF89a")
            << QByteArray("GIF89a,Lamp,,,$5,,,,,1\r\n") << QString();
        QTest::newRow("an item numbered %PDF-1")
            << QByteArray("%PDF-1,Lamp,,,$5,,,,,1\r\n") << QString();
    }

    void filesThatAreNoTextAreRefused() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, said);
        const CatalogueReader::Result result = Read(bytes);
        if (said.isEmpty()) {
            QVERIFY2(result.Complete() && result.records.size() == 1, qPrintable(Describe(result)));
            return;
        }
        QVERIFY(result.records.empty() && result.failure);
        QVERIFY2(result.failure->Reason().contains(said), qPrintable(result.failure->Reason()));
        QVERIFY(result.failure->Reason().contains(QLatin1String("has not been read")));
        QCOMPARE(result.itemsInFile, 0);
    }

    void readsFromAFileAndFromADevice() {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("c.csv"));
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("1,b,c,d,e,f,g,h,i,j\r\n");
        file.close();
        QCOMPARE(CatalogueReader::Read(name).records.size(), size_t(1));

        QByteArray bytes("1,b,c,d,e,f,g,h,i,j\r\n2,b,c,d,e,f,g,h,i,j");
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        QCOMPARE(CatalogueReader::Read(buffer, kName).records.size(), size_t(2));
    }
};

QTEST_APPLESS_MAIN(CatalogueReaderTest)
#include "CatalogueReaderTest.moc"
