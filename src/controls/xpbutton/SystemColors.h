// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/xpbutton/OleColor.h"

class QPalette;

// The system colours the button refers to (0x80000000 + index), taken from a palette so
// that the button follows the desktop's colours and a test can fix them.
class SystemColors {
public:
    enum Index {
        Selection = 13,
        WindowText = 8,
        TitleText = 9,
        ButtonFace = 15,
        ButtonShadow = 16,
        ButtonText = 18,
        Highlight3D = 20,
        DarkShadow3D = 21,
        Light3D = 22,
    };

    // The RGB value of a system colour index; an index without its own role gives the
    // button face.
    static OleColor Lookup(int index, const QPalette& palette);

    // A colour below 0x1000000 unchanged, any other the system colour of its low 24 bits.
    static OleColor ToRgb(OleColor color, const QPalette& palette);
};
