// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/xpbutton/OleColor.h"

#include <QImage>
#include <QPalette>

// Pixel drawing on an image with the semantics the button's drawing is written for: a line
// never draws its end point, a box outline lies inside its rectangle, nothing is
// antialiased, and whatever falls outside the image is clipped.
class GdiCanvas {
public:
    GdiCanvas(QImage& image, const QPalette& palette);

    int Width() const { return m_image.width(); }
    int Height() const { return m_image.height(); }
    QImage& Image() { return m_image; }
    const QPalette& Palette() const { return m_palette; }

    // A colour translated through the palette's system colours.
    OleColor ToRgb(OleColor color) const;

    void Fill(OleColor color);
    void SetPixel(int x, int y, OleColor color);
    // A 1-pixel line from (x1, y1) towards (x2, y2); (x2, y2) itself stays untouched.
    void DrawLine(int x1, int y1, int x2, int y2, OleColor color);
    // The rectangle filled, or its 1-pixel outline: columns left and right - 1, rows top
    // and bottom - 1.
    void DrawBox(int left, int top, int right, int bottom, OleColor color, bool fill);
    // The dotted focus rectangle: every other pixel of the outline inverted.
    void DrawFocusRect(int left, int top, int right, int bottom);

private:
    bool Contains(int x, int y) const;

    QImage& m_image;
    QPalette m_palette;
};
