#pragma once

#include "editing/EditForm.h"
#include "editing/EditorHost.h"
#include "editing/Grid.h"
#include "editing/RecordEditor.h"
#include "pages/CatalogueFinding.h"
#include "pages/PagePictures.h"
#include "pages/SellerTexts.h"

#include "ui/Browser.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class DescriptionBox;
class FileDialogs;
class GridView;
class LotcraftError;
class PagePreviewWindow;
class HtmlSourceWindow;
class MessageBoxes;
class ProgramSettings;
class QDropEvent;
class QLabel;
class QMimeData;
class QLineEdit;
class XpButton;

// The main window: the seller's catalogue in the grid, the form for one record, the seller's
// details, the buttons that open, save and generate, and the two counters. The editing logic
// is RecordEditor's; the window binds its widgets to it, opens and saves catalogue files and
// asks before it closes. Message boxes and file dialogs go through the given seams.
class Auctions : public QWidget, private EditorHost {
    Q_OBJECT

public:
    static constexpr int ClientWidthTwips = 10470;
    static constexpr int ClientHeightTwips = 7935;

    static QString ClosingQuestion() { return QStringLiteral("Do you want to save changes ?"); }

    // Without seams, the desktop's message boxes and file dialogs.
    explicit Auctions(ProgramSettings& settings, MessageBoxes* messages = nullptr,
                      FileDialogs* dialogs = nullptr, QWidget* parent = nullptr);
    ~Auctions() override;

    // eBay's list of categories, which "?" opens.
    static QString CategoryListAddress() {
        return QStringLiteral("https://pages.ebay.com/aw/plistings/list/categories.html");
    }

    // Shows the output folder dialog over the window and returns when it has closed; by
    // default the real dialog, run modally. Tests answer in its place.
    using OutputFolderPrompt = std::function<void(QWidget* owner, ProgramSettings& settings)>;
    void SetOutputFolderPrompt(OutputFolderPrompt prompt) {
        m_outputFolderPrompt = std::move(prompt);
    }
    // Shows what the catalogue check found before a page run, over the window, and returns
    // whether the pages are to be written; showRow shows a row in the form meanwhile. By
    // default the real dialog, run modally. Tests answer in its place.
    using CheckPrompt =
        std::function<bool(QWidget* owner, const std::vector<CatalogueFinding>& findings,
                           int itemCount, const std::function<void(int row)>& showRow)>;
    void SetCheckPrompt(CheckPrompt prompt) { m_checkPrompt = std::move(prompt); }

    // The browser the previews, the help page and the category list open in.
    Browser& PreviewBrowser() { return m_browser; }
    // The source window, once "View Html Code" has made it.
    HtmlSourceWindow* SourceWindow() const { return m_sourceWindow.get(); }
    // The page preview, once F5 or "View Page" on a row without a page has opened it.
    PagePreviewWindow* Preview() const { return m_preview.get(); }
    // How long after the last change the preview follows it.
    static constexpr int PreviewDelayMs = 150;

    // Opens a catalogue file as LOAD CSV does once a file is chosen. A file of which nothing
    // can be read leaves the grid as it is; otherwise, when the grid holds items, the closing
    // question comes first, and a save that is cancelled or fails stops the opening.
    void OpenCatalogue(const QString& path);

    Grid& CatalogueGrid() { return m_grid; }
    RecordEditor& Editor() { return m_editor; }

    // The Seller, Location and Country boxes.
    SellerTexts Seller() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // EditorHost.
    bool Confirm(const QString& question) override;
    void Tell(const QString& message) override;
    void ShowCounters() override;
    // Label7 shows the page count; during a page run it, and the window with it, is repainted
    // at most once a screen frame, so a long run shows it moving without paying for a
    // repaint per page. Input waits until the run has ended.
    void ShowPageCount();

    void CreateControls();
    // The catalogue file a drag carries: one local file named *.csv; empty otherwise.
    static QString DroppedCatalogue(const QMimeData* data);
    // Takes a drag that carries a catalogue, and opens it once dropped; false for any other.
    bool HandleDrop(QDropEvent* event);
    void SetTabOrder();
    // Runs an editing operation: the boxes' texts go into the form first, and the form is
    // shown after it.
    template <typename Operation>
    void Edit(Operation operation);
    void ReadBoxes();
    // The record the nine boxes hold now, t_desc's value given back whole, with the Spare
    // of the form's record.
    ItemRecord BoxesRecord() const;
    void ShowForm();
    // Marks the form's row in the grid's view.
    void HighlightFormRow();

    void Form_Load();
    // The closing question; false when the window must stay open.
    bool Form_Unload();
    // Before the grid's catalogue is closed or replaced: when it holds items, asks whether to
    // save it and saves it on Yes. False when the catalogue must stay: the question was put
    // away, or the save was cancelled or failed.
    bool MayPutCatalogueAway();
    // Update: stores the form, then the focus goes to the grid.
    void StoreForm();
    // A click on the grid, or a key that moved it to a row: shows that row's record.
    void GridClicked(int row);
    // The user typed in the form since it was filled.
    bool FormEdited() const;
    // Before the form is filled anew, emptied or closed: when the user has typed in it, asks
    // whether to store that first, and stores it on Yes. False when the form must stay as it
    // is: the question was put away, or the record could not be stored.
    bool MayLeaveForm();
    void Load_Click();
    void Save_Click();
    // Checks the catalogue and shows what it found, asks for the output folder, then writes
    // the page of every row but those in error, marks the rows and copies the pictures; the
    // outcome is shown in the status line, a failure and the rows skipped in a message.
    void Htmls_Click();
    std::vector<CatalogueFinding> CheckCatalogue();
    // Shows an item row in the form, as a click on it does.
    void ShowRowInForm(int row);
    void ReportRun(const QString& folder, qint64 written,
                   const std::optional<LotcraftError>& failure,
                   const std::vector<CatalogueFinding>& findings, const std::vector<int>& skipped);
    // The page of the row the form shows, in the browser and as text.
    void viewp_Click();
    void viewh_Click();
    // The preview of the form's record: opened, brought forward and filled at once.
    void ShowPreview();
    // Fills the open preview again once the form has not changed for PreviewDelayMs.
    void SchedulePreview();
    void UpdatePreview();
    void Help_Click();
    void XpButton1_Click();
    // The page path of the row the form shows, or empty.
    QString FormRowPagePath() const;
    void ShowStatus(const QString& text);

    // Writes every record of the grid to a file the user chooses, offering the open
    // catalogue's name; a failure is shown. True once the catalogue is saved.
    bool SaveCatalogue();
    // What to tell the seller when a save failed, and what to do.
    static QString SaveFailureAdvice(const QString& path, const LotcraftError& error);

    ProgramSettings& m_settings;
    MessageBoxes& m_messages;
    FileDialogs& m_dialogs;
    Grid m_grid;
    EditForm m_form;
    RecordEditor m_editor;
    // The pictures beside the pages, and the marks of rows whose pages are written.
    PagePictures m_pictures;
    Browser m_browser;
    OutputFolderPrompt m_outputFolderPrompt;
    CheckPrompt m_checkPrompt;
    std::unique_ptr<HtmlSourceWindow> m_sourceWindow;
    std::unique_ptr<PagePreviewWindow> m_preview;
    QTimer m_previewTimer;
    bool m_generating = false;
    // The window was asked to close during a page run.
    bool m_closeRequested = false;
    // The catalogue opened or saved last: the file dialogs start there.
    QString m_cataloguePath;
    // When a run last showed the page counter; a frame of a 60 Hz screen between showings.
    static constexpr qint64 kPageCountFrameMs = 16;
    QElapsedTimer m_pageCountShown;

    GridView* m_gridView = nullptr;
    QLineEdit* m_seller = nullptr;
    QLineEdit* m_location = nullptr;
    QLineEdit* m_country = nullptr;
    QLabel* m_itemCount = nullptr;
    QLabel* m_pageCount = nullptr;
    QLabel* m_status = nullptr;
    // The form's boxes by the record position they edit (none for Spare); t_desc is the
    // multi-line one.
    std::array<QLineEdit*, ItemRecord::FieldCount + 1> m_boxes{};
    QLineEdit* m_pagePath = nullptr;
    DescriptionBox* m_description = nullptr;
    XpButton* m_load = nullptr;
    XpButton* m_manual = nullptr;
    XpButton* m_htmls = nullptr;
    XpButton* m_save = nullptr;
    XpButton* m_help = nullptr;
    XpButton* m_category = nullptr;
    XpButton* m_update = nullptr;
    XpButton* m_cancel = nullptr;
    XpButton* m_delete = nullptr;
    XpButton* m_viewHtml = nullptr;
    XpButton* m_viewPage = nullptr;
    XpButton* m_close = nullptr;
    bool m_centred = false;
};
