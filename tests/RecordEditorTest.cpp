// The record editing of the main window, without widgets: each operation against the states
// of the form's boxes and buttons, the counters, deleting, inserting, and the choices that
// keep a stale form from acting on the wrong record.

#include "editing/EditForm.h"
#include "editing/EditorHost.h"
#include "editing/Grid.h"
#include "editing/RecordEditor.h"

#include <QtTest>

#include <deque>

namespace {

class RecordingHost : public EditorHost {
public:
    bool Confirm(const QString& question) override {
        questions.push_back(question);
        const bool answer = answers.empty() ? false : answers.front();
        if (!answers.empty())
            answers.pop_front();
        return answer;
    }
    void Tell(const QString& message) override { messages.push_back(message); }
    void ShowCounters() override {
        shownItemCounts.push_back(form ? form->itemCountText : QString());
    }
    void ClearLinks() override { ++linkClears; }

    const EditForm* form = nullptr;
    std::deque<bool> answers;
    QStringList questions;
    QStringList messages;
    QStringList shownItemCounts;
    int linkClears = 0;
};

ItemRecord Item(const QString& number, const QString& title = QString(),
                const QString& spare = QString()) {
    ItemRecord record;
    record.SetField(ItemRecord::ItemNumber, number);
    record.SetField(ItemRecord::Title, title.isEmpty() ? QStringLiteral("Title ") + number : title);
    record.SetField(ItemRecord::Price, QStringLiteral("$1.00"));
    record.SetField(ItemRecord::StartTime, QStringLiteral("start ") + number);
    record.SetField(ItemRecord::Category, QStringLiteral("cat ") + number);
    record.SetField(ItemRecord::Spare, spare);
    return record;
}

struct Fixture {
    Fixture() {
        host.form = &form;
        editor.ResetWindow();
    }
    // Opens a catalogue of the given items.
    void Open(const std::vector<ItemRecord>& records) {
        editor.BeginOpening();
        editor.AppendRead(records);
        editor.EndOpening();
    }
    void Open(int items) {
        std::vector<ItemRecord> records;
        for (int n = 1; n <= items; ++n)
            records.push_back(Item(QString::number(n)));
        Open(records);
    }
    void ClickRow(int row) {
        grid.Click(row, 1);
        editor.GridClick();
    }
    QString Cell(int row, int column) {
        grid.SetRow(row);
        grid.SetCol(column);
        return grid.Text();
    }
    void SetPage(int row, const QString& path) {
        grid.SetRow(row);
        grid.SetCol(ItemRecord::HtmlColumn);
        grid.SetText(path);
    }
    bool EditableBoxes(bool enabled) const {
        for (int box = 1; box <= 9; ++box)
            if (form.boxEnabled[size_t(box)] != enabled)
                return false;
        return true;
    }
    bool AllBoxesEmpty() const {
        for (int box = 1; box <= EditForm::HtmlBox; ++box)
            if (!form.boxText[size_t(box)].isEmpty())
                return false;
        return true;
    }

    Grid grid;
    EditForm form;
    RecordingHost host;
    RecordEditor editor{grid, form, host};
};

}  // namespace

class RecordEditorTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theResetLeavesTheHeadingsAndTouchesNoBox() {
        Fixture f;
        f.Open(3);
        f.SetPage(2, QStringLiteral("/out/2.html"));
        f.ClickRow(2);
        QVERIFY(f.form.viewPageEnabled);
        f.editor.SetPageCount(5);
        f.editor.ShowPageCount(QStringLiteral("5"));
        const int clears = f.host.linkClears;

        f.editor.ResetWindow();
        QCOMPARE(f.grid.Rows(), 1);
        QCOMPARE(f.grid.Cols(), 11);
        QCOMPARE(f.editor.ItemCount(), 0);
        QCOMPARE(f.editor.PageCount(), 0);
        QCOMPARE(f.form.itemCountText, QStringLiteral("0"));
        QCOMPARE(f.form.pageCountText, QStringLiteral("0"));
        QCOMPARE(f.host.shownItemCounts.back(), QStringLiteral("0"));
        QCOMPARE(f.host.linkClears, clears + 1);
        QVERIFY(!f.form.viewPageEnabled);
        QVERIFY(!f.form.viewHtmlEnabled);
        const QStringList headings = {QString(),
                                      QStringLiteral("Item"),
                                      QStringLiteral("Title"),
                                      QStringLiteral("Description"),
                                      QStringLiteral("Image"),
                                      QStringLiteral("Price"),
                                      QStringLiteral("First bid"),
                                      QStringLiteral("Started"),
                                      QStringLiteral("Ends"),
                                      QStringLiteral("Category"),
                                      QStringLiteral("Html")};
        const int widths[] = {220, 1000, 2000, 3000, 2000, 1000, 1000, 2000, 2000, 1500, 3500};
        for (int column = 0; column < 11; ++column) {
            QCOMPARE(f.Cell(0, column), headings[column]);
            QCOMPARE(f.grid.ColWidth(column), widths[column]);
        }
        QCOMPARE(f.grid.Row(), 0);
        // The form still shows row 2, as the reset leaves it; only opening empties it.
        QCOMPARE(f.form.boxText[1], QStringLiteral("2"));
        QVERIFY(f.form.updateEnabled);
        QVERIFY(f.form.deleteEnabled);
    }

    void openingCountsUpAndEnablesHtmlsAndSave() {
        Fixture f;
        std::vector<ItemRecord> records;
        for (int n = 1; n <= 3000; ++n)
            records.push_back(Item(QString::number(n), QString(), QStringLiteral("s%1").arg(n)));
        f.host.shownItemCounts.clear();
        f.Open(records);
        QCOMPARE(f.editor.ItemCount(), 3000);
        QCOMPARE(f.grid.Rows(), 3001);
        QCOMPARE(f.form.itemCountText, QStringLiteral("3000"));
        // Label6 was shown while the rows came in, not only at the end.
        QVERIFY(f.host.shownItemCounts.contains(QStringLiteral("1024")));
        QCOMPARE(f.host.shownItemCounts.back(), QStringLiteral("3000"));
        QVERIFY(f.form.htmlsEnabled);
        QVERIFY(f.form.saveEnabled);
        // The buffer holds the last record read, Spare included; each row keeps its own.
        QCOMPARE(f.editor.CurrentRecord(), records.back());
        QCOMPARE(f.grid.Spare(1), QStringLiteral("s1"));
        QCOMPARE(f.Cell(2, 7), QStringLiteral("start 2"));
        QCOMPARE(f.Cell(2, 9), QStringLiteral("cat 2"));
        QVERIFY(f.Cell(2, 10).isEmpty());
    }

    void openingNothingStillEnablesHtmlsAndSave() {
        Fixture f;
        f.editor.BeginOpening();
        f.editor.EndOpening();
        QCOMPARE(f.grid.Rows(), 1);
        QCOMPARE(f.form.itemCountText, QStringLiteral("0"));
        QVERIFY(f.form.htmlsEnabled && f.form.saveEnabled);
    }

    void aClickShowsTheRowAndItsPage() {
        Fixture f;
        f.Open(3);
        f.ClickRow(2);
        QCOMPARE(f.editor.FormRow(), 2);
        QVERIFY(f.EditableBoxes(true));
        QVERIFY(f.form.boxEnabled[EditForm::HtmlBox]);
        QVERIFY(f.form.updateEnabled && f.form.deleteEnabled);
        QCOMPARE(f.form.boxText[1], QStringLiteral("2"));
        QCOMPARE(f.form.boxText[2], QStringLiteral("Title 2"));
        QCOMPARE(f.form.boxText[7], QStringLiteral("start 2"));
        QCOMPARE(f.form.boxText[9], QStringLiteral("cat 2"));
        QCOMPARE(f.form.boxText[EditForm::HtmlBox], RecordEditor::HtmlNotGenerated());
        QVERIFY(f.form.viewPageEnabled && !f.form.viewHtmlEnabled);
        QCOMPARE(f.form.updateCaption, RecordEditor::UpdateCaption());

        f.SetPage(3, QStringLiteral("/out/3.html"));
        f.ClickRow(3);
        QCOMPARE(f.form.boxText[EditForm::HtmlBox], QStringLiteral("/out/3.html"));
        QVERIFY(f.form.viewPageEnabled && f.form.viewHtmlEnabled);
        // A row without a page has no source to show; its page can still be previewed.
        f.ClickRow(1);
        QCOMPARE(f.form.boxText[EditForm::HtmlBox], RecordEditor::HtmlNotGenerated());
        QVERIFY(f.form.viewPageEnabled && !f.form.viewHtmlEnabled);
        // Nor has a new record, or an emptied form.
        f.ClickRow(3);
        f.editor.Manual();
        QVERIFY(!f.form.viewPageEnabled && !f.form.viewHtmlEnabled);
        f.ClickRow(3);
        f.editor.Cancel();
        QVERIFY(!f.form.viewPageEnabled && !f.form.viewHtmlEnabled);
    }

    void aClickOnTheHeadingsOfAnEmptyGridDoesNothing() {
        Fixture f;
        const EditForm before = f.form;
        f.grid.Click(0, 3);
        f.editor.GridClick();
        QCOMPARE(f.editor.FormRow(), 0);
        QVERIFY(f.EditableBoxes(false));
        QCOMPARE(f.form.updateEnabled, before.updateEnabled);
    }

    void manualStartsInsertModeAndCancelLeavesIt() {
        Fixture f;
        f.Open(2);
        f.ClickRow(1);
        f.editor.Manual();
        QCOMPARE(f.form.updateCaption, RecordEditor::InsertCaption());
        QVERIFY(f.form.updateEnabled);
        QVERIFY(!f.form.deleteEnabled);
        QVERIFY(f.form.cancelVisible);
        QVERIFY(f.AllBoxesEmpty());
        QVERIFY(f.EditableBoxes(true));

        f.form.boxText[2] = QStringLiteral("typed");
        f.editor.Cancel();
        QCOMPARE(f.form.updateCaption, RecordEditor::UpdateCaption());
        QVERIFY(!f.form.cancelVisible);
        QVERIFY(!f.form.updateEnabled);
        QVERIFY(f.EditableBoxes(false));
        QVERIFY(f.AllBoxesEmpty());
        QCOMPARE(f.editor.ItemCount(), 2);
    }

    void insertingEmptyBoxesAppendsAnEmptyRecord() {
        Fixture f;
        f.editor.CurrentRecord().SetField(ItemRecord::Spare, QStringLiteral("buffer spare"));
        f.editor.Manual();
        f.editor.Update();
        QCOMPARE(f.editor.ItemCount(), 1);
        QCOMPARE(f.form.itemCountText, QStringLiteral("1"));
        QCOMPARE(f.grid.Rows(), 2);
        ItemRecord expected;
        expected.SetField(ItemRecord::Spare, QStringLiteral("buffer spare"));
        QCOMPARE(f.grid.Record(1), expected);
        QVERIFY(f.form.htmlsEnabled && f.form.saveEnabled);
        QCOMPARE(f.form.updateCaption, RecordEditor::UpdateCaption());
        QVERIFY(!f.form.cancelVisible);
        QVERIFY(!f.form.updateEnabled && !f.form.deleteEnabled);
        QVERIFY(f.EditableBoxes(false));
        QVERIFY(f.form.boxEnabled[EditForm::HtmlBox]);
        QCOMPARE(f.form.boxText[EditForm::HtmlBox], RecordEditor::HtmlNotGenerated());
        QCOMPARE(f.editor.FormRow(), 1);
    }

    void aClickDuringInsertModeInsertsACopyOfTheRow() {
        Fixture f;
        f.Open(3);
        f.editor.Manual();
        f.ClickRow(2);
        QCOMPARE(f.form.updateCaption, RecordEditor::InsertCaption());
        QVERIFY(f.form.cancelVisible);
        f.form.boxText[2] = QStringLiteral("Edited copy");
        f.editor.Update();
        QCOMPARE(f.editor.ItemCount(), 4);
        QCOMPARE(f.Cell(4, 1), QStringLiteral("2"));
        QCOMPARE(f.Cell(4, 2), QStringLiteral("Edited copy"));
        QCOMPARE(f.Cell(4, 9), QStringLiteral("cat 2"));
        QCOMPARE(f.Cell(2, 2), QStringLiteral("Title 2"));
        QCOMPARE(f.form.boxText[2], QStringLiteral("Edited copy"));
        QCOMPARE(f.editor.FormRow(), 4);
    }

    void updatingChangesTheRowAndKeepsItsPage() {
        Fixture f;
        f.Open(2);
        f.SetPage(2, QStringLiteral("/out/2.html"));
        f.ClickRow(2);
        f.form.boxText[5] = QStringLiteral("$9.99");
        f.form.boxText[8] = QStringLiteral("new end");
        f.form.boxText[EditForm::HtmlBox] = QStringLiteral("not stored");
        f.editor.Update();
        QCOMPARE(f.Cell(2, 5), QStringLiteral("$9.99"));
        QCOMPARE(f.Cell(2, 8), QStringLiteral("new end"));
        QCOMPARE(f.Cell(2, 10), QStringLiteral("/out/2.html"));
        QCOMPARE(f.Cell(1, 5), QStringLiteral("$1.00"));
        QCOMPARE(f.editor.ItemCount(), 2);
        QVERIFY(f.EditableBoxes(false));
        QVERIFY(!f.form.updateEnabled && !f.form.deleteEnabled);
        // t_html is not touched by an update.
        QVERIFY(f.form.boxEnabled[EditForm::HtmlBox]);
    }

    void deletingTheLastRowRemovesOnlyIt() {
        Fixture f;
        f.Open(3);
        f.ClickRow(3);
        f.host.answers = {true};
        f.editor.Delete();
        QCOMPARE(f.host.questions, QStringList{RecordEditor::DeleteQuestion()});
        QCOMPARE(f.editor.ItemCount(), 2);
        QCOMPARE(f.grid.Rows(), 3);
        QCOMPARE(f.form.itemCountText, QStringLiteral("2"));
        QCOMPARE(f.host.shownItemCounts.back(), QStringLiteral("2"));
        QCOMPARE(f.grid.Record(1), Item(QStringLiteral("1")));
        QCOMPARE(f.grid.Record(2), Item(QStringLiteral("2")));
        QVERIFY(f.AllBoxesEmpty());
        QVERIFY(!f.form.updateEnabled && !f.form.deleteEnabled);
        QVERIFY(!f.form.viewPageEnabled && !f.form.viewHtmlEnabled);
    }

    void deletingRowOneMovesTheLaterRowsUpWithTheirPages() {
        Fixture f;
        f.Open({Item(QStringLiteral("1"), QString(), QStringLiteral("a")),
                Item(QStringLiteral("2"), QString(), QStringLiteral("b")),
                Item(QStringLiteral("3"), QString(), QStringLiteral("c"))});
        for (int row = 1; row <= 3; ++row)
            f.SetPage(row, QStringLiteral("/out/%1.html").arg(row));
        f.grid.SetRow(3);
        f.grid.SetCol(0);
        f.grid.SetCellPicture(QImage(2, 2, QImage::Format_ARGB32));
        f.ClickRow(1);
        f.host.answers = {true};
        f.editor.Delete();
        QCOMPARE(f.editor.ItemCount(), 2);
        QCOMPARE(f.grid.Record(1), Item(QStringLiteral("2"), QString(), QStringLiteral("b")));
        QCOMPARE(f.grid.Record(2), Item(QStringLiteral("3"), QString(), QStringLiteral("c")));
        QCOMPARE(f.Cell(1, 10), QStringLiteral("/out/2.html"));
        QCOMPARE(f.Cell(2, 10), QStringLiteral("/out/3.html"));
        // Pictures stay in their cells; row 3 and its mark are gone.
        QCOMPARE(f.grid.Rows(), 3);
        f.grid.SetRow(2);
        f.grid.SetCol(0);
        QVERIFY(f.grid.CellPicture().isNull());
    }

    void answeringNoChangesNothing() {
        Fixture f;
        f.Open(3);
        f.ClickRow(1);
        const EditForm before = f.form;
        f.host.answers = {false};
        f.editor.Delete();
        QCOMPARE(f.host.questions.size(), 1);
        QCOMPARE(f.editor.ItemCount(), 3);
        for (int row = 1; row <= 3; ++row)
            QCOMPARE(f.grid.Record(row), Item(QString::number(row)));
        QCOMPARE(f.form.boxText, before.boxText);
        QVERIFY(f.form.deleteEnabled && f.form.updateEnabled);
        QCOMPARE(f.editor.FormRow(), 1);
    }

    void openingEmptiesTheFormSoNoEarlierRecordIsTouched() {
        Fixture f;
        f.Open(3);
        f.editor.Manual();
        f.ClickRow(2);
        f.Open({Item(QStringLiteral("A")), Item(QStringLiteral("B"))});
        QVERIFY(f.AllBoxesEmpty());
        for (int box = 1; box <= EditForm::HtmlBox; ++box)
            QVERIFY(!f.form.boxEnabled[size_t(box)]);
        QVERIFY(!f.form.updateEnabled && !f.form.deleteEnabled);
        QCOMPARE(f.form.updateCaption, RecordEditor::UpdateCaption());
        QVERIFY(!f.form.cancelVisible);
        QCOMPARE(f.editor.FormRow(), 0);
        // Neither Delete nor Update finds a record to act on.
        f.host.answers = {true};
        f.editor.Delete();
        f.editor.Update();
        QVERIFY(f.host.questions.isEmpty());
        QCOMPARE(f.editor.ItemCount(), 2);
        QCOMPARE(f.grid.Record(2), Item(QStringLiteral("B")));
    }

    void updateAndDeleteActOnTheShownRowAfterASave() {
        Fixture f;
        f.Open(3);
        f.ClickRow(1);
        const std::vector<ItemRecord> saved = f.editor.SaveRecords();
        QCOMPARE(int(saved.size()), 3);
        QCOMPARE(f.grid.Row(), 3);
        f.form.boxText[2] = QStringLiteral("changed");
        f.editor.Update();
        QCOMPARE(f.Cell(1, 2), QStringLiteral("changed"));
        QCOMPARE(f.Cell(3, 2), QStringLiteral("Title 3"));

        f.ClickRow(2);
        f.editor.SaveRecords();
        f.host.answers = {true};
        f.editor.Delete();
        QCOMPARE(f.grid.Record(1).Field(ItemRecord::Title), QStringLiteral("changed"));
        QCOMPARE(f.grid.Record(2), Item(QStringLiteral("3")));
    }

    void savingReadsEveryRowThroughTheBuffer() {
        Fixture f;
        f.Open({Item(QStringLiteral("1"), QString(), QStringLiteral("x")),
                Item(QStringLiteral("2"), QString(), QStringLiteral("y"))});
        f.editor.CurrentRecord().SetField(ItemRecord::Spare, QStringLiteral("buffer"));
        f.SetPage(1, QStringLiteral("/out/1.html"));
        const std::vector<ItemRecord> saved = f.editor.SaveRecords();
        QCOMPARE(saved[0], Item(QStringLiteral("1"), QString(), QStringLiteral("x")));
        QCOMPARE(saved[1], Item(QStringLiteral("2"), QString(), QStringLiteral("y")));
        // The buffer holds the last row's fields; its own Spare stays.
        QCOMPARE(f.editor.CurrentRecord().Field(ItemRecord::ItemNumber), QStringLiteral("2"));
        QCOMPARE(f.editor.CurrentRecord().Field(ItemRecord::Spare), QStringLiteral("buffer"));
        QCOMPARE(f.grid.Row(), 2);
    }

    void theGridHoldsAtMost32766Items() {
        Fixture f;
        std::vector<ItemRecord> records(RecordEditor::MaxItems + 1, Item(QStringLiteral("n")));
        f.editor.BeginOpening();
        QCOMPARE(f.editor.AppendRead(records), RecordEditor::MaxItems);
        f.editor.EndOpening();
        QCOMPARE(f.editor.ItemCount(), 32766);
        QCOMPARE(f.grid.Rows(), 32767);
        QCOMPARE(f.form.itemCountText, QStringLiteral("32766"));
        QVERIFY(!f.editor.To_Grid(Item(QStringLiteral("more"))));

        f.editor.Manual();
        f.form.boxText[1] = QStringLiteral("one too many");
        f.editor.Update();
        QCOMPARE(f.host.messages.size(), 1);
        QVERIFY(f.host.messages[0].contains(QStringLiteral("32766")));
        QCOMPARE(f.editor.ItemCount(), 32766);
        QCOMPARE(f.grid.Rows(), 32767);
        // Still in insert mode with what was typed, so the user can cancel.
        QCOMPARE(f.form.updateCaption, RecordEditor::InsertCaption());
        QVERIFY(f.form.updateEnabled && f.form.cancelVisible);
        QCOMPARE(f.form.boxText[1], QStringLiteral("one too many"));

        // One deleted, one can be inserted again.
        f.ClickRow(5);
        f.host.answers = {true};
        f.editor.Delete();
        QVERIFY(f.editor.To_Grid(Item(QStringLiteral("fits"))));
        QCOMPARE(f.editor.ItemCount(), 32766);
    }
};

QTEST_APPLESS_MAIN(RecordEditorTest)
#include "RecordEditorTest.moc"
