// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPalette>

// The marks the grid shows for a row whose page was written are the pictures the pages
// use, drawn for a light page: a navy outline on a transparent ground. On a dark desktop the
// grid is dark too and the outline would all but vanish, so there a mark stands on a light
// backing of its own.
namespace GridMarks {

QImage ForPalette(const QImage& mark, const QPalette& palette);

}  // namespace GridMarks
