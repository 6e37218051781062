// The headless page program, run as a user runs it: its pages, its messages and its exit
// statuses.

#include "catalogue/CatalogueReader.h"
#include "pages/LinkTable.h"
#include "pages/PagePictures.h"

#include "ExpectedPage.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace ExpectedPage;

namespace {

struct Outcome {
    int status = -1;
    QString out;
    QString err;
};

Outcome RunPages(const QStringList& arguments, const QString& workingFolder = QString()) {
    QProcess process;
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    process.start(QStringLiteral(LOTCRAFT_PAGES_PROGRAM), arguments);
    Outcome outcome;
    if (!process.waitForFinished(60000))
        return outcome;
    outcome.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    outcome.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    outcome.err = QString::fromLocal8Bit(process.readAllStandardError());
    return outcome;
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
            LinkTable links;
            links.Fill(record.Field(ItemRecord::ItemNumber), item.seller);
            const QString page =
                out.filePath(record.Field(ItemRecord::ItemNumber) + QStringLiteral(".html"));
            ComparePages(ReadFile(page), JoinCrLf(ExpectedLines(3, ValuesFor(item, links, 12))));
        }
        for (const QString& picture : PagePictures::CopiedFiles())
            QVERIFY2(QFile::exists(out.filePath(picture)), qPrintable(picture));
    }

    void theDefaultsAreTheWindowsFirstChoices() {
        QTemporaryDir out;
        const QString catalogue = WriteCatalogue(out, "77,Lamp,,,,,,,,\r\n");
        const Outcome outcome = RunPages({QStringLiteral("-q"), catalogue}, out.path());
        QCOMPARE(outcome.status, 0);
        QVERIFY(outcome.err.isEmpty());
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
    }
    void usageErrorsSayWhatIsAccepted() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const Outcome outcome = RunPages(arguments);
        QCOMPARE(outcome.status, 2);
        QVERIFY2(outcome.err.contains(message), qPrintable(outcome.err));
    }

    void aBadCatalogueWritesNoPage() {
        QTemporaryDir out;
        const QString catalogue = WriteCatalogue(out, "1,a,,,,,,,,\r\n2,b,c\r\n");
        const Outcome outcome = RunPages({QStringLiteral("-o"), out.path(), catalogue});
        QCOMPARE(outcome.status, 1);
        QVERIFY2(outcome.err.contains(catalogue), qPrintable(outcome.err));
        QVERIFY2(outcome.err.contains(QLatin1String("record 2")), qPrintable(outcome.err));
        QVERIFY(Pages(out.path()).isEmpty());
    }

    void aFailingPageKeepsThePagesBeforeIt() {
        QTemporaryDir out;
        const QString catalogue =
            WriteCatalogue(out, "1,a,,,,,,,,\r\n../x,b,,,,,,,,\r\n3,c,,,,,,,,\r\n");
        const Outcome outcome = RunPages({QStringLiteral("-o"), out.path(), catalogue});
        QCOMPARE(outcome.status, 1);
        QVERIFY2(outcome.err.contains(QLatin1String("Row 2: ")), qPrintable(outcome.err));
        QVERIFY2(outcome.err.contains(QLatin1String("\"../x\"")), qPrintable(outcome.err));
        QCOMPARE(Pages(out.path()), QStringList{QStringLiteral("1.html")});
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
