#pragma once

#include <QString>
#include <QUrl>

#include <functional>

class MessageBoxes;
class QWidget;

// Opens addresses in the desktop's web browser, one request at a time; every request opens
// the address anew and the browser's windows are left to the seller. Web addresses go as
// they are, anything else is taken for a local file path.
class Browser {
public:
    // Hands a URL to the desktop; false when no program took it. Tests record instead.
    using Opener = std::function<bool(const QUrl&)>;

    // Failures to open are told through the message boxes, over the owner window.
    Browser(MessageBoxes& messages, QWidget* owner);

    // Opens the address: a web address ("https://...") as it is, a local path as a file URL.
    void IE_View(const QString& address);

    // The URL of the address, as it is handed to the desktop.
    static QUrl AddressUrl(const QString& address);

    // The URL opened last, empty before the first request.
    const QUrl& LastOpened() const { return m_lastOpened; }

    void SetOpener(Opener opener);

private:
    MessageBoxes& m_messages;
    QWidget* m_owner;
    Opener m_opener;
    QUrl m_lastOpened;
};
