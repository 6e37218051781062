// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// Pictures drawn pixel by pixel (the buttons, the window's pictures) shown on a screen with
// more device pixels than logical ones: each pixel becomes a block of device pixels, copied
// without interpolation, so the picture stays sharp and gains no colour it did not have.
namespace DevicePixels {

// The image enlarged by the ratio with nearest-neighbour copying, carrying the ratio, so
// that it is drawn at its old logical size; the image itself at a ratio of 1 or less.
QImage Enlarged(const QImage& image, qreal ratio);

}  // namespace DevicePixels
