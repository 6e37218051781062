// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/CatalogueColumns.h"
#include "catalogue/ItemRecord.h"

#include <QString>
#include <QUndoStack>

#include <memory>
#include <vector>

class EditorHost;
class GridChange;
class Grid;
struct EditForm;

// The main window's record editing: resetting the grid, appending records, showing a row's
// record in the form, entering, changing and deleting records, and which buttons and boxes
// are usable when. It works on the grid and on a plain description of the form; the window
// only binds its widgets to them.
//
// The form remembers the row whose record it shows (FormRow): Update, Delete and the page
// views act on that row. Opening a catalogue empties the form, so no record of an earlier
// catalogue can be changed or deleted.
class RecordEditor {
public:
    static constexpr int MaxItems = ItemRecord::MaxItems;

    // Marked for translation: the window translates them where it shows them, the editor
    // compares them as they are.
    static QString UpdateCaption() {
        return QStringLiteral(QT_TRANSLATE_NOOP("RecordEditor", "Update"));
    }
    static QString InsertCaption() {
        return QStringLiteral(QT_TRANSLATE_NOOP("RecordEditor", "Insert"));
    }
    static QString HtmlNotGenerated() {
        return QStringLiteral(QT_TRANSLATE_NOOP("RecordEditor", "< html not generated >"));
    }
    // The question before a row is deleted, naming the item by its number and title.
    static QString DeleteQuestion(const ItemRecord& record);
    // The question before several rows are deleted, naming how many and the first and last
    // item numbers.
    static QString DeleteQuestion(const std::vector<ItemRecord>& records);

    // A change of one field in many records: its value set, or a text in it replaced.
    struct FieldChange {
        int position = ItemRecord::Title;
        bool replace = false;
        // What is replaced, when replacing: every occurrence, letter case as given.
        QString find;
        QString value;
    };

    RecordEditor(Grid& grid, EditForm& form, EditorHost& host);

    // The item row whose record the form shows, 0 when it shows none.
    int FormRow() const { return m_formRow; }
    // Whether Update appends the form as a new record.
    bool Inserting() const;
    // The record the form was last filled with (a row's, a new record's, or none): the
    // seller has changed the form while what it holds differs from it.
    const ItemRecord& FilledRecord() const { return m_filled; }
    // Whether the grid's records differ from the catalogue last opened or saved: a record
    // was inserted, changed or deleted since. Page paths and marks are not part of it.
    bool Unsaved() const { return !m_changes.isClean(); }
    // The grid's records were just saved, or are the catalogue's as it stands.
    void MarkSaved() { m_changes.setClean(); }
    // Every change of the catalogue since it was opened, to undo and redo; its clean state is
    // the catalogue as last opened or saved.
    QUndoStack& Changes() { return m_changes; }
    // The item rows the last change, undo or redo left its records in (ascending), which the
    // window selects; empty where none.
    const std::vector<int>& ChangedRows() const { return m_changedRows; }

    // Empty grid, both counters 0, the page views disabled, nothing unsaved. The form is left
    // as it is.
    void Reset();

    // Opening a catalogue, in three steps around the reading: the reset, with the form
    // emptied and disabled; the records read appended as one block (what fits below
    // MaxItems; returns how many); and Htmls and Save enabled, whatever happened in between,
    // with the first row in the form when there is one.
    void BeginOpening();
    int AppendRead(std::vector<ItemRecord> records, CatalogueColumns columns = CatalogueColumns());
    void EndOpening();

    // A row clicked in the grid, or reached by a key: its record in the form. Row 0 (no row)
    // does nothing.
    void ShowRow(int row);
    // INSERT NEW RECORD: an empty, enabled form in insert mode.
    void StartNewRecord();
    // Update: appends the form as a new record in insert mode, or stores it into the form's
    // row otherwise; the stored row stays in the form, ready for the next change. Inserting
    // into a full grid is refused with a message and changes nothing.
    void StoreForm();
    // After a page run: the form's row shows the page path it has now, and View Html Code
    // is usable once it has one. The form's texts are left as they are.
    void ShowPagePath();
    // Cancel: leaves insert mode and empties the form.
    void Cancel();
    // Delete: removes the form's row once the user says Yes.
    void DeleteFormRow();
    // Removes the given item rows (ascending) once the user says Yes to one question.
    void DeleteRows(const std::vector<int>& rows);
    // Duplicate: a copy of the form's record inserted after its row, with the next item number
    // no row has, shown in the form.
    void DuplicateFormRow();
    // Sets or replaces one field in the given rows; returns how many records it changed.
    int ChangeField(const std::vector<int>& rows, const FieldChange& change);
    // A cell edited in the grid: stores the value into the row's field, as Update stores.
    void StoreCell(int row, int position, const QString& value);
    // Inserts records after item row `after` (0: at the top) as one change; false, with a
    // message, where they would not fit below MaxItems.
    bool InsertAfter(int after, std::vector<ItemRecord> records, const QString& what);
    // Orders the catalogue's rows anew (Grid::Reorder), as one change named by `what`.
    void Reorder(std::vector<int> order, const QString& what);
    // Adds kept columns of these names after the others, as one change: those the catalogue
    // has no column of yet (names matched as CatalogueColumns matches them). Returns how many
    // it added.
    int AddColumns(const QStringList& names);
    // Removes kept column `extra` and every row's value of it, as one change.
    void RemoveColumn(int extra);
    // Undo and redo: the last change undone or the last undone done again; the rows it
    // touched are shown, the first of them in the form.
    void Undo();
    void Redo();
    // The item number after `number` that no row holds: the next integer, or one above the
    // highest integer item number where `number` is none.
    QString NextFreeItemNumber(const QString& number) const;

private:
    // Pushes a change, which is carried out at once, and shows what it left.
    void Push(std::unique_ptr<GridChange> change);
    // After a change: the counters, insert mode left, and the first row the change left its
    // records in shown in the form, or the form emptied when it left none.
    void ShowChange(const GridChange* change);
    // Stores a record into a row as one change, where it differs from the row's.
    void StoreRecordAt(int row, const ItemRecord& record);
    void LeaveInsertMode();
    void ShowItemCount();
    void EmptyForm();
    void SetPageViewsEnabled(bool enabled);

    Grid& m_grid;
    EditForm& m_form;
    EditorHost& m_host;
    int m_formRow = 0;
    ItemRecord m_filled;
    QUndoStack m_changes;
    std::vector<int> m_changedRows;
};
