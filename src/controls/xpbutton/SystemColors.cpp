// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/xpbutton/SystemColors.h"

#include <QPalette>

OleColor SystemColors::Lookup(int index, const QPalette& palette) {
    QPalette::ColorRole role = QPalette::Button;
    switch (index) {
        case ButtonFace: role = QPalette::Button; break;
        case ButtonShadow: role = QPalette::Dark; break;
        case ButtonText: role = QPalette::ButtonText; break;
        case Highlight3D: role = QPalette::Light; break;
        case DarkShadow3D: role = QPalette::Shadow; break;
        case Light3D: role = QPalette::Midlight; break;
        case Selection: role = QPalette::Highlight; break;
        case WindowText: role = QPalette::WindowText; break;
        // Title-bar text sits on the selection colour, as highlighted text does.
        case TitleText: role = QPalette::HighlightedText; break;
        default: break;
    }
    return FromQRgb(palette.color(QPalette::Active, role).rgb());
}

OleColor SystemColors::ToRgb(OleColor color, const QPalette& palette) {
    if (color < 0x1000000u)
        return color;
    return Lookup(int(color & 0xFFFFFFu), palette);
}
