// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/xpbutton/UrlOpener.h"

// Both routes open the address with the desktop's own handler (mail program or web
// browser); failures are ignored, as nothing waits for a result.
class DesktopUrlOpener : public UrlOpener {
public:
    void ShellOpen(const QString& url, QWidget* owner) override;
    void Navigate(const QString& url) override;

    // The opener every button uses until it is given another.
    static DesktopUrlOpener& Instance();
};
