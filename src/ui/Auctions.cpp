// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Auctions.h"

#include "app/ApplicationFolder.h"
#include "app/LotcraftError.h"
#include "app/ProgramSettings.h"
#include "controls/xpbutton/XpButton.h"
#include "editing/RowsText.h"
#include "listings/ListingTemplate.h"
#include "pages/CatalogueCheck.h"
#include "pages/PageBuilder.h"
#include "pages/PageInputs.h"
#include "ui/CatalogueDrop.h"
#include "ui/ChangeFieldDialog.h"
#include "ui/DescriptionBox.h"
#include "ui/DescriptionClipboard.h"
#include "ui/DesktopFileDialogs.h"
#include "ui/DesktopMessageBoxes.h"
#include "ui/DialogKeys.h"
#include "ui/FindBar.h"
#include "ui/FormControls.h"
#include "ui/GridView.h"
#include "ui/HtmlSourceWindow.h"
#include "ui/KeptSettings.h"
#include "ui/ListingDetailsList.h"
#include "ui/OutputFolderDialog.h"
#include "ui/PagePreviewWindow.h"
#include "ui/ProgramIcon.h"
#include "ui/Twips.h"
#include "ui/WindowScrolling.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// A text the record editor gave the form; a page's path is no text of its own and stays as is.
QString EditorText(const QString& text) {
    return QCoreApplication::translate("RecordEditor", text.toUtf8().constData());
}

}  // namespace

Auctions::Auctions(ProgramSettings& settings, MessageBoxes* messages, FileDialogs* dialogs,
                   QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_settings(settings),
      m_messages(messages ? *messages : DesktopMessageBoxes::Instance()),
      m_dialogs(dialogs ? *dialogs : DesktopFileDialogs::Instance()),
      m_shown(&m_grid),
      m_editor(m_grid, m_form, *this),
      m_applicationFolder(ApplicationFolder::OfThisProgram()),
      m_pictures(m_applicationFolder),
      m_browser(m_messages, this),
      m_commands(*this),
      m_files(*this, *this, m_messages, m_dialogs, m_grid, m_editor),
      m_pageRun(*this, *this, m_files, m_settings, m_messages, m_grid, m_form, m_pictures),
      m_listingExport(*this, *this, m_files, m_settings, m_messages, m_dialogs, m_grid,
                      m_pictures) {
    setObjectName(QStringLiteral("Auctions"));
    setWindowIcon(ProgramIcon());
    // The window opens at its first size and may grow, never shrink below it; on a screen
    // with less free room it opens to fit and scrolls.
    const QSize fitting = FittingSize();
    setMinimumSize(fitting);
    resize(fitting);
    // A narrow face: the window's texts were laid out for a small, narrow system font.
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setPixelSize(11);
    setFont(font);
    m_controls = MainWindowLayout::Create(*this, m_shown);
    m_findBar = new FindBar(this);
    m_scrolling = new WindowScrolling(*this, MainWindowLayout::FirstSize());
    connect(m_scrolling, &WindowScrolling::Scrolled, this, [this] {
        ArrangeControls();
        update();
    });
    // The keyboard scrolls the window by moving the focus: the focused control comes into view.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && now != this && now->window() == this)
            m_scrolling->Reveal(QRect(now->mapTo(this, QPoint(0, 0)), now->size())
                                    .translated(-m_scrolling->Offset()));
    });
    CreateCommands();
    ConnectControls();
    // The program starts with an empty grid; the output folder dialog offers the seller's own
    // folder until one is chosen.
    m_editor.Reset();
    ShowStatus(QString());
    ShowForm();
    m_controls.grid->setFocus();
}

Auctions::~Auctions() {
    // The undo stack tells its last change of state as it goes, after the window's controls.
    QObject::disconnect(&m_editor.Changes(), nullptr, this, nullptr);
}

void Auctions::SetApplicationFolder(const QString& folder) {
    m_applicationFolder = folder;
    m_pictures = PagePictures(folder);
}

void Auctions::CreateCommands() {
    using C = WindowCommands;
    using Keys = QList<QKeySequence>;
    const auto keys = [](QKeySequence::StandardKey standard) {
        return QKeySequence::keyBindings(standard);
    };
    GridView* grid = m_controls.grid;
    const struct {
        C::Command command;
        const char* text;
        Keys keys;
        void (Auctions::*run)();
        // The command's keys work only in the grid, where a box would use them itself.
        bool inGrid;
    } commands[] = {
        {C::Open, QT_TRANSLATE_NOOP("Auctions", "&Open catalogue..."), keys(QKeySequence::Open),
         &Auctions::ChooseCatalogue, false},
        {C::Save, QT_TRANSLATE_NOOP("Auctions", "&Save"), keys(QKeySequence::Save), &Auctions::Save,
         false},
        {C::SaveAs,
         QT_TRANSLATE_NOOP("Auctions", "Save &as..."),
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
         &Auctions::SaveAs,
         false},
        {C::NewRecord, QT_TRANSLATE_NOOP("Auctions", "Insert &new record"), keys(QKeySequence::New),
         &Auctions::StartNewRecord, false},
        {C::Store,
         QT_TRANSLATE_NOOP("Auctions", "&Update"),
         {QKeySequence(Qt::ALT | Qt::Key_U)},
         &Auctions::StoreForm,
         false},
        {C::Cancel,
         QT_TRANSLATE_NOOP("Auctions", "Cancel"),
         {QKeySequence(Qt::ALT | Qt::Key_C)},
         &Auctions::CancelForm,
         false},
        {C::Delete,
         QT_TRANSLATE_NOOP("Auctions", "&Delete"),
         {QKeySequence(Qt::Key_Delete)},
         &Auctions::DeleteRows,
         true},
        {C::Htmls,
         QT_TRANSLATE_NOOP("Auctions", "Write &pages..."),
         {QKeySequence(Qt::ALT | Qt::Key_P)},
         &Auctions::WritePagesCommand,
         false},
        {C::Export,
         QT_TRANSLATE_NOOP("Auctions", "&Export for eBay..."),
         {QKeySequence(Qt::CTRL | Qt::Key_E)},
         &Auctions::ExportCommand,
         false},
        {C::ViewPage,
         QT_TRANSLATE_NOOP("Auctions", "View page"),
         {QKeySequence(Qt::ALT | Qt::Key_V)},
         &Auctions::ViewPage,
         false},
        {C::ViewCode,
         QT_TRANSLATE_NOOP("Auctions", "View html code"),
         {QKeySequence(Qt::CTRL | Qt::Key_U)},
         &Auctions::ViewHtmlCode,
         false},
        {C::Preview,
         QT_TRANSLATE_NOOP("Auctions", "Page pre&view"),
         {QKeySequence(Qt::Key_F5)},
         &Auctions::ShowPreview,
         false},
        {C::Help, QT_TRANSLATE_NOOP("Auctions", "&Help"), keys(QKeySequence::HelpContents),
         &Auctions::ShowHelp, false},
        {C::CategoryList,
         QT_TRANSLATE_NOOP("Auctions", "eBay's category list"),
         {QKeySequence(Qt::ALT | Qt::Key_G)},
         &Auctions::ShowCategoryList,
         false},
        {C::Close,
         QT_TRANSLATE_NOOP("Auctions", "&Close"),
         {QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::CTRL | Qt::Key_Q)},
         &Auctions::CloseWindow,
         false},
        {C::Find, QT_TRANSLATE_NOOP("Auctions", "&Find..."), keys(QKeySequence::Find),
         &Auctions::ShowFindBar, false},
        {C::FindNext, QT_TRANSLATE_NOOP("Auctions", "Find ne&xt"), keys(QKeySequence::FindNext),
         &Auctions::FindNext, false},
        {C::Undo, QT_TRANSLATE_NOOP("Auctions", "&Undo"), keys(QKeySequence::Undo), &Auctions::Undo,
         false},
        {C::Redo,
         QT_TRANSLATE_NOOP("Auctions", "&Redo"),
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
         &Auctions::Redo,
         false},
        {C::Copy, QT_TRANSLATE_NOOP("Auctions", "&Copy rows"), keys(QKeySequence::Copy),
         &Auctions::CopyRows, false},
        {C::CopyDescription,
         QT_TRANSLATE_NOOP("Auctions", "Copy the listing &description"),
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
         &Auctions::CopyDescription,
         false},
        {C::Paste, QT_TRANSLATE_NOOP("Auctions", "&Paste rows"), keys(QKeySequence::Paste),
         &Auctions::PasteRows, false},
        {C::Duplicate,
         QT_TRANSLATE_NOOP("Auctions", "D&uplicate"),
         {QKeySequence(Qt::CTRL | Qt::Key_D)},
         &Auctions::DuplicateRecord,
         false},
        {C::ChangeField,
         QT_TRANSLATE_NOOP("Auctions", "Change &field..."),
         {QKeySequence(Qt::CTRL | Qt::Key_H)},
         &Auctions::ChangeField,
         false},
        {C::SortCatalogue,
         QT_TRANSLATE_NOOP("Auctions", "Sort the catalogue by this column"),
         {},
         &Auctions::SortCatalogue,
         false},
        {C::ListingDetails,
         QT_TRANSLATE_NOOP("Auctions", "&Listing details..."),
         {QKeySequence(Qt::CTRL | Qt::Key_L)},
         &Auctions::ShowListingDetails,
         false},
        {C::AddColumn,
         QT_TRANSLATE_NOOP("Auctions", "Add a column..."),
         {QKeySequence(Qt::ALT | Qt::Key_A)},
         &Auctions::AddColumn,
         false},
        {C::RemoveColumn,
         QT_TRANSLATE_NOOP("Auctions", "Remove the column"),
         {QKeySequence(Qt::ALT | Qt::Key_R)},
         &Auctions::RemoveColumn,
         false},
        {C::TemplateColumns,
         QT_TRANSLATE_NOOP("Auctions", "Add columns from an eBay &template..."),
         {QKeySequence(Qt::ALT | Qt::Key_T)},
         &Auctions::AddTemplateColumns,
         false},
        {C::Escape,
         QT_TRANSLATE_NOOP("Auctions", "Leave"),
         {QKeySequence(Qt::Key_Escape)},
         &Auctions::Escape,
         false},
    };
    for (const auto& command : commands) {
        const auto run = command.run;
        m_commands.Add(
            command.command, tr(command.text), command.keys, [this, run] { (this->*run)(); },
            command.inGrid ? grid : nullptr);
    }
    const MainWindowLayout::Controls& c = m_controls;
    const std::pair<C::Command, XpButton*> buttons[] = {
        {C::Open, c.load},
        {C::SaveAs, c.save},
        {C::NewRecord, c.newRecord},
        {C::Store, c.update},
        {C::Cancel, c.cancel},
        {C::Delete, c.deleteRecord},
        {C::Htmls, c.htmls},
        {C::Export, c.exportListings},
        {C::ViewPage, c.viewPage},
        {C::ViewCode, c.viewHtml},
        {C::Help, c.help},
        {C::CategoryList, c.categoryList},
        {C::Close, c.close},
        {C::AddColumn, c.details->AddButton()},
        {C::RemoveColumn, c.details->RemoveButton()},
        {C::TemplateColumns, c.details->TemplateButton()},
    };
    for (const auto& [command, button] : buttons)
        m_commands.Bind(command, button);
    // The grid's menu: the commands on its rows.
    grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (const C::Command command : {C::Copy, C::Paste, C::Duplicate, C::ChangeField, C::Delete})
        grid->addAction(m_commands[command]);
    auto* separator = new QAction(grid);
    separator->setSeparator(true);
    grid->addAction(separator);
    for (const C::Command command :
         {C::SortCatalogue, C::Undo, C::Redo, C::Find, C::ListingDetails, C::TemplateColumns})
        grid->addAction(m_commands[command]);
    QUndoStack& changes = m_editor.Changes();
    connect(&changes, &QUndoStack::indexChanged, this, &Auctions::ShowUndoTexts);
    connect(&changes, &QUndoStack::cleanChanged, this, &Auctions::ShowTitle);
    // The stack tells only its changes: its first state is shown here.
    ShowUndoTexts();
}

void Auctions::ConnectControls() {
    const MainWindowLayout::Controls& c = m_controls;
    connect(c.grid, &GridView::RowClicked, this, &Auctions::ShowRowInForm);
    connect(c.grid, &GridView::DescriptionEditRequested, this, &Auctions::EditDescriptionInForm);
    c.grid->SetEditGuard([this](int row) { return MayEditCell(row); });
    connect(&m_grid, &Grid::CellEdited, this, &Auctions::StoreCell);
    for (QLineEdit* box : c.boxes) {
        if (box)
            connect(box, &QLineEdit::returnPressed, m_commands[WindowCommands::Store],
                    &QAction::trigger);
    }
    connect(m_findBar, &FindBar::TextChanged, this, &Auctions::FindTextChanged);
    connect(m_findBar, &FindBar::NextRequested, this, &Auctions::FindNext);
    new CatalogueDrop(*this, [this](const QString& path) { m_files.Open(path); });

    // The preview follows the form and the seller's texts, a moment after the last key.
    m_previewTimer.setSingleShot(true);
    m_previewTimer.setInterval(PreviewDelayMs);
    connect(&m_previewTimer, &QTimer::timeout, this, &Auctions::UpdatePreview);
    for (QLineEdit* box : {c.seller, c.location, c.country})
        connect(box, &QLineEdit::textChanged, this, &Auctions::SchedulePreview);
    for (QLineEdit* box : c.boxes) {
        if (box)
            connect(box, &QLineEdit::textChanged, this, &Auctions::SchedulePreview);
    }
    connect(c.description, &QPlainTextEdit::textChanged, this, &Auctions::SchedulePreview);
}

template <typename Operation>
void Auctions::Edit(Operation operation) {
    m_form.record = BoxesRecord();
    operation();
    ShowForm();
}

ItemRecord Auctions::BoxesRecord() const {
    ItemRecord record = m_form.record;
    for (int position = 1; position <= ItemRecord::FieldCount; ++position) {
        if (const QLineEdit* box = m_controls.boxes[size_t(position)])
            record.SetField(position, box->text());
    }
    record.SetField(ItemRecord::Description, m_controls.description->Value());
    // The listing details hold the kept columns' values while they show the grid's columns.
    const QStringList details = m_controls.details->Values();
    if (details.size() == m_grid.Columns().ExtraCount())
        record.SetExtras(details);
    return record;
}

void Auctions::ShowForm() {
    const MainWindowLayout::Controls& c = m_controls;
    const auto show = [](QLineEdit* box, const QString& text, bool enabled) {
        if (box->text() != text) {
            box->setText(text);
            box->setCursorPosition(0);
        }
        box->setEnabled(enabled);
    };
    for (int position = 1; position <= ItemRecord::FieldCount; ++position) {
        if (QLineEdit* box = c.boxes[size_t(position)])
            show(box, m_form.record.Field(position), m_form.fieldsEnabled);
    }
    c.description->SetValue(m_form.record.Field(ItemRecord::Description));
    c.description->setEnabled(m_form.fieldsEnabled);
    c.details->Show(m_grid.Columns().ExtraNames(), m_form.record.Extras(), m_form.fieldsEnabled);
    // The first column kept, or the last removed, shows or hides the details beside the form.
    if (c.details->isHidden() == (m_grid.Columns().ExtraCount() > 0))
        ArrangeControls();
    // The editor compares its texts as it set them, in English: they are translated here.
    show(c.pagePath, EditorText(m_form.pagePathText), m_form.pagePathEnabled);
    const QString updateCaption = EditorText(m_form.updateCaption);
    if (c.update->Caption() != updateCaption)
        c.update->SetCaption(updateCaption);
    c.cancel->setVisible(m_form.cancelVisible);
    ShowCommandStates();
    ShowCounters();
    HighlightFormRow();
    ShowTitle();
    SchedulePreview();
}

void Auctions::ShowCommandStates() {
    using C = WindowCommands;
    const bool items = m_grid.ItemCount() > 0;
    const std::pair<C::Command, bool> states[] = {
        {C::Store, m_form.updateEnabled},
        {C::Cancel, m_form.cancelVisible},
        {C::Delete, m_form.deleteEnabled},
        {C::Htmls, m_form.htmlsEnabled},
        {C::Export, m_form.htmlsEnabled},
        {C::Save, m_form.saveEnabled},
        {C::SaveAs, m_form.saveEnabled},
        {C::ViewPage, m_form.viewPageEnabled},
        {C::ViewCode, m_form.viewHtmlEnabled},
        {C::Duplicate, m_form.deleteEnabled},
        {C::Copy, items},
        {C::ChangeField, items},
        {C::SortCatalogue, m_grid.ItemCount() > 1},
        {C::RemoveColumn, m_grid.Columns().ExtraCount() > 0},
        {C::FindNext, m_findBar->isVisible()},
    };
    for (const auto& [command, enabled] : states)
        m_commands.SetEnabled(command, enabled);
}

void Auctions::ShowUndoTexts() {
    const QUndoStack& changes = m_editor.Changes();
    QAction* undo = m_commands[WindowCommands::Undo];
    QAction* redo = m_commands[WindowCommands::Redo];
    undo->setEnabled(changes.canUndo());
    redo->setEnabled(changes.canRedo());
    undo->setText(changes.canUndo() ? tr("&Undo ") + changes.undoText() : tr("&Undo"));
    redo->setText(changes.canRedo() ? tr("&Redo ") + changes.redoText() : tr("&Redo"));
}

void Auctions::ShowTitle() {
    const QString& path = m_files.CataloguePath();
    if (!m_files.SpreadsheetFrom().isEmpty())
        setWindowTitle(tr("%1, read from the spreadsheet (saved as CSV)[*] - Lotcraft")
                           .arg(QFileInfo(m_files.SpreadsheetFrom()).fileName()));
    else if (!m_files.ReadInPartFrom().isEmpty())
        setWindowTitle(tr("%1 items read in part from %2[*] - Lotcraft")
                           .arg(m_grid.ItemCount())
                           .arg(QFileInfo(m_files.ReadInPartFrom()).fileName()));
    else if (path.isEmpty())
        setWindowTitle(m_grid.ItemCount() > 0 ? tr("New catalogue[*] - Lotcraft")
                                              : tr("Lotcraft[*]"));
    else
        setWindowTitle(QFileInfo(path).fileName() + tr("[*] - Lotcraft"));
    setWindowModified(m_editor.Unsaved());
}

void Auctions::HighlightFormRow() {
    // The view's current row is the row the form shows; a selection that holds it stays.
    m_controls.grid->ShowFormRow(m_editor.FormRow());
}

void Auctions::ShowStatus(const QString& text) {
    m_controls.status->setText(text);
    if (isVisible())
        m_controls.status->repaint();
}

bool Auctions::Confirm(const QString& question) {
    return m_messages.AskYesNo(this, question);
}

void Auctions::Tell(const QString& message) {
    m_messages.Tell(this, message);
}

void Auctions::ShowCounters() {
    m_controls.itemCount->setText(
        m_shown.Filtered() ? tr("%1 of %2 shown").arg(m_shown.ShownCount()).arg(m_form.itemCount)
                           : QString::number(m_form.itemCount));
    PlaceItemCount();
    m_controls.pageCount->setText(QString::number(m_form.pageCount));
    if (isVisible()) {
        m_controls.itemCount->repaint();
        m_controls.pageCount->repaint();
    }
}

SellerTexts Auctions::Seller() const {
    return {m_controls.seller->text(), m_controls.location->text(), m_controls.country->text()};
}

void Auctions::RevealRow(int row) {
    ShowRowInForm(row);
    m_controls.grid->scrollTo(m_controls.grid->currentIndex());
}

ListingOptions Auctions::KeptListingOptions() const {
    return m_keptStore ? KeptSettings(*m_keptStore).ReadListingOptions(m_listingOptions)
                       : m_listingOptions;
}

void Auctions::KeepListingOptions(const ListingOptions& options) {
    m_listingOptions = options;
    if (m_keptStore)
        KeptSettings(*m_keptStore).WriteListingOptions(options);
}

QStringList Auctions::KeptColumnMatches(const QStringList& heading) const {
    return m_keptStore ? KeptSettings(*m_keptStore).ReadColumnMatches(heading)
                       : m_columnMatches.value(heading.join(QLatin1Char('\n')));
}

void Auctions::KeepColumnMatches(const QStringList& heading, const QStringList& matches) {
    m_columnMatches.insert(heading.join(QLatin1Char('\n')), matches);
    if (m_keptStore)
        KeptSettings(*m_keptStore).WriteColumnMatches(heading, matches);
}

void Auctions::CatalogueChanged(bool opened) {
    ShowStatus(QString());
    ShowForm();
    // A catalogue just opened is read from its first row, in the grid.
    if (opened) {
        m_controls.grid->setFocus();
        KeepSettings();
    }
}

void Auctions::CancelForm() {
    Edit([this] { m_editor.Cancel(); });
}

template <typename Change>
void Auctions::ChangeCatalogue(Change change) {
    if (!MayLeaveForm())
        return;
    Edit(change);
    if (!m_editor.ChangedRows().empty())
        m_controls.grid->SelectRows(m_editor.ChangedRows());
}

std::vector<int> Auctions::ActedOnRows() const {
    std::vector<int> rows = m_controls.grid->SelectedRows();
    if (rows.size() <= 1 && m_editor.FormRow() > 0 && !m_editor.Inserting())
        rows = {m_editor.FormRow()};
    return rows;
}

void Auctions::DeleteRows() {
    const std::vector<int> rows = ActedOnRows();
    if (rows.empty())
        return;
    // What the form holds of a row about to go goes with it; of another row, it is asked about.
    if (!std::binary_search(rows.begin(), rows.end(), m_editor.FormRow()) && !MayLeaveForm())
        return;
    Edit([this, &rows] { m_editor.DeleteRows(rows); });
    m_controls.grid->setFocus();
}

void Auctions::Undo() {
    // The step's name, read before it moves to the redo side.
    const QString step = m_editor.Changes().undoText();
    ChangeCatalogue([this] { m_editor.Undo(); });
    if (m_editor.Changes().redoText() == step && !step.isEmpty())
        ShowStatus(tr("Undone: %1. Ctrl+Shift+Z does it again.").arg(step));
}

void Auctions::Redo() {
    const QString step = m_editor.Changes().redoText();
    ChangeCatalogue([this] { m_editor.Redo(); });
    if (m_editor.Changes().undoText() == step && !step.isEmpty())
        ShowStatus(tr("Done again: %1.").arg(step));
}

void Auctions::DuplicateRecord() {
    ChangeCatalogue([this] { m_editor.DuplicateFormRow(); });
    m_controls.boxes[ItemRecord::Title]->setFocus();
}

void Auctions::ChangeField() {
    const std::vector<int> rows = ActedOnRows();
    if (rows.empty()) {
        ShowStatus(
            tr("Select the rows to change first: click, Shift+click or "
               "Ctrl+click them in the grid."));
        return;
    }
    if (!MayLeaveForm())
        return;
    int position = m_controls.grid->CurrentPosition();
    if (position == 0)
        position = ItemRecord::Price;
    const std::optional<RecordEditor::FieldChange> change =
        m_changeFieldPrompt ? m_changeFieldPrompt(this, int(rows.size()), position)
                            : [&]() -> std::optional<RecordEditor::FieldChange> {
        ChangeFieldDialog dialog(int(rows.size()), position, m_grid.Columns().ExtraNames(), this);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.Change();
    }();
    if (!change)
        return;
    int changed = 0;
    ChangeCatalogue([&] { changed = m_editor.ChangeField(rows, *change); });
    const QString heading = m_grid.ColumnName(change->position);
    ShowStatus(
        changed == 1
            ? tr("Changed the %1 of 1 item of %2.").arg(heading).arg(rows.size())
            : tr("Changed the %1 of %2 items of %3.").arg(heading).arg(changed).arg(rows.size()));
}

void Auctions::CopyRows() {
    const std::vector<int> rows = ActedOnRows();
    if (rows.empty())
        return;
    std::vector<ItemRecord> records;
    records.reserve(rows.size());
    for (const int row : rows)
        records.push_back(m_grid.Record(row));
    auto* data = new QMimeData;
    // The kept columns' values come along, after the ten fields, as the grid shows them.
    const int kept = m_grid.Columns().ExtraCount();
    data->setText(RowsText::TabSeparated(records, kept));
    data->setData(QStringLiteral("text/csv"), RowsText::Csv(records, kept).toUtf8());
    QGuiApplication::clipboard()->setMimeData(data);
    ShowStatus(rows.size() == 1 ? tr("Copied 1 row: paste it into a spreadsheet, or here after "
                                     "another row.")
                                : tr("Copied %1 rows: paste them into a spreadsheet, or here "
                                     "after another row.")
                                      .arg(rows.size()));
}

void Auctions::PasteRows() {
    const RowsText::Pasted pasted = RowsText::FromTabSeparated(QGuiApplication::clipboard()->text(),
                                                               m_grid.Columns().ExtraCount());
    if (!pasted.problem.isEmpty()) {
        m_messages.Tell(this, tr("Nothing was pasted: ") + pasted.problem);
        return;
    }
    if (!MayLeaveForm())
        return;
    const int after =
        m_editor.Inserting() || m_editor.FormRow() == 0 ? m_grid.ItemCount() : m_editor.FormRow();
    const int count = int(pasted.records.size());
    bool inserted = false;
    ChangeCatalogue([&] {
        inserted = m_editor.InsertAfter(
            after, pasted.records,
            count == 1 ? tr("paste of 1 item") : tr("paste of %1 items").arg(count));
    });
    if (!inserted)
        return;
    ShowStatus((count == 1 ? tr("Pasted 1 item") : tr("Pasted %1 items").arg(count)) +
               (pasted.headingSkipped ? tr(", the heading row left out.") : QStringLiteral(".")));
    CheckPastedRows(m_editor.ChangedRows());
}

void Auctions::CheckPastedRows(const std::vector<int>& rows) {
    std::vector<CatalogueFinding> found;
    for (CatalogueFinding& finding :
         CatalogueCheck::Run(m_grid.Records(), Seller(), QString(), 0)) {
        if (std::binary_search(rows.begin(), rows.end(), finding.row))
            found.push_back(std::move(finding));
    }
    if (found.empty())
        return;
    constexpr size_t kMostShown = 12;
    QString lines;
    for (size_t index = 0; index < found.size() && index < kMostShown; ++index) {
        const CatalogueFinding& finding = found[index];
        lines +=
            tr("\nRow %1 (item %2): %3").arg(finding.row).arg(finding.itemNumber, finding.what);
    }
    if (found.size() > kMostShown)
        lines += tr("\n... and %1 more.").arg(found.size() - kMostShown);
    m_messages.Tell(this, tr("The pasted rows are in the catalogue (Ctrl+Z takes "
                             "them out again). The check found:\n") +
                              lines);
}

void Auctions::SortCatalogue() {
    // The column the view is sorted by, in its order, else the current column, ascending.
    int position = m_controls.grid->SortPosition();
    int column = m_shown.sortColumn();
    Qt::SortOrder order = m_shown.sortOrder();
    if (position == 0) {
        position = m_controls.grid->CurrentPosition();
        column = m_controls.grid->currentIndex().column();
        order = Qt::AscendingOrder;
    }
    if (position == 0 || m_grid.ItemCount() < 2)
        return;
    const QString heading = m_grid.ColumnName(position);
    ChangeCatalogue([&] {
        m_editor.Reorder(m_shown.SortedOrder(column, order),
                         tr("sort of the catalogue by %1").arg(heading));
    });
    ShowStatus(tr("The catalogue is in the order of its %1 column now; Save "
                  "writes it so, Ctrl+Z gives the old order back.")
                   .arg(heading));
}

void Auctions::ArrangeControls() {
    // A catalogue without kept columns has no details to show beside the form.
    const bool details = !m_detailsInDialog && m_grid.Columns().ExtraCount() > 0;
    m_scrolling->Fit();
    MainWindowLayout::Arrange(*this, *m_controls.grid, m_findBar,
                              details ? m_controls.details : nullptr, m_scrolling->Offset());
    if (!details && !m_detailsInDialog)
        m_controls.details->hide();
}

void Auctions::ShowListingDetails() {
    ListingDetailsList* details = m_controls.details;
    if (m_detailsInDialog)
        return;
    if (details->isVisible()) {
        details->FocusValues();
        return;
    }
    // The window has no room for them beside the form: the same list, over the window.
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("ListingDetailsDialog"));
    dialog.setWindowTitle(tr("Listing details"));
    auto* layout = new QVBoxLayout(&dialog);
    m_detailsInDialog = true;
    layout->addWidget(details);
    details->show();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    XpButton* store = FormControls::DialogButton(&dialog, QStringLiteral("OKButton"), tr("Update"));
    XpButton* close =
        FormControls::DialogButton(&dialog, QStringLiteral("CancelButton"), tr("Close"));
    buttons->addWidget(store);
    buttons->addWidget(close);
    store->setEnabled(m_form.updateEnabled);
    store->setAccessibleName(tr("Update the item"));
    layout->addLayout(buttons);
    connect(store, &XpButton::Click, &dialog, [this, &dialog] {
        StoreForm();
        dialog.accept();
    });
    connect(close, &XpButton::Click, &dialog, &QDialog::reject);
    // The list's buttons keep their commands' keys in the dialog too.
    for (const WindowCommands::Command command :
         {WindowCommands::AddColumn, WindowCommands::RemoveColumn, WindowCommands::TemplateColumns})
        dialog.addAction(m_commands[command]);
    DialogKeys::GiveEveryButtonAKey(&dialog);
    dialog.resize(MainWindowLayout::DetailsWidth() + 40, height() / 2);
    details->FocusValues();
    dialog.exec();
    // Back beside the form, for when the window is made large enough.
    layout->removeWidget(details);
    details->setParent(this);
    m_detailsInDialog = false;
    ArrangeControls();
    if (FormEdited())
        ShowStatus(tr("The listing details are in the form: Update stores them."));
}

void Auctions::AddColumn() {
    const std::optional<QString> typed =
        m_messages.AskText(this,
                           tr("The new column's name (an item specific as eBay names it: C:Brand, "
                              "C:Colour; or Quantity, Format, Duration, ConditionID):"),
                           QString());
    if (!typed)
        return;
    const QString name = typed->trimmed();
    if (name.isEmpty()) {
        ShowStatus(tr("A column needs a name: nothing was added."));
        return;
    }
    if (CatalogueColumns::FieldNamed(name) != 0 || m_grid.Columns().ExtraNamed(name) >= 0) {
        ShowStatus(tr("The catalogue has a %1 column already.").arg(name));
        return;
    }
    ChangeCatalogue([&] { m_editor.AddColumns({name}); });
    ShowStatus(tr("Added the column %1: each item's value is in the listing "
                  "details (Ctrl+L). Ctrl+Z takes it away again.")
                   .arg(name));
}

void Auctions::RemoveColumn() {
    const CatalogueColumns& columns = m_grid.Columns();
    int extra = m_controls.details->CurrentColumn();
    const int position = m_controls.grid->CurrentPosition();
    if (extra < 0 && position >= ItemRecord::FirstExtraPosition)
        extra = position - ItemRecord::FirstExtraPosition;
    if (extra < 0 && columns.ExtraCount() == 1)
        extra = 0;
    if (extra < 0 || extra >= columns.ExtraCount()) {
        ShowStatus(tr("Choose the column to remove in the listing details first."));
        return;
    }
    const QString name = columns.ExtraNames()[extra];
    if (!m_messages.AskYesNo(this, tr("Remove the column %1, and its value in every "
                                      "item ? Ctrl+Z brings it back.")
                                       .arg(name)))
        return;
    ChangeCatalogue([&] { m_editor.RemoveColumn(extra); });
    ShowStatus(tr("Removed the column %1.").arg(name));
}

void Auctions::AddTemplateColumns() {
    const QString path = m_dialogs.OpenTemplateName(this, m_files.SourcePath());
    if (path.isEmpty())
        return;
    const ListingTemplate::Result read = ListingTemplate::Read(path);
    if (!read.failure.isEmpty()) {
        m_messages.Tell(this, tr("No column was added.\n\n") + read.failure);
        return;
    }
    const QStringList missing = ListingTemplate::Missing(read, m_grid.Columns());
    if (missing.isEmpty()) {
        ShowStatus(tr("The catalogue has every item specific of %1 already.")
                       .arg(QFileInfo(path).fileName()));
        return;
    }
    ChangeCatalogue([&] { m_editor.AddColumns(missing); });
    ShowStatus(tr("Added %1 from %2: %3. The export's check names each required "
                  "one (*) left empty.")
                   .arg(missing.size() == 1 ? tr("1 column") : tr("%1 columns").arg(missing.size()),
                        QFileInfo(path).fileName(), missing.join(QStringLiteral(", "))));
}

bool Auctions::MayEditCell(int row) {
    if (!MayLeaveForm())
        return false;
    if (row != m_editor.FormRow())
        Edit([this, row] { m_editor.ShowRow(row); });
    return true;
}

void Auctions::StoreCell(int row, int position, const QString& value) {
    // The question about the form's changes came before the cell was edited.
    Edit([&] { m_editor.StoreCell(row, position, value); });
}

void Auctions::EditDescriptionInForm(int row) {
    ShowRowInForm(row);
    if (m_editor.FormRow() == row)
        m_controls.description->setFocus();
}

void Auctions::ShowFindBar() {
    m_findBar->Open();
    ArrangeControls();
    ShowCommandStates();
}

void Auctions::FindTextChanged(const QString& text) {
    m_shown.SetFindText(text);
    ShowCounters();
    HighlightFormRow();
}

void Auctions::FindNext() {
    GridView* grid = m_controls.grid;
    const int shown = m_shown.rowCount();
    if (shown == 0)
        return;
    const int current = grid->currentIndex().isValid() ? grid->currentIndex().row() : -1;
    const int column = std::max(0, grid->currentIndex().column());
    const QModelIndex next = m_shown.index((current + 1) % shown, column);
    grid->selectionModel()->setCurrentIndex(
        next, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    grid->scrollTo(next);
    ShowRowInForm(grid->ItemRow(next));
}

void Auctions::CloseFindBar() {
    m_findBar->Clear();
    m_findBar->hide();
    ArrangeControls();
    ShowCommandStates();
    m_controls.grid->setFocus();
    if (m_editor.FormRow() > 0)
        m_controls.grid->scrollTo(m_controls.grid->currentIndex());
}

void Auctions::Escape() {
    if (m_controls.grid->CancelEditing())
        return;
    if (m_findBar->isVisible()) {
        CloseFindBar();
        return;
    }
    LeaveInsertMode();
}

void Auctions::PlaceItemCount() {
    // "32766 of 32766 shown" needs more room than the count: it takes the place of "Items:"
    // and the free space before it, set flush with the window's right edge.
    QLabel* label = findChild<QLabel*>(QStringLiteral("Label4"), Qt::FindDirectChildrenOnly);
    QLabel* count = m_controls.itemCount;
    const bool filtered = m_shown.Filtered();
    label->setVisible(!filtered);
    count->setAlignment((filtered ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
    const int left = label->x() + TwipsToPixels(filtered ? -2400 : 600);
    const int right =
        std::max(this->width(), MainWindowLayout::FirstSize().width()) + m_scrolling->Offset().x();
    const int width = filtered ? right - left - TwipsToPixels(120) : TwipsToPixels(615);
    count->setGeometry(left, label->y(), width, count->height());
}

void Auctions::ShowRowInForm(int row) {
    // The form's changes are stored into the form's own row first, if the user wants them.
    if (!MayLeaveForm()) {
        HighlightFormRow();
        return;
    }
    Edit([this, row] { m_editor.ShowRow(row); });
}

void Auctions::StartNewRecord() {
    if (!MayLeaveForm())
        return;
    Edit([this] { m_editor.StartNewRecord(); });
    m_controls.boxes[ItemRecord::ItemNumber]->setFocus();
}

void Auctions::StoreForm() {
    Edit([this] { m_editor.StoreForm(); });
    m_controls.grid->setFocus();
}

void Auctions::LeaveInsertMode() {
    if (!m_form.cancelVisible)
        return;
    Edit([this] { m_editor.Cancel(); });
    // The focus was in a box that is now disabled: it goes back to the grid.
    m_controls.grid->setFocus();
}

bool Auctions::FormEdited() const {
    return m_form.updateEnabled && BoxesRecord() != m_editor.FilledRecord();
}

bool Auctions::MayLeaveForm() {
    if (!FormEdited())
        return true;
    const QString question =
        m_editor.Inserting() ? tr("Do you want to insert the new record ?")
                             : tr("Do you want to store your changes to item %1 ?")
                                   .arg(m_grid.Field(m_editor.FormRow(), ItemRecord::ItemNumber));
    switch (m_messages.Ask(this, question)) {
        case MessageBoxes::Answer::Yes:
            StoreForm();
            // An insert into a full grid is refused: the typed record stays in the form.
            return !m_editor.Inserting();
        case MessageBoxes::Answer::No: return true;
        case MessageBoxes::Answer::Dismissed: break;
    }
    return false;
}

void Auctions::SaveCatalogue(bool asNew) {
    // What the form shows is what is saved: its changes are stored first, if the seller wants.
    if (!MayLeaveForm())
        return;
    if (asNew)
        m_files.SaveAs();
    else
        m_files.Save();
    KeepSettings();
}

std::optional<std::vector<int>> Auctions::RowsToWrite(const QString& what) {
    std::vector<int> selected = m_controls.grid->SelectedRows();
    const QString hidden = m_shown.Filtered()
                               ? tr(" The find bar hides %1 of them, which count too.")
                                     .arg(m_grid.ItemCount() - m_shown.ShownCount())
                               : QString();
    if (selected.size() <= 1) {
        if (!hidden.isEmpty())
            ShowStatus(tr("%1 acts on all %2 items.").arg(what).arg(m_grid.ItemCount()) + hidden);
        return std::vector<int>();
    }
    switch (m_messages.AskBetween(
        this,
        tr("%1 rows are selected. %2 for the selected rows only, or for all %3 "
           "items of the catalogue?")
            .arg(selected.size())
            .arg(what)
            .arg(m_grid.ItemCount()),
        tr("Selected rows"), tr("All items"))) {
        case MessageBoxes::Answer::Yes: return selected;
        case MessageBoxes::Answer::No: return std::vector<int>();
        case MessageBoxes::Answer::Dismissed: break;
    }
    return std::nullopt;
}

bool Auctions::MayWrite(bool checked, const QString& what) {
    if (!MayLeaveForm())
        return false;
    // Once the seller has seen the check's findings, the rows chosen before stand.
    if (checked)
        return true;
    const std::optional<std::vector<int>> rows = RowsToWrite(what);
    if (rows)
        m_rowsToWrite = *rows;
    return bool(rows);
}

void Auctions::WritePages(bool checked) {
    if (!MayWrite(checked, tr("Write the pages")))
        return;
    m_pageRun.Run(Seller(), checked, m_rowsToWrite);
    // The form's row shows the page just written for it.
    Edit([this] { m_editor.ShowPagePath(); });
    KeepSettings();
    // A close asked for during the run is carried out now, with its questions.
    if (m_closeRequested) {
        m_closeRequested = false;
        close();
    }
}

void Auctions::ExportListings(bool checked) {
    if (!MayWrite(checked, tr("Export")))
        return;
    m_listingExport.Run(Seller(), checked, m_rowsToWrite);
    KeepSettings();
}

void Auctions::CopyDescription() {
    if (m_editor.FormRow() == 0 && !m_form.cancelVisible) {
        ShowStatus(
            tr("Click a row of the grid first: its description is what "
               "Ctrl+Shift+C copies."));
        return;
    }
    const ItemRecord record = BoxesRecord();
    try {
        DescriptionClipboard::Put(PageBuilder::DescriptionSection(
            record, PageInputs::Take(m_settings, Seller(), m_pictures)));
    } catch (const LotcraftError& error) {
        ShowStatus(tr("Nothing was copied: %1.").arg(error.Message()));
        return;
    }
    ShowStatus(tr("Copied the listing description of item %1 to the clipboard: "
                  "paste it into the HTML view of eBay's listing form.")
                   .arg(record.Field(ItemRecord::ItemNumber)));
}

void Auctions::ViewPage() {
    if (!MayLeaveForm())
        return;
    // A row whose page is not written yet is shown as it would be written.
    const QString page = FormRowPagePath();
    if (page.isEmpty())
        ShowPreview();
    else
        m_browser.OpenInBrowser(page);
}

void Auctions::ViewHtmlCode() {
    if (!m_sourceWindow) {
        m_sourceWindow = std::make_unique<HtmlSourceWindow>(m_messages);
        m_sourceWindow->SetOwnerWindow(this);
    }
    m_sourceWindow->ShowPage(FormRowPagePath());
}

QString Auctions::FormRowPagePath() const {
    const int row = m_editor.FormRow();
    return row > 0 ? m_grid.PagePath(row) : QString();
}

void Auctions::ShowPreview() {
    if (!m_preview) {
        m_preview = std::make_unique<PagePreviewWindow>(m_applicationFolder);
        m_preview->SetOwnerWindow(this);
        // Where the preview cannot draw the page, it hands over a copy for the browser.
        connect(m_preview.get(), &PagePreviewWindow::ViewInBrowserRequested, this,
                [this](const QString& page) { m_browser.OpenInBrowser(page); });
        connect(m_preview.get(), &PagePreviewWindow::ChoiceChanged, this,
                &Auctions::TakePageChoice);
    }
    UpdatePreview();
    m_preview->BringForward();
}

void Auctions::TakePageChoice(int layout, int scheme) {
    // The layout and scheme compared in the preview are those the next pages are written in.
    m_settings.SetLayoutIndex(qint16(layout));
    m_settings.SetSchemeIndex(qint16(scheme));
    KeepSettings();
    UpdatePreview();
}

void Auctions::SchedulePreview() {
    if (m_preview && m_preview->isVisible())
        m_previewTimer.start();
}

void Auctions::UpdatePreview() {
    if (m_editor.FormRow() == 0 && !m_form.cancelVisible) {
        m_preview->ShowNote(
            tr("Click a row of the grid, or press INSERT NEW RECORD, "
               "and its page is shown here as you type."));
        return;
    }
    // The page is shown as it would be written into the folder the output folder dialog
    // offers first.
    ProgramSettings shown = m_settings;
    shown.SetOutputFolder(OutputFolderDialog::FirstFolder(m_settings));
    m_preview->ShowRecord(BoxesRecord(), shown, Seller(), m_pictures, FormEdited());
}

void Auctions::ShowHelp() {
    m_browser.OpenInBrowser(m_applicationFolder + QStringLiteral("/help.html"));
}

void Auctions::ShowCategoryList() {
    m_browser.OpenInBrowser(CategoryListAddress());
}

void Auctions::closeEvent(QCloseEvent* event) {
    // A page run ends before the window may close; and the window stays open with everything
    // in it unless the catalogue was saved or the user chose not to save it.
    if (m_pageRun.Running()) {
        // Kept, and carried out when the run has ended.
        m_closeRequested = true;
        event->ignore();
        return;
    }
    if (!MayLeaveForm() || !m_files.MayPutCatalogueAway()) {
        event->ignore();
        return;
    }
    KeepSettings();
    // The windows this one opened go with it.
    if (m_preview)
        m_preview->close();
    if (m_sourceWindow)
        m_sourceWindow->close();
    event->accept();
}

void Auctions::KeepSettingsIn(QSettings* store, const QString& found) {
    m_keptStore = store;
    if (!found.isEmpty())
        ShowStatus(found);
    if (!store)
        return;
    QString notice;
    // A file moved aside is followed by a fresh one, which has nothing of its own to say.
    KeptSettings::Values starting;
    const KeptSettings::Values kept = KeptSettings(*store).Read(starting, &notice);
    m_controls.seller->setText(kept.seller.seller);
    m_controls.location->setText(kept.seller.location);
    m_controls.country->setText(kept.seller.country);
    m_settings.SetLayoutIndex(kept.layoutIndex);
    m_settings.SetSchemeIndex(kept.schemeIndex);
    m_settings.SetOutputFolder(kept.outputFolder);
    m_files.SetCatalogueFolder(kept.catalogueFolder);
    if (!kept.windowGeometry.isEmpty() && restoreGeometry(kept.windowGeometry))
        m_placed = true;
    if (!notice.isEmpty())
        ShowStatus(notice);
}

void Auctions::KeepSettings() {
    if (!m_keptStore)
        return;
    KeptSettings::Values values;
    values.seller = Seller();
    values.layoutIndex = m_settings.LayoutIndex();
    values.schemeIndex = m_settings.SchemeIndex();
    values.outputFolder = m_settings.OutputFolder();
    values.catalogueFolder = m_files.CatalogueFolder();
    values.windowGeometry = saveGeometry();
    KeptSettings(*m_keptStore).Write(values);
}

void Auctions::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    MainWindowLayout::PaintSeparators(painter, *this, m_scrolling->Offset());
}

void Auctions::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ArrangeControls();
    PlaceItemCount();
}

QSize Auctions::FittingSize() const {
    const QScreen* shownOn = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!shownOn)
        return MainWindowLayout::FirstSize();
    // Before the window is shown its frame is not known: a title bar and thin borders.
    const QSize frame(2 * TwipsToPixels(60), TwipsToPixels(480));
    return WindowScrolling::FittingSize(MainWindowLayout::FirstSize(),
                                        shownOn->availableGeometry().size(), frame);
}

void Auctions::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_placed || !screen())
        return;
    // Centred on the screen the first time it is shown, unless an earlier run placed it.
    m_placed = true;
    QRect frame = frameGeometry();
    frame.moveCenter(screen()->availableGeometry().center());
    move(frame.topLeft());
}
