// Making the pages from the main window: the output folder prompt, the run over the grid with
// its marks, counter and status line, a failure in the middle, and the previews, the help
// page and the category list, all through prepared answers and a recording browser.

#include "catalogue/Grid.h"
#include "pages/PagePictures.h"
#include "ui/HtmlSourceWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QUrl>

#include "AuctionsFixture.h"

namespace {

// A window whose output folder prompt answers as prepared, and whose browser records what
// it was asked to open.
struct PageWindow : Window {
    PageWindow() {
        window.SetOutputFolderPrompt([this](QWidget*, ProgramSettings& chosen) {
            ++prompts;
            if (folder.isEmpty())
                return;
            chosen.SetOutputFolder(folder);
            chosen.SetOutputFolderChosen(true);
        });
        window.PreviewBrowser().SetOpener([this](const QUrl& url, Browser::Outcome outcome) {
            opened << url;
            outcome(true);
        });
    }
    Grid& grid() { return window.CatalogueGrid(); }
    QString Cell(int row, int column) {
        grid().SetRow(row);
        grid().SetCol(column);
        return grid().Text();
    }
    bool HasPicture(int row, int column) {
        grid().SetRow(row);
        grid().SetCol(column);
        return !grid().CellPicture().isNull();
    }

    QString folder;  // empty: the dialog is cancelled
    int prompts = 0;
    QList<QUrl> opened;
};

QStringList Pages(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

}  // namespace

class AuctionsPagesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cancellingTheFolderDialogDoesNothing() {
        PageWindow w;
        w.Open(kSample);
        const QString before = w.settings.OutputFolder();
        w.Press("Htmls");
        QCOMPARE(w.prompts, 1);
        QCOMPARE(w.settings.OutputFolder(), before);
        QVERIFY(!w.settings.OutputFolderChosen());
        QCOMPARE(w.Label("Label7"), QStringLiteral("0"));
        QVERIFY(w.Cell(1, ItemRecord::HtmlColumn).isEmpty());
        QVERIFY(w.messages.messages.isEmpty());
    }

    void aRunWritesMarksCountsAndCopies() {
        QTemporaryDir out;
        PageWindow w;
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        w.Open(kSample);
        w.folder = out.path();
        PaintedTexts painted(w.Find<QLabel>("Label7"));
        w.Press("Htmls");

        QCOMPARE(Pages(out.path()).size(), 12);
        for (const QString& picture : PagePictures::CopiedFiles())
            QVERIFY2(QFile::exists(out.filePath(picture)), qPrintable(picture));
        for (int row = 1; row <= 12; ++row) {
            const QString path = w.Cell(row, ItemRecord::HtmlColumn);
            QCOMPARE(path, out.filePath(w.Cell(row, 1) + QStringLiteral(".html")));
            QVERIFY(w.HasPicture(row, ItemRecord::HtmlColumn));
            QVERIFY(w.HasPicture(row, 0));
        }
        // The counter was painted as it went, and the run says where the pages went.
        QCOMPARE(w.Label("Label7"), QStringLiteral("12"));
        QVERIFY2(painted.texts.contains(QStringLiteral("1")), qPrintable(painted.texts.join(u',')));
        QVERIFY(painted.texts.contains(QStringLiteral("11")));
        QCOMPARE(w.Label("Status"), QStringLiteral("12 pages written to %1.").arg(out.path()));
        QVERIFY(w.messages.messages.isEmpty());

        // A second run counts on.
        w.Press("Htmls");
        QCOMPARE(w.Label("Label7"), QStringLiteral("24"));
    }

    void aFailingRowIsToldAndTheRowsBeforeItStay() {
        QTemporaryDir out;
        PageWindow w;
        w.Open(kSample);
        w.ClickRow(3);
        w.Box("t_Item")->setText(QStringLiteral("../escape"));
        w.Press("Update");
        w.folder = out.path();
        w.Press("Htmls");

        QCOMPARE(Pages(out.path()).size(), 2);
        QVERIFY(
            !QFile::exists(QFileInfo(out.path()).dir().filePath(QStringLiteral("escape.html"))));
        QCOMPARE(w.Label("Label7"), QStringLiteral("2"));
        QVERIFY(w.Cell(3, ItemRecord::HtmlColumn).isEmpty());
        QCOMPARE(w.messages.messages.size(), 1);
        const QString message = w.messages.messages[0];
        QVERIFY2(message.contains(QLatin1String("Row 3: ")), qPrintable(message));
        QVERIFY2(message.contains(QLatin1String("\"../escape\"")), qPrintable(message));
        QVERIFY2(message.contains(QLatin1String("press HTMLS again")), qPrintable(message));
        QCOMPARE(w.Label("Status"), QStringLiteral("Stopped after 2 pages in %1.").arg(out.path()));
    }

    void anEmptyCatalogueStillGetsItsPictures() {
        QTemporaryDir out;
        PageWindow w;
        w.folder = out.path();
        const QString empty = out.filePath(QStringLiteral("empty.csv"));
        WriteFile(empty, QByteArray());
        w.Open(empty);
        w.Press("Htmls");
        QVERIFY(Pages(out.path()).isEmpty());
        for (const QString& picture : PagePictures::CopiedFiles())
            QVERIFY2(QFile::exists(out.filePath(picture)), qPrintable(picture));
        QCOMPARE(w.Label("Status"), QStringLiteral("0 pages written to %1.").arg(out.path()));

        // Into the application folder itself nothing is copied, and nothing is lost there.
        w.folder = QCoreApplication::applicationDirPath();
        w.Press("Htmls");
        QVERIFY(w.messages.messages.isEmpty());
        for (const QString& picture : PagePictures::CopiedFiles())
            QVERIFY(QFile::exists(QDir(w.folder).filePath(picture)));
    }

    void aFolderThatCannotTakePagesIsTold() {
        QTemporaryDir dir;
        const QString notAFolder = dir.filePath(QStringLiteral("plain-file"));
        WriteFile(notAFolder, "x");
        PageWindow w;
        w.Open(kSample);
        w.folder = notAFolder;
        w.Press("Htmls");
        QCOMPARE(w.messages.messages.size(), 1);
        QVERIFY2(w.messages.messages[0].contains(QLatin1String("Row 1: ")),
                 qPrintable(w.messages.messages[0]));
        QVERIFY(w.messages.messages[0].contains(QLatin1String("cannot be created")));
        QCOMPARE(w.Label("Label7"), QStringLiteral("0"));
        QVERIFY(!w.HasPicture(1, 0));
    }

    void previewsActOnTheRowTheFormShows() {
        QTemporaryDir out;
        PageWindow w;
        w.Open(kSample);
        w.folder = out.path();
        w.Press("Htmls");
        // Rows are clicked after the run; the buttons open the clicked row's page.
        w.ClickRow(2);
        QVERIFY(w.Button("viewp")->isEnabled());
        QVERIFY(w.Button("viewh")->isEnabled());
        w.Press("viewp");
        QCOMPARE(w.opened.size(), 1);
        QCOMPARE(w.opened[0], QUrl::fromLocalFile(out.filePath(QStringLiteral("1002.html"))));
        // Each click opens the page anew; the window holds on to the last one.
        w.ClickRow(4);
        w.Press("viewp");
        QCOMPARE(w.opened.size(), 2);
        QCOMPARE(w.window.PreviewBrowser().LastOpened(),
                 QUrl::fromLocalFile(out.filePath(QStringLiteral("1004.html"))));
        w.ClickRow(2);

        w.Press("viewh");
        HtmlSourceWindow* source = w.window.SourceWindow();
        QVERIFY(source && source->isVisible());
        const QString text = source->Text1()->toPlainText();
        QVERIFY(text.startsWith(QLatin1String("<HTML>\n<HEAD>\n<TITLE>eBay item 1002 ")));

        // The open source window keeps its page when another row asks for its code.
        w.ClickRow(5);
        w.Press("viewh");
        QCOMPARE(w.window.SourceWindow(), source);
        QCOMPARE(source->Text1()->toPlainText(), text);
        QCOMPARE(w.settings.SourcePagePath(), out.filePath(QStringLiteral("1005.html")));
        source->close();
    }

    void helpAndTheCategoryListOpenInTheBrowser() {
        PageWindow w;
        w.Press("Help");
        w.Press("XpButton1");
        QCOMPARE(w.opened.size(), 2);
        QCOMPARE(w.opened[0], QUrl::fromLocalFile(QCoreApplication::applicationDirPath() +
                                                  QStringLiteral("/help.html")));
        QCOMPARE(w.opened[1].scheme(), QStringLiteral("https"));
        QCOMPARE(w.opened[1].path(), QStringLiteral("/aw/plistings/list/categories.html"));
        QVERIFY(
            QFile::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/help.html")));
    }
};

QTEST_MAIN(AuctionsPagesTest)
#include "AuctionsPagesTest.moc"
