// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;
class QWidget;

// Where a button's URL goes: a mail address to the desktop's shell, anything else to the
// container's hyperlink navigation. Tests put a recorder in its place.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;

    // The shell's "open" of a "mailto:" address, owned by the window that holds the button.
    virtual void ShellOpen(const QString& url, QWidget* owner) = 0;
    // The container's hyperlink navigation to an address.
    virtual void Navigate(const QString& url) = 0;
};
