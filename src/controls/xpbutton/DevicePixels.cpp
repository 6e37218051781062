// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/xpbutton/DevicePixels.h"

#include <cmath>

QImage DevicePixels::Enlarged(const QImage& image, qreal ratio) {
    if (image.isNull() || ratio <= 1.0)
        return image;
    const QSize size(int(std::lround(image.width() * ratio)),
                     int(std::lround(image.height() * ratio)));
    QImage enlarged = image.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    enlarged.setDevicePixelRatio(ratio);
    return enlarged;
}
