// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/xpbutton/GdiCanvas.h"

#include "controls/xpbutton/SystemColors.h"

#include <algorithm>
#include <cstdlib>

GdiCanvas::GdiCanvas(QImage& image, const QPalette& palette) : m_image(image), m_palette(palette) {}

OleColor GdiCanvas::ToRgb(OleColor color) const {
    return SystemColors::ToRgb(color, m_palette);
}

void GdiCanvas::Fill(OleColor color) {
    m_image.fill(ToQRgb(ToRgb(color)));
}

bool GdiCanvas::Contains(int x, int y) const {
    return x >= 0 && y >= 0 && x < m_image.width() && y < m_image.height();
}

void GdiCanvas::SetPixel(int x, int y, OleColor color) {
    if (Contains(x, y))
        m_image.setPixel(x, y, ToQRgb(ToRgb(color)));
}

void GdiCanvas::DrawLine(int x1, int y1, int x2, int y2, OleColor color) {
    const QRgb pixel = ToQRgb(ToRgb(color));
    const int dx = std::abs(x2 - x1);
    const int dy = std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    int error = dx - dy;
    int x = x1;
    int y = y1;
    while (x != x2 || y != y2) {
        if (Contains(x, y))
            m_image.setPixel(x, y, pixel);
        const int doubled = 2 * error;
        if (doubled > -dy) {
            error -= dy;
            x += sx;
        }
        if (doubled < dx) {
            error += dx;
            y += sy;
        }
    }
}

void GdiCanvas::DrawBox(int left, int top, int right, int bottom, OleColor color, bool fill) {
    if (right <= left || bottom <= top)
        return;
    const OleColor rgb = ToRgb(color);
    if (fill) {
        const QRgb pixel = ToQRgb(rgb);
        for (int y = std::max(top, 0); y < std::min(bottom, Height()); ++y)
            for (int x = std::max(left, 0); x < std::min(right, Width()); ++x)
                m_image.setPixel(x, y, pixel);
        return;
    }
    DrawLine(left, top, right, top, rgb);
    DrawLine(left, bottom - 1, right, bottom - 1, rgb);
    DrawLine(left, top, left, bottom, rgb);
    DrawLine(right - 1, top, right - 1, bottom, rgb);
}

void GdiCanvas::DrawFocusRect(int left, int top, int right, int bottom) {
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            const bool onOutline = y == top || y == bottom - 1 || x == left || x == right - 1;
            if (onOutline && (x + y) % 2 == 0 && Contains(x, y))
                m_image.setPixel(x, y, m_image.pixel(x, y) ^ 0x00FFFFFFu);
        }
    }
}
