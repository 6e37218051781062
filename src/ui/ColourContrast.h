// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QList>

// Contrast between colours as the accessibility guidelines measure it: the ratio of the
// lighter colour's relative luminance to the darker's, each plus 0.05 (1 to 21).
namespace ColourContrast {

double Luminance(const QColor& colour);
double Ratio(const QColor& a, const QColor& b);
// The first of the candidates at least `least` against the background; if none is, black or
// white, whichever stands out more.
QColor FirstReadable(const QColor& background, const QList<QColor>& candidates, double least);
// A dark palette is one whose buttons are darker than mid grey; its pictures are drawn light.
bool IsDark(const QColor& face);

}  // namespace ColourContrast
