// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ColourContrast.h"

#include <algorithm>
#include <cmath>

namespace ColourContrast {

namespace {

double Linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

}  // namespace

double Luminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * Linear(rgb.redF()) + 0.7152 * Linear(rgb.greenF()) +
           0.0722 * Linear(rgb.blueF());
}

double Ratio(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor FirstReadable(const QColor& background, const QList<QColor>& candidates, double least) {
    for (const QColor& colour : candidates) {
        if (Ratio(colour, background) >= least)
            return colour;
    }
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return Ratio(black, background) >= Ratio(white, background) ? black : white;
}

bool IsDark(const QColor& face) {
    return Luminance(face) < Luminance(QColor(128, 128, 128));
}

}  // namespace ColourContrast
