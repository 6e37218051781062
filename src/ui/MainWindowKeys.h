// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/MainWindowLayout.h"

#include <functional>

class QWidget;

// The main window's keys beyond its controls' own: the desktop's usual shortcuts, each a
// click on its button where that button is usable (Ctrl+O, Ctrl+S, Ctrl+N, F1, Ctrl+W,
// Ctrl+Q, and Delete in the grid), F5 for the page preview and Escape to leave insert mode.
class MainWindowKeys {
public:
    static void Install(QWidget& window, const MainWindowLayout::Controls& controls,
                        const std::function<void()>& showPreview,
                        const std::function<void()>& escape);
};
