// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

// What the program's own windows beside the main window share: they open fully on the screen
// that holds the window they belong to, made smaller when that screen is smaller than they
// are, and Escape or Ctrl+W closes them.
class WindowPlacement {
public:
    // The frame rectangle that keeps the frame's size where the available area allows it
    // (smaller where it does not) and moves it the least to lie wholly inside that area.
    static QRect FitInside(const QRect& frame, const QRect& available);

    // Places window, before it is shown, wholly on the available area of the screen that holds
    // owner (the window's own screen without an owner), centred over the owner where that fits.
    // The frame's margins are the window's own once it has been shown, else the owner's.
    static void PlaceOnOwnerScreen(QWidget* window, const QWidget* owner);

    // Escape and Ctrl+W close the window, wherever its focus is.
    static void AddCloseKeys(QWidget* window);

private:
    static QMargins FrameMargins(const QWidget* window);
};
