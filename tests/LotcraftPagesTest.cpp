// SPDX-License-Identifier: GPL-3.0-or-later
// The headless page program, run as a user runs it: its pages, its messages and its exit
// statuses.

#include "catalogue/CatalogueReader.h"
#include "pages/PagePictures.h"

#include "ExpectedPage.h"
#include "ProgramRun.h"
#include "SmallDisk.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <signal.h>

using namespace ExpectedPage;

namespace {

Outcome RunPages(const QStringList& arguments, const QString& workingFolder = QString()) {
    return RunProgram(QStringLiteral(LOTCRAFT_PAGES_PROGRAM), arguments, workingFolder);
}

const QString kSample = QStringLiteral(LOTCRAFT_SOURCE_DIR "/examples/sample-catalogue.csv");

QStringList Pages(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

QString WriteCatalogue(const QTemporaryDir& dir, const QByteArray& bytes) {
    const QString name = dir.filePath(QStringLiteral("catalogue.csv"));
    QFile file(name);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return name;
}

}  // namespace

class LotcraftPagesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theSampleCatalogueGivesTheExpectedPages() {
        QTemporaryDir out;
        const Outcome outcome = RunPages(
            {QStringLiteral("-l"), QStringLiteral("3"), QStringLiteral("--scheme"),
             QStringLiteral("bright RED"), QStringLiteral("--seller"),
             QStringLiteral("shop@example.com"), QStringLiteral("--location"),
             QStringLiteral("York"), QStringLiteral("--country"), QStringLiteral("\u00D6sterreich"),
             QStringLiteral("-o"), out.path(), kSample});
        QVERIFY2(outcome.status == 0, qPrintable(outcome.err));
        QCOMPARE(outcome.out, QStringLiteral("12 pages written to %1\n").arg(out.path()));

        const CatalogueReader::Result catalogue = CatalogueReader::Read(kSample);
        QVERIFY(!catalogue.failure);
        QCOMPARE(catalogue.records.size(), size_t(12));
        for (const ItemRecord& record : catalogue.records) {
            TestItem item;
            item.record = record;
            item.seller = QStringLiteral("shop@example.com");
            item.location = QStringLiteral("York");
            item.country = QStringLiteral("\u00D6sterreich");
            const QString page =
                out.filePath(record.Field(ItemRecord::ItemNumber) + QStringLiteral(".html"));
            ComparePages(ReadFile(page), JoinCrLf(ExpectedLines(3, ValuesFor(item, 12))));
        }
        for (const QString& picture : PagePictures::CopiedFiles())
            QVERIFY2(QFile::exists(out.filePath(picture)), qPrintable(picture));
    }

    void theDefaultsAreTheWindowsFirstChoices() {
        QTemporaryDir out;
        const QString catalogue = WriteCatalogue(out, "77,Lamp,,,,,,,,\r\n");
        const Outcome outcome = RunPages({QStringLiteral("-q"), catalogue}, out.path());
        QCOMPARE(outcome.status, 0);
        // The three texts still read as their boxes start: warned about, and written.
        for (const char* text :
             {"\"Your eBay e-mail address\"", "\"Your Location\"", "\"Your Country\""})
            QVERIFY2(outcome.err.contains(QLatin1String(text)), qPrintable(outcome.err));
        const QByteArray page = ReadFile(out.filePath(QStringLiteral("77.html")));
        QVERIFY(page.contains("bgColor=#F4D752 border=1"));  // scheme 1
        QVERIFY(page.contains("<B>Your Location</B>"));
        QVERIFY(page.contains("<B>Your Country</B>"));
        QCOMPARE(page.count("\r\n"), 235);  // layout 1
    }

    void usageErrorsSayWhatIsAccepted_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown scheme")
            << QStringList{QStringLiteral("-s"), QStringLiteral("pink"), kSample}
            << QStringLiteral("1 to 19");
        QTest::newRow("scheme 20")
            << QStringList{QStringLiteral("-s"), QStringLiteral("20"), kSample}
            << QStringLiteral("1 to 19");
        QTest::newRow("layout 5") << QStringList{QStringLiteral("-l"), QStringLiteral("5"), kSample}
                                  << QStringLiteral("4 (Horizontal Botton)");
        QTest::newRow("missing folder")
            << QStringList{QStringLiteral("-o"), QStringLiteral("/nonexistent/lotcraft"), kSample}
            << QStringLiteral("does not exist");
        QTest::newRow("no catalogue") << QStringList{} << QStringLiteral("catalogue file");
        QTest::newRow("unknown option")
            << QStringList{QStringLiteral("--colour"), kSample} << QStringLiteral("colour");
        // Qt's own options are not taken: --help-all is an unknown option, not a catalogue.
        QTest::newRow("help-all") << QStringList{QStringLiteral("--help-all"), kSample}
                                  << QStringLiteral("help-all");
    }
    void usageErrorsSayWhatIsAccepted() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const Outcome outcome = RunPages(arguments);
        QCOMPARE(outcome.status, 2);
        QVERIFY2(outcome.err.contains(message), qPrintable(outcome.err));
    }

    void aBadCatalogueWritesNoPage_data() {
        QTest::addColumn<QByteArray>("catalogue");
        QTest::addColumn<QString>("message");
        QTest::newRow("cut short")
            << QByteArray("1,a,,,,,,,,\r\n2,b,c\r\n") << QStringLiteral("record 2 is cut short");
        QTest::newRow("ends inside quotes")
            << QByteArray("1,a,,,,,,,,\r\n2,\"a title, and then the end")
            << QStringLiteral("field 2 of record 2 opens a double quote");
        QTest::newRow("32767 records")
            << QByteArray("1,a,b,c,d,e,f,g,h,i\r\n").repeated(ItemRecord::MaxItems + 1)
            << QStringLiteral("more than 32766 records");
        // A file that is no text is left as it is, whatever it is called.
        const QByteArray zip("PK\x03\x04\x14\0\0\0\x08\0", 10);
        QTest::newRow("a spreadsheet")
            << zip + "mimetypeapplication/vnd.oasis.opendocument.spreadsheet"
            << QStringLiteral("this is a spreadsheet (OpenDocument, .ods), not a CSV file");
        QTest::newRow("a PDF") << QByteArray("%PDF-1.7\n%\xE2\xE3\xCF\xD3\n")
                               << QStringLiteral("this is a PDF document, not a CSV file");
    }
    void aBadCatalogueWritesNoPage() {
        QFETCH(QByteArray, catalogue);
        QFETCH(QString, message);
        QTemporaryDir out;
        const QString name = WriteCatalogue(out, catalogue);
        const Outcome outcome = RunPages({QStringLiteral("-o"), out.path(), name});
        QCOMPARE(outcome.status, 1);
        QVERIFY2(outcome.err.contains(name), qPrintable(outcome.err));
        QVERIFY2(outcome.err.contains(message), qPrintable(outcome.err));
        QVERIFY(Pages(out.path()).isEmpty());
        QCOMPARE(ReadFile(name), catalogue);
    }

    void anUnsafeItemNumberKeepsThePagesBeforeIt_data() {
        QTest::addColumn<QByteArray>("itemNumber");
        QTest::addColumn<QString>("reason");
        QTest::newRow("parent folder") << QByteArray("../x") << QStringLiteral("\"../x\"");
        // ROOT stands for the folder that holds the output folder.
        QTest::newRow("absolute") << QByteArray("ROOT/x") << QStringLiteral("holds \"/\"");
        QTest::newRow("NUL") << QByteArray("x\0y", 3) << QStringLiteral("NUL");
        QTest::newRow("dot dot") << QByteArray("..") << QStringLiteral("names a folder");
    }
    void anUnsafeItemNumberKeepsThePagesBeforeIt() {
        QFETCH(QByteArray, itemNumber);
        QFETCH(QString, reason);
        // The output folder lies inside a folder of its own, so a page written outside it
        // would show there.
        QTemporaryDir root;
        QVERIFY(QDir(root.path()).mkdir(QStringLiteral("out")));
        const QString out = root.filePath(QStringLiteral("out"));
        itemNumber.replace("ROOT", QFile::encodeName(root.path()));
        // With UTF-8's signature, as Lotcraft saves a catalogue that holds a NUL character.
        const QString catalogue = WriteCatalogue(root,
                                                 "\xEF\xBB\xBF"
                                                 "1,a,,,,,,,,\r\n" +
                                                     itemNumber + ",b,,,,,,,,\r\n3,c,,,,,,,,\r\n");
        // The check finds the row before any page is written.
        Outcome outcome = RunPages({QStringLiteral("-o"), out, catalogue});
        QCOMPARE(outcome.status, 1);
        QVERIFY2(outcome.err.contains(QLatin1String("Row 2, item ")), qPrintable(outcome.err));
        QVERIFY2(outcome.err.contains(reason), qPrintable(outcome.err));
        QVERIFY2(outcome.err.contains(QLatin1String("row 2 of the catalogue has an error, so no "
                                                    "page has been written")),
                 qPrintable(outcome.err));
        QVERIFY(QDir(out).entryList(QDir::Files).isEmpty());
        // Asked to, it writes the other rows.
        outcome =
            RunPages({QStringLiteral("--skip-bad-rows"), QStringLiteral("-o"), out, catalogue});
        QCOMPARE(outcome.status, 0);
        QVERIFY2(outcome.out.startsWith(QLatin1String("2 pages written to ")),
                 qPrintable(outcome.out));
        QVERIFY2(outcome.out.contains(QLatin1String("; row 2 skipped")), qPrintable(outcome.out));
        QCOMPARE(Pages(out), (QStringList{QStringLiteral("1.html"), QStringLiteral("3.html")}));
        QCOMPARE(QDir(root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 (QStringList{QStringLiteral("catalogue.csv"), QStringLiteral("out")}));
    }

    void checkPrintsTheFindingsAndWritesNothing() {
        QTemporaryDir out;
        const QStringList texts = {QStringLiteral("--seller"),   QStringLiteral("me@example.com"),
                                   QStringLiteral("--location"), QStringLiteral("Leeds"),
                                   QStringLiteral("--country"),  QStringLiteral("UK")};
        // Nothing to find: status 0, nothing printed, nothing written.
        Outcome outcome = RunPages(
            QStringList{QStringLiteral("--check"), QStringLiteral("-o"), out.path(), kSample} +
            texts);
        QCOMPARE(outcome.status, 0);
        QCOMPARE(outcome.out, QString());
        QVERIFY(QDir(out.path()).isEmpty());

        // Two rows with one number, and a title too long: one finding a line, status 1.
        const QString catalogue = WriteCatalogue(
            out, "777,Lamp,,https://i.example.com/a.jpg,$1,,,,,\r\n777,Clock,,,$2,,,,,\r\n8," +
                     QByteArray(81, 't') + ",,,$3,,,,,\r\n");
        outcome = RunPages(
            QStringList{QStringLiteral("--check"), QStringLiteral("-o"), out.path(), catalogue} +
            texts);
        QCOMPARE(outcome.status, 1);
        const QStringList lines = outcome.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines[0].startsWith(QLatin1String("Row 2, item \"777\": error: ")),
                 qPrintable(lines[0]));
        QVERIFY2(lines[1].startsWith(QLatin1String("Row 3, item \"8\": warning: ")),
                 qPrintable(lines[1]));
        QCOMPARE(QDir(out.path()).entryList(QDir::Files),
                 QStringList{QStringLiteral("catalogue.csv")});

        // Warnings alone: a normal run tells them and goes on.
        const QString warned = WriteCatalogue(out, "9," + QByteArray(81, 't') + ",,,$3,,,,,\r\n");
        outcome = RunPages(QStringList{QStringLiteral("-o"), out.path(), warned} + texts);
        QCOMPARE(outcome.status, 0);
        QVERIFY2(outcome.err.startsWith(QLatin1String("Row 1, item \"9\": warning: ")),
                 qPrintable(outcome.err));
        QCOMPARE(Pages(out.path()), QStringList{QStringLiteral("9.html")});
    }

    void aShiftedCatalogueIsToldAndEveryRowFromThereWarned() {
        // A comma in a title, not in quotes: line 1 holds 11 values, line 2 holds 9.
        QTemporaryDir out;
        const QString catalogue = WriteCatalogue(
            out,
            "1001,Old clock, brass,Works well,clock.jpg,$10.00,$5.00,,Nov-25,Dec-02,45\r\n"
            "1002,Lamp,Brass lamp,lamp.jpg,$20,$8,,Nov-25,Dec-02\r\n");
        const QStringList texts = {QStringLiteral("--seller"),   QStringLiteral("me@example.com"),
                                   QStringLiteral("--location"), QStringLiteral("Leeds"),
                                   QStringLiteral("--country"),  QStringLiteral("UK")};
        Outcome outcome = RunPages(
            QStringList{QStringLiteral("--check"), QStringLiteral("-o"), out.path(), catalogue} +
            texts);
        QCOMPARE(outcome.status, 1);
        QVERIFY2(outcome.err.contains(QStringLiteral("lotcraft-pages: Line 1 of %1 holds 11 "
                                                     "values, not 10")
                                          .arg(catalogue)),
                 qPrintable(outcome.err));
        const QStringList lines = outcome.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4);  // each row's picture address, and the shift
        QVERIFY2(lines[1].startsWith(QLatin1String("Row 1, item \"1001\": warning: From this row "
                                                   "on, the catalogue file's items do not line "
                                                   "up")),
                 qPrintable(lines[1]));
        QVERIFY2(lines[3].startsWith(QLatin1String("Row 2, item \"45\": warning: The catalogue "
                                                   "file's items stop lining up with its lines "
                                                   "at row 1")),
                 qPrintable(lines[3]));
        QCOMPARE(QDir(out.path()).entryList(QDir::Files),
                 QStringList{QStringLiteral("catalogue.csv")});

        // A run tells the same and writes the pages as read: warnings stop nothing.
        outcome = RunPages(QStringList{QStringLiteral("-o"), out.path(), catalogue} + texts);
        QCOMPARE(outcome.status, 0);
        QVERIFY2(outcome.err.contains(QLatin1String("holds 11 values, not 10")),
                 qPrintable(outcome.err));
        QVERIFY2(outcome.err.contains(QLatin1String("Row 2, item \"45\": warning: ")),
                 qPrintable(outcome.err));
        QCOMPARE(Pages(out.path()),
                 (QStringList{QStringLiteral("1001.html"), QStringLiteral("45.html")}));
    }

    void skippingEveryRowWritesNothing() {
        QTemporaryDir out;
        const QString catalogue = WriteCatalogue(out, "..,Clock,,,$1,,,,,\r\n,Lamp,,,$2,,,,,\r\n");
        const Outcome outcome = RunPages(
            {QStringLiteral("--skip-bad-rows"), QStringLiteral("-o"), out.path(), catalogue});
        QCOMPARE(outcome.status, 1);
        QVERIFY2(outcome.err.contains(QLatin1String("lotcraft-pages: no row can be written: every "
                                                    "row of the catalogue has an error")),
                 qPrintable(outcome.err));
        QCOMPARE(outcome.out, QString());
        // No page, and no picture copied.
        QCOMPARE(QDir(out.path()).entryList(QDir::Files),
                 QStringList{QStringLiteral("catalogue.csv")});
    }

    void anItemThatWouldReplaceTheProgramsOwnFileIsAnErrorOfTheCheck() {
        // A copy of the program beside its files, writing into its own folder: the item
        // "help" would replace help.html.
        QTemporaryDir dir;
        const QString program = dir.filePath(QStringLiteral("lotcraft-pages"));
        QVERIFY(QFile::copy(QStringLiteral(LOTCRAFT_PAGES_PROGRAM), program));
        QVERIFY(QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const QString bin = QFileInfo(QStringLiteral(LOTCRAFT_PAGES_PROGRAM)).absolutePath();
        for (const QString& file : PagePictures::ShippedFiles())
            QVERIFY(QFile::copy(bin + QLatin1Char('/') + file, dir.filePath(file)));
        const QByteArray help = ReadFile(dir.filePath(QStringLiteral("help.html")));
        QTemporaryDir elsewhere;
        const QString catalogue = WriteCatalogue(
            elsewhere, "1,Clock,,,$1,,,,,\r\nhelp,Lamp,,,$2,,,,,\r\n3,Vase,,,$3,,,,,\r\n");

        Outcome outcome = RunProgram(
            program, {QStringLiteral("--check"), QStringLiteral("-o"), dir.path(), catalogue});
        QCOMPARE(outcome.status, 1);
        QVERIFY2(outcome.out.contains(QLatin1String("Row 2, item \"help\": error: The page "
                                                    "\"help.html\" would replace")),
                 qPrintable(outcome.out));
        // The run stops before the first page, not at the row.
        outcome = RunProgram(program, {QStringLiteral("-o"), dir.path(), catalogue});
        QCOMPARE(outcome.status, 1);
        QVERIFY2(outcome.err.contains(QLatin1String("row 2 of the catalogue has an error, so no "
                                                    "page has been written")),
                 qPrintable(outcome.err));
        QVERIFY(Pages(dir.path()) == QStringList{QStringLiteral("help.html")});
        // Asked to, it writes the other rows, and help.html stays the program's.
        outcome = RunProgram(program, {QStringLiteral("--skip-bad-rows"), QStringLiteral("-o"),
                                       dir.path(), catalogue});
        QVERIFY2(outcome.status == 0, qPrintable(outcome.err));
        QCOMPARE(Pages(dir.path()), (QStringList{QStringLiteral("1.html"), QStringLiteral("3.html"),
                                                 QStringLiteral("help.html")}));
        QCOMPARE(ReadFile(dir.filePath(QStringLiteral("help.html"))), help);
    }

    // A catalogue that lies in the output folder under a page's or a picture's name is never
    // replaced: the page's row is an error of the check, a picture's name stops the run
    // before its first page.
    void aRunNeverReplacesItsOwnCatalogue_data() {
        QTest::addColumn<QString>("catalogueName");
        QTest::addColumn<QString>("said");
        QTest::newRow("named like a page")
            << QStringLiteral("1001.html")
            << QStringLiteral(
                   "Row 2, item \"1001\": error: The page \"1001.html\" would replace "
                   "the catalogue");
        QTest::newRow("named like a picture")
            << QStringLiteral("dot_clear.gif")
            << QStringLiteral("the picture dot_clear.gif would replace the catalogue %1");
    }

    void aRunNeverReplacesItsOwnCatalogue() {
        QFETCH(QString, catalogueName);
        QFETCH(QString, said);
        QTemporaryDir dir;
        const QString catalogue = dir.filePath(catalogueName);
        const QByteArray bytes = "1,Clock,,,$1,,,,,\r\n1001,Lamp,,,$2,,,,,\r\n";
        QFile file(catalogue);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        const Outcome outcome = RunPages(
            {QStringLiteral("--skip-bad-rows"), QStringLiteral("-o"), dir.path(), catalogue});
        QVERIFY2(outcome.err.contains(said.arg(catalogue)), qPrintable(outcome.err));
        QCOMPARE(ReadFile(catalogue), bytes);
        // Its other row is written beside it, the page's row skipped; or, where a picture is
        // in the way, nothing is written.
        const bool pageInTheWay = catalogueName.endsWith(QLatin1String(".html"));
        QCOMPARE(outcome.status, pageInTheWay ? 0 : 1);
        QCOMPARE(Pages(dir.path()).contains(QStringLiteral("1.html")), pageInTheWay);
    }

    void aDiskThatFillsUpKeepsThePagesBeforeIt() {
        // The same catalogue is written once into an ordinary folder and once onto a disk
        // that runs full part way.
        QTemporaryDir whole;
        QByteArray bytes;
        for (int item = 1; item <= 150; ++item)
            bytes += QByteArray::number(item) + ",Item " + QByteArray::number(item) +
                     ",A description,,$1.00,$0.50,,,,\r\n";
        const QString catalogue = WriteCatalogue(whole, bytes);
        QCOMPARE(
            RunPages({QStringLiteral("-q"), QStringLiteral("-o"), whole.path(), catalogue}).status,
            0);

        QTemporaryDir small;
        const SmallDisk disk(small.path(), 256);
        if (!disk.Mounted())
            QSKIP("a small disk cannot be mounted here (it needs root)");
        const Outcome outcome =
            RunPages({QStringLiteral("-q"), QStringLiteral("-o"), small.path(), catalogue});
        QCOMPARE(outcome.status, 1);
        QVERIFY2(outcome.err.contains(QLatin1String("No space left on device")),
                 qPrintable(outcome.err));
        const QRegularExpression rowAt(QStringLiteral("Row (\\d+): "));
        const QRegularExpressionMatch match = rowAt.match(outcome.err);
        QVERIFY2(match.hasMatch(), qPrintable(outcome.err));
        const int failedRow = match.captured(1).toInt();
        QVERIFY2(failedRow > 1 && failedRow < 150, qPrintable(outcome.err));
        QVERIFY2(outcome.err.contains(QStringLiteral("/%1.html").arg(failedRow)),
                 qPrintable(outcome.err));
        QVERIFY2(
            outcome.err.contains(failedRow == 2 ? QStringLiteral("1 page was written before it")
                                                : QStringLiteral("%1 pages were written "
                                                                 "before it")
                                                      .arg(failedRow - 1)),
            qPrintable(outcome.err));

        // Every page before the failing row is there whole; no part of its page is left.
        QStringList expected;
        for (int item = 1; item < failedRow; ++item)
            expected << QStringLiteral("%1.html").arg(item);
        expected.sort();
        QCOMPARE(Pages(small.path()), expected);
        QCOMPARE(QDir(small.path()).entryList(QDir::Files).size(), expected.size());
        for (const QString& page : expected)
            QVERIFY2(ReadFile(small.filePath(page)) == ReadFile(whole.filePath(page)),
                     qPrintable(page));
    }

    void randomBytesNeitherCrashNorLeaveTheFolder() {
        // Bytes of every kind, with the ones the reader and the file names care about made
        // common, so the records come out of every shape.
        static const char kCommon[] = {',', ',', '"', '\r', '\n', '/', '.', '\0', ' ', 'x'};
        for (quint32 seed = 1; seed <= 8; ++seed) {
            QRandomGenerator random(seed);
            QByteArray bytes;
            for (int i = 0; i < 3000; ++i)
                bytes += random.bounded(2) ? kCommon[random.bounded(int(sizeof kCommon))]
                                           : char(random.bounded(256));
            QTemporaryDir root;
            QVERIFY(QDir(root.path()).mkdir(QStringLiteral("out")));
            const QString out = root.filePath(QStringLiteral("out"));
            const QString catalogue = WriteCatalogue(root, bytes);
            const Outcome outcome = RunPages({QStringLiteral("-o"), out, catalogue});
            const QString context = QStringLiteral("seed %1: %2").arg(seed).arg(outcome.err);
            QVERIFY2(outcome.status == 0 || outcome.status == 1, qPrintable(context));
            QVERIFY2(
                outcome.status == 0 || outcome.err.startsWith(QLatin1String("lotcraft-pages: ")),
                qPrintable(context));
            QCOMPARE(QDir(root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                     (QStringList{QStringLiteral("catalogue.csv"), QStringLiteral("out")}));

            // Each page is that of a record read from the file.
            QStringList itemPages;
            for (const ItemRecord& record : CatalogueReader::Read(catalogue).records)
                itemPages << record.Field(ItemRecord::ItemNumber) + QStringLiteral(".html");
            for (const QString& page : Pages(out))
                QVERIFY2(itemPages.contains(page), qPrintable(context + page));
        }
    }

    void theReportsSayTheTruth() {
        QTemporaryDir out;
        const QString catalogue = WriteCatalogue(out, "77,Lamp,,,,,,,,\r\n");
        Outcome outcome = RunPages({QStringLiteral("-o"), out.path(), catalogue});
        QCOMPARE(outcome.status, 0);
        QCOMPARE(outcome.out, QStringLiteral("1 page written to %1\n").arg(out.path()));

        // A file named as the output folder is said to be no folder.
        outcome = RunPages({QStringLiteral("-o"), catalogue, catalogue});
        QCOMPARE(outcome.status, 2);
        QVERIFY2(outcome.err.contains(QLatin1String("is not a folder")), qPrintable(outcome.err));

        // Where it differs from the window.
        outcome = RunPages({QStringLiteral("--help")});
        QCOMPARE(outcome.status, 0);
        const QString help = outcome.out.simplified();
        QVERIFY2(help.contains(QLatin1String("writes no page at all when the catalogue cannot be "
                                             "read to its end")),
                 qPrintable(help));
        QVERIFY2(help.contains(QLatin1String("output folder is the current folder")),
                 qPrintable(help));
    }

    void aReportThatCannotBeWrittenFails() {
        if (!QFileInfo(QStringLiteral("/dev/full")).isWritable())
            QSKIP("there is no /dev/full here");
        QTemporaryDir out;
        const QString catalogue = WriteCatalogue(out, "77,Lamp,,,,,,,,\r\n");
        for (const QStringList& arguments :
             {QStringList{QStringLiteral("-o"), out.path(), catalogue},
              QStringList{QStringLiteral("--list-schemes")}}) {
            QProcess process;
            process.setStandardOutputFile(QStringLiteral("/dev/full"));
            process.start(QStringLiteral(LOTCRAFT_PAGES_PROGRAM), arguments);
            QVERIFY(process.waitForFinished(60000));
            const QString err = QString::fromLocal8Bit(process.readAllStandardError());
            QCOMPARE(process.exitStatus(), QProcess::NormalExit);
            QVERIFY2(process.exitCode() == 1, qPrintable(err));
            QVERIFY2(err.contains(QLatin1String("cannot be written to standard output: No space "
                                                "left on device")),
                     qPrintable(err));
        }
    }

    void aKilledRunLeavesOnlyWholePages() {
        // Large pages, so that a kill lands while a page is being written. The run is killed
        // once some pages are there; every file it left must be a whole page, byte for byte
        // the page a complete run writes, and nothing else may be there.
        QTemporaryDir dir;
        QByteArray bytes;
        constexpr int kItems = 400;
        const QByteArray description(256 * 1024, 'd');
        for (int item = 1; item <= kItems; ++item)
            bytes += QByteArray::number(item) + ",Item," + description + ",,,,,,,\r\n";
        const QString catalogue = WriteCatalogue(dir, bytes);
        const QString killed = dir.filePath(QStringLiteral("killed"));
        const QString whole = dir.filePath(QStringLiteral("whole"));
        QVERIFY(QDir().mkpath(killed) && QDir().mkpath(whole));

        QProcess process;
        process.start(QStringLiteral(LOTCRAFT_PAGES_PROGRAM),
                      {QStringLiteral("-q"), QStringLiteral("-o"), killed, catalogue});
        QVERIFY(process.waitForStarted());
        QDeadlineTimer deadline(60000);
        while (Pages(killed).size() < 10 && process.state() == QProcess::Running &&
               !deadline.hasExpired())
            QThread::usleep(200);
        QCOMPARE(::kill(pid_t(process.processId()), SIGKILL), 0);
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitStatus(), QProcess::CrashExit);

        QCOMPARE(RunPages({QStringLiteral("-q"), QStringLiteral("-o"), whole, catalogue}).status,
                 0);
        const QStringList left = QDir(killed).entryList(
            QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
        QVERIFY2(left.size() >= 10 && left.size() < kItems, qPrintable(left.join(u',')));
        for (const QString& name : left) {
            QVERIFY2(name.endsWith(QLatin1String(".html")), qPrintable(name));
            QVERIFY2(ReadFile(QDir(killed).filePath(name)) == ReadFile(QDir(whole).filePath(name)),
                     qPrintable(name + QStringLiteral(" is not whole")));
        }
    }

    void theProgramNeedsNoneOfTheWindowsPictures() {
        // A copy of the program beside the pictures the pages show, without the marks the
        // window shows in its grid (OK.jpg): every page is written.
        QTemporaryDir dir;
        const QString program = dir.filePath(QStringLiteral("lotcraft-pages"));
        QVERIFY(QFile::copy(QStringLiteral(LOTCRAFT_PAGES_PROGRAM), program));
        QVERIFY(QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const QString bin = QFileInfo(QStringLiteral(LOTCRAFT_PAGES_PROGRAM)).absolutePath();
        for (const QString& picture : PagePictures::CopiedFiles())
            QVERIFY(QFile::copy(bin + QLatin1Char('/') + picture, dir.filePath(picture)));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("OK.jpg"))));
        const QString out = dir.filePath(QStringLiteral("out"));
        QVERIFY(QDir().mkpath(out));
        const Outcome outcome =
            RunProgram(program, {QStringLiteral("-q"), QStringLiteral("-o"), out, kSample});
        QVERIFY2(outcome.status == 0, qPrintable(outcome.err));
        QCOMPARE(Pages(out).size(), 12);
    }

    void onATerminalTheProgressLineEndsBeforeTheReport() {
        // Under a pseudo-terminal the progress is shown; it counts to the pages written, the
        // rows skipped left out, and the report after it stands on a line of its own.
        QTemporaryDir dir;
        QByteArray bytes;
        for (int item = 1; item <= 250; ++item)
            bytes += (item == 7 || item == 200 ? QByteArray("a/") : QByteArray()) +
                     QByteArray::number(item) + ",Item,,,$1,,,,,\r\n";
        const QString catalogue = WriteCatalogue(dir, bytes);
        const QString command =
            QStringLiteral(
                "'%1' --skip-bad-rows --seller me@example.com --location Leeds "
                "--country UK -o '%2' '%3'")
                .arg(QStringLiteral(LOTCRAFT_PAGES_PROGRAM), dir.path(), catalogue);
        QProcess terminal;
        terminal.start(QStringLiteral("script"),
                       {QStringLiteral("-qec"), command, QStringLiteral("/dev/null")});
        QVERIFY(terminal.waitForFinished(60000));
        const QString shown = QString::fromLocal8Bit(terminal.readAllStandardOutput());
        QCOMPARE(terminal.exitCode(), 0);
        QVERIFY2(
            shown.contains(QStringLiteral("Writing pages: 248 of 248\r\n248 pages written to ")),
            qPrintable(shown));
        QVERIFY2(!shown.contains(QLatin1String("of 250")), qPrintable(shown));
        QCOMPARE(Pages(dir.path()).size(), 248);
    }

    void theSchemesCanBeListed() {
        const Outcome outcome = RunPages({QStringLiteral("--list-schemes")});
        QCOMPARE(outcome.status, 0);
        const QStringList lines = outcome.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 20);
        QVERIFY(lines[12].contains(QLatin1String("Bright Red")));
        QVERIFY(lines[12].contains(QLatin1String("#FF0000")));
    }
};

QTEST_APPLESS_MAIN(LotcraftPagesTest)
#include "LotcraftPagesTest.moc"
