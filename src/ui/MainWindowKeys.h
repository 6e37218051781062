// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/MainWindowLayout.h"

#include <functional>

class QWidget;

// The main window's keys beyond its controls' own: the desktop's usual shortcuts, each a
// click on its button where that button is usable (Ctrl+O, Ctrl+Shift+S for the save button's
// Save As, Ctrl+N, Ctrl+E for the export for eBay, F1, Ctrl+W, Ctrl+Q, and Delete in the
// grid), Ctrl+S to save to the open catalogue while the save button is usable, F5 for the
// page preview, Ctrl+Shift+C to copy the form's listing description and Escape to leave
// insert mode.
class MainWindowKeys {
public:
    struct Actions {
        std::function<void()> showPreview;
        std::function<void()> escape;
        std::function<void()> save;
        std::function<void()> copyDescription;
    };

    static void Install(QWidget& window, const MainWindowLayout::Controls& controls,
                        const Actions& actions);
};
