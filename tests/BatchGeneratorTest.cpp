// Generating the pages of a whole catalogue: the rows walked, the record buffer and links,
// the marks and paths rows get, failures in the middle of a run, and the copied pictures.

#include "app/LotcraftError.h"
#include "app/ProgramSettings.h"
#include "catalogue/RecordTable.h"
#include "pages/BatchGenerator.h"
#include "pages/FixedPageHost.h"
#include "pages/LinkTable.h"
#include "pages/PagePictures.h"

#include "SmallDisk.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

#include <map>
#include <mutex>
#include <thread>

namespace {

ItemRecord Item(const QString& number, const QString& spare = QString()) {
    ItemRecord record;
    record.SetField(ItemRecord::ItemNumber, number);
    record.SetField(ItemRecord::Title, QStringLiteral("Item ") + number);
    record.SetField(ItemRecord::Spare, spare);
    record.SetField(ItemRecord::Category, QStringLiteral("cat ") + number);
    return record;
}

// Items numbered 1 to count, but for those given other numbers.
RecordTable Numbered(int count, const std::map<int, QString>& others = {}) {
    std::vector<ItemRecord> items;
    for (int n = 1; n <= count; ++n) {
        const auto other = others.find(n);
        items.push_back(Item(other != others.end() ? other->second : QString::number(n)));
    }
    return RecordTable(std::move(items));
}

QStringList Files(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

}  // namespace

class BatchGeneratorTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_appFolder;
    QString m_outFolder;
    ProgramSettings m_settings;

    // An application folder holding every picture and the help page; each file's bytes
    // tell it apart.
    void MakeApplicationFolder() {
        QDir().mkpath(m_appFolder);
        QStringList names = PagePictures::CopiedFiles();
        names << QStringLiteral("OK.jpg");
        int shade = 10;
        for (const QString& name : names) {
            QImage picture(4, 4, QImage::Format_RGB32);
            picture.fill(QColor(shade, 0, 0));
            shade += 20;
            QVERIFY(picture.save(m_appFolder + QLatin1Char('/') + name, "PNG"));
        }
        QFile help(m_appFolder + QStringLiteral("/help.html"));
        QVERIFY(help.open(QIODevice::WriteOnly));
        help.write("<HTML>the program's help</HTML>");
    }

    // Every file the program ships in the application folder, with its bytes.
    std::map<QString, QByteArray> ShippedFiles() const {
        std::map<QString, QByteArray> files;
        for (const QString& name : PagePictures::ShippedFiles()) {
            QFile file(m_appFolder + QLatin1Char('/') + name);
            files[name] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing");
        }
        return files;
    }

    struct Run {
        FixedPageHost host{QStringLiteral("me@example.com"), QStringLiteral("Here"),
                           QStringLiteral("There")};
        ItemRecord currentRecord;
        LinkTable links;
    };

    void Generate(BatchGeneratorTest::Run& run, RecordTable& table, PagePictures& pictures) {
        BatchGenerator generator(m_settings, run.host, pictures);
        generator.Run(table, table.ItemCount(), run.currentRecord, run.links);
    }

    // Runs a generation that must fail, and gives its failure.
    LotcraftError Failure(BatchGeneratorTest::Run& run, RecordTable& table,
                          PagePictures& pictures) {
        try {
            Generate(run, table, pictures);
        } catch (const LotcraftError& error) {
            return error;
        }
        return LotcraftError(QStringLiteral("the run did not fail"));
    }

private Q_SLOTS:
    void init() {
        QDir(m_dir.path()).removeRecursively();
        m_appFolder = m_dir.path() + QStringLiteral("/app");
        m_outFolder = m_dir.path() + QStringLiteral("/out");
        MakeApplicationFolder();
        QDir().mkpath(m_outFolder);
        m_settings = ProgramSettings();
        m_settings.SetOutputFolder(m_outFolder);
    }

    void everyRowGetsItsPageAndMarks() {
        RecordTable table(
            {Item(QStringLiteral("1")), Item(QStringLiteral("2")), Item(QStringLiteral("3"))});
        PagePictures pictures(m_appFolder);
        Run run;
        run.currentRecord.SetField(ItemRecord::Spare, QStringLiteral("from the file"));
        Generate(run, table, pictures);

        for (int row = 1; row <= 3; ++row) {
            const QString page = m_outFolder + QStringLiteral("/%1.html").arg(row);
            QVERIFY(QFile::exists(page));
            QCOMPARE(table.PagePath(row), page);
            QVERIFY(table.HasPicture(row, 0));
            QVERIFY(table.HasPicture(row, ItemRecord::HtmlColumn));
        }
        // The run leaves the last row current, in column 0.
        QCOMPARE(table.Row(), 3);
        QCOMPARE(table.Col(), 0);
        // The record buffer holds the last row, but keeps its own Spare.
        QCOMPARE(run.currentRecord.Field(ItemRecord::ItemNumber), QStringLiteral("3"));
        QCOMPARE(run.currentRecord.Field(ItemRecord::Category), QStringLiteral("cat 3"));
        QCOMPARE(run.currentRecord.Field(ItemRecord::Spare), QStringLiteral("from the file"));
        // The links are the last item's, with the Seller text.
        QVERIFY(run.links.Link(1).endsWith(QLatin1String("ViewBids&item=3")));
        QVERIFY(run.links.Link(5).endsWith(QLatin1String("userid=me@example.com")));

        QCOMPARE(run.host.PageCount(), qint64(3));
        Generate(run, table, pictures);
        QCOMPARE(run.host.PageCount(), qint64(6));
        QCOMPARE(run.host.PageCountCaption(), QStringLiteral("6"));
    }

    void thePagesUseTheRowsNotTheFileFields() {
        // Two rows with one item number share one page, the later one's.
        RecordTable table({Item(QStringLiteral("9")), Item(QStringLiteral("9"))});
        table.SetRow(2);
        table.SetCol(2);
        table.SetText(QStringLiteral("The second title"));
        PagePictures pictures(m_appFolder);
        Run run;
        Generate(run, table, pictures);
        QFile page(m_outFolder + QStringLiteral("/9.html"));
        QVERIFY(page.open(QIODevice::ReadOnly));
        QVERIFY(page.readAll().contains("<B>The second title</B>"));
        QCOMPARE(table.PagePath(1), table.PagePath(2));
    }

    void aFailingRowEndsTheRunAndKeepsWhatWasDone() {
        RecordTable table(
            {Item(QStringLiteral("1")), Item(QStringLiteral("../2")), Item(QStringLiteral("3"))});
        PagePictures pictures(m_appFolder);
        Run run;
        const LotcraftError error = Failure(run, table, pictures);
        QCOMPARE(error.Row(), 2);
        QCOMPARE(error.File(), m_outFolder + QStringLiteral("/../2.html"));
        QVERIFY2(error.Message().startsWith(QLatin1String("Row 2: ")), qPrintable(error.Message()));
        QVERIFY(error.Reason().contains(QLatin1String("../2")));
        QCOMPARE(Files(m_outFolder), QStringList{QStringLiteral("1.html")});  // no pictures
        QVERIFY(!QFile::exists(m_dir.path() + QStringLiteral("/2.html")));
        QVERIFY(table.HasPicture(1, 0));
        QVERIFY(table.PagePath(2).isEmpty());
        QVERIFY(!table.HasPicture(2, 0));
        QCOMPARE(run.host.PageCount(), qint64(1));
    }

    void aPageThatCannotBeWrittenEndsTheRunAtItsRow() {
        // 150 rows span three batches of the overlapped run; row 70's file name is taken by a
        // folder, so its page cannot be given that name.
        RecordTable table = Numbered(150);
        QVERIFY(QDir().mkpath(m_outFolder + QStringLiteral("/70.html")));
        PagePictures pictures(m_appFolder);
        Run run;
        const LotcraftError error = Failure(run, table, pictures);
        QCOMPARE(error.Row(), 70);
        QCOMPARE(error.File(), m_outFolder + QStringLiteral("/70.html"));
        QVERIFY2(error.Reason().contains(QLatin1String("cannot be given its name")),
                 qPrintable(error.Reason()));
        QCOMPARE(run.host.PageCount(), qint64(69));
        QCOMPARE(Files(m_outFolder).size(), 69);
        QVERIFY(table.HasPicture(69, 0));
        QVERIFY(table.PagePath(70).isEmpty());
        QVERIFY(!table.HasPicture(70, 0));
        QVERIFY(!QFile::exists(m_outFolder + QStringLiteral("/71.html")));
    }

    void aDiskThatFillsUpEndsTheRunAtItsRow() {
        const SmallDisk disk(m_outFolder, 96);
        if (!disk.Mounted())
            QSKIP("a small disk cannot be mounted here (it needs root)");
        RecordTable table = Numbered(100);
        PagePictures pictures(m_appFolder);
        Run run;
        const LotcraftError error = Failure(run, table, pictures);
        QVERIFY2(error.Reason().contains(QLatin1String("No space left on device")),
                 qPrintable(error.Message()));
        const int row = error.Row();
        QVERIFY2(row > 1 && row < 100, qPrintable(error.Message()));
        QCOMPARE(error.File(), m_outFolder + QStringLiteral("/%1.html").arg(row));
        QCOMPARE(run.host.PageCount(), qint64(row - 1));

        // The pages before the row are there whole and their rows marked; nothing of the
        // row's own page is left, and no picture was copied.
        QStringList pages;
        for (int n = 1; n < row; ++n) {
            pages << QStringLiteral("%1.html").arg(n);
            QCOMPARE(table.PagePath(n), m_outFolder + QLatin1Char('/') + pages.last());
            QFile page(m_outFolder + QLatin1Char('/') + pages.last());
            QVERIFY(page.open(QIODevice::ReadOnly));
            QVERIFY2(page.readAll().endsWith("</BODY>\r\n</HTML>\r\n"), qPrintable(pages.last()));
        }
        pages.sort();
        QCOMPARE(Files(m_outFolder), pages);
        QVERIFY(table.PagePath(row).isEmpty());
        QVERIFY(!table.HasPicture(row, 0));
    }

    void aFailureAfterABatchStillWritesTheRowsBeforeIt() {
        RecordTable table = Numbered(100, {{90, QStringLiteral("a/b")}});
        PagePictures pictures(m_appFolder);
        Run run;
        QVERIFY_THROWS_EXCEPTION(LotcraftError, Generate(run, table, pictures));
        QCOMPARE(run.host.PageCount(), qint64(89));
        QCOMPARE(Files(m_outFolder).size(), 89);
        QCOMPARE(table.PagePath(89), m_outFolder + QStringLiteral("/89.html"));
        QVERIFY(table.PagePath(90).isEmpty());
    }

    void aMissingMarkStopsAfterTheRowsPageAndPath() {
        QFile::remove(m_appFolder + QStringLiteral("/OK.jpg"));
        RecordTable table({Item(QStringLiteral("1")), Item(QStringLiteral("2"))});
        PagePictures pictures(m_appFolder);
        Run run;
        const LotcraftError error = Failure(run, table, pictures);
        QCOMPARE(error.Row(), 1);
        QCOMPARE(error.File(), m_appFolder + QStringLiteral("/OK.jpg"));
        QCOMPARE(Files(m_outFolder), QStringList{QStringLiteral("1.html")});
        QCOMPARE(table.PagePath(1), m_outFolder + QStringLiteral("/1.html"));
        QVERIFY(table.HasPicture(1, ItemRecord::HtmlColumn));
        QVERIFY(!table.HasPicture(1, 0));
    }

    void picturesAreCopiedUnlessTheFolderIsTheApplicationFolder() {
        PagePictures pictures(m_appFolder);
        RecordTable empty;
        Run run;
        // An empty catalogue still gets its pictures, every one of them.
        Generate(run, empty, pictures);
        QStringList expected = PagePictures::CopiedFiles();
        expected.sort();
        QCOMPARE(Files(m_outFolder), expected);
        for (const QString& name : PagePictures::CopiedFiles()) {
            QFile source(m_appFolder + QLatin1Char('/') + name);
            QFile copy(m_outFolder + QLatin1Char('/') + name);
            QVERIFY(source.open(QIODevice::ReadOnly) && copy.open(QIODevice::ReadOnly));
            QCOMPARE(copy.readAll(), source.readAll());
        }
        QVERIFY(!QFile::exists(m_outFolder + QStringLiteral("/OK.jpg")));

        // Into the application folder itself nothing is copied; the pages go there.
        QFile::remove(m_appFolder + QStringLiteral("/pba.gif"));
        m_settings.SetOutputFolder(m_appFolder);
        RecordTable one({Item(QStringLiteral("5"))});
        Generate(run, one, pictures);
        QVERIFY(QFile::exists(m_appFolder + QStringLiteral("/5.html")));
        QVERIFY(!QFile::exists(m_appFolder + QStringLiteral("/pba.gif")));
    }

    void aFolderDifferingOnlyInLetterCaseIsAnotherFolder() {
        // The comparison is of texts: "/App" is not "/app", so the copying runs, and here it
        // fails at its first file, since "/App" does not exist.
        PagePictures pictures(m_dir.path() + QStringLiteral("/App"));
        m_settings.SetOutputFolder(m_appFolder);
        RecordTable empty;
        Run run;
        const LotcraftError error = Failure(run, empty, pictures);
        QCOMPARE(error.Row(), 0);
        QCOMPARE(error.File(), m_dir.path() + QStringLiteral("/App/aboutme-small.gif"));
        QVERIFY2(error.Reason().contains(QLatin1String("cannot be read")),
                 qPrintable(error.Reason()));
    }

    void theProgramsFolderReachedByALinkKeepsItsFiles() {
        // The output folder is the application folder under another name. Its pictures are
        // not copied onto themselves, and no page replaces the help page.
        const std::map<QString, QByteArray> shipped = ShippedFiles();
        const QString link = m_dir.path() + QStringLiteral("/link-to-app");
        QVERIFY(QFile::link(m_appFolder, link));
        m_settings.SetOutputFolder(link);
        PagePictures pictures(m_appFolder);
        Run run;
        RecordTable withHelp({Item(QStringLiteral("1")), Item(QStringLiteral("help"))});
        const LotcraftError error = Failure(run, withHelp, pictures);
        QCOMPARE(error.Row(), 2);
        QCOMPARE(error.File(), link + QStringLiteral("/help.html"));
        QVERIFY2(error.Reason().contains(QLatin1String("Lotcraft needs")),
                 qPrintable(error.Reason()));

        RecordTable items = Numbered(3);
        Generate(run, items, pictures);
        QVERIFY(QFile::exists(m_appFolder + QStringLiteral("/3.html")));
        QCOMPARE(ShippedFiles(), shipped);
        // Both runs into the same folder by its own name too.
        m_settings.SetOutputFolder(m_appFolder);
        QVERIFY_THROWS_EXCEPTION(LotcraftError, Generate(run, withHelp, pictures));
        Generate(run, items, pictures);
        QCOMPARE(ShippedFiles(), shipped);
    }

    void twoRunsIntoOneFolderBothSucceed() {
        // Two runs at once into one folder, each writing the same pages and copying the same
        // pictures, several times over: neither may fail, and every page is whole.
        QStringList failures;
        std::mutex failuresMutex;
        auto runs = [&] {
            PagePictures pictures(m_appFolder);
            for (int k = 0; k < 15; ++k) {
                Run run;
                RecordTable table = Numbered(40);
                try {
                    Generate(run, table, pictures);
                } catch (const LotcraftError& error) {
                    std::lock_guard<std::mutex> lock(failuresMutex);
                    failures << error.Message();
                }
            }
        };
        std::thread first(runs);
        std::thread second(runs);
        first.join();
        second.join();
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(u'\n')));
        QCOMPARE(Files(m_outFolder).size(), 40 + PagePictures::CopiedFiles().size());
        for (int n = 1; n <= 40; ++n) {
            QFile page(m_outFolder + QStringLiteral("/%1.html").arg(n));
            QVERIFY(page.open(QIODevice::ReadOnly));
            QVERIFY(page.readAll().endsWith("</BODY>\r\n</HTML>\r\n"));
        }
    }

    void copyingStopsAtTheFirstMissingPictureAndReplacesOldCopies() {
        QFile::remove(m_appFolder + QStringLiteral("/pba.gif"));
        QFile old(m_outFolder + QStringLiteral("/envelope.gif"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an old envelope");
        old.close();
        PagePictures pictures(m_appFolder);
        QVERIFY_THROWS_EXCEPTION(LotcraftError, pictures.Cop(m_outFolder));
        QCOMPARE(Files(m_outFolder), (QStringList{QStringLiteral("aboutme-small.gif"),
                                                  QStringLiteral("ebay_logo_home.gif"),
                                                  QStringLiteral("envelope.gif")}));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QVERIFY(old.readAll() != "an old envelope");
    }
};

QTEST_APPLESS_MAIN(BatchGeneratorTest)
#include "BatchGeneratorTest.moc"
