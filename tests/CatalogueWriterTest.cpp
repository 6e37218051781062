// SPDX-License-Identifier: GPL-3.0-or-later
// Writing catalogue files: plain lines exactly as they stand, quoting only where a value
// needs it, every catalogue reading back unchanged, and a failed save keeping the old file.

#include "app/LotcraftError.h"
#include "catalogue/CatalogueReader.h"
#include "catalogue/CatalogueWriter.h"

#include "FileSizeLimit.h"
#include "SmallDisk.h"

#include <QBuffer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

ItemRecord Record(const QStringList& fields) {
    ItemRecord record;
    for (int position = 1; position <= ItemRecord::FieldCount; ++position)
        record.SetField(position, fields.value(position - 1));
    return record;
}

QByteArray ReadAll(const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// A value as sellers type them, with the characters that need care mixed in.
QString RandomValue(QRandomGenerator& random) {
    static const QStringList pieces = {
        QStringLiteral("a"),      QStringLiteral("Clock"),
        QStringLiteral(" "),      QStringLiteral(","),
        QStringLiteral("\""),     QStringLiteral("\r\n"),
        QStringLiteral("\n"),     QStringLiteral("\r"),
        QStringLiteral("  "),     QStringLiteral("\u00E9"),
        QStringLiteral("\u20AC"), QStringLiteral("<b>"),
        QStringLiteral("$9.99"),  QStringLiteral("\U0001F600"),
        QStringLiteral("\t"),     QStringLiteral("\"\""),
        QStringLiteral("'"),      QStringLiteral("x y"),
        QStringLiteral("\uFEFF"), QString(QChar(0)),
    };
    const int count = random.bounded(6);
    QString value;
    for (int i = 0; i < count; ++i)
        value += pieces[random.bounded(int(pieces.size()))];
    return value;
}

}  // namespace

class CatalogueWriterTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void plainLinesAreWrittenAsTheyStand() {
        const ItemRecord record = Record(
            {QStringLiteral("123"), QStringLiteral("Old clock"), QStringLiteral("Works well"),
             QStringLiteral("pic.jpg"), QStringLiteral("$10.00"), QStringLiteral("$5.00"),
             QString(), QStringLiteral("Nov-25-02 10:33:39 PST"),
             QStringLiteral("Dec-02-02 10:33:39 PST"), QStringLiteral("45")});
        QCOMPARE(CatalogueWriter::Line(record),
                 QByteArray("123,Old clock,Works well,pic.jpg,$10.00,$5.00,,Nov-25-02 10:33:39 "
                            "PST,Dec-02-02 10:33:39 PST,45\r\n"));
        // Trailing blanks, markup, quotes of another kind and letters beyond ASCII need no
        // quotes; the text is UTF-8.
        QCOMPARE(CatalogueWriter::Line(Record({QStringLiteral("7 "), QStringLiteral("<b>it's</b>"),
                                               QStringLiteral("Caf\u00E9 \u20AC")})),
                 QByteArray("7 ,<b>it's</b>,Caf\xC3\xA9 \xE2\x82\xAC,,,,,,,\r\n"));
    }

    void valuesThatNeedItAreQuoted_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("written");
        QTest::newRow("comma") << QStringLiteral("a, b") << QStringLiteral("\"a, b\"");
        QTest::newRow("quote") << QStringLiteral("5\" ruler") << QStringLiteral("\"5\"\" ruler\"");
        QTest::newRow("CR LF") << QStringLiteral("a\r\nb") << QStringLiteral("\"a\r\nb\"");
        QTest::newRow("lone LF") << QStringLiteral("a\nb") << QStringLiteral("\"a\nb\"");
        QTest::newRow("lone CR") << QStringLiteral("a\rb") << QStringLiteral("\"a\rb\"");
        QTest::newRow("leading blank") << QStringLiteral(" a") << QStringLiteral("\" a\"");
        QTest::newRow("mark at the start")
            << QStringLiteral("\uFEFFa") << QStringLiteral("\"\uFEFFa\"");
        QTest::newRow("mark inside") << QStringLiteral("a\uFEFF") << QStringLiteral("a\uFEFF");
        QTest::newRow("plain") << QStringLiteral("a b ") << QStringLiteral("a b ");
        QTest::newRow("empty") << QString() << QString();
    }
    void valuesThatNeedItAreQuoted() {
        QFETCH(QString, value);
        QFETCH(QString, written);
        QCOMPARE(CatalogueWriter::Field(value), written);
    }

    void aCatalogueOfPlainRecordsHasOneLineEach() {
        std::vector<ItemRecord> records;
        for (int n = 0; n < 25; ++n)
            records.push_back(Record({QString::number(n), QStringLiteral("Title %1").arg(n)}));
        QByteArray bytes;
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::WriteOnly));
        CatalogueWriter::Write(buffer, records, QStringLiteral("x.csv"));
        QCOMPARE(bytes.count("\r\n"), 25);
        QCOMPARE(bytes.count(','), 9 * 25);
        QVERIFY(bytes.endsWith("\r\n"));
    }

    void anEmptyCatalogueIsAnEmptyFile() {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("empty.csv"));
        CatalogueWriter::Write(name, {});
        QVERIFY(QFile::exists(name));
        QCOMPARE(QFileInfo(name).size(), qint64(0));
    }

    void everyCatalogueReadsBackUnchanged() {
        for (quint32 seed : {1u, 2u, 3u, 4u, 5u}) {
            QRandomGenerator random(seed);
            std::vector<ItemRecord> records;
            for (int n = 0; n < 400; ++n) {
                ItemRecord record;
                for (int position = 1; position <= ItemRecord::FieldCount; ++position)
                    record.SetField(position, RandomValue(random));
                records.push_back(record);
            }
            QByteArray bytes;
            QBuffer buffer(&bytes);
            QVERIFY(buffer.open(QIODevice::WriteOnly));
            CatalogueWriter::Write(buffer, records, QStringLiteral("x.csv"));
            const auto result = CatalogueReader::ReadBytes(bytes, QStringLiteral("x.csv"));
            QVERIFY2(!result.failure, result.failure ? qPrintable(result.failure->Message()) : "");
            QCOMPARE(result.records.size(), records.size());
            for (size_t n = 0; n < records.size(); ++n) {
                if (result.records[n] != records[n])
                    QFAIL(
                        qPrintable(QStringLiteral("seed %1, record %2 changed: %3")
                                       .arg(seed)
                                       .arg(n + 1)
                                       .arg(QString::fromUtf8(CatalogueWriter::Line(records[n])))));
            }
        }
    }

    void whatCouldBeTakenForAnEncodingReadsBack() {
        // A first value that starts with U+FEFF would look like a signature, and values full
        // of NUL characters like UTF-16; both read back as they were.
        const QString nuls = QStringLiteral("a b c d e f ").replace(QLatin1Char(' '), QChar(0));
        const std::vector<std::vector<ItemRecord>> catalogues = {
            {Record({QStringLiteral("\uFEFF1"), QStringLiteral("Clock")})},
            {Record({QStringLiteral("\uFEFF\uFEFF"), QStringLiteral("\uFEFF")})},
            {Record({nuls, nuls, nuls}), Record({QStringLiteral("2"), nuls})},
            {Record({QStringLiteral("1"), QStringLiteral("Clock")})},
        };
        for (const std::vector<ItemRecord>& records : catalogues) {
            QByteArray bytes;
            QBuffer buffer(&bytes);
            QVERIFY(buffer.open(QIODevice::WriteOnly));
            CatalogueWriter::Write(buffer, records, QStringLiteral("x.csv"));
            const auto result = CatalogueReader::ReadBytes(bytes, QStringLiteral("x.csv"));
            QVERIFY(!result.failure);
            QVERIFY(result.notices.isEmpty());
            QVERIFY(result.records == records);
            // Only a catalogue with NUL characters carries a signature.
            QCOMPARE(bytes.startsWith("\xEF\xBB\xBF"), records[0].Field(1) == nuls);
        }
    }

    void aFailedSaveKeepsTheOldFile() {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("shop.csv"));
        CatalogueWriter::Write(name, {Record({QStringLiteral("old")})});
        const QByteArray before = ReadAll(name);

        // Files may grow to 4000 bytes only, so the new catalogue cannot be written whole.
        std::vector<ItemRecord> records(
            200, Record({QStringLiteral("new"), QStringLiteral("a longer title here")}));
        QString message;
        {
            const FileSizeLimit limit(4000);
            QVERIFY(limit.Active());
            try {
                CatalogueWriter::Write(name, records);
            } catch (const LotcraftError& error) {
                message = error.Message();
            }
        }

        QVERIFY2(message.startsWith(name), qPrintable(message));
        QVERIFY2(message.contains(QLatin1String("unchanged")), qPrintable(message));
        QCOMPARE(ReadAll(name), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("shop.csv")});
    }

    void aSaveOntoAFullDiskKeepsTheOldFile() {
        QTemporaryDir dir;
        const SmallDisk disk(dir.path(), 64);
        if (!disk.Mounted())
            QSKIP("a small disk cannot be mounted here (it needs root)");
        const QString name = dir.filePath(QStringLiteral("shop.csv"));
        CatalogueWriter::Write(name, {Record({QStringLiteral("old"), QStringLiteral("kept")})});
        const QByteArray before = ReadAll(name);
        QVERIFY(disk.Fill(dir.filePath(QStringLiteral("filler"))));

        QString message;
        try {
            CatalogueWriter::Write(
                name, std::vector<ItemRecord>(
                          100, Record({QStringLiteral("new"), QStringLiteral("a longer title")})));
        } catch (const LotcraftError& error) {
            message = error.Message();
        }
        QVERIFY2(message.startsWith(name), qPrintable(message));
        QVERIFY2(message.contains(QLatin1String("No space left on device")), qPrintable(message));
        QVERIFY2(message.contains(QLatin1String("unchanged")), qPrintable(message));
        QCOMPARE(ReadAll(name), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 (QStringList{QStringLiteral("filler"), QStringLiteral("shop.csv")}));
    }

    void aFullDeviceIsReported() {
        // Where no small disk can be mounted, the full device still gives the system's reason.
        QFile full(QStringLiteral("/dev/full"));
        if (!full.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            QSKIP("/dev/full cannot be opened here");
        try {
            CatalogueWriter::Write(full, {Record({QStringLiteral("1")})},
                                   QStringLiteral("shop.csv"));
            QFAIL("writing onto a full device did not fail");
        } catch (const LotcraftError& error) {
            QCOMPARE(error.File(), QStringLiteral("shop.csv"));
            QVERIFY2(error.Reason().contains(QLatin1String("No space left on device")),
                     qPrintable(error.Reason()));
        }
    }

    void aFolderThatIsMissingIsReported() {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("missing/shop.csv"));
        QVERIFY_THROWS_EXCEPTION(LotcraftError, CatalogueWriter::Write(name, {}));
        QVERIFY(!QFile::exists(name));
    }
};

QTEST_APPLESS_MAIN(CatalogueWriterTest)
#include "CatalogueWriterTest.moc"
