// SPDX-License-Identifier: GPL-3.0-or-later
// Making the pages from the main window: the output folder prompt, the run over the grid with
// its marks, counter and status line, a failure in the middle, and the previews, the help
// page and the category list, all through prepared answers and a recording browser.

#include "editing/Grid.h"
#include "pages/CatalogueCheck.h"
#include "pages/PagePictures.h"
#include "ui/HtmlSourceWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include "ui/CatalogueCheckDialog.h"

#include <QTreeWidget>

#include "AuctionsFixture.h"

namespace {

// A window whose output folder prompt answers as prepared, and whose browser records what
// it was asked to open.
struct PageWindow : Window {
    PageWindow() {
        window.SetOutputFolderPrompt([this](QWidget*, ProgramSettings&) -> std::optional<QString> {
            ++prompts;
            if (folder.isEmpty())
                return std::nullopt;
            return folder;
        });
        window.PreviewBrowser().SetOpener([this](const QUrl& url, Browser::Outcome outcome) {
            opened << url;
            outcome(true);
        });
    }
    Grid& grid() { return window.CatalogueGrid(); }
    // What the grid shows in a cell of an item row: column 1 to 10 as the view shows it.
    QString Cell(int row, int column) {
        return grid().data(grid().index(row - 1, column - 1)).toString();
    }
    // Whether a mark shows in column 10 of a row, or in its heading (column 0).
    bool HasPicture(int row, int column) {
        const QVariant picture =
            column == 0 ? grid().headerData(row - 1, Qt::Vertical, Qt::DecorationRole)
                        : grid().data(grid().index(row - 1, column - 1), Qt::DecorationRole);
        return !picture.value<QImage>().isNull();
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
    void anEditOnScreenIsAskedAboutBeforeItIsLeftOut() {
        QTemporaryDir out;
        PageWindow w;
        w.folder = out.path();
        w.Open(kSample);
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        const QString question = QStringLiteral("Do you want to store your changes to item 1001 ?");
        const auto typeAgain = [&w] {
            QTest::keyClick(w.Box("t_title"), Qt::Key_End);
            QTest::keyClicks(w.Box("t_title"), QStringLiteral(" AGAIN"));
        };
        w.Box("t_title")->setFocus();
        typeAgain();

        // Ctrl+S: Yes stores the edit, then saves it.
        w.messages.answers = {Yes};
        QTest::keyClick(&w.window, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(w.messages.questions, QStringList{question});
        QVERIFY(ReadAll(w.SampleCopy()).contains(" AGAIN,"));
        QVERIFY(w.grid().Field(1, ItemRecord::Title).endsWith(QLatin1String(" AGAIN")));

        // HTMLS: cancelling the question stops the run; No writes the stored title and keeps
        // the edit in the form.
        w.Box("t_title")->setFocus();
        typeAgain();
        w.messages.answers = {Dismissed};
        w.Press("Htmls");
        QCOMPARE(w.prompts, 0);
        QVERIFY(Pages(out.path()).isEmpty());
        w.messages.answers = {No};
        w.Press("Htmls");
        QCOMPARE(w.prompts, 1);
        const QByteArray page = ReadAll(out.filePath(QStringLiteral("1001.html")));
        QVERIFY(page.contains(" AGAIN<") || page.contains(" AGAIN\r") || page.contains(" AGAIN "));
        QVERIFY(!page.contains(" AGAIN AGAIN"));
        QVERIFY(w.Box("t_title")->text().endsWith(QLatin1String(" AGAIN AGAIN")));
        // The shown row shows the page just written, and its source can be viewed.
        QCOMPARE(w.Box("t_html")->text(), out.filePath(QStringLiteral("1001.html")));
        QVERIFY(w.Button("viewh")->isEnabled());

        // Yes before HTMLS: the page has what the form shows.
        w.messages.answers = {Yes};
        w.Press("Htmls");
        QVERIFY(ReadAll(out.filePath(QStringLiteral("1001.html"))).contains(" AGAIN AGAIN"));

        // View Page asks too, then opens the page.
        typeAgain();
        w.messages.answers = {Dismissed};
        w.Press("viewp");
        QVERIFY(w.opened.isEmpty());
        w.messages.answers = {No};
        w.Press("viewp");
        QCOMPARE(w.opened.size(), 1);
        QCOMPARE(w.messages.questions.size(), 6);
        for (const QString& asked : w.messages.questions)
            QCOMPARE(asked, question);
    }

    void theCheckStaysOpenWhileTheSellerMendsARow() {
        QTemporaryDir out;
        const QString name = out.filePath(QStringLiteral("shop.csv"));
        WriteFile(name, "1001,Clock,,,,,,,,\r\n..,Lamp,,,,,,,,\r\n");
        ProgramSettings settings;
        RecordingMessageBoxes messages;
        PreparedDialogs dialogs;
        // The real check dialog; the output folder as prepared.
        Auctions window(settings, &messages, &dialogs);
        int prompts = 0;
        window.SetOutputFolderPrompt([&](QWidget*, ProgramSettings&) -> std::optional<QString> {
            ++prompts;
            return out.path();
        });
        window.OpenCatalogue(name);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        Q_EMIT window.findChild<XpButton*>(QStringLiteral("Htmls"))->Click();
        auto* check = window.findChild<CatalogueCheckDialog*>();
        QVERIFY(check && check->isVisible());
        QVERIFY(!check->isModal());
        QCOMPARE(prompts, 0);
        // Enter on the finding shows its row; the seller mends it in the window.
        QTreeWidget* list = check->List1();
        for (int line = 0; line < list->topLevelItemCount(); ++line) {
            if (CatalogueCheckDialog::RowOf(list->topLevelItem(line)) == 2)
                list->setCurrentItem(list->topLevelItem(line));
        }
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Return);
        auto* item = window.findChild<QLineEdit*>(QStringLiteral("t_Item"));
        QCOMPARE(item->text(), QStringLiteral(".."));
        item->setText(QStringLiteral("1002"));
        Q_EMIT window.findChild<XpButton*>(QStringLiteral("Update"))->Click();
        // Checked again: nothing left to mend, and Write pages writes every page.
        Q_EMIT check->CheckAgainButton()->Click();
        for (int line = 0; line < list->topLevelItemCount(); ++line)
            QVERIFY(!CatalogueCheckDialog::IsError(list->topLevelItem(line)));
        Q_EMIT check->OKButton()->Click();
        QTRY_COMPARE(prompts, 1);
        QCOMPARE(Pages(out.path()),
                 (QStringList{QStringLiteral("1001.html"), QStringLiteral("1002.html")}));
        QVERIFY(messages.messages.isEmpty());
    }

    void shiftedItemsAreToldOnOpeningAndWarnedOfByTheCheck() {
        // A comma not in quotes gives line 1 eleven values: the items after it are shifted.
        QTemporaryDir out;
        const QString name = out.filePath(QStringLiteral("shifted.csv"));
        WriteFile(name,
                  "1001,Old clock, brass,,$5,,,,,,12\r\n1002,Lamp,,,$6,,,,,\r\n"
                  "1003,Jug,,,$7,,,,,\r\n");
        PageWindow w;
        w.folder = out.path();
        w.writeAfterCheck = false;
        w.Open(name);
        QCOMPARE(w.messages.messages.size(), 1);
        QVERIFY2(w.messages.messages[0].contains(QLatin1String("Line 1 of")) &&
                     w.messages.messages[0].contains(QLatin1String("11 values")),
                 qPrintable(w.messages.messages[0]));
        w.Press("Htmls");
        QCOMPARE(w.checks.size(), size_t(1));
        QList<int> warned;
        for (const CatalogueFinding& finding : w.checks[0]) {
            if (finding.kind == CatalogueFinding::Kind::ShiftedRecord) {
                QVERIFY(!finding.IsError());
                warned << finding.row;
            }
        }
        QCOMPARE(warned.size(), w.grid().ItemCount());
        QCOMPARE(warned.first(), 1);
    }

    void cancellingTheFolderDialogDoesNothing() {
        PageWindow w;
        w.Open(kSample);
        const QString before = w.settings.OutputFolder();
        w.Press("Htmls");
        QCOMPARE(w.prompts, 1);
        QCOMPARE(w.settings.OutputFolder(), before);
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
        // The window as the screen shows it, around the first row's heading.
        auto* view = w.Find<QTableView>("MSFlexGrid1");
        auto shownHeading = [&] {
            QCoreApplication::processEvents();
            const QRect heading(
                view->verticalHeader()->mapTo(&w.window, QPoint(0, 0)),
                QSize(view->verticalHeader()->width(), view->verticalHeader()->sectionSize(0)));
            return w.window.screen()->grabWindow(w.window.winId()).copy(heading).toImage();
        };
        const QImage headingBefore = shownHeading();
        w.Press("Htmls");
        // The mark in the first row's heading is on the screen.
        QVERIFY(shownHeading() != headingBefore);

        QCOMPARE(Pages(out.path()).size(), 12);
        for (const QString& picture : PagePictures::CopiedFiles())
            QVERIFY2(QFile::exists(out.filePath(picture)), qPrintable(picture));
        for (int row = 1; row <= 12; ++row) {
            const QString path = w.Cell(row, ItemRecord::HtmlColumn);
            QCOMPARE(path, out.filePath(w.Cell(row, 1) + QStringLiteral(".html")));
            QVERIFY(w.HasPicture(row, ItemRecord::HtmlColumn));
            QVERIFY(w.HasPicture(row, 0));
        }
        // The counter was painted at the first page and at the end, and the run says where
        // the pages went.
        QCOMPARE(w.Label("Label7"), QStringLiteral("12"));
        QVERIFY2(painted.texts.contains(QStringLiteral("1")), qPrintable(painted.texts.join(u',')));
        QCOMPARE(painted.texts.last(), QStringLiteral("12"));
        QCOMPARE(w.Label("Status"), QStringLiteral("12 pages written to %1.").arg(out.path()));
        QVERIFY(w.messages.messages.isEmpty());

        // A second run counts on.
        w.Press("Htmls");
        QCOMPARE(w.Label("Label7"), QStringLiteral("24"));
    }

    void aMissingMarkStopsTheRunAfterItsRowsPageAndPath() {
        // The program's folder without the picture of the done mark: the first row's page is
        // written and its path shown, then the run stops and says which file is missing.
        QTemporaryDir app;
        for (const QString& name : PagePictures::CopiedFiles())
            QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + QLatin1Char('/') + name,
                                app.filePath(name)));
        QTemporaryDir out;
        PageWindow w;
        w.window.SetApplicationFolder(app.path());
        w.Open(kSample);
        w.folder = out.path();
        w.Press("Htmls");
        QCOMPARE(w.Cell(1, ItemRecord::HtmlColumn), out.filePath(QStringLiteral("1001.html")));
        QVERIFY(!w.HasPicture(1, 0));
        QVERIFY(w.Cell(2, ItemRecord::HtmlColumn).isEmpty());
        QCOMPARE(w.Label("Label7"), QStringLiteral("1"));
        QCOMPARE(w.Label("Status"), QStringLiteral("Stopped after 1 page in %1.").arg(out.path()));
        QCOMPARE(w.messages.messages.size(), 1);
        QVERIFY2(w.messages.messages[0].contains(app.filePath(QStringLiteral("OK.jpg"))),
                 qPrintable(w.messages.messages[0]));
        QVERIFY(w.messages.messages[0].contains(QLatin1String("reinstall Lotcraft")));
        QCOMPARE(Pages(out.path()), QStringList{QStringLiteral("1001.html")});
    }

    void aLongRunShowsTheCounterMoving() {
        // Thousands of pages take many screen frames: the counter is painted as it goes, at
        // the screen's pace rather than once a page, always upwards, ending at the count.
        QTemporaryDir out;
        QByteArray catalogue;
        constexpr int kItems = 3000;
        for (int n = 1; n <= kItems; ++n)
            catalogue += QByteArray::number(n) + ",Title,Description,,,,,,,\r\n";
        const QString file = out.filePath(QStringLiteral("long.csv"));
        WriteFile(file, catalogue);
        const QString folder = out.filePath(QStringLiteral("pages"));
        QVERIFY(QDir().mkpath(folder));
        PageWindow w;
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        w.Open(file);
        w.folder = folder;
        PaintedTexts painted(w.Find<QLabel>("Label7"));
        w.Press("Htmls");

        QCOMPARE(Pages(folder).size(), kItems);
        QVERIFY(w.HasPicture(kItems, 0));
        QCOMPARE(w.Cell(kItems, ItemRecord::HtmlColumn),
                 folder + QStringLiteral("/%1.html").arg(kItems));
        QCOMPARE(painted.texts.last(), QString::number(kItems));
        int between = 0;
        int last = 0;
        for (const QString& text : painted.texts) {
            QVERIFY2(text.toInt() >= last, qPrintable(painted.texts.join(u',')));
            last = text.toInt();
            between += last > 1 && last < kItems;
        }
        QVERIFY2(between > 0, qPrintable(painted.texts.join(u',')));
        // Each count shown is painted by the repaint and again by the label's own update, so
        // the counts are counted, not the paints.
        const auto shown = QSet<QString>(painted.texts.cbegin(), painted.texts.cend());
        QVERIFY2(shown.size() < kItems / 10, qPrintable(painted.texts.join(u',')));
    }

    void aFailingRowIsToldAndTheRowsBeforeItStay() {
        QTemporaryDir out;
        PageWindow w;
        w.Open(kSample);
        // A folder in the place of row 3's page: that page cannot be given its name.
        QVERIFY(QDir(out.path()).mkdir(QStringLiteral("1003.html")));
        w.folder = out.path();
        w.Press("Htmls");

        QCOMPARE(Pages(out.path()).size(), 2);
        QCOMPARE(w.Label("Label7"), QStringLiteral("2"));
        QVERIFY(w.Cell(3, ItemRecord::HtmlColumn).isEmpty());
        QCOMPARE(w.messages.messages.size(), 1);
        const QString message = w.messages.messages[0];
        QVERIFY2(message.contains(QLatin1String("Row 3: ")), qPrintable(message));
        QVERIFY2(message.contains(QLatin1String("1003.html")), qPrintable(message));
        QVERIFY2(message.contains(QLatin1String("press HTMLS again")), qPrintable(message));
        QCOMPARE(w.Label("Status"), QStringLiteral("Stopped after 2 pages in %1.").arg(out.path()));
    }

    void theCheckComesFirstAndRowsInErrorAreSkipped() {
        QTemporaryDir out;
        PageWindow w;
        w.Open(kSample);
        w.ClickRow(3);
        w.Box("t_Item")->setText(QStringLiteral("../escape"));
        w.Press("Update");
        w.ClickRow(5);
        w.Box("t_Item")->setText(QStringLiteral("1001"));
        w.Press("Update");
        w.folder = out.path();

        // Cancelled at the check: no folder asked for, nothing written.
        w.writeAfterCheck = false;
        w.rowToShow = 5;
        w.Press("Htmls");
        QCOMPARE(w.checks.size(), size_t(1));
        QCOMPARE(w.prompts, 0);
        QVERIFY(Pages(out.path()).isEmpty());
        // The row the seller asked to see is in the form.
        QCOMPARE(w.Box("t_Item")->text(), QStringLiteral("1001"));
        const QModelIndexList marked =
            w.Find<QTableView>("MSFlexGrid1")->selectionModel()->selectedRows();
        QCOMPARE(marked.size(), 1);
        QCOMPARE(marked[0].row(), 4);

        // Written: every row but the two in error.
        w.writeAfterCheck = true;
        w.rowToShow = 0;
        w.Press("Htmls");
        const std::vector<CatalogueFinding>& found = w.checks.back();
        QCOMPARE(CatalogueCheck::RowsInError(found), (std::vector<int>{3, 5}));
        QCOMPARE(Pages(out.path()).size(), 10);
        QVERIFY(
            !QFile::exists(QFileInfo(out.path()).dir().filePath(QStringLiteral("escape.html"))));
        QVERIFY(w.Cell(3, ItemRecord::HtmlColumn).isEmpty());
        QVERIFY(w.Cell(5, ItemRecord::HtmlColumn).isEmpty());
        QVERIFY(!w.Cell(4, ItemRecord::HtmlColumn).isEmpty());
        QCOMPARE(w.Label("Label7"), QStringLiteral("10"));
        QCOMPARE(
            w.Label("Status"),
            QStringLiteral("10 pages written to %1. Rows 3 and 5 were skipped.").arg(out.path()));
        // Row 1's page is row 1's, not row 5's copy of its number.
        QVERIFY(ReadAll(out.filePath(QStringLiteral("1001.html")))
                    .contains(w.Cell(1, ItemRecord::Title).toLatin1()));
        QCOMPARE(w.messages.messages.size(), 1);
        const QString message = w.messages.messages[0];
        QVERIFY2(message.contains(QLatin1String("Row 3, item \"../escape\": error")),
                 qPrintable(message));
        QVERIFY2(message.contains(QLatin1String("Row 5, item \"1001\": error")),
                 qPrintable(message));
    }

    void inputDuringARunIsLetGoAndACloseIsKept() {
        QTemporaryDir out;
        PageWindow w;
        w.Open(kSample);
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        // An unsaved change, so that closing asks.
        w.Box("t_cat")->setText(QStringLiteral("7"));
        w.Press("Update");
        w.folder = out.path();
        // Made while the run goes on: a click on row 4, a click on HTMLS, a close.
        const auto post = [](QWidget* target, QPoint at) {
            for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
                QCoreApplication::postEvent(
                    target, new QMouseEvent(
                                type, QPointF(at), target->mapToGlobal(QPointF(at)), Qt::LeftButton,
                                type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                Qt::NoModifier));
        };
        auto* view = w.Find<QTableView>("MSFlexGrid1");
        post(view->viewport(), view->visualRect(view->model()->index(3, 0)).center());
        post(w.Button("Htmls"), w.Button("Htmls")->rect().center());
        QCoreApplication::postEvent(&w.window, new QCloseEvent);
        std::optional<Qt::CursorShape> cursor;
        QTimer::singleShot(0, [&cursor] {
            cursor = QApplication::overrideCursor() ? QApplication::overrideCursor()->shape()
                                                    : Qt::ArrowCursor;
        });
        w.messages.answers = {No};
        Q_EMIT w.Button("Htmls")->Click();

        QCOMPARE(Pages(out.path()).size(), 12);
        QCOMPARE(cursor, std::optional<Qt::CursorShape>(Qt::WaitCursor));
        QVERIFY(!QApplication::overrideCursor());
        // The clicks were let go: one run, and the form as it was, on the first row.
        QCOMPARE(w.prompts, 1);
        QCOMPARE(w.Box("t_Item")->text(), QStringLiteral("1001"));
        // The close was kept, and carried out with its question once the run had ended.
        QCOMPARE(w.messages.questions, QStringList{Auctions::ClosingQuestion()});
        QVERIFY(!w.window.isVisible());
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
        // Opened anew, it shows the page of the row it was last asked for.
        source->close();
        w.Press("viewh");
        QVERIFY(source->Text1()->toPlainText().startsWith(
            QLatin1String("<HTML>\n<HEAD>\n<TITLE>eBay item 1005 ")));
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
