// SPDX-License-Identifier: GPL-3.0-or-later
// The page preview drawn by the browser engine: the same picture as the written page in a
// browser, the scheme's colours, what the engine may fetch and where links lead, the caption,
// the keys that close it, and what it offers where the engine cannot draw.

#include "app/ProgramSettings.h"
#include "controls/xpbutton/XpButton.h"
#include "pages/PageBuilder.h"
#include "pages/PageInputs.h"
#include "pages/PagePictures.h"
#include "pages/SchemeTable.h"
#include "ui/PagePreviewWindow.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QPainter>
#include <QStackedWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QWebEngineView>

#include "ExpectedPage.h"
#include "PreviewTesting.h"

using namespace ExpectedPage;

namespace {

QString ApplicationFolder() {
    return QCoreApplication::applicationDirPath();
}

// Answers every request with "not found" and keeps the paths asked for.
class RecordingServer : public QTcpServer {
public:
    RecordingServer() {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    const QList<QByteArray> words = socket->readLine().split(' ');
                    if (words.size() > 1)
                        paths << QString::fromLatin1(words[1]);
                    socket->write(
                        "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n"
                        "Connection: close\r\n\r\n");
                    socket->disconnectFromHost();
                });
            }
        });
    }
    QString Address(const QString& path) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(serverPort()).arg(path);
    }
    QStringList paths;
};

// How many pixels of two pictures of one size differ, and where.
QString Differences(const QImage& a, const QImage& b) {
    QRect where;
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                ++count;
                where |= QRect(x, y, 1, 1);
            }
        }
    }
    return QStringLiteral("%1 pixels within %2,%3 %4x%5")
        .arg(count)
        .arg(where.x())
        .arg(where.y())
        .arg(where.width())
        .arg(where.height());
}

}  // namespace

class PagePreviewWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    ProgramSettings m_settings;
    PagePictures m_pictures{ApplicationFolder()};
    TestItem m_item = PlainItem();
    const int m_blueAndGreen = SchemeTable::FindByName(QStringLiteral("Blue & Green"));

    SellerTexts Seller() const { return {m_item.seller, m_item.location, m_item.country}; }
    void Show(PagePreviewWindow& preview, bool unstoredEdits = false) {
        preview.ShowRecord(m_item.record, m_settings, Seller(), m_pictures, unstoredEdits);
    }
    QByteArray Build() {
        return PageBuilder::Build(m_item.record,
                                  PageInputs::Take(m_settings, Seller(), m_pictures));
    }
    // The rectangle of the page's element found by a script, in the view's pixels.
    static QRect ElementBox(PagePreviewWindow& preview, const QString& element) {
        const QVariantList box =
            RunScript(preview.View()->page(),
                      QStringLiteral("(function() { var r = %1.getBoundingClientRect(); "
                                     "return [r.left, r.top, r.width, r.height]; })()")
                          .arg(element))
                .toList();
        if (box.size() != 4)
            return QRect();
        return QRectF(box[0].toDouble(), box[1].toDouble(), box[2].toDouble(), box[3].toDouble())
            .toRect();
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_folder.isValid());
        QVERIFY(m_blueAndGreen > 0);
        m_settings.SetOutputFolder(m_folder.filePath(QStringLiteral("out")));
        QVERIFY(QDir().mkpath(m_settings.OutputFolder()));
        // The item's picture, a file of its own outside the application folder.
        QImage picture(240, 180, QImage::Format_RGB32);
        picture.fill(QColor(0xC0, 0x30, 0x90));
        const QString file = m_folder.filePath(QStringLiteral("item.png"));
        QVERIFY(picture.save(file));
        m_item.record.SetField(ItemRecord::ImageAddress, QUrl::fromLocalFile(file).toString());
    }

    void init() { m_settings.SetSchemeIndex(qint16(m_blueAndGreen)); }

    void eachLayoutIsDrawnAsABrowserDrawsTheWrittenPage() {
        // The written page, beside the small pictures, as a browser opens it.
        QTemporaryDir written;
        for (const QString& picture : PagePictures::CopiedFiles())
            QVERIFY(QFile::copy(QDir(ApplicationFolder()).filePath(picture),
                                written.filePath(picture)));
        PagePreviewWindow preview(ApplicationFolder());
        preview.resize(820, 700);
        preview.show();
        QWebEngineView browser;
        for (int layout = 1; layout <= 4; ++layout) {
            m_settings.SetLayoutIndex(qint16(layout));
            Show(preview);
            QTRY_VERIFY_WITH_TIMEOUT(preview.PageIsShown(), 20000);
            QCOMPARE(preview.PageBytes(), Build());

            const QString file = written.filePath(QStringLiteral("3001.html"));
            QFile page(file);
            QVERIFY(page.open(QIODevice::WriteOnly | QIODevice::Truncate));
            page.write(preview.PageBytes());
            page.close();
            browser.resize(preview.View()->size());
            browser.show();
            QSignalSpy loaded(&browser, &QWebEngineView::loadFinished);
            browser.load(QUrl::fromLocalFile(file));
            QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), 20000);
            QVERIFY(loaded.first().first().toBool());

            // Both show the item's picture and the small pictures.
            for (QWebEnginePage* shown : {preview.View()->page(), browser.page()}) {
                const QVariant widths = RunScript(
                    shown, QStringLiteral("Array.from(document.images).filter(function(i) { "
                                          "return i.complete && i.naturalWidth > 0; }).length"));
                QCOMPARE(widths.toInt(),
                         RunScript(shown, QStringLiteral("document.images.length")).toInt());
            }
            const QImage drawn = SettledGrab(preview.View()).convertToFormat(QImage::Format_RGB32);
            const QImage expected = SettledGrab(&browser).convertToFormat(QImage::Format_RGB32);
            QCOMPARE(drawn.size(), expected.size());
            if (drawn != expected) {
                const QString kept =
                    QDir::temp().filePath(QStringLiteral("lotcraft-preview-%1-%2.png"));
                drawn.save(kept.arg(layout).arg(QStringLiteral("preview")));
                expected.save(kept.arg(layout).arg(QStringLiteral("browser")));
                QFAIL(
                    qPrintable(QStringLiteral("layout %1 differs from the browser's in %2; see %3")
                                   .arg(layout)
                                   .arg(Differences(drawn, expected))
                                   .arg(kept.arg(layout).arg(QLatin1Char('*')))));
            }
        }
    }

    void theTitleAndDescriptionBoxesHaveTheSchemesColour() {
        PagePreviewWindow preview(ApplicationFolder());
        preview.resize(820, 700);
        preview.show();
        m_settings.SetLayoutIndex(1);
        for (const int scheme :
             {m_blueAndGreen, SchemeTable::FindByName(QStringLiteral("Orange"))}) {
            m_settings.SetSchemeIndex(qint16(scheme));
            Show(preview);
            QTRY_VERIFY_WITH_TIMEOUT(preview.PageIsShown(), 20000);
            const QColor primary(SchemeTable::Standard().SchemePrimary().At(scheme));
            // A point inside each box, to the right of its words, once it is scrolled into view.
            for (const QString& box : {QStringLiteral("document.querySelector('b')"),
                                       QStringLiteral("document.querySelector('a[name=DESC]')")}) {
                const QString cell = box + QStringLiteral(".closest('td')");
                RunScript(preview.View()->page(), cell + QStringLiteral(".scrollIntoView()"));
                QTest::qWait(100);
                const QRect place = ElementBox(preview, cell);
                QVERIFY2(place.isValid() && place.top() >= 0 &&
                             place.bottom() < preview.View()->height(),
                         qPrintable(box));
                const QImage drawn = SettledGrab(preview.View());
                QCOMPARE(drawn.pixelColor(place.right() - 4, place.center().y()), primary);
            }
        }
    }

    void anUnchangedPageIsNotLoadedAgainAndAChangedOneKeepsItsScrollPosition() {
        PagePreviewWindow preview(ApplicationFolder());
        preview.resize(500, 300);
        preview.show();
        Show(preview);
        QTRY_VERIFY_WITH_TIMEOUT(preview.PageIsShown(), 20000);
        QSignalSpy started(preview.View()->page(), &QWebEnginePage::loadStarted);
        QSignalSpy shown(&preview, &PagePreviewWindow::PageShown);
        Show(preview);
        Show(preview, true);
        QTest::qWait(300);
        QCOMPARE(started.count(), 0);
        QCOMPARE(shown.count(), 0);

        RunScript(preview.View()->page(), QStringLiteral("window.scrollTo(0, 400)"));
        QTRY_COMPARE(preview.View()->page()->scrollPosition().y(), 400.0);
        const QString title = m_item.record.Field(ItemRecord::Title);
        m_item.record.SetField(ItemRecord::Title, title + QStringLiteral(" and key"));
        Show(preview);
        m_item.record.SetField(ItemRecord::Title, title);
        QVERIFY(!preview.PageIsShown());
        QTRY_COMPARE_WITH_TIMEOUT(shown.count(), 1, 20000);
        QVERIFY(preview.PageIsShown());
        QVERIFY(RunScript(preview.View()->page(), QStringLiteral("document.title"))
                    .toString()
                    .endsWith(QLatin1String(" and key")));
        QTRY_COMPARE(preview.View()->page()->scrollPosition().y(), 400.0);
    }

    void theEngineFetchesOnlyThePicturesAndLinksLeadNowhere() {
        RecordingServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        TestItem item = m_item;
        item.record.SetField(ItemRecord::ImageAddress, server.Address(QStringLiteral("/item.jpg")));
        item.record.SetField(ItemRecord::Description,
                             QStringLiteral("<img src=\"%1\"><a id=away href=\"%2\">away</a>")
                                 .arg(server.Address(QStringLiteral("/other.png")),
                                      server.Address(QStringLiteral("/away.html"))));
        PagePreviewWindow preview(ApplicationFolder());
        preview.show();
        preview.ShowRecord(item.record, m_settings, Seller(), m_pictures);
        QTRY_VERIFY_WITH_TIMEOUT(preview.PageIsShown(), 20000);
        QTRY_VERIFY(server.paths.contains(QStringLiteral("/item.jpg")));
        // A page's small picture from the application folder is loaded.
        QCOMPARE(RunScript(preview.View()->page(),
                           QStringLiteral("document.querySelector('img[src=\"envelope.gif\"]')"
                                          ".naturalWidth"))
                     .toInt(),
                 13);

        // The link is followed nowhere: the page stays, and nothing more was asked for.
        RunScript(preview.View()->page(),
                  QStringLiteral("document.getElementById('away').click()"));
        QTest::qWait(500);
        QCOMPARE(server.paths, QStringList{QStringLiteral("/item.jpg")});
        QVERIFY(preview.PageIsShown() && preview.EngineProblem().isEmpty());
        QVERIFY(RunScript(preview.View()->page(),
                          QStringLiteral("document.getElementById('away') !== null"))
                    .toBool());
    }

    void escapeAndCtrlWCloseThePreview() {
        PagePreviewWindow preview(ApplicationFolder());
        Show(preview);
        for (const QKeySequence& keys :
             {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
            preview.BringForward();
            QVERIFY(QTest::qWaitForWindowActive(&preview));
            QTRY_VERIFY_WITH_TIMEOUT(preview.PageIsShown(), 20000);
            // The keys reach the page first when it has the focus.
            preview.View()->setFocus();
            QWidget* focused = QApplication::focusWidget();
            QVERIFY(focused && preview.isAncestorOf(focused));
            QTest::keySequence(focused, keys);
            QTRY_VERIFY2(!preview.isVisible(), qPrintable(keys.toString()));
        }
    }

    void whereTheEngineCannotStartThePageGoesToTheBrowser() {
        PageEngine::SetStartProblemForTests(QStringLiteral("there is no display for it"));
        PagePreviewWindow preview(ApplicationFolder());
        PageEngine::SetStartProblemForTests(QString());
        preview.show();
        QVERIFY(!preview.View());
        auto* pane = preview.findChild<QWidget*>(QStringLiteral("PreviewProblem"));
        auto* button = preview.findChild<XpButton*>(QStringLiteral("ViewInBrowser"));
        QVERIFY(pane && button);
        QCOMPARE(button->Caption(), QStringLiteral("View Page in the browser"));
        QVERIFY(pane->isVisible());
        QVERIFY(preview.EngineProblem().contains(QLatin1String("there is no display for it")));
        QVERIFY(!button->isEnabled());

        Show(preview);
        QVERIFY(!preview.PageIsShown());
        QVERIFY(pane->isVisible());
        QVERIFY(button->isEnabled());
        QSignalSpy requested(&preview, &PagePreviewWindow::ViewInBrowserRequested);
        Q_EMIT button->Click();
        QCOMPARE(requested.count(), 1);
        const QString copy = requested.first().first().toString();
        QCOMPARE(QFileInfo(copy).fileName(), QStringLiteral("3001.html"));
        QCOMPARE(ReadFile(copy), Build());
        for (const QString& picture : PagePictures::CopiedFiles())
            QVERIFY2(QFileInfo(copy).dir().exists(picture), qPrintable(picture));
        // Nothing in the output folder, and the copy follows the form.
        QVERIFY(QDir(m_settings.OutputFolder()).isEmpty());
        const QString price = m_item.record.Field(ItemRecord::Price);
        m_item.record.SetField(ItemRecord::Price, QStringLiteral("$46.00"));
        Show(preview);
        m_item.record.SetField(ItemRecord::Price, price);
        Q_EMIT button->Click();
        QCOMPARE(requested.count(), 2);
        QCOMPARE(requested.last().first().toString(), copy);
        QVERIFY(ReadFile(copy).contains("$46.00"));

        preview.ShowNote(QStringLiteral("Click a row"));
        QVERIFY(!button->isEnabled());
    }

    void aPickInTheListsShowsThePageWithItAtOnce_data() {
        QTest::addColumn<QString>("list");
        // A key pressed on the closed list, or 0 to click an entry of the open one.
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("scheme");
        // Every pick starts from layout 1 and Blue & Green.
        const QString schemes = QStringLiteral("SchemeChoice");
        QTest::newRow("next scheme")
            << schemes << int(Qt::Key_Down) << -1 << 1 << m_blueAndGreen + 1;
        QTest::newRow("last scheme") << schemes << int(Qt::Key_End) << -1 << 1 << 19;
        QTest::newRow("scheme clicked") << schemes << 0 << 8 << 1 << 9;
        QTest::newRow("layout clicked")
            << QStringLiteral("LayoutChoice") << 0 << 3 << 4 << m_blueAndGreen;
    }
    void aPickInTheListsShowsThePageWithItAtOnce() {
        QFETCH(QString, list);
        QFETCH(int, key);
        QFETCH(int, entry);
        QFETCH(int, layout);
        QFETCH(int, scheme);
        PagePreviewWindow preview(ApplicationFolder());
        preview.show();
        // What the owning window does: the choice becomes its settings', the record is given
        // again.
        ProgramSettings owners = m_settings;
        owners.SetLayoutIndex(1);
        connect(&preview, &PagePreviewWindow::ChoiceChanged, &preview, [&](int l, int s) {
            owners.SetLayoutIndex(qint16(l));
            owners.SetSchemeIndex(qint16(s));
            preview.ShowRecord(m_item.record, owners, Seller(), m_pictures);
        });
        preview.ShowRecord(m_item.record, owners, Seller(), m_pictures);
        QTRY_VERIFY_WITH_TIMEOUT(preview.PageIsShown(), 20000);
        QSignalSpy changed(&preview, &PagePreviewWindow::ChoiceChanged);
        auto* box = preview.findChild<QComboBox*>(list);
        QVERIFY(box);
        if (key != 0) {
            QTest::keyClick(box, Qt::Key(key));
        } else {
            box->showPopup();
            QAbstractItemView* view = box->view();
            // The open list passes over a release that comes too soon after it opened.
            QTest::qWait(QApplication::doubleClickInterval() + 50);
            QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                              view->visualRect(view->model()->index(entry, 0)).center());
        }
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first(), QVariantList({layout, scheme}));
        ProgramSettings expected = m_settings;
        expected.SetLayoutIndex(qint16(layout));
        expected.SetSchemeIndex(qint16(scheme));
        QCOMPARE(
            preview.PageBytes(),
            PageBuilder::Build(m_item.record, PageInputs::Take(expected, Seller(), m_pictures)));
        const SchemeArray& secondary = SchemeTable::Standard().SchemeSecondary();
        QCOMPARE(preview.PageBytes().contains(secondary.At(m_blueAndGreen).toLatin1()),
                 scheme == m_blueAndGreen);
        QVERIFY(preview.PageBytes().contains(secondary.At(scheme).toLatin1()));
        QTRY_VERIFY_WITH_TIMEOUT(preview.PageIsShown(), 20000);
    }

    void showChoiceAndShowRecordSetTheListsUnheard() {
        PagePreviewWindow preview(ApplicationFolder());
        QSignalSpy changed(&preview, &PagePreviewWindow::ChoiceChanged);
        preview.ShowChoice(3, 19);
        QCOMPARE(preview.LayoutChoice()->currentText(), QStringLiteral("Horizontal Top"));
        QCOMPARE(preview.SchemeChoice()->currentText(), QStringLiteral("Violet"));
        Show(preview);
        QCOMPARE(preview.SchemeChoice()->currentText(), SchemeTable::Name(m_blueAndGreen));
        preview.ShowChoice(0, 25);
        QCOMPARE(preview.LayoutChoice()->currentIndex(), -1);
        QCOMPARE(preview.SchemeChoice()->currentIndex(), -1);
        QCOMPARE(changed.count(), 0);
        // A pick in one list comes with the other's value as it was given.
        QTest::keyClick(preview.SchemeChoice(), Qt::Key_Home);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first(), QVariantList({0, 1}));
    }

    void whenTheDrawingProcessEndsThePreviewSaysSoAndTriesAgainWithTheNextPage() {
        PagePreviewWindow preview(ApplicationFolder());
        preview.show();
        Show(preview);
        QTRY_VERIFY_WITH_TIMEOUT(preview.PageIsShown(), 20000);
        auto* area = preview.findChild<QStackedWidget*>();
        QCOMPARE(area->currentWidget(), preview.View());
        Q_EMIT preview.View()->page()->renderProcessTerminated(
            QWebEnginePage::CrashedTerminationStatus, 11);
        QVERIFY2(preview.EngineProblem().contains(QLatin1String("crashed")),
                 qPrintable(preview.EngineProblem()));
        QVERIFY(!preview.PageIsShown());
        QCOMPARE(area->currentWidget()->objectName(), QStringLiteral("PreviewProblem"));
        QSignalSpy requested(&preview, &PagePreviewWindow::ViewInBrowserRequested);
        Q_EMIT preview.findChild<XpButton*>(QStringLiteral("ViewInBrowser"))->Click();
        QCOMPARE(requested.count(), 1);

        // The same page given again is loaded anew, and shown once the engine has it.
        Show(preview);
        QTRY_VERIFY_WITH_TIMEOUT(preview.PageIsShown(), 20000);
        QVERIFY(preview.EngineProblem().isEmpty());
        QCOMPARE(area->currentWidget(), preview.View());
    }
};

LOTCRAFT_PREVIEW_TEST_MAIN(PagePreviewWindowTest)
#include "PagePreviewWindowTest.moc"
