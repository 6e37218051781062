// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/xpbutton/ButtonPicture.h"
#include "controls/xpbutton/GdiRect.h"
#include "controls/xpbutton/OleColor.h"

#include <QImage>
#include <QString>

// Everything a button's look depends on besides its size, palette and font: the drawing
// properties, the state flags and what the container says about it.
struct ButtonFace {
    int ButtonStyle = 2;
    int PicturePosition = 1;
    int PictureWidth = 32;
    int PictureHeight = 32;
    int OriginalPicSizeW = 32;
    int OriginalPicSizeH = 32;
    OleColor BackColor = 0x8000000Fu;
    OleColor ForeColor = 0x80000012u;
    OleColor XPColor_Pressed = 0x80000014u;
    OleColor XPColor_Hover = 0x80000016u;
    OleColor MaskColor = 0;
    bool XPDefaultColors = true;
    bool XPShowBorderAlways = false;
    bool TransparentBG = false;
    bool ShowFocusRect = true;
    int BEVEL = 1;
    int BEVELDEPTH = 8;
    QString Caption;
    ButtonPicture Picture;  // the current picture

    bool Enabled = true;
    bool HasFocus = false;
    bool Pressed = false;
    bool Hovered = false;
    bool IsDefault = false;  // the container's default-button mark

    // The container's rendering under the button (its size), or null when there is none.
    QImage ParentBackground;
    // Where the picture went at the previous drawing; kept when the picture position is
    // not one of the four.
    GdiRect PreviousPictureRect;
};
