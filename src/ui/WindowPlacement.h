// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

// What the program's own windows beside the main window share: they open fully on the screen
// that holds the window they belong to, made smaller when that screen is smaller than they
// are, and Escape or Ctrl+W closes them. A dialog the seller works beside, as the catalogue
// check's, opens next to its owner rather than over the owner's form.
class WindowPlacement {
public:
    // The frame rectangle that keeps the frame's size where the available area allows it
    // (smaller where it does not) and moves it the least to lie wholly inside that area.
    static QRect FitInside(const QRect& frame, const QRect& available);

    // Places window, before it is shown, wholly on the available area of the screen that holds
    // owner (the window's own screen without an owner), centred over the owner where that fits.
    // The frame's margins are the window's own once it has been shown, else the owner's.
    static void PlaceOnOwnerScreen(QWidget* window, const QWidget* owner);

    // The frame rectangle, wholly inside screenArea (of dialogFrameSize where the area allows
    // it, smaller where it does not), for a dialog that should leave ownerFrame free: to the
    // owner's right where the area has room for it, else to its left, else below, else above,
    // each time level with the owner's edge where the area allows. Where there is room on no
    // side, the dialog covers as little as it can of the owner's lower half, which holds the
    // form, and then of the rest of the owner.
    static QRect Beside(const QRect& ownerFrame, const QSize& dialogFrameSize,
                        const QRect& screenArea);

    // Places dialog, before it is first shown, by Beside on the available area of the screen
    // that holds owner; with no owner it stays where it is. The frame's margins are taken as
    // PlaceOnOwnerScreen takes them.
    static void PlaceBeside(QWidget* dialog, const QWidget* owner);

    // Escape and Ctrl+W close the window, wherever its focus is.
    static void AddCloseKeys(QWidget* window);

private:
    static QMargins FrameMargins(const QWidget* window);
    // The margins of window's frame; before it is shown, the owner's.
    static QMargins ExpectedFrameMargins(const QWidget* window, const QWidget* owner);
};
