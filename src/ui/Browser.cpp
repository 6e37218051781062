// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Browser.h"

#include "ui/MessageBoxes.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

namespace {

bool IsWebAddress(const QString& address) {
    const QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
                             scheme == QLatin1String("file"));
}

}  // namespace

Browser::Browser(MessageBoxes& messages, QWidget* owner)
    : m_messages(messages), m_owner(owner), m_opener(DesktopOpener()) {}

QUrl Browser::AddressUrl(const QString& address) {
    if (address.isEmpty())
        return QUrl();
    if (IsWebAddress(address))
        return QUrl(address, QUrl::StrictMode);
    // The absolute path is also a clean one: a doubled separator ("/" + "/help.html" for a
    // program in the root folder) would otherwise make the file URL name a host.
    return QUrl::fromLocalFile(QFileInfo(address).absoluteFilePath());
}

void Browser::OpenInBrowser(const QString& address) {
    // The hold on the window opened before ends here; the window itself stays open.
    m_lastOpened = AddressUrl(address);
    if (m_lastOpened.isEmpty()) {
        m_messages.Tell(m_owner,
                        QCoreApplication::translate("Browser",
                                                    "There is no page to open: no page has "
                                                    "been written for this item yet."));
        return;
    }
    const std::weak_ptr<bool> alive = m_alive;
    const QString shown =
        m_lastOpened.isLocalFile() ? m_lastOpened.toLocalFile() : m_lastOpened.toString();
    m_opener(m_lastOpened, [this, alive, shown](bool opened) {
        if (opened || alive.expired())
            return;
        m_messages.Tell(m_owner, QCoreApplication::translate(
                                     "Browser",
                                     "No web browser could be started to show %1.\n\nInstall "
                                     "a web browser, or make one the desktop's default web "
                                     "browser, then try again; or open that address in a "
                                     "web browser yourself.")
                                     .arg(shown));
    });
}

void Browser::SetOpener(Opener opener) {
    m_opener = std::move(opener);
}

Browser::Opener Browser::DesktopOpener(int patienceMs) {
    return [patienceMs](const QUrl& url, Outcome outcome) {
        // The process is deleted once it ends and never ended by us: it may be the browser
        // itself, which stays open when Lotcraft closes.
        auto* process = new QProcess;
        auto* patience = new QTimer(process);
        auto told = std::make_shared<bool>(false);
        const auto tell = [told, outcome](bool opened) {
            if (!*told) {
                *told = true;
                outcome(opened);
            }
        };
        patience->setSingleShot(true);
        QObject::connect(patience, &QTimer::timeout, [tell] { tell(true); });
        QObject::connect(process, &QProcess::errorOccurred,
                         [process, tell](QProcess::ProcessError error) {
                             if (error != QProcess::FailedToStart)
                                 return;
                             tell(false);
                             process->deleteLater();
                         });
        QObject::connect(process, &QProcess::finished,
                         [process, tell](int code, QProcess::ExitStatus status) {
                             tell(status == QProcess::NormalExit && code == 0);
                             process->deleteLater();
                         });
        // What xdg-open and the browser say goes where Lotcraft's own messages go.
        process->setProcessChannelMode(QProcess::ForwardedChannels);
        process->setProgram(QStringLiteral("xdg-open"));
        process->setArguments(
            {url.isLocalFile() ? url.toLocalFile() : url.toString(QUrl::FullyEncoded)});
        patience->start(patienceMs);
        process->start();
    };
}
