#pragma once

#include "catalogue/ItemRecord.h"

#include <QString>
#include <QtGlobal>

#include <vector>

class EditorHost;
class Grid;
struct EditForm;

// The main window's record editing: resetting the grid, appending records, showing a clicked
// record in the form, entering, changing and deleting records, and which buttons and boxes
// are usable when. It works on the grid and on a plain description of the form; the window
// only binds its widgets to them.
//
// The form remembers the row whose record it shows (FormRow). Update, Delete and the page
// preview act on that row, even when saving or a page run has moved the grid's current row
// since; opening a catalogue empties the form, so no record of an earlier catalogue can be
// changed or deleted.
class RecordEditor {
public:
    static constexpr int MaxItems = ItemRecord::MaxItems;
    static constexpr int ColumnCount = ItemRecord::GridColumnCount;

    static QString UpdateCaption() { return QStringLiteral("Update"); }
    static QString InsertCaption() { return QStringLiteral("Insert"); }
    static QString HtmlNotGenerated() { return QStringLiteral("< html not generated >"); }
    static QString DeleteQuestion() {
        return QStringLiteral("Are you sure you want to delete this record ?");
    }
    // Width in twips and heading of grid column 0 to 10.
    static int ColumnWidth(int column);
    static QString Heading(int column);

    RecordEditor(Grid& grid, EditForm& form, EditorHost& host);

    int ItemCount() const { return m_itemCount; }
    // Pages written since the last reset; it counts on past 32767.
    qint64 PageCount() const { return m_pageCount; }
    void SetPageCount(qint64 count) { m_pageCount = count; }
    // Label7's caption, shown at once.
    void ShowPageCount(const QString& caption);
    // The record buffer through which records pass on their way between file, grid and pages.
    ItemRecord& CurrentRecord() { return m_currentRecord; }
    const ItemRecord& CurrentRecord() const { return m_currentRecord; }
    // The item row whose record the form shows, 0 when it shows none.
    int FormRow() const { return m_formRow; }

    // Empty grid with its headings and widths, both counters 0, the preview buttons
    // disabled, the link table empty. The form is left as it is.
    void ResetWindow();
    // Appends a record as the new last row and shows the new item count. The record's Spare
    // goes with the row. False, and nothing appended, when the grid already holds MaxItems.
    bool To_Grid(const ItemRecord& record);

    // Opening a catalogue, in three steps around the file dialog and the reading: the reset,
    // with the form emptied and disabled; the records read, appended as one block while
    // Label6 counts up; and Htmls and Save enabled, whatever happened in between.
    void BeginOpening();
    // Appends what fits below MaxItems; returns how many records were appended.
    int AppendRead(const std::vector<ItemRecord>& records);
    void EndOpening();

    // A click on the grid: shows the grid's current row in the form.
    void GridClick();
    // Manual: an empty, enabled form in insert mode.
    void Manual();
    // Update: appends the form as a new record in insert mode, or stores it into the form's
    // row otherwise. Inserting into a full grid is refused with a message and changes nothing.
    void Update();
    // Cancel: leaves insert mode and empties the form.
    void Cancel();
    // Delete: removes the form's row once the user says Yes.
    void Delete();

    // The records of rows 1 to ItemCount for saving, read through the grid's cursor and the
    // record buffer; the last item's row stays current and its values stay in the buffer.
    std::vector<ItemRecord> SaveRecords();

private:
    void ShowItemCount();
    void ShowRow(int row);
    void EmptyBoxes();
    void SetEditableEnabled(bool enabled);
    // View Page and View Html Code.
    void SetPreviewsEnabled(bool enabled);
    void ReadRowIntoBuffer(int row);

    Grid& m_grid;
    EditForm& m_form;
    EditorHost& m_host;
    qint16 m_itemCount = 0;
    qint64 m_pageCount = 0;
    ItemRecord m_currentRecord;
    int m_formRow = 0;
};
