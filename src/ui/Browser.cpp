#include "ui/Browser.h"

#include "ui/MessageBoxes.h"

#include <QDesktopServices>
#include <QFileInfo>

namespace {

bool IsWebAddress(const QString& address) {
    const QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
                             scheme == QLatin1String("file"));
}

}  // namespace

Browser::Browser(MessageBoxes& messages, QWidget* owner)
    : m_messages(messages),
      m_owner(owner),
      m_opener([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {}

QUrl Browser::AddressUrl(const QString& address) {
    if (address.isEmpty())
        return QUrl();
    if (IsWebAddress(address))
        return QUrl(address, QUrl::StrictMode);
    // The absolute path is also a clean one: a doubled separator ("/" + "/help.html" for a
    // program in the root folder) would otherwise make the file URL name a host.
    return QUrl::fromLocalFile(QFileInfo(address).absoluteFilePath());
}

void Browser::IE_View(const QString& address) {
    // The hold on the window opened before ends here; the window itself stays open.
    m_lastOpened = AddressUrl(address);
    if (m_lastOpened.isEmpty()) {
        m_messages.Tell(m_owner, QStringLiteral("There is no page to open: no page has "
                                                       "been written for this item yet."));
        return;
    }
    if (!m_opener(m_lastOpened))
        m_messages.Tell(m_owner, QStringLiteral("No web browser could be started to "
                                                       "show %1.")
                                            .arg(address));
}

void Browser::SetOpener(Opener opener) {
    m_opener = std::move(opener);
}
