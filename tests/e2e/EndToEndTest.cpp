// SPDX-License-Identifier: GPL-3.0-or-later
// Lotcraft end to end, as a seller uses it: the real main window with its real file dialogs,
// message boxes and page dialogs, driven like a user from the event loop. Then the pages it
// wrote are rendered in headless Chromium. Run under a display (make e2e uses xvfb-run).
//
// LOTCRAFT_E2E_SHOTS, when set, names the folder that receives one screenshot per layout.

#include "app/ProgramSettings.h"
#include "catalogue/CatalogueReader.h"
#include "controls/xpbutton/XpButton.h"
#include "pages/PagePictures.h"
#include "ui/Auctions.h"
#include "ui/CatalogueCheckDialog.h"
#include "ui/ExportListingsDialog.h"
#include "ui/LayoutDialog.h"
#include "ui/OutputFolderDialog.h"
#include "ui/PagePreviewWindow.h"

#include "SpreadsheetFiles.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

const QString kSample = QStringLiteral(LOTCRAFT_SOURCE_DIR "/examples/sample-catalogue.csv");

// Acts on the next modal window of type T (of that object name, where one is given) once it
// is on the screen, from the event loop, as a user at the keyboard would.
template <typename T>
void OnModal(QObject* owner, std::function<void(T*)> act, const QString& name = QString()) {
    auto* timer = new QTimer(owner);
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, owner, [timer, act, name] {
        T* modal = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!modal || !modal->isVisible() || (!name.isEmpty() && modal->objectName() != name))
            return;
        timer->stop();
        timer->deleteLater();
        act(modal);
    });
    timer->start();
}

void Click(QWidget* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

// Types a path into a file dialog's name box and presses Enter. The box has the focus, as it
// has for a user typing in it: the dialog fills in the name it offers once it has listed its
// folder, which may be later, but never over a name being typed.
void TypeFileName(QFileDialog* dialog, const QString& path) {
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(name);
    QTRY_VERIFY(dialog->isActiveWindow());
    name->setFocus();
    QTRY_VERIFY(name->hasFocus());
    name->setText(path);
    QTest::keyClick(name, Qt::Key_Return);
}

}  // namespace

class EndToEndTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    ProgramSettings m_settings;
    Auctions* m_window = nullptr;

    template <typename T = QWidget>
    T* Find(const char* name) {
        T* widget = m_window->findChild<T*>(QLatin1String(name));
        if (!widget)
            qFatal("the window has no control %s", name);
        return widget;
    }
    void Press(const char* name) { Click(Find<XpButton>(name)); }
    void ClickRow(int row) {
        auto* view = Find<QTableView>("MSFlexGrid1");
        const QRect cell = view->visualRect(view->model()->index(row - 1, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    }
    void Type(const char* box, const QString& text) {
        QLineEdit* edit = Find<QLineEdit>(box);
        edit->setFocus();
        edit->selectAll();
        for (const QChar c : text) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(edit, c.toLatin1());
                continue;
            }
            // A letter no key of the test's keyboard has, typed as its text.
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(edit, &press);
        }
    }
    QString Label(const char* name) { return Find<QLabel>(name)->text(); }

    // Htmls, with the layout and scheme chosen through the output folder dialog's Layout.
    void Generate(const QString& folder, int layout, int scheme) {
        OnModal<OutputFolderDialog>(
            this, [this, folder, layout, scheme](OutputFolderDialog* dialog) {
                OnModal<LayoutDialog>(this, [layout, scheme](LayoutDialog* layoutDialog) {
                    Click(layoutDialog->Option1(layout - 1));
                    layoutDialog->ImageCombo1()->setCurrentIndex(scheme - 1);
                    Click(layoutDialog->OKButton());
                });
                Click(dialog->LayButton());
                dialog->SetOpenFolder(folder);
                Click(dialog->OKButton());
            });
        Press("Htmls");
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        m_window = new Auctions(m_settings);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }

    void openEditAndSave() {
        OnModal<QFileDialog>(this, [](QFileDialog* dialog) { TypeFileName(dialog, kSample); });
        Press("Load");
        QCOMPARE(Label("Label6"), QStringLiteral("12"));

        // A new record at the end.
        Press("Manual");
        Type("t_Item", QStringLiteral("2001"));
        Type("t_title", QStringLiteral("Tin toy, wind-up"));
        Type("t_price", QStringLiteral("$15.00"));
        Press("Update");
        QCOMPARE(Label("Label6"), QStringLiteral("13"));

        // A changed title in row 2, and row 3 deleted after the question.
        ClickRow(2);
        Type("t_title", QStringLiteral("Pair of crystal glasses, boxed \u20AC"));
        Press("Update");
        ClickRow(3);
        OnModal<QMessageBox>(this, [](QMessageBox* box) { Click(box->button(QMessageBox::Yes)); });
        Press("Delete");
        QCOMPARE(Label("Label6"), QStringLiteral("12"));

        const QString saved = m_dir.filePath(QStringLiteral("saved.csv"));
        OnModal<QFileDialog>(this, [saved](QFileDialog* dialog) { TypeFileName(dialog, saved); });
        Press("Save");
        const CatalogueReader::Result result = CatalogueReader::Read(saved);
        QVERIFY(!result.failure);
        QCOMPARE(result.records.size(), size_t(12));
        QCOMPARE(result.records[1].Field(ItemRecord::Title),
                 QStringLiteral("Pair of crystal glasses, boxed \u20AC"));
        QCOMPARE(result.records[2].Field(ItemRecord::ItemNumber), QStringLiteral("1004"));
        QCOMPARE(result.records[11].Field(ItemRecord::ItemNumber), QStringLiteral("2001"));
        QCOMPARE(result.records[11].Field(ItemRecord::Title), QStringLiteral("Tin toy, wind-up"));
    }

    void pagesInEveryLayoutAndThreeSchemes() {
        Type("Seller", QStringLiteral("seller@example.com"));
        Type("Location", QStringLiteral("Leeds"));
        Type("Country", QStringLiteral("United Kingdom"));
        const struct {
            int number;
            const char* primary;
        } schemes[] = {{1, "#F4D752"}, {3, "#006699"}, {17, "#660000"}};
        for (int layout = 1; layout <= 4; ++layout) {
            for (const auto& scheme : schemes) {
                const QString folder =
                    m_dir.filePath(QStringLiteral("pages-%1-%2").arg(layout).arg(scheme.number));
                QVERIFY(QDir().mkpath(folder));
                Generate(folder, layout, scheme.number);
                QCOMPARE(m_settings.LayoutIndex(), qint16(layout));
                QCOMPARE(m_settings.SchemeIndex(), qint16(scheme.number));
                const QStringList pages =
                    QDir(folder).entryList({QStringLiteral("*.html")}, QDir::Files);
                QCOMPARE(pages.size(), 12);
                QFile page(QDir(folder).filePath(QStringLiteral("2001.html")));
                QVERIFY(page.open(QIODevice::ReadOnly));
                const QByteArray bytes = page.readAll();
                QVERIFY(bytes.contains(QByteArray(QByteArray("bgColor=") + scheme.primary)));
                QVERIFY(bytes.contains("<B>Please correspond with us at seller@example.com</B>"));
                // A page without line breaks in its description: 235 or 237 lines.
                QCOMPARE(bytes.count("\r\n"), layout <= 2 ? 235 : 237);
                for (const QString& picture : PagePictures::CopiedFiles())
                    QVERIFY(QFile::exists(QDir(folder).filePath(picture)));
            }
        }
        QVERIFY(Label("Status").startsWith(QLatin1String("12 pages written to")));
    }

    void pagesRenderWithEveryPicture() {
        const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
        if (chromium.isEmpty())
            QSKIP("chromium is not installed");
        const QString shots = qEnvironmentVariable("LOTCRAFT_E2E_SHOTS");
        for (int layout = 1; layout <= 4; ++layout) {
            const QDir folder(m_dir.filePath(QStringLiteral("pages-%1-1").arg(layout)));
            const QString page = folder.filePath(QStringLiteral("1007.html"));
            // Every picture the page names by a relative name lies beside it.
            QFile file(page);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString text = QString::fromLatin1(file.readAll());
            const QRegularExpression source(QStringLiteral("src=\"([^\"]*)\""));
            int pictures = 0;
            for (auto match = source.globalMatch(text); match.hasNext();) {
                const QString name = match.next().captured(1);
                if (name.startsWith(QLatin1String("http")))
                    continue;
                ++pictures;
                QVERIFY2(QFile::exists(folder.filePath(name)), qPrintable(name));
            }
            QVERIFY(pictures >= 8);

            const QString png = m_dir.filePath(QStringLiteral("page-layout-%1.png").arg(layout));
            QProcess browser;
            browser.start(
                chromium,
                {QStringLiteral("--headless"), QStringLiteral("--no-sandbox"),
                 QStringLiteral("--disable-gpu"), QStringLiteral("--no-first-run"),
                 QStringLiteral("--disable-background-networking"),
                 QStringLiteral("--disable-component-update"), QStringLiteral("--disable-sync"),
                 QStringLiteral("--user-data-dir=") + m_dir.filePath(QStringLiteral("profile")),
                 QStringLiteral("--window-size=1000,1250"), QStringLiteral("--screenshot=") + png,
                 QUrl::fromLocalFile(page).toString()});
            QVERIFY(browser.waitForFinished(120000));
            QVERIFY2(QFileInfo(png).size() > 10000,
                     qPrintable(QString::fromLocal8Bit(browser.readAllStandardError())));
            if (!shots.isEmpty()) {
                const QString kept =
                    QDir(shots).filePath(QStringLiteral("page-layout-%1.png").arg(layout));
                QFile::remove(kept);
                QVERIFY(QFile::copy(png, kept));
            }
        }
    }

    void thePreviewFollowsTheForm() {
        // The sample's fountain pen (row 6, since row 3 was deleted) in layout 1, scheme 1,
        // for a folder whose name stays the same from one run to the next.
        m_settings.SetLayoutIndex(1);
        m_settings.SetSchemeIndex(1);
        m_settings.SetOutputFolder(QStringLiteral("/home/seller/pages"));
        ClickRow(6);
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        QTest::keyClick(m_window, Qt::Key_F5);
        PagePreviewWindow* preview = m_window->Preview();
        QVERIFY(preview);
        QVERIFY(QTest::qWaitForWindowExposed(preview));
        QVERIFY(preview->PageBytes().contains("<TITLE>eBay item 1007 "));
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        Type("t_price", QStringLiteral("$99.00"));
        QTRY_VERIFY(preview->PageBytes().contains("$99.00"));
        QTRY_VERIFY_WITH_TIMEOUT(preview->PageIsShown(), 20000);
        const QString shots = qEnvironmentVariable("LOTCRAFT_E2E_SHOTS");
        if (!shots.isEmpty()) {
            preview->resize(900, 900);
            QApplication::processEvents();
            QVERIFY(preview->grab().save(QDir(shots).filePath(QStringLiteral("page-preview.png"))));
        }
        preview->close();
        Press("Update");
    }

    void aRecordTypedWithTabAndAnEditAskedAboutBeforeSaving() {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        const int before = Label("Label6").toInt();
        // Ctrl+N, then the record typed field after field with Tab, and Enter.
        QTest::keyClick(m_window, Qt::Key_N, Qt::ControlModifier);
        const QStringList typed = {QStringLiteral("5001"),
                                   QStringLiteral("Test brass lamp"),
                                   QStringLiteral("First line"),
                                   QStringLiteral("https://example.com/lamp.jpg"),
                                   QStringLiteral("$40.00"),
                                   QStringLiteral("$10.00"),
                                   QStringLiteral("Nov-25-02 10:33:39 PST"),
                                   QStringLiteral("Dec-02-02 10:33:39 PST"),
                                   QStringLiteral("1234")};
        for (int field = 0; field < typed.size(); ++field) {
            QTest::keyClicks(QApplication::focusWidget(), typed[field]);
            QTest::keyClick(QApplication::focusWidget(),
                            field + 1 < typed.size() ? Qt::Key_Tab : Qt::Key_Return);
        }
        QCOMPARE(Label("Label6").toInt(), before + 1);
        const int order[] = {ItemRecord::ItemNumber,   ItemRecord::Title,   ItemRecord::Description,
                             ItemRecord::ImageAddress, ItemRecord::Price,   ItemRecord::FirstBid,
                             ItemRecord::StartTime,    ItemRecord::EndTime, ItemRecord::Category};
        const ItemRecord stored = m_window->CatalogueGrid().Record(before + 1);
        for (int field = 0; field < typed.size(); ++field)
            QCOMPARE(stored.Field(order[field]), typed[field]);

        // A title changed and not stored: Ctrl+S asks, Yes stores it and saves it to the open
        // catalogue without a file dialog.
        ClickRow(1);
        QLineEdit* title = Find<QLineEdit>("t_title");
        title->setFocus();
        QTest::keyClick(title, Qt::Key_End);
        QTest::keyClicks(title, QStringLiteral(" AGAIN"));
        QString asked;
        OnModal<QMessageBox>(this, [&asked](QMessageBox* box) {
            asked = box->text();
            Click(box->button(QMessageBox::Yes));
        });
        QTest::keyClick(m_window, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(asked, QStringLiteral("Do you want to store your changes to item 1001 ?"));
        const CatalogueReader::Result saved =
            CatalogueReader::Read(m_dir.filePath(QStringLiteral("saved.csv")));
        QVERIFY(saved.records.front().Field(ItemRecord::Title).endsWith(QLatin1String(" AGAIN")));
        QCOMPARE(saved.records.back().Field(ItemRecord::ItemNumber), QStringLiteral("5001"));
        QVERIFY(Label("Status").startsWith(QLatin1String("Saved ")));
        QVERIFY(!m_window->isWindowModified());
    }

    void theFolderDialogWritesWhereTheHighlightIs() {
        const QString parent = m_dir.filePath(QStringLiteral("highlight"));
        for (const char* name : {"archive", "pages1"})
            QVERIFY(QDir().mkpath(QDir(parent).filePath(QLatin1String(name))));
        const QString pages1 = QDir(parent).filePath(QStringLiteral("pages1"));
        QString shown;
        OnModal<OutputFolderDialog>(this, [parent, &shown](OutputFolderDialog* dialog) {
            dialog->SetOpenFolder(parent);
            dialog->Dir1()->setFocus();
            // Down the list to pages1 with the arrow keys; the path box follows.
            for (int step = 0; step < 20 && !dialog->PathShown().endsWith(QLatin1String("pages1"));
                 ++step)
                QTest::keyClick(dialog->Dir1(), Qt::Key_Down);
            shown = dialog->PathBox()->text();
            Click(dialog->OKButton());
        });
        Press("Htmls");
        QCOMPARE(shown, pages1);
        QVERIFY(QFile::exists(QDir(pages1).filePath(QStringLiteral("5001.html"))));
        QVERIFY(QDir(parent).entryList({QStringLiteral("*.html")}, QDir::Files).isEmpty());
        // The shown row shows its page at once.
        QVERIFY(Find<QLineEdit>("t_html")->text().startsWith(pages1));
    }

    void exportForEBayThroughItsDialogsAndACopiedDescription() {
        Type("Seller", QStringLiteral("sam@example.com"));
        Type("Location", QStringLiteral("Leeds, UK"));
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        const QString path = m_dir.filePath(QStringLiteral("upload.csv"));
        QString told;
        // Ctrl+E: the values every listing shares, chosen with the keyboard and the mouse:
        // eBay Australia, whose sellers write amounts in dollars as the catalogue does, a
        // shipping service of its list and the cost.
        OnModal<ExportListingsDialog>(this, [](ExportListingsDialog* dialog) {
            dialog->SiteChoice()->setFocus();
            QTest::keyClick(dialog->SiteChoice(), Qt::Key_Home);
            for (int k = 0; k < 3; ++k)
                QTest::keyClick(dialog->SiteChoice(), Qt::Key_Down);
            QSpinBox* days = dialog->DispatchDays();
            days->setFocus();
            days->selectAll();
            QTest::keyClicks(days, QStringLiteral("2"));
            // A click on the round button itself, at the start of its line.
            QRadioButton* notAccepted = dialog->ReturnsNotAccepted();
            const int middle = notAccepted->height() / 2;
            QTest::mouseClick(notAccepted, Qt::LeftButton, {}, QPoint(middle, middle));
            dialog->ShippingService()->setFocus();
            dialog->ShippingService()->lineEdit()->selectAll();
            QTest::keyClicks(dialog->ShippingService(), QStringLiteral("AU_Regular"));
            dialog->ShippingCost()->setFocus();
            QTest::keyClicks(dialog->ShippingCost(), QStringLiteral("9.95"));
            Click(dialog->OKButton());
        });
        QTest::keyClick(m_window, Qt::Key_E, Qt::ControlModifier);
        // Item 2001, typed in part at the start, breaks eBay's rules: the check shows it,
        // without blocking the window, and its Export goes on without that row to the file's
        // name, then the message that says where it went.
        CatalogueCheckDialog* check = nullptr;
        QTRY_VERIFY((check = m_window->findChild<CatalogueCheckDialog*>()) && check->isVisible());
        QCOMPARE(check->OKButton()->Caption(), QStringLiteral("Export"));
        QVERIFY(check->Label1()->text().contains(QLatin1String("will be left out")));
        OnModal<QFileDialog>(this, [this, path, &told](QFileDialog* files) {
            OnModal<QMessageBox>(this, [&told](QMessageBox* box) {
                told = box->text();
                Click(box->button(QMessageBox::Ok));
            });
            TypeFileName(files, path);
        });
        Click(check->OKButton());
        QTRY_VERIFY(!told.isEmpty());
        const int items = Label("Label6").toInt() - 1;
        QVERIFY2(
            told.startsWith(
                QStringLiteral("Wrote %1 listings for eBay Australia to %2.").arg(items).arg(path)),
            qPrintable(told));
        QVERIFY(told.contains(QLatin1String("item \"2001\": error:")));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray listings = file.readAll();
        QVERIFY(listings.startsWith(
            "*Action(SiteID=Australia|Country=AU|Currency=AUD|Version=1193|CC=UTF-8),"));
        QCOMPARE(listings.count("\r\nAdd,"), items);
        QCOMPARE(listings.count(",Leeds, UK,"), 0);
        QCOMPARE(listings.count(",\"Leeds, UK\",2,,ReturnsNotAccepted,Flat,AU_Regular,9.95\r\n"),
                 items);

        // Ctrl+Shift+C on a row, then the preview's button: the row's description section.
        ClickRow(2);
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        QClipboard* clipboard = QApplication::clipboard();
        clipboard->clear();
        QTest::keyClick(m_window, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QString title = Find<QLineEdit>("t_title")->text();
        QTRY_VERIFY(clipboard->mimeData()->hasHtml());
        const QString copied = clipboard->mimeData()->html();
        QVERIFY(copied.contains(title));
        QVERIFY(copied.contains(QLatin1String("Description </A>")));
        QVERIFY(!copied.contains(QLatin1String("<HTML>")));
        QCOMPARE(clipboard->text(), copied);
        QTest::keyClick(m_window, Qt::Key_F5);
        PagePreviewWindow* preview = m_window->Preview();
        QVERIFY(QTest::qWaitForWindowExposed(preview));
        clipboard->clear();
        Click(preview->CopyDescriptionButton());
        QTRY_COMPARE(clipboard->text(), copied);
        preview->close();
    }

    void findSortDeleteUndoAndPasteInTheGrid() {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        auto* view = Find<QTableView>("MSFlexGrid1");
        const auto items = [view] {
            QStringList shown;
            for (int row = 0; row < view->model()->rowCount(); ++row)
                shown << view->model()->index(row, 0).data().toString();
            return shown;
        };
        const QStringList before = items();
        const int count = int(before.size());

        // Find: only the rows that hold the text, and the counter says so; Escape shows all.
        view->setFocus();
        QTest::keyClick(m_window, Qt::Key_F, Qt::ControlModifier);
        QLineEdit* find = Find<QLineEdit>("FindText");
        QTRY_VERIFY(find->hasFocus());
        QTest::keyClicks(find, QStringLiteral("CRYSTAL"));
        QTRY_COMPARE(view->model()->rowCount(), 1);
        QCOMPARE(Label("Label6"), QStringLiteral("1 of %1 shown").arg(count));
        QTest::keyClick(find, Qt::Key_Escape);
        QCOMPARE(items(), before);

        // A heading sorts the view by amount; the third click gives the file's order back.
        QHeaderView* headings = view->horizontalHeader();
        const auto clickPrice = [headings] {
            QTest::mouseClick(headings->viewport(), Qt::LeftButton, {},
                              QPoint(headings->sectionViewportPosition(4) + 5, 5));
        };
        clickPrice();
        double last = 0;
        for (int row = 0; row < view->model()->rowCount(); ++row) {
            QString price = view->model()->index(row, 4).data().toString();
            const double amount =
                price.remove(QLatin1Char('$')).remove(QLatin1Char(',')).toDouble();
            QVERIFY2(amount >= last, qPrintable(price));
            last = amount;
        }
        clickPrice();
        clickPrice();
        QCOMPARE(items(), before);

        // Three rows selected with Shift, deleted after one question, and undone.
        ClickRow(2);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                          view->visualRect(view->model()->index(3, 0)).center());
        QString asked;
        OnModal<QMessageBox>(this, [&asked](QMessageBox* box) {
            asked = box->text();
            Click(box->button(QMessageBox::Yes));
        });
        QTest::keyClick(view, Qt::Key_Delete);
        QCOMPARE(asked, QStringLiteral("Delete 3 items (%1 to %2) ?").arg(before[1], before[3]));
        QCOMPARE(Label("Label6"), QString::number(count - 3));
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(items(), before);

        // Two rows pasted from a spreadsheet after row 1, one without a title, which the check
        // names at once; undone again.
        QGuiApplication::clipboard()->setText(QStringLiteral(
            "3001\tJug, \"stoneware\"\t\"Two lines\nof text\"\t\t$9.00\t$2.00\t\t\t\t1\n"
            "3002\t\t\t\t$9.00\t$2.00\t\t\t\t1\n"));
        ClickRow(1);
        QString told;
        OnModal<QMessageBox>(this, [&told](QMessageBox* box) {
            told = box->text();
            Click(box->button(QMessageBox::Ok));
        });
        QTest::keyClick(view, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(items().mid(0, 3),
                 (QStringList{before[0], QStringLiteral("3001"), QStringLiteral("3002")}));
        QCOMPARE(m_window->CatalogueGrid().Field(2, ItemRecord::Title),
                 QStringLiteral("Jug, \"stoneware\""));
        QCOMPARE(m_window->CatalogueGrid().Field(2, ItemRecord::Description),
                 QStringLiteral("Two lines\nof text"));
        QVERIFY2(told.contains(QStringLiteral("item 3002")), qPrintable(told));
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(items(), before);
    }

    void theWindowGrowsAndTheFormWithIt() {
        const QRect grid = Find<QTableView>("MSFlexGrid1")->geometry();
        const QRect description = Find("t_desc")->geometry();
        m_window->resize(1100, 760);
        QTRY_COMPARE(m_window->size(), QSize(1100, 760));
        const int down = 760 - 529;
        QCOMPARE(Find<QTableView>("MSFlexGrid1")->geometry(),
                 grid.adjusted(0, 0, 1100 - 698, down / 2));
        QCOMPARE(Find("t_desc")->geometry(),
                 description.translated(0, down / 2).adjusted(0, 0, 1100 - 698, down - down / 2));
        const QString shots = qEnvironmentVariable("LOTCRAFT_E2E_SHOTS");
        if (!shots.isEmpty()) {
            QApplication::processEvents();
            QVERIFY(m_window->grab().save(
                QDir(shots).filePath(QStringLiteral("main-window-grown.png"))));
        }
        m_window->resize(698, 529);
    }

    void aSpreadsheetOpenedItsColumnsMatchedAndADetailEdited() {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        const auto row = [](const QStringList& cells) -> QString {
            QString row = QStringLiteral("<table:table-row>");
            for (const QString& cell : cells)
                row += QStringLiteral("<table:table-cell><text:p>%1</text:p></table:table-cell>")
                           .arg(cell);
            return row + QStringLiteral("</table:table-row>");
        };
        const QString path = m_dir.filePath(QStringLiteral("stock.ods"));
        const QByteArray sheet = OpenDocument(
            QStringLiteral("<table:table table:name=\"Stock\">") +
            row({QStringLiteral("SKU"), QStringLiteral("Title"), QStringLiteral("Price"),
                 QStringLiteral("Listed"), QStringLiteral("Quantity")}) +
            row({QStringLiteral("A1"), QStringLiteral("Brass clock"), QStringLiteral("$45"),
                 QStringLiteral("Dec-20-26 10:00:00 GMT"), QStringLiteral("1")}) +
            row({QStringLiteral("A2"), QStringLiteral("Café poster"), QStringLiteral("€120"),
                 QString(), QStringLiteral("5")}) +
            QStringLiteral("</table:table>"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(sheet) == sheet.size());
        file.close();

        // Opened through the open dialog, whatever the grid held put away; "Listed" chosen for
        // the start time in the dialog that asks for the fields no column is named for.
        OnModal<QFileDialog>(this, [this, path](QFileDialog* dialog) {
            if (m_window->isWindowModified())
                OnModal<QMessageBox>(
                    this, [](QMessageBox* box) { Click(box->button(QMessageBox::Discard)); });
            OnModal<QDialog>(
                this,
                [](QDialog* asking) {
                    auto* started = asking->findChild<QComboBox*>(QStringLiteral("Choice4"));
                    QVERIFY(started);
                    started->setCurrentIndex(started->findText(QStringLiteral("Listed")));
                    Click(asking->findChild<XpButton*>(QStringLiteral("OKButton")));
                },
                QStringLiteral("AskingDialog"));
            TypeFileName(dialog, path);
        });
        Press("Load");
        const Grid& grid = m_window->CatalogueGrid();
        QTRY_COMPARE(grid.ItemCount(), 2);
        QCOMPARE(grid.Field(1, ItemRecord::StartTime), QStringLiteral("Dec-20-26 10:00:00 GMT"));
        QCOMPARE(grid.Columns().ExtraNames(), QStringList{QStringLiteral("Quantity")});

        // At the window's first size the listing details open in a dialog (Ctrl+L).
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        ClickRow(2);
        OnModal<QDialog>(
            this,
            [](QDialog* details) {
                auto* table =
                    details->findChild<QTableWidget*>(QStringLiteral("ListingDetailsTable"));
                QVERIFY(table);
                QCOMPARE(table->item(0, 1)->text(), QStringLiteral("5"));
                // Typed over, and stored while the value's editor is still open.
                QTRY_VERIFY(table->hasFocus() || table->isAncestorOf(QApplication::focusWidget()));
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("8"));
                Click(details->findChild<XpButton*>(QStringLiteral("OKButton")));
            },
            QStringLiteral("ListingDetailsDialog"));
        QTest::keyClick(m_window, Qt::Key_L, Qt::ControlModifier);
        QTRY_COMPARE(grid.Record(2).Extra(0), QStringLiteral("8"));

        // Ctrl+S offers a CSV file beside the spreadsheet, which stays as it was.
        const QString saved = m_dir.filePath(QStringLiteral("stock.csv"));
        QString offered;
        OnModal<QFileDialog>(this, [saved, &offered](QFileDialog* dialog) {
            offered = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
            TypeFileName(dialog, saved);
        });
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        QTest::keyClick(m_window, Qt::Key_S, Qt::ControlModifier);
        QTRY_VERIFY(QFile::exists(saved));
        QCOMPARE(offered, QStringLiteral("stock.csv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), sheet);
        QFile csv(saved);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QCOMPARE(csv.readAll(),
                 QByteArray("SKU,Title,Price,Listed,Quantity\r\nA1,Brass clock,$45,"
                            "Dec-20-26 10:00:00 GMT,1\r\nA2,Caf\xC3\xA9 poster,\xE2\x82\xAC"
                            "120,,8\r\n"));
    }

    void closingAsksAndNoWritesNothing() {
        // An unsaved change, and the preview open: both go with the window.
        ClickRow(2);
        Type("t_cat", QStringLiteral("42"));
        Press("Update");
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        QTest::keyClick(m_window, Qt::Key_F5);
        PagePreviewWindow* preview = m_window->Preview();
        QVERIFY(QTest::qWaitForWindowExposed(preview));
        const QStringList before = QDir(m_dir.path()).entryList(QDir::Files);
        OnModal<QMessageBox>(this, [](QMessageBox* box) {
            QVERIFY(box->text() == Auctions::ClosingQuestion());
            QVERIFY(box->button(QMessageBox::Discard));
            QCOMPARE(box->button(QMessageBox::Discard)->text(), QStringLiteral("Don't Save"));
            Click(box->button(QMessageBox::Discard));
        });
        m_window->close();
        QVERIFY(!m_window->isVisible());
        QVERIFY(!preview->isVisible());
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), before);
        delete m_window;
        m_window = nullptr;
    }
};

QTEST_MAIN(EndToEndTest)
#include "EndToEndTest.moc"
