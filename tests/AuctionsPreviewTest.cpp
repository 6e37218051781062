// SPDX-License-Identifier: GPL-3.0-or-later
// The page preview: the page a run writes for the record in the form, with the seller's texts
// and the chosen layout and scheme, following the form as it changes, without any file.

#include "editing/RecordEditor.h"
#include "ui/PagePreviewWindow.h"

#include <QComboBox>
#include <QDir>
#include <QWebEngineView>

#include "AuctionsFixture.h"
#include "ExpectedPage.h"
#include "PreviewTesting.h"

using namespace ExpectedPage;

namespace {

// The page of an item as the page line tables say it must be.
QByteArray Expected(const ItemRecord& record, Window& w, int layout, int scheme) {
    TestItem item;
    item.record = record;
    item.seller = w.Box("Seller")->text();
    item.location = w.Box("Location")->text();
    item.country = w.Box("Country")->text();
    return JoinCrLf(ExpectedLines(layout, ValuesFor(item, scheme)));
}

}  // namespace

class AuctionsPreviewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void thePreviewIsTheWrittenPageOfTheForm() {
        QTemporaryDir dir;
        Window w;
        w.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        // F5 with nothing in the form: a note.
        QTest::keyClick(&w.window, Qt::Key_F5);
        PagePreviewWindow* preview = w.window.Preview();
        QVERIFY(preview && preview->isVisible());
        QCOMPARE(preview->windowTitle(), QStringLiteral("Page Preview"));
        QVERIFY(preview->PageBytes().isEmpty());
        QVERIFY(preview->Caption().contains(QLatin1String("Click a row")));
        w.Open(kSample);

        w.Box("Seller")->setText(QStringLiteral("seller@example.com"));
        w.Box("Location")->setText(QStringLiteral("Leeds"));
        w.ClickRow(6);
        const ItemRecord row6 = w.window.CatalogueGrid().Record(6);
        QTRY_COMPARE(preview->PageBytes(), Expected(row6, w, 1, 1));
        // A box changed without storing: the preview follows it, the grid does not.
        w.Box("t_title")->setFocus();
        QTest::keyClick(w.Box("t_title"), Qt::Key_End);
        QTest::keyClicks(w.Box("t_title"), QStringLiteral(" & more"));
        ItemRecord edited = row6;
        edited.SetField(ItemRecord::Title,
                        row6.Field(ItemRecord::Title) + QStringLiteral(" & more"));
        QTRY_COMPARE(preview->PageBytes(), Expected(edited, w, 1, 1));
        QCOMPARE(w.window.CatalogueGrid().Record(6), row6);
        w.Box("Country")->setText(QStringLiteral("Wales"));
        QTRY_COMPARE(preview->PageBytes(), Expected(edited, w, 1, 1));
        QVERIFY(preview->Caption().contains(QLatin1String("writes nothing")));

        // Layout and scheme as chosen; no file anywhere.
        w.settings.SetLayoutIndex(3);
        w.settings.SetSchemeIndex(17);
        w.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        QTest::keyClick(&w.window, Qt::Key_F5);
        QCOMPARE(preview->PageBytes(), Expected(edited, w, 3, 17));
        QVERIFY(!QFile::exists(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                               row6.Field(ItemRecord::ItemNumber) + QStringLiteral(".html")));

        // The engine shows the page; its small pictures come from the application folder.
        // A loaded page may still be drawing its pictures, and a busy machine may answer a
        // script late: asked again until the picture is in.
        QTRY_VERIFY_WITH_TIMEOUT(preview->PageIsShown(), 20000);
        QTRY_COMPARE_WITH_TIMEOUT(
            RunScript(preview->View()->page(),
                      QStringLiteral("(function() { var i = document.querySelector("
                                     "'img[src=\"envelope.gif\"]'); "
                                     "return !i ? 'no picture' : i.complete ? i.naturalWidth + "
                                     "'x' + i.naturalHeight : 'not loaded'; })()"))
                .toString(),
            QStringLiteral("13x9"), 30000);
        QCOMPARE(RunScript(preview->View()->page(), QStringLiteral("document.title")).toString(),
                 QStringLiteral("eBay item %1 (Ends %2 ) - %3")
                     .arg(row6.Field(ItemRecord::ItemNumber), row6.Field(ItemRecord::EndTime),
                          edited.Field(ItemRecord::Title)));
    }

    void thePreviewFollowsASchemeChosenBeforeARun() {
        // The layout dialog is reached from the output folder dialog: a scheme chosen there
        // shows in the open preview at once, though the run is then cancelled.
        Window w;
        w.window.SetOutputFolderPrompt([](QWidget*, ProgramSettings& settings) {
            settings.SetLayoutIndex(2);
            settings.SetSchemeIndex(17);
            return std::optional<QString>();
        });
        w.Open(kSample);
        w.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        QTest::keyClick(&w.window, Qt::Key_F5);
        PagePreviewWindow* preview = w.window.Preview();
        const ItemRecord row1 = w.window.CatalogueGrid().Record(1);
        QTRY_COMPARE(preview->PageBytes(), Expected(row1, w, 1, 1));
        QVERIFY(!preview->Caption().contains(QLatin1String("not stored")));
        w.Press("Htmls");
        QTRY_COMPARE(preview->PageBytes(), Expected(row1, w, 2, 17));
        // A change typed and not stored is named as such.
        w.Box("t_price")->setText(QStringLiteral("$1.00"));
        QTRY_VERIFY(preview->Caption().contains(QLatin1String("not stored")));
    }

    void aChoiceInThePreviewIsTheNextRunsLayoutAndScheme() {
        QTemporaryDir dir;
        Window w;
        std::vector<std::pair<int, int>> offered;
        w.window.SetOutputFolderPrompt([&](QWidget*, ProgramSettings& settings) {
            offered.emplace_back(settings.LayoutIndex(), settings.SchemeIndex());
            return std::optional<QString>(dir.path());
        });
        w.Open(kSample);
        w.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        QTest::keyClick(&w.window, Qt::Key_F5);
        PagePreviewWindow* preview = w.window.Preview();
        const ItemRecord row1 = w.window.CatalogueGrid().Record(1);
        QTRY_COMPARE(preview->PageBytes(), Expected(row1, w, 1, 1));
        preview->SchemeChoice()->setCurrentIndex(16);
        preview->LayoutChoice()->setCurrentIndex(2);
        QTRY_COMPARE(preview->PageBytes(), Expected(row1, w, 3, 17));
        w.Press("Htmls");
        QCOMPARE(offered, (std::vector<std::pair<int, int>>{{3, 17}}));
        QCOMPARE(ReadAll(dir.filePath(QStringLiteral("1001.html"))), Expected(row1, w, 3, 17));
    }

    void viewPageShowsAWrittenPageOrThePreview() {
        Window w;
        w.Open(kSample);
        w.window.show();
        QList<QUrl> opened;
        w.window.PreviewBrowser().SetOpener([&opened](const QUrl& url, Browser::Outcome outcome) {
            opened << url;
            outcome(true);
        });
        w.ClickRow(2);
        w.Press("viewp");
        QVERIFY(opened.isEmpty());
        QVERIFY(w.window.Preview() && w.window.Preview()->isVisible());
        QVERIFY2(!w.window.Preview()->PageBytes().isEmpty(),
                 qPrintable(w.window.Preview()->Caption()));

        Grid& grid = w.window.CatalogueGrid();
        grid.SetPagePath(3, QStringLiteral("/pages/1003.html"));
        w.ClickRow(3);
        w.Press("viewp");
        QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(QStringLiteral("/pages/1003.html"))});
    }

    void aRecordWithoutAPageNameSaysWhy() {
        Window w;
        w.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        w.Press("Manual");
        w.Box("t_Item")->setText(QStringLiteral("a/b"));
        QTest::keyClick(&w.window, Qt::Key_F5);
        PagePreviewWindow* preview = w.window.Preview();
        QVERIFY(preview);
        QVERIFY(preview->PageBytes().isEmpty());
        QVERIFY2(preview->Caption().contains(QLatin1String("No page can be made")),
                 qPrintable(preview->Caption()));
        QVERIFY(preview->Caption().contains(QLatin1String("a/b")));
    }
};

LOTCRAFT_PREVIEW_TEST_MAIN(AuctionsPreviewTest)
#include "AuctionsPreviewTest.moc"
