// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/RecordEditor.h"

#include "editing/EditForm.h"
#include "editing/EditorHost.h"
#include "editing/Grid.h"
#include "editing/GridChange.h"

#include <QCoreApplication>
#include <QSet>

RecordEditor::RecordEditor(Grid& grid, EditForm& form, EditorHost& host)
    : m_grid(grid), m_form(form), m_host(host) {}

QString RecordEditor::DeleteQuestion(const ItemRecord& record) {
    const QString& item = record.Field(ItemRecord::ItemNumber);
    const QString& title = record.Field(ItemRecord::Title);
    QString named = item.isEmpty()
                        ? QCoreApplication::translate("RecordEditor", "The item with no number")
                        : QCoreApplication::translate("RecordEditor", "Item %1").arg(item);
    if (!title.isEmpty())
        named += QStringLiteral(": ") + title;
    return QCoreApplication::translate("RecordEditor",
                                       "Are you sure you want to delete this record ?\n\n") +
           named;
}

QString RecordEditor::DeleteQuestion(const std::vector<ItemRecord>& records) {
    if (records.size() == 1)
        return DeleteQuestion(records.front());
    const QString& first = records.front().Field(ItemRecord::ItemNumber);
    const QString& last = records.back().Field(ItemRecord::ItemNumber);
    return QCoreApplication::translate("RecordEditor", "Delete %1 items (%2 to %3) ?")
        .arg(records.size())
        .arg(first, last);
}

namespace {

// "item 1001", or "the item with no number".
QString ItemName(const ItemRecord& record) {
    const QString& number = record.Field(ItemRecord::ItemNumber);
    return number.isEmpty() ? QCoreApplication::translate("RecordEditor", "the item with no number")
                            : QCoreApplication::translate("RecordEditor", "item %1").arg(number);
}

// "item 1001" for one record, "3 items" for more.
QString ItemsName(const Grid& grid, const std::vector<int>& rows) {
    return rows.size() == 1
               ? ItemName(grid.Record(rows.front()))
               : QCoreApplication::translate("RecordEditor", "%1 items").arg(rows.size());
}

}  // namespace

bool RecordEditor::Inserting() const {
    return m_form.updateCaption == InsertCaption();
}

void RecordEditor::ShowItemCount() {
    m_form.itemCount = m_grid.ItemCount();
    m_host.ShowCounters();
}

void RecordEditor::Reset() {
    SetPageViewsEnabled(false);
    m_grid.Clear();
    // Another catalogue's changes cannot be undone into this one.
    m_changes.clear();
    m_changedRows.clear();
    m_form.itemCount = 0;
    m_form.pageCount = 0;
    m_host.ShowCounters();
    // The form's row is gone with the rows.
    m_formRow = 0;
}

void RecordEditor::BeginOpening() {
    Reset();
    EmptyForm();
    m_form.fieldsEnabled = false;
    m_form.pagePathEnabled = false;
    m_form.updateCaption = UpdateCaption();
    m_form.updateEnabled = false;
    m_form.cancelVisible = false;
    m_form.deleteEnabled = false;
}

int RecordEditor::AppendRead(std::vector<ItemRecord> records, CatalogueColumns columns) {
    const size_t room = size_t(MaxItems - m_grid.ItemCount());
    if (records.size() > room)
        records.resize(room);
    const int appended = int(records.size());
    if (m_grid.ItemCount() == 0)
        m_grid.Open(std::move(columns), std::move(records));
    else
        m_grid.AppendRecords(std::move(records));
    ShowItemCount();
    return appended;
}

void RecordEditor::EndOpening() {
    m_form.htmlsEnabled = true;
    m_form.saveEnabled = true;
    ShowRow(1);
}

void RecordEditor::ShowPagePath() {
    if (m_formRow <= 0 || m_formRow > m_grid.ItemCount() || Inserting())
        return;
    const QString& page = m_grid.PagePath(m_formRow);
    m_form.pagePathText = page.isEmpty() ? HtmlNotGenerated() : page;
    m_form.viewHtmlEnabled = !page.isEmpty();
}

void RecordEditor::ShowRow(int row) {
    if (row <= 0 || row > m_grid.ItemCount())
        return;
    m_formRow = row;
    m_form.fieldsEnabled = true;
    m_form.pagePathEnabled = true;
    m_form.updateEnabled = true;
    m_form.deleteEnabled = true;
    m_form.record = m_grid.Record(row);
    m_filled = m_form.record;
    const QString& page = m_grid.PagePath(row);
    m_form.pagePathText = page.isEmpty() ? HtmlNotGenerated() : page;
    // View Page shows the row's page, written or not; View Html Code only a written one.
    m_form.viewPageEnabled = true;
    m_form.viewHtmlEnabled = !page.isEmpty();
}

void RecordEditor::SetPageViewsEnabled(bool enabled) {
    m_form.viewPageEnabled = enabled;
    m_form.viewHtmlEnabled = enabled;
}

void RecordEditor::EmptyForm() {
    m_form.record = ItemRecord();
    m_filled = ItemRecord();
    m_form.pagePathText.clear();
    m_formRow = 0;
}

void RecordEditor::StartNewRecord() {
    m_form.updateCaption = InsertCaption();
    m_form.updateEnabled = true;
    m_form.deleteEnabled = false;
    m_form.cancelVisible = true;
    EmptyForm();
    m_form.fieldsEnabled = true;
    SetPageViewsEnabled(false);
}

void RecordEditor::StoreForm() {
    if (Inserting()) {
        InsertAfter(m_grid.ItemCount(), {m_form.record},
                    QCoreApplication::translate("RecordEditor", "insert of %1")
                        .arg(ItemName(m_form.record)));
    } else if (m_formRow > 0) {
        StoreRecordAt(m_formRow, m_form.record);
        ShowRow(m_formRow);
    }
}

void RecordEditor::LeaveInsertMode() {
    m_form.updateCaption = UpdateCaption();
    m_form.cancelVisible = false;
}

void RecordEditor::Cancel() {
    LeaveInsertMode();
    m_form.fieldsEnabled = false;
    m_form.updateEnabled = false;
    EmptyForm();
    SetPageViewsEnabled(false);
}

void RecordEditor::DeleteFormRow() {
    if (m_formRow > 0 && m_formRow <= m_grid.ItemCount())
        DeleteRows({m_formRow});
}

void RecordEditor::DeleteRows(const std::vector<int>& rows) {
    if (rows.empty() || rows.back() > m_grid.ItemCount())
        return;
    std::vector<ItemRecord> records;
    records.reserve(rows.size());
    for (const int row : rows)
        records.push_back(m_grid.Record(row));
    if (!m_host.Confirm(DeleteQuestion(records)))
        return;
    Push(GridChange::Remove(
        m_grid, rows,
        QCoreApplication::translate("RecordEditor", "delete of %1").arg(ItemsName(m_grid, rows))));
}

QString RecordEditor::NextFreeItemNumber(const QString& number) const {
    QSet<QString> used;
    used.reserve(m_grid.ItemCount());
    qlonglong highest = 0;
    for (const ItemRecord& record : m_grid.Records()) {
        const QString& held = record.Field(ItemRecord::ItemNumber);
        used.insert(held);
        bool isNumber = false;
        const qlonglong value = held.toLongLong(&isNumber);
        if (isNumber)
            highest = std::max(highest, value);
    }
    bool isNumber = false;
    qlonglong next = number.toLongLong(&isNumber);
    next = isNumber ? next + 1 : highest + 1;
    while (used.contains(QString::number(next)))
        ++next;
    return QString::number(next);
}

void RecordEditor::DuplicateFormRow() {
    if (m_formRow <= 0 || m_formRow > m_grid.ItemCount() || Inserting())
        return;
    const ItemRecord& shown = m_grid.Record(m_formRow);
    ItemRecord copy = shown;
    copy.SetField(ItemRecord::ItemNumber, NextFreeItemNumber(shown.Field(ItemRecord::ItemNumber)));
    InsertAfter(
        m_formRow, {copy},
        QCoreApplication::translate("RecordEditor", "duplicate of %1").arg(ItemName(shown)));
}

int RecordEditor::ChangeField(const std::vector<int>& rows, const FieldChange& change) {
    std::vector<int> changedRows;
    std::vector<ItemRecord> changed;
    for (const int row : rows) {
        ItemRecord record = m_grid.Record(row);
        QString value = record.Value(change.position);
        if (change.replace)
            value.replace(change.find, change.value);
        else
            value = change.value;
        if (value == record.Value(change.position))
            continue;
        record.SetValue(change.position, value);
        changedRows.push_back(row);
        changed.push_back(std::move(record));
    }
    if (changedRows.empty())
        return 0;
    const QString heading = m_grid.ColumnName(change.position);
    const int count = int(changedRows.size());
    const QString what = QCoreApplication::translate("RecordEditor", "change of %1 in %2")
                             .arg(heading, ItemsName(m_grid, changedRows));
    Push(GridChange::Store(m_grid, std::move(changedRows), std::move(changed), what));
    return count;
}

void RecordEditor::StoreCell(int row, int position, const QString& value) {
    if (row <= 0 || row > m_grid.ItemCount())
        return;
    ItemRecord record = m_grid.Record(row);
    record.SetValue(position, value);
    StoreRecordAt(row, record);
}

void RecordEditor::StoreRecordAt(int row, const ItemRecord& record) {
    if (m_grid.Record(row) != record)
        Push(GridChange::Store(m_grid, {row}, {record},
                               QCoreApplication::translate("RecordEditor", "change to %1")
                                   .arg(ItemName(m_grid.Record(row)))));
}

bool RecordEditor::InsertAfter(int after, std::vector<ItemRecord> records, const QString& what) {
    if (records.empty())
        return true;
    if (m_grid.ItemCount() + int(records.size()) > MaxItems) {
        // One record does not fit only into a full grid.
        m_host.Tell(records.size() == 1
                        ? QCoreApplication::translate(
                              "RecordEditor",
                              "The catalogue already holds %1 items, the most it can "
                              "hold, so the new record was not inserted. Delete an "
                              "item first, or start a second catalogue.")
                              .arg(MaxItems)
                        : QCoreApplication::translate(
                              "RecordEditor",
                              "The catalogue holds %1 items and can hold %2, so the "
                              "%3 records would not fit and nothing was inserted. "
                              "Delete items first, or start a second catalogue.")
                              .arg(m_grid.ItemCount())
                              .arg(MaxItems)
                              .arg(records.size()));
        return false;
    }
    Push(GridChange::Insert(m_grid, after + 1, std::move(records), what));
    return true;
}

void RecordEditor::Reorder(std::vector<int> order, const QString& what) {
    const int shown = m_formRow;
    int shownAfter = 0;
    for (size_t index = 0; index < order.size() && shown > 0; ++index) {
        if (order[index] == shown - 1)
            shownAfter = int(index) + 1;
    }
    Push(GridChange::Reorder(m_grid, std::move(order), what));
    // The form goes on showing its record, at the row it moved to.
    ShowRow(shownAfter);
}

int RecordEditor::AddColumns(const QStringList& names) {
    CatalogueColumns columns = m_grid.Columns();
    QStringList added;
    for (const QString& name : names) {
        if (columns.ExtraNamed(name) < 0 && CatalogueColumns::FieldNamed(name) == 0) {
            columns.AddExtra(name);
            added << name;
        }
    }
    if (added.isEmpty())
        return 0;
    const QString what =
        added.size() == 1
            ? QCoreApplication::translate("RecordEditor", "adding of column %1").arg(added.front())
            : QCoreApplication::translate("RecordEditor", "adding of %1 columns").arg(added.size());
    Push(GridChange::Columns(m_grid, std::move(columns), m_grid.Extras(), m_formRow, what));
    return int(added.size());
}

void RecordEditor::RemoveColumn(int extra) {
    if (extra < 0 || extra >= m_grid.Columns().ExtraCount())
        return;
    CatalogueColumns columns = m_grid.Columns();
    const QString what = QCoreApplication::translate("RecordEditor", "removal of column %1")
                             .arg(columns.ExtraNames()[extra]);
    // The rows' kept values are what changes: the step stores those, not whole records.
    std::vector<ItemRecord> none;
    columns.RemoveExtra(extra, none);
    std::vector<QStringList> extras = m_grid.Extras();
    for (QStringList& values : extras) {
        if (extra < values.size())
            values.removeAt(extra);
    }
    Push(GridChange::Columns(m_grid, std::move(columns), std::move(extras), m_formRow, what));
}

void RecordEditor::Push(std::unique_ptr<GridChange> change) {
    GridChange* pushed = change.release();
    m_changes.push(pushed);
    ShowChange(pushed);
}

void RecordEditor::Undo() {
    if (!m_changes.canUndo())
        return;
    m_changes.undo();
    // Every step on the stack is a change of the grid.
    ShowChange(static_cast<const GridChange*>(m_changes.command(m_changes.index())));
}

void RecordEditor::Redo() {
    if (!m_changes.canRedo())
        return;
    m_changes.redo();
    ShowChange(static_cast<const GridChange*>(m_changes.command(m_changes.index() - 1)));
}

void RecordEditor::ShowChange(const GridChange* change) {
    m_changedRows = change->ShownRows();
    ShowItemCount();
    LeaveInsertMode();
    m_form.htmlsEnabled = true;
    m_form.saveEnabled = true;
    if (!m_changedRows.empty()) {
        ShowRow(m_changedRows.front());
        return;
    }
    // The form's row was removed or moved: nothing of it is left to show.
    m_form.deleteEnabled = false;
    m_form.updateEnabled = false;
    EmptyForm();
    SetPageViewsEnabled(false);
}
