// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRgb>
#include <QtGlobal>

// The button's 32-bit colours: an RGB value with red in the low byte, green in the second
// and blue in the third, or, with the high bit set, a system colour whose index is the low
// 24 bits (see SystemColors).
using OleColor = quint32;

constexpr OleColor SystemColorFlag = 0x80000000u;

constexpr OleColor MakeRgb(int red, int green, int blue) {
    return OleColor(red & 0xFF) | (OleColor(green & 0xFF) << 8) | (OleColor(blue & 0xFF) << 16);
}
constexpr int RedOf(OleColor color) {
    return int(color & 0xFF);
}
constexpr int GreenOf(OleColor color) {
    return int((color >> 8) & 0xFF);
}
constexpr int BlueOf(OleColor color) {
    return int((color >> 16) & 0xFF);
}

// An RGB value as Qt stores a pixel (opaque), and back.
constexpr QRgb ToQRgb(OleColor rgb) {
    return qRgb(RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
}
constexpr OleColor FromQRgb(QRgb pixel) {
    return MakeRgb(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

// Red and green shifted by the amount, blue by its own share of it (blue x amount / 192,
// truncated); each channel clamped to 0..255.
OleColor ShiftColor(OleColor rgb, int amount);

// The amount added to each channel, a channel above 255 taken as 255.
OleColor AddToAll(OleColor rgb, int amount);
