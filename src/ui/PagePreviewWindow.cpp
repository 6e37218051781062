// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PagePreviewWindow.h"

#include "app/LotcraftError.h"
#include "app/ProgramSettings.h"
#include "catalogue/ItemRecord.h"
#include "controls/xpbutton/XpButton.h"
#include "pages/PageBuilder.h"
#include "pages/PageInputs.h"
#include "pages/PagePictures.h"
#include "pages/SchemeTable.h"
#include "ui/DescriptionClipboard.h"
#include "ui/DialogKeys.h"
#include "ui/FormControls.h"
#include "ui/PageChoiceLists.h"
#include "ui/PageEngine.h"
#include "ui/ProgramIcon.h"
#include "ui/WindowPlacement.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>

namespace {

// The pages' own encoding, as their META line says.
const QString PageMimeType = QStringLiteral("text/html;charset=ISO-8859-1");

constexpr int ButtonWidthTwips = 2880;
constexpr int ButtonHeightTwips = 420;

}  // namespace

// What the engine may fetch: the content it was handed, files of the application folder (the
// page's small pictures) and the item's picture at its address. Nothing else leaves the
// program. Qt calls it on the window's thread.
class PagePreviewWindow::Requests : public QWebEngineUrlRequestInterceptor {
public:
    Requests(const QString& applicationFolder, QObject* parent)
        : QWebEngineUrlRequestInterceptor(parent),
          m_folder(QDir::cleanPath(QDir(applicationFolder).absolutePath()) + QLatin1Char('/')) {}

    void SetPicture(const QUrl& picture) { m_picture = picture; }

    void interceptRequest(QWebEngineUrlRequestInfo& info) override {
        const QUrl url = info.requestUrl();
        bool allowed = false;
        if (url.scheme() == QLatin1String("data"))
            allowed = info.resourceType() == QWebEngineUrlRequestInfo::ResourceTypeMainFrame;
        else if (m_picture.isValid() && url.adjusted(QUrl::RemoveFragment) == m_picture)
            allowed = true;
        else if (url.isLocalFile())
            allowed = QDir::cleanPath(url.toLocalFile()).startsWith(m_folder);
        info.block(!allowed);
    }

private:
    QString m_folder;
    QUrl m_picture;
};

// The page in the engine: it goes to the content the window hands it and nowhere else, so a
// click on a link leaves the page as it is.
class PagePreviewWindow::EnginePage : public QWebEnginePage {
public:
    EnginePage(QWebEngineProfile* profile, PagePreviewWindow* window)
        : QWebEnginePage(profile, window), m_window(window) {}

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) override {
        return m_window->AcceptsNavigation(url, isMainFrame);
    }

private:
    PagePreviewWindow* m_window;
};

PagePreviewWindow::PagePreviewWindow(QString applicationFolder, QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_applicationFolder(std::move(applicationFolder)),
      m_baseUrl(QUrl::fromLocalFile(QDir(m_applicationFolder).absolutePath() + QLatin1Char('/'))) {
    setObjectName(QStringLiteral("PagePreview"));
    setWindowTitle(tr("Page Preview"));
    setWindowIcon(ProgramIcon());
    resize(820, 700);
    WindowPlacement::AddCloseKeys(this);

    auto* layout = new QVBoxLayout(this);
    // The lists come first, so that they lead the keyboard's way through the window.
    auto* choices = new QHBoxLayout;
    MakeChoiceLists(choices);
    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("PreviewCaption"));
    m_caption->setTextFormat(Qt::PlainText);
    m_caption->setWordWrap(true);
    m_area = new QStackedWidget(this);
    m_blank = new QWidget(m_area);
    m_area->addWidget(m_blank);

    m_problemPane = new QWidget(m_area);
    m_problemPane->setObjectName(QStringLiteral("PreviewProblem"));
    auto* problemLayout = new QVBoxLayout(m_problemPane);
    m_problemText = new QLabel(m_problemPane);
    m_problemText->setTextFormat(Qt::PlainText);
    m_problemText->setWordWrap(true);
    m_viewInBrowser = FormControls::DialogButton(m_problemPane, QStringLiteral("ViewInBrowser"),
                                                 tr("View Page in the browser"), ButtonWidthTwips,
                                                 ButtonHeightTwips);
    connect(m_viewInBrowser, &XpButton::Click, this, &PagePreviewWindow::WriteBrowserCopy);
    problemLayout->addWidget(m_problemText);
    problemLayout->addWidget(m_viewInBrowser);
    problemLayout->addStretch(1);
    m_area->addWidget(m_problemPane);

    // The description of the record shown, for the seller who lists it in eBay's own form.
    m_copyDescription =
        FormControls::DialogButton(this, QStringLiteral("CopyDescription"), tr("Copy Description"),
                                   ButtonWidthTwips, ButtonHeightTwips);
    m_copyDescription->setToolTip(
        tr("Copy the item's description, as HTML, for the HTML view of eBay's "
           "listing form (Ctrl+Shift+C)"));
    m_copyDescription->SetEnabled(false);
    const auto copy = [this] {
        if (!m_description.isEmpty())
            DescriptionClipboard::Put(m_description);
    };
    connect(m_copyDescription, &XpButton::Click, this, copy);
    const QKeySequence copyKey(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
    connect(new QShortcut(copyKey, this), &QShortcut::activated, this, copy);
    m_copyDescription->SetKeyText(copyKey.toString(QKeySequence::NativeText));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_copyDescription);

    layout->addLayout(choices);
    layout->addWidget(m_caption);
    layout->addWidget(m_area, 1);
    layout->addLayout(buttons);
    DialogKeys::GiveEveryButtonAKey(this);

    m_patience.setSingleShot(true);
    m_patience.setInterval(EnginePatienceMs);
    connect(&m_patience, &QTimer::timeout, this, [this] {
        EngineFailed(tr("The page engine has not drawn the page after %1 seconds.")
                         .arg(EnginePatienceMs / 1000));
    });

    const QString problem = PageEngine::StartProblem();
    if (problem.isEmpty())
        MakeEngine();
    else
        m_problem = tr("The page cannot be drawn here: %1.").arg(problem);
    ShowPageArea();
}

PagePreviewWindow::~PagePreviewWindow() {
    // The engine's page goes before the profile it belongs to.
    delete m_view;
}

void PagePreviewWindow::MakeChoiceLists(QHBoxLayout* row) {
    const auto list = [this, row](const QString& name, const QString& caption,
                                  const QString& accessibleName) {
        auto* label = new QLabel(caption, this);
        label->setObjectName(name + QStringLiteral("Label"));
        auto* box = new QComboBox(this);
        box->setObjectName(name);
        box->setEditable(false);
        box->setAccessibleName(accessibleName);
        label->setBuddy(box);
        row->addWidget(label);
        row->addWidget(box);
        return box;
    };
    m_schemeChoice =
        list(QStringLiteral("SchemeChoice"), tr("Colour &scheme:"), tr("Colour scheme"));
    PageChoiceLists::FillSchemes(m_schemeChoice);
    row->addSpacing(12);
    m_layoutChoice = list(QStringLiteral("LayoutChoice"), tr("&Layout:"), tr("Layout"));
    PageChoiceLists::FillLayouts(m_layoutChoice);
    // In a narrow window the lists narrow to half their width, cutting their names short,
    // rather than widen the window past its screen.
    for (QComboBox* box : {m_schemeChoice, m_layoutChoice})
        box->setMinimumWidth(box->minimumSizeHint().width() / 2);
    row->addStretch(1);
    ShowChoice(0, 0);
    // The index changes by the seller's mouse, keys or wheel; ShowChoice changes it unheard.
    connect(m_schemeChoice, &QComboBox::currentIndexChanged, this, &PagePreviewWindow::Picked);
    connect(m_layoutChoice, &QComboBox::currentIndexChanged, this, &PagePreviewWindow::Picked);
}

void PagePreviewWindow::ShowChoice(int layout, int scheme) {
    m_layout = layout;
    m_scheme = scheme;
    const QSignalBlocker quietLayout(m_layoutChoice);
    const QSignalBlocker quietScheme(m_schemeChoice);
    m_layoutChoice->setCurrentIndex(
        layout >= 1 && layout <= PageChoiceLists::LayoutCount ? layout - 1 : -1);
    m_schemeChoice->setCurrentIndex(scheme >= SchemeTable::FirstScheme &&
                                            scheme <= SchemeTable::LastScheme
                                        ? scheme - SchemeTable::FirstScheme
                                        : -1);
}

void PagePreviewWindow::Picked() {
    // A list showing no entry leaves its value as it was given.
    if (m_layoutChoice->currentIndex() >= 0)
        m_layout = m_layoutChoice->currentIndex() + 1;
    if (m_schemeChoice->currentIndex() >= 0)
        m_scheme = m_schemeChoice->currentIndex() + SchemeTable::FirstScheme;
    Q_EMIT ChoiceChanged(m_layout, m_scheme);
}

void PagePreviewWindow::MakeEngine() {
    PageEngine::AllowRunningAsRoot();
    // A profile of its own, off the record: nothing is kept on disk, and its requests pass
    // through the window's filter.
    m_profile = new QWebEngineProfile(this);
    m_requests = new Requests(m_applicationFolder, m_profile);
    m_profile->setUrlRequestInterceptor(m_requests);
    m_view = new QWebEngineView(m_area);
    m_view->setObjectName(QStringLiteral("PreviewPage"));
    auto* page = new EnginePage(m_profile, this);
    page->setParent(m_view);
    m_view->setPage(page);
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
    // A browser opening the written page from a folder fetches the item's picture from its web
    // address; the engine does so too only when told. Requests stays the judge of each one.
    page->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
    m_area->addWidget(m_view);
    connect(page, &QWebEnginePage::loadFinished, this, &PagePreviewWindow::LoadFinished);
    connect(page, &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status, int code) {
                const QString how = status == QWebEnginePage::CrashedTerminationStatus
                                        ? tr("crashed")
                                    : status == QWebEnginePage::KilledTerminationStatus
                                        ? tr("was killed")
                                        : tr("ended (status %1)").arg(code);
                EngineFailed(tr("The page engine's drawing process %1.").arg(how));
            });
}

QString PagePreviewWindow::Caption() const {
    return m_caption->text();
}

void PagePreviewWindow::ShowNote(const QString& note) {
    m_page.clear();
    m_pagePath.clear();
    m_description.clear();
    m_copyDescription->SetEnabled(false);
    m_caption->setText(note);
    ShowPageArea();
}

void PagePreviewWindow::ShowRecord(const ItemRecord& record, const ProgramSettings& settings,
                                   const SellerTexts& seller, const PagePictures& pictures,
                                   bool unstoredEdits) {
    ShowChoice(settings.LayoutIndex(), settings.SchemeIndex());
    QByteArray page;
    PageInputs inputs;
    try {
        inputs = PageInputs::Take(settings, seller, pictures);
        page = PageBuilder::Build(record, inputs);
    } catch (const LotcraftError& error) {
        ShowNote(tr("No page can be made for this record: %1.").arg(error.Message()));
        return;
    }
    // The engine takes the page as a data address, every byte outside letters and digits
    // escaped in three.
    const qsizetype address = PageMimeType.size() + 6 + page.toPercentEncoding().size();
    if (address > LargestShownAddress) {
        ShowNote(tr("This page is %L1 KB long, too long to be shown here. Write the "
                    "pages and open it with View Page.")
                     .arg(page.size() / 1024));
        return;
    }
    const QString item = record.Field(ItemRecord::ItemNumber);
    m_page = page;
    m_description = PageBuilder::DescriptionSection(record, inputs);
    m_copyDescription->SetEnabled(true);
    m_pagePath = PageBuilder::PagePath(inputs.outputFolder, item);
    QString caption = tr("Item %1, as HTMLS would write it now to %2. This window writes nothing.")
                          .arg(item, m_pagePath);
    if (unstoredEdits)
        caption +=
            tr(" It shows the form's changes, not stored yet: Save and HTMLS write them only once "
               "Update has stored them.");
    m_caption->setText(caption);
    if (m_view) {
        m_requests->SetPicture(m_baseUrl.resolved(QUrl(record.Field(ItemRecord::ImageAddress)))
                                   .adjusted(QUrl::RemoveFragment));
        if (m_page != m_loadedPage)
            Load(m_page);
    }
    ShowPageArea();
}

void PagePreviewWindow::Load(const QByteArray& page) {
    m_loadedPage = page;
    m_navigated = false;
    ++m_load;
    m_scroll = m_view->page()->scrollPosition();
    m_view->page()->setContent(page, PageMimeType, m_baseUrl);
    m_patience.start();
}

bool PagePreviewWindow::AcceptsNavigation(const QUrl& url, bool isMainFrame) {
    if (!isMainFrame || url.scheme() != QLatin1String("data"))
        return false;
    // The content is the address's data, escaped, after the type and a comma.
    const QByteArray address = url.adjusted(QUrl::RemoveFragment).toEncoded();
    const qsizetype comma = address.indexOf(',');
    if (comma < 0 || QByteArray::fromPercentEncoding(address.mid(comma + 1)) != m_loadedPage)
        return false;
    m_navigated = true;
    return true;
}

void PagePreviewWindow::LoadFinished(bool ok) {
    // Only the content handed over last counts; an earlier one may still report.
    if (!m_navigated)
        return;
    m_navigated = false;
    m_patience.stop();
    if (!ok) {
        EngineFailed(tr("The page engine could not load the page."));
        return;
    }
    const quint64 load = m_load;
    if (m_scroll.isNull()) {
        Shown(load);
        return;
    }
    QPointer<PagePreviewWindow> alive(this);
    m_view->page()->runJavaScript(
        QStringLiteral("window.scrollTo(%1, %2);").arg(m_scroll.x()).arg(m_scroll.y()),
        QWebEngineScript::ApplicationWorld, [alive, load](const QVariant&) {
            if (alive)
                alive->Shown(load);
        });
}

void PagePreviewWindow::Shown(quint64 load) {
    if (load != m_load)
        return;
    m_shownPage = m_loadedPage;
    m_problem.clear();
    ShowPageArea();
    Q_EMIT PageShown();
}

void PagePreviewWindow::EngineFailed(const QString& problem) {
    m_patience.stop();
    m_problem = problem;
    // Whatever the engine held is lost; the next page given is loaded anew.
    m_loadedPage.clear();
    m_shownPage.clear();
    m_navigated = false;
    ShowPageArea();
}

void PagePreviewWindow::ShowPageArea() {
    m_viewInBrowser->SetEnabled(!m_page.isEmpty());
    if (!m_problem.isEmpty()) {
        m_problemText->setText(
            m_problem + tr(" View Page in the browser shows the page as it would be written now."));
        m_area->setCurrentWidget(m_problemPane);
    } else if (m_page.isEmpty() || !m_view) {
        m_area->setCurrentWidget(m_blank);
    } else {
        m_area->setCurrentWidget(m_view);
    }
}

void PagePreviewWindow::WriteBrowserCopy() {
    if (m_page.isEmpty())
        return;
    if (!m_browserCopies) {
        m_browserCopies = std::make_unique<QTemporaryDir>();
        // The small pictures the page names, beside it as they are beside written pages.
        if (m_browserCopies->isValid()) {
            for (const QString& picture : PagePictures::CopiedFiles())
                QFile::copy(QDir(m_applicationFolder).filePath(picture),
                            m_browserCopies->filePath(picture));
        }
    }
    const QString path = m_browserCopies->filePath(QFileInfo(m_pagePath).fileName());
    QFile file(path);
    if (!m_browserCopies->isValid() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(m_page) != m_page.size() || !file.flush()) {
        m_problemText->setText(tr("No copy of the page can be made for the browser: %1.")
                                   .arg(m_browserCopies->isValid()
                                            ? file.errorString()
                                            : m_browserCopies->errorString()));
        return;
    }
    file.close();
    Q_EMIT ViewInBrowserRequested(path);
}

void PagePreviewWindow::BringForward() {
    if (!isVisible())
        WindowPlacement::PlaceOnOwnerScreen(this, m_owner);
    show();
    raise();
    activateWindow();
}
