// SPDX-License-Identifier: GPL-3.0-or-later
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
    void ShowCounters() override { shownItemCounts.push_back(form ? form->itemCount : -1); }

    const EditForm* form = nullptr;
    std::deque<bool> answers;
    QStringList questions;
    QStringList messages;
    std::vector<int> shownItemCounts;
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

QImage Mark() {
    QImage mark(2, 2, QImage::Format_ARGB32);
    mark.fill(Qt::green);
    return mark;
}

struct Fixture {
    Fixture() {
        host.form = &form;
        editor.Reset();
    }
    // Opens a catalogue of the given items.
    void Open(std::vector<ItemRecord> records) {
        editor.BeginOpening();
        editor.AppendRead(std::move(records));
        editor.EndOpening();
    }
    void Open(int items) {
        std::vector<ItemRecord> records;
        for (int n = 1; n <= items; ++n)
            records.push_back(Item(QString::number(n)));
        Open(records);
    }
    void SetPage(int row, const QString& path) {
        grid.SetPagePath(row, path);
        grid.MarkRow(row, Mark(), Mark());
    }
    QString Field(int row, int position) const { return grid.Field(row, position); }
    // Types a text into the form's box of a position.
    void Type(int position, const QString& text) { form.record.SetField(position, text); }
    bool FormEmpty() const { return form.record == ItemRecord() && form.pagePathText.isEmpty(); }

    Grid grid;
    EditForm form;
    RecordingHost host;
    RecordEditor editor{grid, form, host};
};

}  // namespace

class RecordEditorTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theResetEmptiesTheGridAndTouchesNoBox() {
        Fixture f;
        f.Open(3);
        f.SetPage(2, QStringLiteral("/out/2.html"));
        f.editor.ShowRow(2);
        QVERIFY(f.form.viewPageEnabled);
        f.form.pageCount = 5;

        f.editor.Reset();
        QCOMPARE(f.grid.ItemCount(), 0);
        QCOMPARE(f.form.itemCount, 0);
        QCOMPARE(f.form.pageCount, qint64(0));
        QCOMPARE(f.host.shownItemCounts.back(), 0);
        QVERIFY(!f.form.viewPageEnabled);
        QVERIFY(!f.form.viewHtmlEnabled);
        QCOMPARE(f.editor.FormRow(), 0);
        // The form still shows row 2, as the reset leaves it; only opening empties it.
        QCOMPARE(f.form.record.Field(ItemRecord::ItemNumber), QStringLiteral("2"));
        QVERIFY(f.form.updateEnabled);
        QVERIFY(f.form.deleteEnabled);
    }

    void openingShowsTheCountAndEnablesHtmlsAndSave() {
        Fixture f;
        std::vector<ItemRecord> records;
        for (int n = 1; n <= 3000; ++n)
            records.push_back(Item(QString::number(n), QString(), QStringLiteral("s%1").arg(n)));
        f.host.shownItemCounts.clear();
        f.Open(records);
        QCOMPARE(f.grid.ItemCount(), 3000);
        QCOMPARE(f.form.itemCount, 3000);
        QCOMPARE(f.host.shownItemCounts.back(), 3000);
        QVERIFY(f.form.htmlsEnabled);
        QVERIFY(f.form.saveEnabled);
        // Each row keeps its own Spare.
        QCOMPARE(f.grid.Record(1), records.front());
        QCOMPARE(f.grid.Record(3000), records.back());
    }

    void openingNothingStillEnablesHtmlsAndSave() {
        Fixture f;
        f.editor.BeginOpening();
        f.editor.EndOpening();
        QCOMPARE(f.grid.ItemCount(), 0);
        QCOMPARE(f.form.itemCount, 0);
        QVERIFY(f.form.htmlsEnabled && f.form.saveEnabled);
    }

    void aClickShowsTheRowAndItsPage() {
        Fixture f;
        f.Open(3);
        f.editor.ShowRow(2);
        QCOMPARE(f.editor.FormRow(), 2);
        QVERIFY(f.form.fieldsEnabled && f.form.pagePathEnabled);
        QVERIFY(f.form.updateEnabled && f.form.deleteEnabled);
        QCOMPARE(f.form.record, Item(QStringLiteral("2")));
        QCOMPARE(f.form.pagePathText, RecordEditor::HtmlNotGenerated());
        QVERIFY(f.form.viewPageEnabled && !f.form.viewHtmlEnabled);
        QCOMPARE(f.form.updateCaption, RecordEditor::UpdateCaption());

        f.SetPage(3, QStringLiteral("/out/3.html"));
        f.editor.ShowRow(3);
        QCOMPARE(f.form.pagePathText, QStringLiteral("/out/3.html"));
        QVERIFY(f.form.viewPageEnabled && f.form.viewHtmlEnabled);
        // A row without a page has no source to show; its page can still be previewed.
        f.editor.ShowRow(1);
        QCOMPARE(f.form.pagePathText, RecordEditor::HtmlNotGenerated());
        QVERIFY(f.form.viewPageEnabled && !f.form.viewHtmlEnabled);
        // Nor has a new record, or an emptied form.
        f.editor.ShowRow(3);
        f.editor.StartNewRecord();
        QVERIFY(!f.form.viewPageEnabled && !f.form.viewHtmlEnabled);
        f.editor.ShowRow(3);
        f.editor.Cancel();
        QVERIFY(!f.form.viewPageEnabled && !f.form.viewHtmlEnabled);
    }

    void noRowShowsNothing() {
        Fixture f;
        f.Open(2);
        const EditForm before = f.form;
        for (int row : {0, 3, -1})
            f.editor.ShowRow(row);
        // The form still shows row 1, where opening put it.
        QCOMPARE(f.editor.FormRow(), 1);
        QCOMPARE(f.form.record, before.record);
        QCOMPARE(f.form.updateEnabled, before.updateEnabled);
    }

    void aNewRecordStartsInsertModeAndCancelLeavesIt() {
        Fixture f;
        f.Open(2);
        f.editor.ShowRow(1);
        f.editor.StartNewRecord();
        QCOMPARE(f.form.updateCaption, RecordEditor::InsertCaption());
        QVERIFY(f.editor.Inserting());
        QVERIFY(f.form.updateEnabled);
        QVERIFY(!f.form.deleteEnabled);
        QVERIFY(f.form.cancelVisible);
        QVERIFY(f.FormEmpty());
        QVERIFY(f.form.fieldsEnabled);

        f.Type(ItemRecord::Title, QStringLiteral("typed"));
        f.editor.Cancel();
        QCOMPARE(f.form.updateCaption, RecordEditor::UpdateCaption());
        QVERIFY(!f.form.cancelVisible);
        QVERIFY(!f.form.updateEnabled);
        QVERIFY(!f.form.fieldsEnabled);
        QVERIFY(f.FormEmpty());
        QCOMPARE(f.grid.ItemCount(), 2);
    }

    void insertingEmptyBoxesAppendsAnEmptyRecord() {
        // A new record takes no other record's Spare, though rows with one were opened.
        Fixture f;
        f.Open({Item(QStringLiteral("1"), QString(), QStringLiteral("a spare"))});
        f.editor.ShowRow(1);
        f.editor.StartNewRecord();
        f.editor.StoreForm();
        QCOMPARE(f.grid.ItemCount(), 2);
        QCOMPARE(f.form.itemCount, 2);
        QCOMPARE(f.grid.Record(2), ItemRecord());
        QVERIFY(f.form.htmlsEnabled && f.form.saveEnabled);
        QCOMPARE(f.form.updateCaption, RecordEditor::UpdateCaption());
        QVERIFY(!f.form.cancelVisible);
        // The new row stays in the form, ready to be changed again.
        QVERIFY(f.form.updateEnabled && f.form.deleteEnabled);
        QVERIFY(f.form.fieldsEnabled);
        QVERIFY(f.form.pagePathEnabled);
        QCOMPARE(f.form.pagePathText, RecordEditor::HtmlNotGenerated());
        QCOMPARE(f.editor.FormRow(), 2);
    }

    void aClickDuringInsertModeInsertsACopyOfTheRow() {
        Fixture f;
        f.Open({Item(QStringLiteral("1")),
                Item(QStringLiteral("2"), QString(), QStringLiteral("s2")),
                Item(QStringLiteral("3"))});
        f.editor.StartNewRecord();
        f.editor.ShowRow(2);
        QCOMPARE(f.form.updateCaption, RecordEditor::InsertCaption());
        QVERIFY(f.form.cancelVisible);
        f.Type(ItemRecord::Title, QStringLiteral("Edited copy"));
        f.editor.StoreForm();
        QCOMPARE(f.grid.ItemCount(), 4);
        ItemRecord copy =
            Item(QStringLiteral("2"), QStringLiteral("Edited copy"), QStringLiteral("s2"));
        QCOMPARE(f.grid.Record(4), copy);
        QCOMPARE(f.Field(2, ItemRecord::Title), QStringLiteral("Title 2"));
        QCOMPARE(f.form.record, copy);
        QCOMPARE(f.editor.FormRow(), 4);
    }

    void updatingChangesTheRowAndKeepsItsPage() {
        Fixture f;
        f.Open({Item(QStringLiteral("1")),
                Item(QStringLiteral("2"), QString(), QStringLiteral("kept"))});
        f.SetPage(2, QStringLiteral("/out/2.html"));
        f.editor.ShowRow(2);
        f.Type(ItemRecord::Price, QStringLiteral("$9.99"));
        f.Type(ItemRecord::EndTime, QStringLiteral("new end"));
        f.form.pagePathText = QStringLiteral("not stored");
        f.editor.StoreForm();
        QCOMPARE(f.Field(2, ItemRecord::Price), QStringLiteral("$9.99"));
        QCOMPARE(f.Field(2, ItemRecord::EndTime), QStringLiteral("new end"));
        QCOMPARE(f.Field(2, ItemRecord::Spare), QStringLiteral("kept"));
        QCOMPARE(f.grid.PagePath(2), QStringLiteral("/out/2.html"));
        QVERIFY(f.grid.Marked(2));
        QCOMPARE(f.Field(1, ItemRecord::Price), QStringLiteral("$1.00"));
        QCOMPARE(f.grid.ItemCount(), 2);
        // The stored row stays shown and editable, its page path with it.
        QVERIFY(f.form.fieldsEnabled);
        QVERIFY(f.form.updateEnabled && f.form.deleteEnabled);
        QCOMPARE(f.form.record, f.grid.Record(2));
        QCOMPARE(f.form.pagePathText, QStringLiteral("/out/2.html"));
        QCOMPARE(f.editor.FormRow(), 2);
        f.Type(ItemRecord::Price, QStringLiteral("$10.50"));
        f.editor.StoreForm();
        QCOMPARE(f.Field(2, ItemRecord::Price), QStringLiteral("$10.50"));
    }

    void onlyChangedRecordsAreUnsaved() {
        Fixture f;
        QVERIFY(!f.editor.Unsaved());
        f.Open(3);
        QVERIFY(!f.editor.Unsaved());
        // Update with nothing changed, and page paths, are not changes to the catalogue.
        f.editor.ShowRow(2);
        f.editor.StoreForm();
        f.SetPage(2, QStringLiteral("/out/2.html"));
        QVERIFY(!f.editor.Unsaved());
        f.Type(ItemRecord::Title, QStringLiteral("changed"));
        f.editor.StoreForm();
        QVERIFY(f.editor.Unsaved());
        f.editor.MarkSaved();
        QVERIFY(!f.editor.Unsaved());
        f.editor.StartNewRecord();
        QVERIFY(!f.editor.Unsaved());
        f.editor.StoreForm();
        QVERIFY(f.editor.Unsaved());
        f.editor.MarkSaved();
        // A delete answered No changes nothing; Yes does.
        f.editor.ShowRow(1);
        f.host.answers = {false, true};
        f.editor.DeleteFormRow();
        QVERIFY(!f.editor.Unsaved());
        f.editor.DeleteFormRow();
        QVERIFY(f.editor.Unsaved());
        // Opening another catalogue starts clean.
        f.Open(1);
        QVERIFY(!f.editor.Unsaved());
    }

    void deletingTheLastRowRemovesOnlyIt() {
        Fixture f;
        f.Open(3);
        f.editor.ShowRow(3);
        f.host.answers = {true};
        f.editor.DeleteFormRow();
        QCOMPARE(f.host.questions.size(), 1);
        // The question names the item it would delete.
        QCOMPARE(f.host.questions[0], RecordEditor::DeleteQuestion(Item(QStringLiteral("3"))));
        QVERIFY(f.host.questions[0].startsWith(
            QStringLiteral("Are you sure you want to delete this record ?")));
        QVERIFY(f.host.questions[0].endsWith(QStringLiteral("Item 3: Title 3")));
        QCOMPARE(f.grid.ItemCount(), 2);
        QCOMPARE(f.form.itemCount, 2);
        QCOMPARE(f.host.shownItemCounts.back(), 2);
        QCOMPARE(f.grid.Record(1), Item(QStringLiteral("1")));
        QCOMPARE(f.grid.Record(2), Item(QStringLiteral("2")));
        QVERIFY(f.FormEmpty());
        QVERIFY(!f.form.updateEnabled && !f.form.deleteEnabled);
        QVERIFY(!f.form.viewPageEnabled && !f.form.viewHtmlEnabled);
    }

    void deletingMovesTheLaterRowsUpWithTheirPagesAndMarks() {
        // Rows 1 and 3 have pages. After row 1 goes, the former row 2 shows no page and no
        // mark, and the former row 3 shows its own.
        Fixture f;
        f.Open({Item(QStringLiteral("1"), QString(), QStringLiteral("a")),
                Item(QStringLiteral("2"), QString(), QStringLiteral("b")),
                Item(QStringLiteral("3"), QString(), QStringLiteral("c"))});
        f.SetPage(1, QStringLiteral("/out/1.html"));
        f.SetPage(3, QStringLiteral("/out/3.html"));
        f.editor.ShowRow(1);
        f.host.answers = {true};
        f.editor.DeleteFormRow();
        QCOMPARE(f.grid.ItemCount(), 2);
        QCOMPARE(f.grid.Record(1), Item(QStringLiteral("2"), QString(), QStringLiteral("b")));
        QCOMPARE(f.grid.Record(2), Item(QStringLiteral("3"), QString(), QStringLiteral("c")));
        QVERIFY(f.grid.PagePath(1).isEmpty());
        QVERIFY(!f.grid.Marked(1));
        QCOMPARE(f.grid.PagePath(2), QStringLiteral("/out/3.html"));
        QVERIFY(f.grid.Marked(2));
    }

    void answeringNoChangesNothing() {
        Fixture f;
        f.Open(3);
        f.editor.ShowRow(1);
        const EditForm before = f.form;
        f.host.answers = {false};
        f.editor.DeleteFormRow();
        QCOMPARE(f.host.questions.size(), 1);
        QCOMPARE(f.grid.ItemCount(), 3);
        for (int row = 1; row <= 3; ++row)
            QCOMPARE(f.grid.Record(row), Item(QString::number(row)));
        QCOMPARE(f.form.record, before.record);
        QVERIFY(f.form.deleteEnabled && f.form.updateEnabled);
        QCOMPARE(f.editor.FormRow(), 1);
    }

    void openingShowsTheNewFirstRowSoNoEarlierRecordIsTouched() {
        Fixture f;
        f.Open(3);
        f.editor.StartNewRecord();
        f.editor.ShowRow(2);
        f.Open({Item(QStringLiteral("A")), Item(QStringLiteral("B"))});
        // The new catalogue's first row is in the form, out of insert mode.
        QCOMPARE(f.editor.FormRow(), 1);
        QCOMPARE(f.form.record, Item(QStringLiteral("A")));
        QCOMPARE(f.form.pagePathText, RecordEditor::HtmlNotGenerated());
        QVERIFY(f.form.fieldsEnabled && f.form.updateEnabled && f.form.deleteEnabled);
        QCOMPARE(f.form.updateCaption, RecordEditor::UpdateCaption());
        QVERIFY(!f.form.cancelVisible);
        f.editor.StoreForm();
        QCOMPARE(f.grid.ItemCount(), 2);
        QCOMPARE(f.grid.Record(1), Item(QStringLiteral("A")));
        QCOMPARE(f.grid.Record(2), Item(QStringLiteral("B")));
        QVERIFY(!f.editor.Unsaved());
        // An empty catalogue leaves the form empty and disabled.
        f.Open(std::vector<ItemRecord>{});
        QVERIFY(f.FormEmpty());
        QVERIFY(!f.form.fieldsEnabled && !f.form.updateEnabled && !f.form.deleteEnabled);
        QCOMPARE(f.editor.FormRow(), 0);
    }

    void afterAPageRunTheFormShowsItsRowsPage() {
        Fixture f;
        f.Open(2);
        f.editor.ShowRow(2);
        f.Type(ItemRecord::Title, QStringLiteral("typed, not stored"));
        QVERIFY(!f.form.viewHtmlEnabled);
        f.SetPage(2, QStringLiteral("/out/2.html"));
        f.editor.ShowPagePath();
        QCOMPARE(f.form.pagePathText, QStringLiteral("/out/2.html"));
        QVERIFY(f.form.viewHtmlEnabled && f.form.viewPageEnabled);
        // What the seller typed stays in the form.
        QCOMPARE(f.form.record.Field(ItemRecord::Title), QStringLiteral("typed, not stored"));
        // A new record in the form has no page to show.
        f.editor.StartNewRecord();
        f.editor.ShowPagePath();
        QVERIFY(f.form.pagePathText.isEmpty());
        QVERIFY(!f.form.viewHtmlEnabled);
    }

    void theGridHoldsAtMost32766Items() {
        Fixture f;
        std::vector<ItemRecord> records(RecordEditor::MaxItems + 1, Item(QStringLiteral("n")));
        f.editor.BeginOpening();
        QCOMPARE(f.editor.AppendRead(records), RecordEditor::MaxItems);
        f.editor.EndOpening();
        QCOMPARE(f.grid.ItemCount(), 32766);
        QCOMPARE(f.form.itemCount, 32766);

        f.editor.StartNewRecord();
        f.Type(ItemRecord::ItemNumber, QStringLiteral("one too many"));
        f.editor.StoreForm();
        QCOMPARE(f.host.messages.size(), 1);
        QVERIFY(f.host.messages[0].contains(QStringLiteral("32766")));
        QCOMPARE(f.grid.ItemCount(), 32766);
        // Still in insert mode with what was typed, so the user can cancel.
        QCOMPARE(f.form.updateCaption, RecordEditor::InsertCaption());
        QVERIFY(f.form.updateEnabled && f.form.cancelVisible);
        QCOMPARE(f.form.record.Field(ItemRecord::ItemNumber), QStringLiteral("one too many"));

        // One deleted, one can be inserted again.
        f.editor.ShowRow(5);
        f.host.answers = {true};
        f.editor.DeleteFormRow();
        QCOMPARE(f.grid.ItemCount(), 32765);
        f.editor.StartNewRecord();
        f.Type(ItemRecord::ItemNumber, QStringLiteral("fits"));
        f.editor.StoreForm();
        QCOMPARE(f.grid.ItemCount(), 32766);
        QCOMPARE(f.grid.Field(32766, ItemRecord::ItemNumber), QStringLiteral("fits"));
    }
};

QTEST_APPLESS_MAIN(RecordEditorTest)
#include "RecordEditorTest.moc"
