#pragma once

#include "catalogue/EditForm.h"
#include "catalogue/EditorHost.h"
#include "catalogue/Grid.h"
#include "catalogue/RecordEditor.h"
#include "pages/LinkTable.h"
#include "pages/PageHost.h"

#include "ui/Browser.h"

#include <QElapsedTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class FileDialogs;
class GridView;
class HtmlSourceWindow;
class MessageBoxes;
class ProgramSettings;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class XpButton;

// The main window: the seller's catalogue in the grid, the form for one record, the seller's
// details, the buttons that open, save and generate, and the two counters. The editing logic
// is RecordEditor's; the window binds its widgets to it, opens and saves catalogue files and
// asks before it closes. Message boxes and file dialogs go through the given seams.
class Auctions : public QWidget, private EditorHost, public PageHost {
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

    // The browser the previews, the help page and the category list open in.
    Browser& PreviewBrowser() { return m_browser; }
    // The source window, once "View Html Code" has made it.
    HtmlSourceWindow* SourceWindow() const { return m_sourceWindow.get(); }

    Grid& CatalogueGrid() { return m_grid; }
    RecordEditor& Editor() { return m_editor; }

    // PageHost: the seller's boxes and the page counter, for the page run.
    QString SellerText() const override;
    QString LocationText() const override;
    QString CountryText() const override;
    qint64 PageCount() const override { return m_editor.PageCount(); }
    void SetPageCount(qint64 count) override { m_editor.SetPageCount(count); }
    // Label7 shows the count; during a page run it, and the window with it, is repainted
    // at most once a screen frame, so a long run shows it moving without paying for a
    // repaint per page. Input waits until the run has ended.
    void ShowPageCount(const QString& caption) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // EditorHost.
    bool Confirm(const QString& question) override;
    void Tell(const QString& message) override;
    void ShowCounters() override;
    void ClearLinks() override { m_linkTable.Clear(); }

    void CreateControls();
    void SetTabOrder();
    // Runs an editing operation: the boxes' texts go into the form first, and the form is
    // shown after it.
    template <typename Operation>
    void Edit(Operation operation);
    void ReadBoxes();
    void ShowForm();

    void Form_Load();
    void Form_Unload();
    void Load_Click();
    void Save_Click();
    // Asks for the output folder, then writes the page of every row, marks the rows and
    // copies the pictures; the outcome is shown in the status line, a failure in a message.
    void Htmls_Click();
    // The page of the row the form shows, in the browser and as text.
    void viewp_Click();
    void viewh_Click();
    void Help_Click();
    void XpButton1_Click();
    // Column 10 of the row the form shows: its page path, or empty.
    QString FormRowPagePath();
    void ShowStatus(const QString& text);

    // Writes every record of the grid to a file the user chooses; a failure is shown.
    void SaveCatalogue();

    ProgramSettings& m_settings;
    MessageBoxes& m_messages;
    FileDialogs& m_dialogs;
    Grid m_grid;
    EditForm m_form;
    RecordEditor m_editor;
    LinkTable m_linkTable;
    Browser m_browser;
    OutputFolderPrompt m_outputFolderPrompt;
    std::unique_ptr<HtmlSourceWindow> m_sourceWindow;
    bool m_generating = false;
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
    // The form's boxes by the grid column they show; t_desc is the multi-line one.
    std::array<QLineEdit*, EditForm::BoxCount> m_boxes{};
    QPlainTextEdit* m_description = nullptr;
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
