#pragma once

// Window layouts are given in twips; Lotcraft draws 15 twips to a pixel.
constexpr int TwipsToPixels(int twips) {
    return twips / 15;
}
