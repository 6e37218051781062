// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The fixed palette and font the button tests draw with, so that every pixel is known.

#include "controls/xpbutton/OleColor.h"

#include <QFont>
#include <QImage>
#include <QPalette>

namespace XpButtonFixtures {

inline constexpr OleColor Face = MakeRgb(236, 233, 216);       // 15 button face
inline constexpr OleColor Shadow = MakeRgb(172, 168, 153);     // 16 button shadow
inline constexpr OleColor Text = MakeRgb(0, 0, 0);             // 18 button text
inline constexpr OleColor Highlight = MakeRgb(255, 255, 250);  // 20 3D highlight
inline constexpr OleColor Dark = MakeRgb(113, 111, 100);       // 21 3D dark shadow
inline constexpr OleColor Light = MakeRgb(241, 239, 226);      // 22 3D light
inline constexpr OleColor Selection = MakeRgb(49, 106, 197);   // 13 selection

inline QPalette Palette() {
    QPalette palette;
    const auto set = [&palette](QPalette::ColorRole role, OleColor color) {
        palette.setColor(role, QColor(ToQRgb(color)));
    };
    set(QPalette::Button, Face);
    set(QPalette::Window, Face);
    set(QPalette::Dark, Shadow);
    set(QPalette::ButtonText, Text);
    set(QPalette::Light, Highlight);
    set(QPalette::Shadow, Dark);
    set(QPalette::Midlight, Light);
    set(QPalette::Highlight, Selection);
    set(QPalette::WindowText, Text);
    set(QPalette::HighlightedText, MakeRgb(255, 255, 255));
    return palette;
}

inline QFont Font() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    return font;
}

inline OleColor At(const QImage& image, int x, int y) {
    return FromQRgb(image.pixel(x, y));
}

// The smallest rectangle holding every pixel of the colour (null when there is none).
inline QRect BoundsOf(const QImage& image, OleColor color) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (At(image, x, y) == color)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// A bitmap of one colour, with an optional second colour in its left half.
inline QPixmap Bitmap(int width, int height, OleColor color, OleColor leftHalf) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, ToQRgb(x < width / 2 ? leftHalf : color));
    return QPixmap::fromImage(image);
}

}  // namespace XpButtonFixtures
