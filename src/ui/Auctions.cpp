// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Auctions.h"

#include "app/ApplicationFolder.h"
#include "app/LotcraftError.h"
#include "app/ProgramSettings.h"
#include "controls/xpbutton/XpButton.h"
#include "pages/PageBuilder.h"
#include "pages/PageInputs.h"
#include "ui/CatalogueDrop.h"
#include "ui/DescriptionBox.h"
#include "ui/DescriptionClipboard.h"
#include "ui/DesktopFileDialogs.h"
#include "ui/DesktopMessageBoxes.h"
#include "ui/GridView.h"
#include "ui/HtmlSourceWindow.h"
#include "ui/KeptSettings.h"
#include "ui/MainWindowKeys.h"
#include "ui/OutputFolderDialog.h"
#include "ui/PagePreviewWindow.h"
#include "ui/ProgramIcon.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>

Auctions::Auctions(ProgramSettings& settings, MessageBoxes* messages, FileDialogs* dialogs,
                   QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_settings(settings),
      m_messages(messages ? *messages : DesktopMessageBoxes::Instance()),
      m_dialogs(dialogs ? *dialogs : DesktopFileDialogs::Instance()),
      m_editor(m_grid, m_form, *this),
      m_applicationFolder(ApplicationFolder::OfThisProgram()),
      m_pictures(m_applicationFolder),
      m_browser(m_messages, this),
      m_files(
          *this, m_messages, m_dialogs, m_grid, m_editor, [this] { return MayLeaveForm(); },
          [this](bool opened) {
              ShowStatus(QString());
              ShowForm();
              // A catalogue just opened is read from its first row, in the grid.
              if (opened) {
                  m_controls.grid->setFocus();
                  KeepSettings();
              }
          },
          [this](const QString& text) { ShowStatus(text); }),
      m_pageRun(
          *this, m_settings, m_messages, m_grid, m_form, m_pictures,
          {[this](int row) {
               ShowRowInForm(row);
               m_controls.grid->scrollTo(m_grid.index(row - 1, 0));
           },
           [this](const QString& text) { ShowStatus(text); }, [this] { ShowCounters(); },
           [this] { return Seller(); }, [this] { WritePages(true); },
           [this] { return m_files.ShiftedFrom(); }, [this] { return m_files.SourcePath(); }}),
      m_listingExport(
          *this, m_settings, m_messages, m_dialogs, m_grid, m_pictures,
          {[this](int row) {
               ShowRowInForm(row);
               m_controls.grid->scrollTo(m_grid.index(row - 1, 0));
           },
           [this](const QString& text) { ShowStatus(text); }, [this] { return Seller(); },
           [this] { ExportListings(true); }, [this] { return m_files.ShiftedFrom(); },
           [this] { return m_files.SourcePath(); },
           [this] {
               return m_keptStore ? KeptSettings(*m_keptStore).ReadListingOptions(m_listingOptions)
                                  : m_listingOptions;
           },
           [this](const ListingOptions& options) {
               m_listingOptions = options;
               if (m_keptStore)
                   KeptSettings(*m_keptStore).WriteListingOptions(options);
           }}) {
    setObjectName(QStringLiteral("Auctions"));
    setWindowIcon(ProgramIcon());
    // The window opens at its first size and may grow, never shrink below it.
    setMinimumSize(MainWindowLayout::FirstSize());
    resize(MainWindowLayout::FirstSize());
    // A narrow face: the window's texts were laid out for a small, narrow system font.
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setPixelSize(11);
    setFont(font);
    m_controls = MainWindowLayout::Create(*this, m_grid);
    ConnectControls();
    // The program starts with an empty grid; the output folder dialog offers the seller's own
    // folder until one is chosen.
    m_editor.Reset();
    ShowStatus(QString());
    ShowForm();
    m_controls.grid->setFocus();
}

Auctions::~Auctions() = default;

void Auctions::SetApplicationFolder(const QString& folder) {
    m_applicationFolder = folder;
    m_pictures = PagePictures(folder);
}

void Auctions::ConnectControls() {
    const MainWindowLayout::Controls& c = m_controls;
    connect(c.grid, &GridView::RowClicked, this, &Auctions::ShowRowInForm);
    for (QLineEdit* box : c.boxes) {
        if (box)
            connect(box, &QLineEdit::returnPressed, this, [this] {
                if (m_form.updateEnabled)
                    StoreForm();
            });
    }
    connect(c.load, &XpButton::Click, this, [this] { m_files.ChooseAndOpen(); });
    connect(c.save, &XpButton::Click, this, [this] { SaveCatalogue(true); });
    connect(c.newRecord, &XpButton::Click, this, &Auctions::StartNewRecord);
    connect(c.update, &XpButton::Click, this, &Auctions::StoreForm);
    connect(c.cancel, &XpButton::Click, this, [this] { Edit([this] { m_editor.Cancel(); }); });
    connect(c.deleteRecord, &XpButton::Click, this, [this] {
        Edit([this] { m_editor.DeleteFormRow(); });
        m_controls.grid->setFocus();
    });
    connect(c.close, &XpButton::Click, this, &QWidget::close);
    connect(c.htmls, &XpButton::Click, this, [this] { WritePages(false); });
    connect(c.exportListings, &XpButton::Click, this, [this] { ExportListings(false); });
    connect(c.viewPage, &XpButton::Click, this, &Auctions::ViewPage);
    connect(c.viewHtml, &XpButton::Click, this, &Auctions::ViewHtmlCode);
    connect(c.help, &XpButton::Click, this, &Auctions::ShowHelp);
    connect(c.categoryList, &XpButton::Click, this, &Auctions::ShowCategoryList);
    MainWindowKeys::Install(*this, c,
                            {[this] { ShowPreview(); }, [this] { LeaveInsertMode(); },
                             [this] { SaveCatalogue(false); }, [this] { CopyDescription(); }});
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
    show(c.pagePath, m_form.pagePathText, m_form.pagePathEnabled);
    if (c.update->Caption() != m_form.updateCaption)
        c.update->SetCaption(m_form.updateCaption);
    c.update->SetEnabled(m_form.updateEnabled);
    c.cancel->setVisible(m_form.cancelVisible);
    c.deleteRecord->SetEnabled(m_form.deleteEnabled);
    c.htmls->SetEnabled(m_form.htmlsEnabled);
    c.exportListings->SetEnabled(m_form.htmlsEnabled);
    c.save->SetEnabled(m_form.saveEnabled);
    c.viewPage->SetEnabled(m_form.viewPageEnabled);
    c.viewHtml->SetEnabled(m_form.viewHtmlEnabled);
    c.itemCount->setText(QString::number(m_form.itemCount));
    c.pageCount->setText(QString::number(m_form.pageCount));
    HighlightFormRow();
    ShowTitle();
    SchedulePreview();
}

void Auctions::ShowTitle() {
    const QString& path = m_files.CataloguePath();
    if (!m_files.ReadInPartFrom().isEmpty())
        setWindowTitle(QStringLiteral("%1 items read in part from %2[*] - Lotcraft")
                           .arg(m_grid.ItemCount())
                           .arg(QFileInfo(m_files.ReadInPartFrom()).fileName()));
    else if (path.isEmpty())
        setWindowTitle(m_grid.ItemCount() > 0 ? QStringLiteral("New catalogue[*] - Lotcraft")
                                              : QStringLiteral("Lotcraft[*]"));
    else
        setWindowTitle(QFileInfo(path).fileName() + QStringLiteral("[*] - Lotcraft"));
    setWindowModified(m_editor.Unsaved());
}

void Auctions::HighlightFormRow() {
    // The view marks the row the form shows, and no other.
    if (m_editor.FormRow() > 0)
        m_controls.grid->selectRow(m_editor.FormRow() - 1);
    else
        m_controls.grid->clearSelection();
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
    m_controls.itemCount->setText(QString::number(m_form.itemCount));
    m_controls.pageCount->setText(QString::number(m_form.pageCount));
    if (isVisible()) {
        m_controls.itemCount->repaint();
        m_controls.pageCount->repaint();
    }
}

SellerTexts Auctions::Seller() const {
    return {m_controls.seller->text(), m_controls.location->text(), m_controls.country->text()};
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
        m_editor.Inserting() ? QStringLiteral("Do you want to insert the new record ?")
                             : QStringLiteral("Do you want to store your changes to item %1 ?")
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

void Auctions::WritePages(bool checked) {
    if (!MayLeaveForm())
        return;
    m_pageRun.Run(Seller(), checked);
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
    if (!MayLeaveForm())
        return;
    m_listingExport.Run(Seller(), checked);
    KeepSettings();
}

void Auctions::CopyDescription() {
    if (m_editor.FormRow() == 0 && !m_form.cancelVisible) {
        ShowStatus(
            QStringLiteral("Click a row of the grid first: its description is what "
                           "Ctrl+Shift+C copies."));
        return;
    }
    const ItemRecord record = BoxesRecord();
    try {
        DescriptionClipboard::Put(PageBuilder::DescriptionSection(
            record, PageInputs::Take(m_settings, Seller(), m_pictures)));
    } catch (const LotcraftError& error) {
        ShowStatus(QStringLiteral("Nothing was copied: %1.").arg(error.Message()));
        return;
    }
    ShowStatus(QStringLiteral("Copied the listing description of item %1 to the clipboard: "
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
    }
    UpdatePreview();
    m_preview->BringForward();
}

void Auctions::SchedulePreview() {
    if (m_preview && m_preview->isVisible())
        m_previewTimer.start();
}

void Auctions::UpdatePreview() {
    if (m_editor.FormRow() == 0 && !m_form.cancelVisible) {
        m_preview->ShowNote(
            QStringLiteral("Click a row of the grid, or press INSERT NEW RECORD, "
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
    MainWindowLayout::PaintSeparators(painter, *this);
}

void Auctions::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    MainWindowLayout::Arrange(*this, *m_controls.grid);
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
