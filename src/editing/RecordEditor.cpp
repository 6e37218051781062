// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/RecordEditor.h"

#include "editing/EditForm.h"
#include "editing/EditorHost.h"
#include "editing/Grid.h"

RecordEditor::RecordEditor(Grid& grid, EditForm& form, EditorHost& host)
    : m_grid(grid), m_form(form), m_host(host) {}

QString RecordEditor::DeleteQuestion(const ItemRecord& record) {
    const QString& item = record.Field(ItemRecord::ItemNumber);
    const QString& title = record.Field(ItemRecord::Title);
    QString named = item.isEmpty() ? QStringLiteral("The item with no number")
                                   : QStringLiteral("Item %1").arg(item);
    if (!title.isEmpty())
        named += QStringLiteral(": ") + title;
    return QStringLiteral("Are you sure you want to delete this record ?\n\n") + named;
}

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
    m_unsaved = false;
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

int RecordEditor::AppendRead(std::vector<ItemRecord> records) {
    const size_t room = size_t(MaxItems - m_grid.ItemCount());
    if (records.size() > room)
        records.resize(room);
    const int appended = int(records.size());
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
        if (m_grid.ItemCount() >= MaxItems) {
            m_host.Tell(QStringLiteral("The catalogue already holds %1 items, the most it can "
                                       "hold, so the new record was not inserted. Delete an "
                                       "item first, or start a second catalogue.")
                            .arg(MaxItems));
            return;
        }
        m_grid.AppendRecords({m_form.record});
        m_unsaved = true;
        ShowItemCount();
        m_form.updateCaption = UpdateCaption();
        m_form.cancelVisible = false;
        m_form.htmlsEnabled = true;
        m_form.saveEnabled = true;
        ShowRow(m_grid.ItemCount());
    } else if (m_formRow > 0) {
        if (m_grid.Record(m_formRow) != m_form.record) {
            m_grid.StoreRecord(m_formRow, m_form.record);
            m_unsaved = true;
        }
        ShowRow(m_formRow);
    }
}

void RecordEditor::Cancel() {
    m_form.updateCaption = UpdateCaption();
    m_form.cancelVisible = false;
    m_form.fieldsEnabled = false;
    m_form.updateEnabled = false;
    EmptyForm();
    SetPageViewsEnabled(false);
}

void RecordEditor::DeleteFormRow() {
    const int removed = m_formRow;
    if (removed <= 0 || removed > m_grid.ItemCount())
        return;
    if (!m_host.Confirm(DeleteQuestion(m_grid.Record(removed))))
        return;
    m_grid.RemoveRow(removed);
    m_unsaved = true;
    ShowItemCount();
    m_form.deleteEnabled = false;
    m_form.updateEnabled = false;
    EmptyForm();
    SetPageViewsEnabled(false);
}
