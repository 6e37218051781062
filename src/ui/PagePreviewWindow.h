// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QPointF>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <memory>

class ItemRecord;
class PagePictures;
class ProgramSettings;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QStackedWidget;
class QTemporaryDir;
class QWebEngineProfile;
class QWebEngineView;
class XpButton;
struct SellerTexts;

// Shows the page of a record as it would be written now, without writing any file: the bytes
// are built as a page run builds them, from the record and the page inputs of the moment, and
// drawn by a browser engine exactly as a browser draws the written page. The page's own small
// pictures come from the application folder and the item's picture from its address; the
// engine reaches nothing else, and links lead nowhere. Where the engine cannot start or stops,
// the window says why and offers the page to the desktop's browser instead. Above the page
// the seller picks the colour scheme and the layout, to compare them; the window owning the
// preview takes the choice into its settings and gives the record again.
class PagePreviewWindow : public QWidget {
    Q_OBJECT

public:
    // The engine is handed a page as a data address of at most 2 MiB, its bytes escaped; a
    // longer one is not shown here.
    static constexpr qsizetype LargestShownAddress = 2 * 1024 * 1024 - 64;
    // A page the engine has not loaded after this long is taken for an engine that does not
    // answer; the window says so and offers the browser, and shows the page if it comes later.
    static constexpr int EnginePatienceMs = 15000;

    explicit PagePreviewWindow(QString applicationFolder, QWidget* parent = nullptr);
    ~PagePreviewWindow() override;

    // Builds the record's page and shows it, loading it into the engine only when its bytes
    // differ from those shown (the page keeps its scroll position). A record no page can be made
    // for shows why. The page inputs are taken from the settings, the seller's texts and the
    // pictures as a page run takes them, and the scheme and layout lists show the settings'
    // choice. unstoredEdits: the record holds the form's changes, not stored yet, and the
    // caption says so.
    void ShowRecord(const ItemRecord& record, const ProgramSettings& settings,
                    const SellerTexts& seller, const PagePictures& pictures,
                    bool unstoredEdits = false);
    // Shows a note in place of a page.
    void ShowNote(const QString& note);
    // Shows layout 1 to 4 and scheme 1 to 19 in the lists, without ChoiceChanged; a list given
    // a value outside its range shows no entry.
    void ShowChoice(int layout, int scheme);

    // The page given last, as it was built; empty while a note is shown.
    const QByteArray& PageBytes() const { return m_page; }
    // Whether the engine has finished loading the page given last.
    bool PageIsShown() const { return !m_page.isEmpty() && m_shownPage == m_page; }
    // The line above the page: which item and file, or the note.
    QString Caption() const;
    // Why the engine does not draw the page, shown in its place; empty while it does.
    QString EngineProblem() const { return m_problem; }
    // The listing description of the record shown (its page's description section), which
    // "Copy Description" and Ctrl+Shift+C put on the clipboard; empty while a note is shown.
    const QString& DescriptionSection() const { return m_description; }
    XpButton* CopyDescriptionButton() const { return m_copyDescription; }
    // The engine's view; null where the engine could not start.
    QWebEngineView* View() const { return m_view; }
    QComboBox* SchemeChoice() const { return m_schemeChoice; }
    QComboBox* LayoutChoice() const { return m_layoutChoice; }

    // The window the preview belongs to: it opens on that window's screen, over it.
    void SetOwnerWindow(QWidget* owner) { m_owner = owner; }
    // Shows the window and brings it to the front; a window not open is first placed wholly on
    // its owner's screen.
    void BringForward();

Q_SIGNALS:
    // The engine has finished loading the page given last (and put back the scroll position).
    void PageShown();
    // "View Page in the browser": a copy of the page, with the small pictures beside it, is at
    // pagePath in a temporary folder kept while the window lives, for the desktop's browser.
    void ViewInBrowserRequested(const QString& pagePath);
    // The seller picked another layout or scheme in the lists; the other is the one shown.
    void ChoiceChanged(int layout, int scheme);

private:
    class EnginePage;
    class Requests;

    void MakeEngine();
    void MakeChoiceLists(QHBoxLayout* row);
    // The seller's pick in a list.
    void Picked();
    void Load(const QByteArray& page);
    // Whether the engine may go to url: only the content handed to it last, in the main frame.
    bool AcceptsNavigation(const QUrl& url, bool isMainFrame);
    void LoadFinished(bool ok);
    void Shown(quint64 load);
    void EngineFailed(const QString& problem);
    // The page, the note's blank or the engine's problem, whichever is due.
    void ShowPageArea();
    void WriteBrowserCopy();

    QString m_applicationFolder;
    QUrl m_baseUrl;
    QPointer<QWidget> m_owner;
    QByteArray m_page;
    // The bytes last handed to the engine, and those it finished loading.
    QByteArray m_loadedPage;
    QByteArray m_shownPage;
    // Each load's number; the engine's answers about an older load are passed over.
    quint64 m_load = 0;
    bool m_navigated = false;
    QPointF m_scroll;
    QString m_pagePath;
    QString m_problem;
    QTimer m_patience;

    // The choice shown, the value of a list that shows no entry included.
    int m_layout = 0;
    int m_scheme = 0;
    QComboBox* m_schemeChoice;
    QComboBox* m_layoutChoice;

    QString m_description;
    XpButton* m_copyDescription;
    QLabel* m_caption;
    QStackedWidget* m_area;
    QWidget* m_blank;
    QWidget* m_problemPane;
    QLabel* m_problemText;
    XpButton* m_viewInBrowser;
    QWebEngineProfile* m_profile = nullptr;
    Requests* m_requests = nullptr;
    QWebEngineView* m_view = nullptr;
    std::unique_ptr<QTemporaryDir> m_browserCopies;
};
