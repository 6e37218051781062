// SPDX-License-Identifier: GPL-3.0-or-later
// Writing the pages of a whole catalogue: the rows told in order, failures in the middle of
// a run, replacing older pages, and the copied pictures.

#include "app/LotcraftError.h"
#include "app/ProgramSettings.h"
#include "catalogue/ItemRecord.h"
#include "pages/PageInputs.h"
#include "pages/PagePictures.h"
#include "pages/PageRun.h"

#include "FileSizeLimit.h"
#include "SmallDisk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

#include <map>
#include <mutex>
#include <thread>

namespace {

ItemRecord Item(const QString& number) {
    ItemRecord record;
    record.SetField(ItemRecord::ItemNumber, number);
    record.SetField(ItemRecord::Title, QStringLiteral("Item ") + number);
    record.SetField(ItemRecord::Category, QStringLiteral("cat ") + number);
    return record;
}

// Items numbered 1 to count, but for those given other numbers.
std::vector<ItemRecord> Numbered(int count, const std::map<int, QString>& others = {}) {
    std::vector<ItemRecord> items;
    for (int n = 1; n <= count; ++n) {
        const auto other = others.find(n);
        items.push_back(Item(other != others.end() ? other->second : QString::number(n)));
    }
    return items;
}

QStringList Files(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QByteArray ReadAll(const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing");
}

// What a run told: each row whose page got its name, with the page's path, in order.
struct Told {
    std::vector<int> rows;
    QStringList paths;
};

}  // namespace

class PageRunTest : public QObject {
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

    // Writes the pages of records with the seller's texts of the tests, adding to told what
    // the run tells; throws as the run does. Telling row throwAt ends the run.
    void Generate(const std::vector<ItemRecord>& records, const PagePictures& pictures, Told& told,
                  std::vector<int> skipped = {}, int throwAt = 0) {
        const SellerTexts seller = {QStringLiteral("me@example.com"), QStringLiteral("Here"),
                                    QStringLiteral("There")};
        PageRun::Run(records, PageInputs::Take(m_settings, seller, pictures), pictures,
                     std::move(skipped), [&told, throwAt](int row, const QString& path) {
                         told.rows.push_back(row);
                         told.paths << path;
                         if (row == throwAt)
                             throw LotcraftError(QStringLiteral("told to stop"));
                     });
    }

    // Runs a generation that must fail, and gives its failure.
    LotcraftError Failure(const std::vector<ItemRecord>& records, const PagePictures& pictures,
                          Told& told, int throwAt = 0) {
        try {
            Generate(records, pictures, told, {}, throwAt);
        } catch (const LotcraftError& error) {
            return error;
        }
        return LotcraftError(QStringLiteral("the run did not fail"));
    }

    static std::vector<int> Rows(int from, int to) {
        std::vector<int> rows;
        for (int row = from; row <= to; ++row)
            rows.push_back(row);
        return rows;
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

    void everyRowIsToldItsPageInOrder() {
        const PagePictures pictures(m_appFolder);
        Told told;
        Generate(Numbered(3), pictures, told);
        QCOMPARE(told.rows, Rows(1, 3));
        for (int row = 1; row <= 3; ++row) {
            const QString page = m_outFolder + QStringLiteral("/%1.html").arg(row);
            QCOMPARE(told.paths[row - 1], page);
            QVERIFY(ReadAll(page).contains(QStringLiteral("<B>Item %1</B>").arg(row).toLatin1()));
            QVERIFY(ReadAll(page).contains("userid=me@example.com"));
        }
        // Two rows with one item number share one page, the later one's.
        std::vector<ItemRecord> twins = {Item(QStringLiteral("9")), Item(QStringLiteral("9"))};
        twins[1].SetField(ItemRecord::Title, QStringLiteral("The second title"));
        Told again;
        Generate(twins, pictures, again);
        QVERIFY(
            ReadAll(m_outFolder + QStringLiteral("/9.html")).contains("<B>The second title</B>"));
        QCOMPARE(again.paths[0], again.paths[1]);
    }

    void skippedRowsGetNoPageAndAreNotTold() {
        // Over several batches, the skipped rows are left out and no other.
        const PagePictures pictures(m_appFolder);
        Told told;
        Generate(Numbered(200), pictures, told, {150, 2, 64, 65});
        std::vector<int> expected = Rows(1, 200);
        for (int skipped : {2, 64, 65, 150})
            expected.erase(std::find(expected.begin(), expected.end(), skipped));
        QCOMPARE(told.rows, expected);
        QVERIFY(!QFile::exists(m_outFolder + QStringLiteral("/64.html")));
        QVERIFY(QFile::exists(m_outFolder + QStringLiteral("/66.html")));
    }

    void aFailingRowEndsTheRunAndKeepsWhatWasDone() {
        const PagePictures pictures(m_appFolder);
        Told told;
        const LotcraftError error = Failure(
            {Item(QStringLiteral("1")), Item(QStringLiteral("../2")), Item(QStringLiteral("3"))},
            pictures, told);
        QCOMPARE(error.Row(), 2);
        QCOMPARE(error.File(), m_outFolder + QStringLiteral("/../2.html"));
        QVERIFY2(error.Message().startsWith(QLatin1String("Row 2: ")), qPrintable(error.Message()));
        QVERIFY(error.Reason().contains(QLatin1String("../2")));
        QCOMPARE(Files(m_outFolder), QStringList{QStringLiteral("1.html")});  // no pictures
        QVERIFY(!QFile::exists(m_dir.path() + QStringLiteral("/2.html")));
        QCOMPARE(told.rows, std::vector<int>{1});
    }

    void aPageThatCannotBeWrittenEndsTheRunAtItsRow() {
        // 150 rows span three batches; row 70's file name is taken by a folder, so its page
        // cannot be given that name.
        QVERIFY(QDir().mkpath(m_outFolder + QStringLiteral("/70.html")));
        const PagePictures pictures(m_appFolder);
        Told told;
        const LotcraftError error = Failure(Numbered(150), pictures, told);
        QCOMPARE(error.Row(), 70);
        QCOMPARE(error.File(), m_outFolder + QStringLiteral("/70.html"));
        QVERIFY2(error.Reason().contains(QLatin1String("cannot be given its name")),
                 qPrintable(error.Reason()));
        QCOMPARE(told.rows, Rows(1, 69));
        QCOMPARE(Files(m_outFolder).size(), 69);
        QVERIFY(!QFile::exists(m_outFolder + QStringLiteral("/71.html")));
    }

    void aDiskThatFillsUpEndsTheRunAtItsRow() {
        const SmallDisk disk(m_outFolder, 96);
        if (!disk.Mounted())
            QSKIP("a small disk cannot be mounted here (it needs root)");
        const PagePictures pictures(m_appFolder);
        Told told;
        const LotcraftError error = Failure(Numbered(100), pictures, told);
        QVERIFY2(error.Reason().contains(QLatin1String("No space left on device")),
                 qPrintable(error.Message()));
        // Pages are written side by side, so which one finds the disk full first depends on
        // how the workers were scheduled: even the first, when the others took the room.
        const int row = error.Row();
        QVERIFY2(row >= 1 && row < 100, qPrintable(error.Message()));
        QCOMPARE(error.File(), m_outFolder + QStringLiteral("/%1.html").arg(row));
        QCOMPARE(told.rows, Rows(1, row - 1));

        // The pages before the row are there whole; nothing of the row's own page is left,
        // and no picture was copied.
        QStringList pages;
        for (int n = 1; n < row; ++n) {
            pages << QStringLiteral("%1.html").arg(n);
            QVERIFY2(ReadAll(m_outFolder + QLatin1Char('/') + pages.last())
                         .endsWith("</BODY>\r\n</HTML>\r\n"),
                     qPrintable(pages.last()));
        }
        pages.sort();
        QCOMPARE(Files(m_outFolder), pages);
    }

    void aWriteThatFailsHalfWayLeavesTheOlderPageWhole() {
        const PagePictures pictures(m_appFolder);
        Told told;
        Generate(Numbered(1), pictures, told);
        const QByteArray before = ReadAll(m_outFolder + QStringLiteral("/1.html"));
        // Files may grow to 1000 bytes only, so the new page's write fails part way.
        std::vector<ItemRecord> changed = Numbered(1);
        changed[0].SetField(ItemRecord::Title, QStringLiteral("Changed"));
        LotcraftError error{QString()};
        {
            const FileSizeLimit limit(1000);
            QVERIFY(limit.Active());
            Told none;
            error = Failure(changed, pictures, none);
            QVERIFY(none.rows.empty());
        }
        QVERIFY2(error.Message().contains(QLatin1String("cannot be written")),
                 qPrintable(error.Message()));
        QCOMPARE(error.File(), m_outFolder + QStringLiteral("/1.html"));
        QCOMPARE(ReadAll(m_outFolder + QStringLiteral("/1.html")), before);
    }

    void anUnwritableFolderNamesTheFileAndTheReason() {
        const PagePictures pictures(m_appFolder);
        QFile plain(m_dir.path() + QStringLiteral("/plain-file"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        const QStringList folders = {m_dir.path() + QStringLiteral("/missing"), plain.fileName()};
        for (const QString& folder : folders) {
            m_settings.SetOutputFolder(folder);
            Told told;
            const LotcraftError error = Failure(Numbered(1), pictures, told);
            QCOMPARE(error.Row(), 1);
            QCOMPARE(error.File(), folder + QStringLiteral("/1.html"));
            QVERIFY2(error.Reason().contains(QLatin1String("cannot be created")),
                     qPrintable(error.Reason()));
        }
        QVERIFY(!QFileInfo::exists(m_dir.path() + QStringLiteral("/missing")));
    }

    void aPageIsNeverWrittenThroughALink() {
        // Old pages that are links to files outside the output folder: those files stay as
        // they are, and each page becomes a file of its own in the folder.
        const QString outside = m_dir.filePath(QStringLiteral("outside.txt"));
        const QString outsideToo = m_dir.filePath(QStringLiteral("outside-too.txt"));
        for (const QString& name : {outside, outsideToo}) {
            QFile file(name);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("keep me");
        }
        QVERIFY(QFile::link(outside, m_outFolder + QStringLiteral("/1.html")));
        QVERIFY(::link(QFile::encodeName(outsideToo).constData(),
                       QFile::encodeName(m_outFolder + QStringLiteral("/2.html")).constData()) ==
                0);
        Told told;
        Generate(Numbered(2), PagePictures(m_appFolder), told);
        for (const QString& number : {QStringLiteral("1"), QStringLiteral("2")}) {
            const QFileInfo page(m_outFolder + QLatin1Char('/') + number + QStringLiteral(".html"));
            QVERIFY(!page.isSymLink());
            QVERIFY(ReadAll(page.filePath()).startsWith("<HTML>\r\n"));
        }
        QCOMPARE(ReadAll(outside), QByteArray("keep me"));
        QCOMPARE(ReadAll(outsideToo), QByteArray("keep me"));
    }

    void aFailureAfterABatchStillWritesTheRowsBeforeIt() {
        Told told;
        QVERIFY_THROWS_EXCEPTION(LotcraftError,
                                 Generate(Numbered(100, {{90, QStringLiteral("a/b")}}),
                                          PagePictures(m_appFolder), told));
        QCOMPARE(told.rows, Rows(1, 89));
        QCOMPARE(Files(m_outFolder).size(), 89);
    }

    void aRowThatCannotBeToldEndsTheRunThere() {
        // The window stops at a row whose marks cannot be shown: that row's page is written,
        // no later page is given its name, and no picture is copied.
        Told told;
        const LotcraftError error = Failure(Numbered(5), PagePictures(m_appFolder), told, 2);
        QCOMPARE(error.Row(), 2);
        QCOMPARE(error.Reason(), QStringLiteral("told to stop"));
        QCOMPARE(told.rows, Rows(1, 2));
        QCOMPARE(Files(m_outFolder),
                 (QStringList{QStringLiteral("1.html"), QStringLiteral("2.html")}));
    }

    void picturesAreCopiedUnlessTheFolderIsTheApplicationFolder() {
        const PagePictures pictures(m_appFolder);
        Told told;
        // An empty catalogue still gets its pictures, every one of them.
        Generate({}, pictures, told);
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
        Generate({Item(QStringLiteral("5"))}, pictures, told);
        QVERIFY(QFile::exists(m_appFolder + QStringLiteral("/5.html")));
        QVERIFY(!QFile::exists(m_appFolder + QStringLiteral("/pba.gif")));
    }

    void aFolderDifferingOnlyInLetterCaseIsAnotherFolder() {
        // The comparison is of texts: "/App" is not "/app", so the copying runs, and here it
        // fails at its first file, since "/App" does not exist.
        const PagePictures pictures(m_dir.path() + QStringLiteral("/App"));
        m_settings.SetOutputFolder(m_appFolder);
        Told told;
        const LotcraftError error = Failure({}, pictures, told);
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
        const PagePictures pictures(m_appFolder);
        Told told;
        const std::vector<ItemRecord> withHelp = {Item(QStringLiteral("1")),
                                                  Item(QStringLiteral("help"))};
        const LotcraftError error = Failure(withHelp, pictures, told);
        QCOMPARE(error.Row(), 2);
        QCOMPARE(error.File(), link + QStringLiteral("/help.html"));
        QVERIFY2(error.Reason().contains(QLatin1String("Lotcraft needs")),
                 qPrintable(error.Reason()));

        Generate(Numbered(3), pictures, told);
        QVERIFY(QFile::exists(m_appFolder + QStringLiteral("/3.html")));
        QCOMPARE(ShippedFiles(), shipped);
        // Both runs into the same folder by its own name too.
        m_settings.SetOutputFolder(m_appFolder);
        QVERIFY_THROWS_EXCEPTION(LotcraftError, Generate(withHelp, pictures, told));
        Generate(Numbered(3), pictures, told);
        QCOMPARE(ShippedFiles(), shipped);
    }

    void twoRunsIntoOneFolderBothSucceed() {
        // Two runs at once into one folder, each writing the same pages and copying the same
        // pictures, several times over: neither may fail, and every page is whole.
        QStringList failures;
        std::mutex failuresMutex;
        auto runs = [&] {
            const PagePictures pictures(m_appFolder);
            for (int k = 0; k < 15; ++k) {
                Told told;
                try {
                    Generate(Numbered(40), pictures, told);
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
        const PagePictures pictures(m_appFolder);
        QVERIFY_THROWS_EXCEPTION(LotcraftError, pictures.CopyPagePictures(m_outFolder));
        QCOMPARE(Files(m_outFolder), (QStringList{QStringLiteral("aboutme-small.gif"),
                                                  QStringLiteral("ebay_logo_home.gif"),
                                                  QStringLiteral("envelope.gif")}));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QVERIFY(old.readAll() != "an old envelope");
    }
};

QTEST_APPLESS_MAIN(PageRunTest)
#include "PageRunTest.moc"
