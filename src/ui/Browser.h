// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

class MessageBoxes;
class QWidget;

// Opens addresses in the desktop's web browser, one request at a time; every request opens
// the address anew and the browser's windows are left to the seller. Web addresses go as
// they are, anything else is taken for a local file path. When the desktop cannot open an
// address, the seller is told which one and what to do.
class Browser {
public:
    // Told once whether the address could be opened: at once, or later, after the request
    // has returned, when the desktop takes time to answer.
    using Outcome = std::function<void(bool opened)>;
    // Hands a URL to the desktop and tells the outcome. Tests record instead.
    using Opener = std::function<void(const QUrl& url, Outcome outcome)>;

    // How long the desktop's opener waits for xdg-open to fail before it takes the address
    // for opened: a browser that cannot start fails within it, one that starts may keep
    // xdg-open running for as long as it runs itself.
    static constexpr int DefaultPatienceMs = 8000;

    // Failures to open are told through the message boxes, over the owner window.
    Browser(MessageBoxes& messages, QWidget* owner);

    // Opens the address: a web address ("https://...") as it is, a local path as a file URL.
    void OpenInBrowser(const QString& address);

    // The URL of the address, as it is handed to the desktop.
    static QUrl AddressUrl(const QString& address);

    // The URL opened last, empty before the first request.
    const QUrl& LastOpened() const { return m_lastOpened; }

    void SetOpener(Opener opener);

    // The desktop's opener: runs xdg-open on the address without waiting for it, and judges
    // by its exit status within the patience; one still running then counts as opened, and
    // is left running, as it may be the browser itself.
    static Opener DesktopOpener(int patienceMs = DefaultPatienceMs);

private:
    MessageBoxes& m_messages;
    QWidget* m_owner;
    Opener m_opener;
    QUrl m_lastOpened;
    // Outcomes that arrive once the browser is gone are dropped.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};
