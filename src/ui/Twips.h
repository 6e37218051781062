// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Window and control layouts are given in twips; Lotcraft draws 15 twips to a pixel. The
// windows and the button control both measure in them, so the conversion lies below both.
constexpr int TwipsToPixels(int twips) {
    return twips / 15;
}
