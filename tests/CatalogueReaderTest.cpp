// Reading catalogue files: the field rules, the ends of files, the encodings and every
// failure that stops the reading early.

#include "catalogue/CatalogueReader.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

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

QByteArray Repeat(const QByteArray& line, int count) {
    QByteArray bytes;
    bytes.reserve(line.size() * count);
    for (int i = 0; i < count; ++i)
        bytes += line;
    return bytes;
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

    void encodings() {
        // UTF-8, with and without a signature.
        auto result = Read(
            "\xEF\xBB\xBF"
            "Caf\xC3\xA9,\xE2\x82\xAC"
            "5,c,d,e,f,g,h,i,j\r\n");
        QCOMPARE(result.records.at(0).Field(1), QStringLiteral("Caf\u00E9"));
        QCOMPARE(result.records.at(0).Field(2), QStringLiteral("\u20AC5"));
        // Not UTF-8: Windows-1252, where 0x80 is the euro sign and 0x93/0x94 curly quotes.
        result = Read(
            "Caf\xE9,\x80"
            "5,\x93q\x94,d,e,f,g,h,i,j\r\n");
        QCOMPARE(result.records.at(0).Field(1), QStringLiteral("Caf\u00E9"));
        QCOMPARE(result.records.at(0).Field(2), QStringLiteral("\u20AC5"));
        QCOMPARE(result.records.at(0).Field(3), QStringLiteral("\u201Cq\u201D"));
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

    void atMost32766Records() {
        const QByteArray line("n,b,c,d,e,f,g,h,i,j\r\n");
        auto result = Read(Repeat(line, ItemRecord::MaxItems) + "\r\n");
        QVERIFY(!result.failure);
        QCOMPARE(int(result.records.size()), ItemRecord::MaxItems);

        result = Read(Repeat(line, ItemRecord::MaxItems + 1));
        QCOMPARE(int(result.records.size()), ItemRecord::MaxItems);
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

        // A folder opens on some systems but cannot be read.
        result = CatalogueReader::Read(dir.path());
        QVERIFY(result.records.empty());
        QVERIFY(result.failure);
        QCOMPARE(result.failure->File(), dir.path());
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
