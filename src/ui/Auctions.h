// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editing/CatalogueView.h"
#include "editing/EditForm.h"
#include "editing/EditorHost.h"
#include "editing/Grid.h"
#include "editing/RecordEditor.h"
#include "pages/PagePictures.h"
#include "pages/SellerTexts.h"
#include "ui/Browser.h"
#include "ui/CatalogueFiles.h"
#include "ui/MainWindowLayout.h"
#include "ui/WindowCommands.h"
#include "ui/WindowHost.h"
#include "ui/WindowListingExport.h"
#include "ui/WindowPageRun.h"

#include <QHash>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

class FileDialogs;
class FindBar;
class WindowScrolling;
class HtmlSourceWindow;
class QSettings;
class MessageBoxes;
class PagePreviewWindow;
class ProgramSettings;

// The main window: the seller's catalogue in the grid, the form for one record, the seller's
// details, the buttons that open, save and write pages, and the two counters. The editing
// logic is RecordEditor's; the window binds its controls (MainWindowLayout) to it, and hands
// opening and saving to CatalogueFiles and HTMLS to WindowPageRun. Every command is one of
// WindowCommands, which the buttons, the keys and the grid's menu trigger. Message boxes and
// file dialogs go through the given seams.
class Auctions : public QWidget, private EditorHost, private WindowHost {
    Q_OBJECT

public:
    static constexpr int ClientWidthTwips = MainWindowLayout::ClientWidthTwips;
    static constexpr int ClientHeightTwips = MainWindowLayout::ClientHeightTwips;

    static QString ClosingQuestion() { return CatalogueFiles::ClosingQuestion(); }
    // eBay's list of categories, which "?" opens.
    static QString CategoryListAddress() {
        return QStringLiteral("https://pages.ebay.com/aw/plistings/list/categories.html");
    }
    // How long after the last change the preview follows it.
    static constexpr int PreviewDelayMs = 40;

    // Without seams, the desktop's message boxes and file dialogs.
    explicit Auctions(ProgramSettings& settings, MessageBoxes* messages = nullptr,
                      FileDialogs* dialogs = nullptr, QWidget* parent = nullptr);
    ~Auctions() override;

    // Tests answer the output folder dialog and the catalogue check's dialog in their place.
    void SetOutputFolderPrompt(WindowPageRun::OutputFolderPrompt prompt) {
        m_pageRun.SetOutputFolderPrompt(std::move(prompt));
    }
    void SetCheckPrompt(WindowPageRun::CheckPrompt prompt) {
        m_pageRun.SetCheckPrompt(std::move(prompt));
    }
    // Tests answer the export's check dialog and its "Export for eBay" dialog in their place.
    void SetExportCheckPrompt(WindowListingExport::CheckPrompt prompt) {
        m_listingExport.SetCheckPrompt(std::move(prompt));
    }
    void SetListingOptionsPrompt(WindowListingExport::OptionsPrompt prompt) {
        m_listingExport.SetOptionsPrompt(std::move(prompt));
    }
    // Asks how to change a field of `itemCount` selected items, `position` offered first;
    // nothing when the seller cancelled. By default the "Change field" dialog, run modally.
    using ChangeFieldPrompt = std::function<std::optional<RecordEditor::FieldChange>(
        QWidget* owner, int itemCount, int position)>;
    void SetChangeFieldPrompt(ChangeFieldPrompt prompt) { m_changeFieldPrompt = std::move(prompt); }
    // The folder of the pictures and the help page: the program's own by default.
    void SetApplicationFolder(const QString& folder);

    // The browser the previews, the help page and the category list open in.
    Browser& PreviewBrowser() { return m_browser; }
    // The source window, once "View Html Code" has made it.
    HtmlSourceWindow* SourceWindow() const { return m_sourceWindow.get(); }
    // The page preview, once F5 or "View Page" on a row without a page has opened it.
    PagePreviewWindow* Preview() const { return m_preview.get(); }

    // Opens a catalogue file as LOAD CSV does once a file is chosen.
    void OpenCatalogue(const QString& path) { m_files.Open(path); }

    // The store of what is kept between runs: read now (the seller's texts, layout and scheme,
    // folders, the window's size and place), written when the window closes and after each
    // open, save and page run. Without one, nothing is kept. The store must outlive the window.
    // `found` is what was found of the store's file before it was made (KeptSettingsFile),
    // for the status line.
    void KeepSettingsIn(QSettings* store, const QString& found = QString());
    // Writes what is kept into the store, if there is one.
    void KeepSettings();

    Grid& CatalogueGrid() { return m_grid; }
    // The grid as the view shows it: sorted and filtered.
    CatalogueView& ShownCatalogue() { return m_shown; }
    // The window's commands, by which tests and the grid's menu reach them.
    QAction* Command(WindowCommands::Command command) const { return m_commands[command]; }
    FindBar* CatalogueFindBar() const { return m_findBar; }
    // The Seller, Location and Country boxes.
    SellerTexts Seller() const override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // EditorHost.
    bool Confirm(const QString& question) override;
    void Tell(const QString& message) override;
    void ShowCounters() override;
    // WindowHost.
    void RevealRow(int row) override;
    void WritePagesChecked() override { WritePages(true); }
    void ExportChecked() override { ExportListings(true); }
    ListingOptions KeptListingOptions() const override;
    void KeepListingOptions(const ListingOptions& options) override;
    QStringList KeptColumnMatches(const QStringList& heading) const override;
    void KeepColumnMatches(const QStringList& heading, const QStringList& matches) override;
    void CatalogueChanged(bool opened) override;

    // Makes the window's commands and binds the buttons to them.
    void CreateCommands();
    void ConnectControls();
    // The commands' enabled states, from the form and the grid.
    void ShowCommandStates();
    // Runs an editing operation: the boxes' texts go into the form first, and the form is
    // shown after it.
    template <typename Operation>
    void Edit(Operation operation);
    // The record the nine boxes hold now, t_desc's value given back whole, with the Spare
    // of the form's record.
    ItemRecord BoxesRecord() const;
    void ShowForm();
    // Marks the form's row in the grid's view.
    void HighlightFormRow();
    void ShowStatus(const QString& text) override;
    // The title bar: the open catalogue's name, marked while it holds unsaved changes.
    void ShowTitle();

    // A click on the grid, or a key that moved it to a row: that row's record in the form.
    void ShowRowInForm(int row);
    // INSERT NEW RECORD: an empty form for a new record, the focus in t_Item.
    void StartNewRecord();
    // Update: stores the form, then the focus goes to the grid.
    void StoreForm();
    // Escape: leaves insert mode, as Cancel does.
    void LeaveInsertMode();
    // The user typed in the form since it was filled.
    bool FormEdited() const;
    // Before the form is filled anew, emptied or closed: when the user has typed in it, asks
    // whether to store that first, and stores it on Yes. False when the form must stay as it
    // is: the question was put away, or the record could not be stored.
    bool MayLeaveForm() override;
    // Save (Ctrl+S) and Save As (the save button, Ctrl+Shift+S), once the form's changes
    // not yet stored have been asked about.
    void SaveCatalogue(bool asNew);
    void Save() { SaveCatalogue(false); }
    void SaveAs() { SaveCatalogue(true); }
    void ChooseCatalogue() { m_files.ChooseAndOpen(); }
    void CancelForm();

    // A change of the grid's records, once the form's changes not yet stored have been asked
    // about: the form shows what it left, the view selects its rows.
    template <typename Change>
    void ChangeCatalogue(Change change);
    // The rows the row commands act on: those selected, else the form's row.
    std::vector<int> ActedOnRows() const;
    // Delete: the selected rows after one question.
    void DeleteRows();
    void Undo();
    void Redo();
    // The undo and redo commands' texts name the step they undo or redo.
    void ShowUndoTexts();
    // Ctrl+D: a copy of the form's record after it, in the form.
    void DuplicateRecord();
    // Ctrl+H: one field of the selected rows set or replaced.
    void ChangeField();
    // Ctrl+C and Ctrl+V: rows as spreadsheets pass them; pasted after the form's row.
    void CopyRows();
    void PasteRows();
    // The catalogue check's findings for rows just pasted, shown at once.
    void CheckPastedRows(const std::vector<int>& rows);
    // The file's order by the column the view is sorted by, or the current column.
    void SortCatalogue();
    // Ctrl+L: the listing details, beside the form where the window has room for them, in
    // a dialog otherwise.
    void ShowListingDetails();
    // Columns kept beyond the ten fields: one added by name, the listing details' current
    // one removed, or the item specifics of an eBay category template added.
    void AddColumn();
    void RemoveColumn();
    void AddTemplateColumns();
    // Places the controls for the window's size, the listing details with them unless a
    // dialog shows them.
    void ArrangeControls();
    // The window's first size, or less where the screen has less free room.
    QSize FittingSize() const;
    // A cell edited in the grid, stored as the form stores.
    void StoreCell(int row, int position, const QString& value);
    bool MayEditCell(int row);
    void EditDescriptionInForm(int row);
    // Ctrl+F, F3 and Escape in the find bar.
    void ShowFindBar();
    void FindNext();
    void CloseFindBar();
    void FindTextChanged(const QString& text);
    // Escape: a cell's edit left, the find bar closed, or insert mode left.
    void Escape();
    // Places Label6 and Label4: "12 of 400 shown" needs Label4's room too.
    void PlaceItemCount();
    // HTMLS and EXPORT with several rows selected: the rows to act on, after asking, or all
    // (empty); nothing when the seller cancelled.
    std::optional<std::vector<int>> RowsToWrite(const QString& what);
    // Before HTMLS and EXPORT: the form's changes asked about, and the rows to act on chosen
    // unless the seller has seen the check's findings already; false to stop.
    bool MayWrite(bool checked, const QString& what);
    // HTMLS, then a close asked for during the run; checked once the seller has seen the
    // catalogue check's findings and chosen to write the pages.
    void WritePages(bool checked);
    void WritePagesCommand() { WritePages(false); }
    void ExportCommand() { ExportListings(false); }

    // Export (Ctrl+E): eBay's bulk listing file, once the form's changes not yet stored have
    // been asked about; checked once the seller has seen the check's findings.
    void ExportListings(bool checked);
    // Ctrl+Shift+C: the listing description of the record the form shows, as the boxes hold
    // it, on the clipboard.
    void CopyDescription();

    // View Page: the form row's page in the browser, or its preview while it has none.
    void ViewPage();
    // View Html Code: the source of the form row's page.
    void ViewHtmlCode();
    // The page path of the row the form shows, or empty.
    QString FormRowPagePath() const;
    // The preview of the form's record: opened, brought forward and filled at once.
    void ShowPreview();
    // Fills the open preview again once the form has not changed for PreviewDelayMs.
    void SchedulePreview();
    // A layout and scheme chosen in the preview: the pages' own from now on, kept.
    void TakePageChoice(int layout, int scheme);
    void UpdatePreview();
    void ShowHelp();
    void ShowCategoryList();
    void CloseWindow() { close(); }

    ProgramSettings& m_settings;
    MessageBoxes& m_messages;
    FileDialogs& m_dialogs;
    Grid m_grid;
    CatalogueView m_shown;
    EditForm m_form;
    RecordEditor m_editor;
    QString m_applicationFolder;
    PagePictures m_pictures;
    Browser m_browser;
    MainWindowLayout::Controls m_controls;
    WindowCommands m_commands;
    FindBar* m_findBar = nullptr;
    WindowScrolling* m_scrolling = nullptr;
    // Whether the listing details are in their dialog (Ctrl+L) rather than beside the form.
    bool m_detailsInDialog = false;
    ChangeFieldPrompt m_changeFieldPrompt;
    // The rows the page run or export asked for acts on once checked (empty: all).
    std::vector<int> m_rowsToWrite;
    CatalogueFiles m_files;
    WindowPageRun m_pageRun;
    WindowListingExport m_listingExport;
    // The values of the last export, where no store keeps them.
    ListingOptions m_listingOptions;
    std::unique_ptr<HtmlSourceWindow> m_sourceWindow;
    std::unique_ptr<PagePreviewWindow> m_preview;
    QTimer m_previewTimer;
    QSettings* m_keptStore = nullptr;
    // The columns matched to fields, by heading, where no store keeps them.
    QHash<QString, QStringList> m_columnMatches;
    // The window was asked to close during a page run.
    bool m_closeRequested = false;
    // The window has a size and place: kept from an earlier run, or centred at its first show.
    bool m_placed = false;
};
