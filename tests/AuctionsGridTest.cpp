// SPDX-License-Identifier: GPL-3.0-or-later
// Working through the grid of the real window: undo and redo, the find bar, sorting by a
// heading and sorting the catalogue, several rows at once, the clipboard with spreadsheets,
// and cells edited in place.

#include "AuctionsFixture.h"

#include "ui/FindBar.h"
#include "ui/GridView.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QHeaderView>
#include <QMimeData>

namespace {

// Three items whose order as numbers, amounts and times differs from their order as text.
const QByteArray kMixed =
    "7,Zebra lamp,,,\"$1,250.00\",$9.00,,2026-12-20 18:00,2026-12-27 18:00,1\r\n"
    "10,apple box,,,$99.50,$9.00,,Nov-25-02 10:33:39 PST,Dec-02-02 10:33:39 PST,2\r\n"
    "9,\xc3\x89\x63lair tin,,,US $100,$9.00,,2026-01-05 09:00,2026-01-12 09:00,3\r\n";

// "7 9 10" as a list of item numbers.
QStringList Items(const char* numbers) {
    return QString::fromLatin1(numbers).split(QLatin1Char(' '));
}

GridView* View(Window& w) {
    return w.Find<GridView>("MSFlexGrid1");
}

// The item numbers in the order the view shows them.
QStringList ShownItems(Window& w) {
    QStringList items;
    QAbstractItemModel* model = View(w)->model();
    for (int row = 0; row < model->rowCount(); ++row)
        items << model->index(row, 0).data().toString();
    return items;
}

QStringList CatalogueItems(Window& w) {
    QStringList items;
    for (const ItemRecord& record : w.window.CatalogueGrid().Records())
        items << record.Field(ItemRecord::ItemNumber);
    return items;
}

void Key(Window& w, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : &w.window, Qt::Key(key), modifiers);
}

void ClickHeading(Window& w, int column) {
    QHeaderView* headings = View(w)->horizontalHeader();
    QTest::mouseClick(headings->viewport(), Qt::LeftButton, {},
                      QPoint(headings->sectionViewportPosition(column - 1) + 5, 5));
}

// Opens `bytes` as a catalogue of its own, shown and active.
QString OpenShown(Window& w, const QByteArray& bytes) {
    const QString path = w.scratch.filePath(QStringLiteral("grid.csv"));
    WriteFile(path, bytes);
    w.Open(path);
    w.window.show();
    if (!QTest::qWaitForWindowActive(&w.window))
        qWarning("the window did not become active");
    View(w)->setFocus();
    return path;
}

QByteArray Numbered(int from, int to) {
    QByteArray bytes;
    for (int n = from; n <= to; ++n)
        bytes +=
            QByteArray::number(n) + ",Item " + QByteArray::number(n) + ",,,$10.00,$5.00,,,,100\r\n";
    return bytes;
}

}  // namespace

class AuctionsGridTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aHeadingSortsTheViewAsNumbersAmountsTimesAndText_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("ascending");
        QTest::newRow("item numbers") << 1 << Items("7 9 10");
        QTest::newRow("titles, accents in their place") << 2 << Items("10 9 7");
        QTest::newRow("amounts") << 5 << Items("10 9 7");
        QTest::newRow("start times, both forms") << 7 << Items("10 9 7");
    }
    void aHeadingSortsTheViewAsNumbersAmountsTimesAndText() {
        QFETCH(int, column);
        QFETCH(QStringList, ascending);
        Window w;
        const QString path = OpenShown(w, kMixed);
        const QStringList fileOrder = Items("7 10 9");
        QStringList descending = ascending;
        std::reverse(descending.begin(), descending.end());
        for (const QStringList& expected : {ascending, descending, fileOrder}) {
            ClickHeading(w, column);
            QCOMPARE(ShownItems(w), expected);
            QCOMPARE(CatalogueItems(w), fileOrder);
        }
        // The view's order is no change: the catalogue is saved as it was read.
        ClickHeading(w, column);
        QVERIFY(!w.window.isWindowModified());
        Key(w, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(ReadAll(path), kMixed);

        // "Sort the catalogue by this column" changes the file's order, as one step to undo.
        w.window.Command(WindowCommands::SortCatalogue)->trigger();
        QCOMPARE(CatalogueItems(w), ascending);
        QVERIFY(w.window.isWindowModified());
        Key(w, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(CatalogueItems(w), fileOrder);
        QVERIFY(!w.window.isWindowModified());
    }

    void aDeleteOfSeveralRowsIsUndoneByteForByte() {
        Window w;
        w.Open(kSample);
        w.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        const QByteArray before = ReadAll(w.SampleCopy());
        w.ClickRow(2);
        QTest::mouseClick(View(w)->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                          View(w)->visualRect(View(w)->model()->index(3, 0)).center());
        // Showing a row in the form keeps the selection.
        QCOMPARE(View(w)->SelectedRows(), (std::vector<int>{2, 3, 4}));
        QCOMPARE(w.Box("t_Item")->text(), QStringLiteral("1004"));
        w.messages.answers = {Yes};
        Key(w, Qt::Key_Delete);
        QCOMPARE(w.messages.questions.last(), QStringLiteral("Delete 3 items (1002 to 1004) ?"));
        QCOMPARE(w.Label("Label6"), QStringLiteral("9"));
        QVERIFY(w.window.isWindowModified());
        QAction* undo = w.window.Command(WindowCommands::Undo);
        QCOMPARE(undo->text(), QStringLiteral("&Undo delete of 3 items"));

        Key(w, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.Label("Label6"), QStringLiteral("12"));
        QCOMPARE(w.Label("Status"),
                 QStringLiteral("Undone: delete of 3 items. Ctrl+Shift+Z does it again."));
        QVERIFY(!w.window.isWindowModified());
        QCOMPARE(View(w)->SelectedRows(), (std::vector<int>{2, 3, 4}));
        QCOMPARE(w.window.Command(WindowCommands::Redo)->text(),
                 QStringLiteral("&Redo delete of 3 items"));
        // Redone with Ctrl+Y, undone with Ctrl+Shift+Z's partner, then saved: the same bytes.
        Key(w, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(CatalogueItems(w).mid(0, 3), Items("1001 1005 1006"));
        Key(w, Qt::Key_Z, Qt::ControlModifier);
        w.window.Command(WindowCommands::Save)->trigger();
        QCOMPARE(ReadAll(w.SampleCopy()), before);
        // Opening a catalogue leaves nothing to undo.
        w.Open(kSample);
        QVERIFY(!undo->isEnabled());
    }

    void pagesOfTheSelectedRowsOnlyWhenTheSellerSaysSo_data() {
        QTest::addColumn<MessageBoxes::Answer>("answer");
        QTest::addColumn<QStringList>("pages");
        QTest::newRow("selected rows") << Yes << Items("1002.html 1003.html");
        QTest::newRow("cancelled") << Dismissed << QStringList();
    }
    void pagesOfTheSelectedRowsOnlyWhenTheSellerSaysSo() {
        QFETCH(MessageBoxes::Answer, answer);
        QFETCH(QStringList, pages);
        QTemporaryDir folder;
        Window w;
        w.window.SetOutputFolderPrompt(
            [&](QWidget*, ProgramSettings&) { return std::optional<QString>(folder.path()); });
        w.Open(kSample);
        w.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        View(w)->SelectRows({2, 3});
        w.messages.answers = {answer};
        w.Press("Htmls");
        QCOMPARE(w.messages.questions.last(),
                 QStringLiteral("2 rows are selected. Write the pages for the selected rows "
                                "only, or for all 12 items of the catalogue?"));
        QCOMPARE(QDir(folder.path()).entryList({QStringLiteral("*.html")}, QDir::Files), pages);
    }

    void theFindBarShowsTheRowsThatHoldItsText() {
        Window w;
        w.Open(kSample);
        w.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        const QRect gridAlone = View(w)->geometry();
        Key(w, Qt::Key_F, Qt::ControlModifier);
        FindBar* bar = w.window.CatalogueFindBar();
        QVERIFY(bar->isVisible());
        QCOMPARE(View(w)->geometry().top(), gridAlone.top() + bar->height());
        const struct {
            const char* typed;
            int shown;
        } finds[] = {{"CAFE", 1}, {"café", 1}, {"crystal", 1}, {"brass", 1}, {"$1", 7}, {"", 12}};
        for (const auto& find : finds) {
            bar->Box()->setText(QString::fromUtf8(find.typed));
            QCOMPARE(View(w)->model()->rowCount(), find.shown);
            QCOMPARE(w.Label("Label6"), find.shown == 12
                                            ? QStringLiteral("12")
                                            : QStringLiteral("%1 of 12 shown").arg(find.shown));
        }
        // Enter goes from match to match, and the form follows.
        QTest::keyClicks(bar->Box(), QStringLiteral("$1"));
        QTest::keyClick(bar->Box(), Qt::Key_Return);
        const QString first = w.Box("t_Item")->text();
        QTest::keyClick(bar->Box(), Qt::Key_F3);
        QVERIFY(w.Box("t_Item")->text() != first);
        QVERIFY(ShownItems(w).contains(w.Box("t_Item")->text()));
        Key(w, Qt::Key_Escape);
        QVERIFY(!bar->isVisible());
        QCOMPARE(View(w)->model()->rowCount(), 12);
        QCOMPARE(View(w)->geometry(), gridAlone);
    }

    void aFieldOfFortyRowsChangesAndIsUndoneInOneStep() {
        Window w;
        const QByteArray bytes = Numbered(1, 45);
        OpenShown(w, bytes);
        std::vector<RecordEditor::FieldChange> asked;
        w.window.SetChangeFieldPrompt([&](QWidget*, int count, int position) {
            RecordEditor::FieldChange change;
            change.position = ItemRecord::Price;
            change.replace = true;
            change.find = QStringLiteral("10.");
            change.value = QStringLiteral("12.");
            asked.push_back(change);
            return count == 40 && position == ItemRecord::ItemNumber
                       ? std::optional<RecordEditor::FieldChange>(change)
                       : std::nullopt;
        });
        w.ClickRow(1);
        for (int step = 1; step < 40; ++step)
            QTest::keyClick(View(w), Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(View(w)->SelectedRows().size(), size_t(40));
        Key(w, Qt::Key_H, Qt::ControlModifier);
        QCOMPARE(asked.size(), size_t(1));
        QCOMPARE(w.Label("Status"), QStringLiteral("Changed the Price of 40 items of 40."));
        const Grid& grid = w.window.CatalogueGrid();
        QCOMPARE(grid.Field(40, ItemRecord::Price), QStringLiteral("$12.00"));
        QCOMPARE(grid.Field(41, ItemRecord::Price), QStringLiteral("$10.00"));
        QCOMPARE(w.window.Command(WindowCommands::Undo)->text(),
                 QStringLiteral("&Undo change of Price in 40 items"));
        Key(w, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(grid.Field(1, ItemRecord::Price), QStringLiteral("$10.00"));
        QCOMPARE(grid.Field(40, ItemRecord::Price), QStringLiteral("$10.00"));
        QVERIFY(!w.window.isWindowModified());

        // Duplicate: the copy after the shown row, with the next free number, in the form.
        w.ClickRow(3);
        Key(w, Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(grid.ItemCount(), 46);
        QCOMPARE(grid.Field(4, ItemRecord::ItemNumber), QStringLiteral("46"));
        QCOMPARE(grid.Field(4, ItemRecord::Title), QStringLiteral("Item 3"));
        QCOMPARE(w.Box("t_Item")->text(), QStringLiteral("46"));
    }

    void rowsPastedFromASpreadsheetKeepEveryCharacter() {
        Window w;
        const QString path = OpenShown(w, kMixed);
        // As a spreadsheet copies cells: a heading row, tabs between cells, and a cell with a
        // comma, quotes and a line break in quotes.
        QGuiApplication::clipboard()->setText(QStringLiteral(
            "Item\tTitle\tDescription\tImage\tPrice\tFirst bid\t\tStarted\tEnds\tCategory\n"
            "20\tLamp, brass\t\"Says \"\"hi\"\"\nand more\"\t\t$5.00\t$1.00\t\t\t\t5\n"
            "21\t\t\t\t$6.00\t$2.00\t\t\t\t6\n"));
        w.ClickRow(1);
        Key(w, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(CatalogueItems(w), Items("7 20 21 10 9"));
        const Grid& grid = w.window.CatalogueGrid();
        QCOMPARE(grid.Field(2, ItemRecord::Title), QStringLiteral("Lamp, brass"));
        QCOMPARE(grid.Field(2, ItemRecord::Description), QStringLiteral("Says \"hi\"\nand more"));
        QCOMPARE(w.Label("Status"), QStringLiteral("Pasted 2 items, the heading row left out."));
        // The check's findings for the pasted rows at once: item 21 has no title.
        QVERIFY(w.messages.messages.last().contains(QStringLiteral("Row 3 (item 21)")));
        QVERIFY(!w.messages.messages.last().contains(QStringLiteral("item 7)")));

        // Copied back, the rows are the same text; undone, the catalogue is as it was read.
        View(w)->SelectRows({2, 3});
        Key(w, Qt::Key_C, Qt::ControlModifier);
        const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
        QVERIFY(copied->text().startsWith(
            QStringLiteral("20\tLamp, brass\t\"Says \"\"hi\"\"\nand more\"\t")));
        QVERIFY(copied->data(QStringLiteral("text/csv")).startsWith("20,\"Lamp, brass\","));
        Key(w, Qt::Key_Z, Qt::ControlModifier);
        Key(w, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(ReadAll(path), kMixed);

        // Text with the wrong columns is named and pastes nothing.
        QGuiApplication::clipboard()->setText(QStringLiteral("1\t2\t3\n"));
        Key(w, Qt::Key_V, Qt::ControlModifier);
        QVERIFY(w.messages.messages.last().startsWith(QStringLiteral("Nothing was pasted: ")));
        QCOMPARE(grid.ItemCount(), 3);
    }

    void aCellEditedInPlaceIsStoredAndUndone() {
        Window w;
        OpenShown(w, kMixed);
        GridView* view = View(w);
        const QModelIndex title = view->model()->index(1, 1);
        view->setCurrentIndex(title);
        w.ClickRow(2);
        view->setCurrentIndex(title);
        QTest::keyClick(view, Qt::Key_F2);
        QWidget* editor = QApplication::focusWidget();
        QVERIFY(qobject_cast<QLineEdit*>(editor) && editor->parentWidget() == view->viewport());
        QTest::keyClick(editor, Qt::Key_End);
        QTest::keyClicks(editor, QStringLiteral(" (two)"));
        QTest::keyClick(editor, Qt::Key_Return);
        const Grid& grid = w.window.CatalogueGrid();
        // The view stores an edit once the key's event is done.
        QTRY_COMPARE(grid.Field(2, ItemRecord::Title), QStringLiteral("apple box (two)"));
        QCOMPARE(w.Box("t_title")->text(), QStringLiteral("apple box (two)"));
        // Escape leaves an edit without storing it.
        QTest::keyClick(view, Qt::Key_F2);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("x"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTest::qWait(20);
        QCOMPARE(grid.Field(2, ItemRecord::Title), QStringLiteral("apple box (two)"));
        QCOMPARE(QApplication::focusWidget(), view);
        Key(w, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(grid.Field(2, ItemRecord::Title), QStringLiteral("apple box"));
        QCOMPARE(w.Box("t_title")->text(), QStringLiteral("apple box"));
    }
};

QTEST_MAIN(AuctionsGridTest)
#include "AuctionsGridTest.moc"
