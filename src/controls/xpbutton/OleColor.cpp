// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/xpbutton/OleColor.h"

#include <algorithm>

namespace {

int Clamp(int channel) {
    return std::clamp(channel, 0, 255);
}

}  // namespace

OleColor ShiftColor(OleColor rgb, int amount) {
    const int blue = BlueOf(rgb);
    return MakeRgb(Clamp(RedOf(rgb) + amount), Clamp(GreenOf(rgb) + amount),
                   Clamp(blue + blue * amount / 192));
}

OleColor AddToAll(OleColor rgb, int amount) {
    return MakeRgb(Clamp(RedOf(rgb) + amount), Clamp(GreenOf(rgb) + amount),
                   Clamp(BlueOf(rgb) + amount));
}
