#include "editing/RecordEditor.h"

#include "editing/EditForm.h"
#include "editing/EditorHost.h"
#include "editing/Grid.h"

#include <algorithm>

namespace {

constexpr int kWidths[RecordEditor::ColumnCount] = {220,  1000, 2000, 3000, 2000, 1000,
                                                    1000, 2000, 2000, 1500, 3500};

}  // namespace

int RecordEditor::ColumnWidth(int column) {
    return kWidths[column];
}

QString RecordEditor::Heading(int column) {
    if (column == ItemRecord::HtmlColumn)
        return QStringLiteral("Html");
    if (column < ItemRecord::FirstFieldColumn)
        return QString();
    return QString::fromLatin1(
        ItemRecord::PresentationOf(ItemRecord::PositionOfColumn(column)).heading);
}

RecordEditor::RecordEditor(Grid& grid, EditForm& form, EditorHost& host)
    : m_grid(grid), m_form(form), m_host(host) {}

void RecordEditor::ShowItemCount() {
    m_form.itemCountText = QString::number(m_itemCount);
    m_host.ShowCounters();
}

void RecordEditor::ShowPageCount(const QString& caption) {
    m_form.pageCountText = caption;
    m_host.ShowCounters();
}

void RecordEditor::ResetWindow() {
    SetPreviewsEnabled(false);
    m_itemCount = 0;
    m_pageCount = 0;
    m_form.itemCountText = QStringLiteral("0");
    m_form.pageCountText = QStringLiteral("0");
    m_host.ShowCounters();
    m_host.ClearLinks();
    m_grid.Clear();
    m_grid.SetRows(1);
    m_grid.SetCols(ColumnCount);
    for (int column = 0; column < ColumnCount; ++column)
        m_grid.SetColWidth(column, ColumnWidth(column));
    m_grid.SetRow(0);
    for (int column = 1; column < ColumnCount; ++column) {
        m_grid.SetCol(column);
        m_grid.SetText(Heading(column));
    }
    // The form's row is gone with the rows.
    m_formRow = 0;
}

bool RecordEditor::To_Grid(const ItemRecord& record) {
    if (m_itemCount >= MaxItems)
        return false;
    ++m_itemCount;
    m_grid.SetRows(m_itemCount + 1);
    m_grid.SetRow(m_itemCount);
    for (int column = ItemRecord::FirstFieldColumn; column <= ItemRecord::LastFieldColumn;
         ++column) {
        m_grid.SetCol(column);
        m_grid.SetText(record.Field(ItemRecord::PositionOfColumn(column)));
    }
    m_grid.SetSpare(m_itemCount, record.Field(ItemRecord::Spare));
    ShowItemCount();
    return true;
}

void RecordEditor::BeginOpening() {
    ResetWindow();
    EmptyBoxes();
    m_form.boxEnabled.fill(false);
    m_form.updateCaption = UpdateCaption();
    m_form.updateEnabled = false;
    m_form.cancelVisible = false;
    m_form.deleteEnabled = false;
}

int RecordEditor::AppendRead(const std::vector<ItemRecord>& records) {
    const size_t room = size_t(MaxItems - m_itemCount);
    if (records.empty() || room == 0)
        return 0;
    std::vector<ItemRecord> fitting;
    const std::vector<ItemRecord>* appended = &records;
    if (records.size() > room) {
        fitting.assign(records.begin(), records.begin() + qsizetype(room));
        appended = &fitting;
    }
    m_grid.AppendRecords(*appended, [this](int rows) {
        m_itemCount = qint16(rows - 1);
        ShowItemCount();
    });
    // The buffer holds the last record read, its Spare included.
    m_currentRecord = appended->back();
    return int(appended->size());
}

void RecordEditor::EndOpening() {
    m_form.htmlsEnabled = true;
    m_form.saveEnabled = true;
}

void RecordEditor::ShowRow(int row) {
    if (row <= 0 || row > m_itemCount)
        return;
    m_formRow = row;
    m_form.boxEnabled.fill(true);
    m_form.boxEnabled[0] = false;
    m_form.updateEnabled = true;
    m_form.deleteEnabled = true;
    m_grid.SetRow(row);
    for (int column = ItemRecord::FirstFieldColumn; column <= ItemRecord::LastFieldColumn;
         ++column) {
        m_grid.SetCol(column);
        m_form.boxText[size_t(column)] = m_grid.Text();
    }
    m_grid.SetCol(ItemRecord::HtmlColumn);
    const QString page = m_grid.Text();
    m_form.boxText[EditForm::HtmlBox] = page.isEmpty() ? HtmlNotGenerated() : page;
    // View Page shows the row's page, written or not; View Html Code only a written one.
    m_form.viewPageEnabled = true;
    m_form.viewHtmlEnabled = !page.isEmpty();
}

void RecordEditor::SetPreviewsEnabled(bool enabled) {
    m_form.viewPageEnabled = enabled;
    m_form.viewHtmlEnabled = enabled;
}

void RecordEditor::GridClick() {
    ShowRow(m_grid.Row());
}

void RecordEditor::EmptyBoxes() {
    for (QString& text : m_form.boxText)
        text.clear();
    m_formRow = 0;
}

void RecordEditor::SetEditableEnabled(bool enabled) {
    for (int box = ItemRecord::FirstFieldColumn; box <= ItemRecord::LastFieldColumn; ++box)
        m_form.boxEnabled[size_t(box)] = enabled;
}

void RecordEditor::Manual() {
    m_form.updateCaption = InsertCaption();
    m_form.updateEnabled = true;
    m_form.deleteEnabled = false;
    m_form.cancelVisible = true;
    EmptyBoxes();
    SetEditableEnabled(true);
    SetPreviewsEnabled(false);
}

void RecordEditor::Update() {
    if (m_form.updateCaption == InsertCaption()) {
        if (m_itemCount >= MaxItems) {
            m_host.Tell(QStringLiteral("The catalogue already holds %1 items, the most it can "
                                       "hold, so the new record was not inserted. Delete an "
                                       "item first, or start a second catalogue.")
                            .arg(MaxItems));
            return;
        }
        ItemRecord record;
        for (int column = ItemRecord::FirstFieldColumn; column <= ItemRecord::LastFieldColumn;
             ++column)
            record.SetField(ItemRecord::PositionOfColumn(column), m_form.boxText[size_t(column)]);
        record.SetField(ItemRecord::Spare, m_currentRecord.Field(ItemRecord::Spare));
        To_Grid(record);
        m_form.updateCaption = UpdateCaption();
        m_form.cancelVisible = false;
        m_form.htmlsEnabled = true;
        m_form.saveEnabled = true;
        ShowRow(m_grid.Row());
    } else if (m_formRow > 0) {
        m_grid.SetRow(m_formRow);
        for (int column = ItemRecord::FirstFieldColumn; column <= ItemRecord::LastFieldColumn;
             ++column) {
            m_grid.SetCol(column);
            m_grid.SetText(m_form.boxText[size_t(column)]);
        }
    }
    SetEditableEnabled(false);
    m_form.updateEnabled = false;
    m_form.deleteEnabled = false;
    m_grid.Refresh();
}

void RecordEditor::Cancel() {
    m_form.updateCaption = UpdateCaption();
    m_form.cancelVisible = false;
    SetEditableEnabled(false);
    m_form.updateEnabled = false;
    EmptyBoxes();
    SetPreviewsEnabled(false);
}

void RecordEditor::ReadRowIntoBuffer(int row) {
    m_grid.SetRow(row);
    for (int column = ItemRecord::FirstFieldColumn; column <= ItemRecord::LastFieldColumn;
         ++column) {
        m_grid.SetCol(column);
        m_currentRecord.SetField(ItemRecord::PositionOfColumn(column), m_grid.Text());
    }
}

void RecordEditor::Delete() {
    const int removed = m_formRow;
    if (removed <= 0 || removed > m_itemCount)
        return;
    if (!m_host.Confirm(DeleteQuestion()))
        return;
    // Later rows move up by one: their texts and Spare, not the pictures of their cells.
    for (int row = removed; row < m_itemCount; ++row) {
        ReadRowIntoBuffer(row + 1);
        m_grid.SetCol(ItemRecord::HtmlColumn);
        const QString page = m_grid.Text();
        m_grid.SetRow(row);
        for (int column = ItemRecord::FirstFieldColumn; column <= ItemRecord::LastFieldColumn;
             ++column) {
            m_grid.SetCol(column);
            m_grid.SetText(m_currentRecord.Field(ItemRecord::PositionOfColumn(column)));
        }
        m_grid.SetCol(ItemRecord::HtmlColumn);
        m_grid.SetText(page);
        m_grid.SetSpare(row, m_grid.Spare(row + 1));
    }
    --m_itemCount;
    m_grid.SetRows(m_itemCount + 1);
    ShowItemCount();
    m_form.deleteEnabled = false;
    m_form.updateEnabled = false;
    EmptyBoxes();
    SetPreviewsEnabled(false);
}

std::vector<ItemRecord> RecordEditor::SaveRecords() {
    std::vector<ItemRecord> records;
    records.reserve(size_t(m_itemCount));
    for (int row = 1; row <= m_itemCount; ++row) {
        ReadRowIntoBuffer(row);
        ItemRecord record = m_currentRecord;
        record.SetField(ItemRecord::Spare, m_grid.Spare(row));
        records.push_back(std::move(record));
    }
    return records;
}
