// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/xpbutton/DesktopUrlOpener.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

void DesktopUrlOpener::ShellOpen(const QString& url, QWidget*) {
    QDesktopServices::openUrl(QUrl(url));
}

void DesktopUrlOpener::Navigate(const QString& url) {
    QDesktopServices::openUrl(QUrl::fromUserInput(url));
}

DesktopUrlOpener& DesktopUrlOpener::Instance() {
    static DesktopUrlOpener opener;
    return opener;
}
