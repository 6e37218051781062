// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SharpPictures.h"

#include "controls/xpbutton/DevicePixels.h"

#include <QEvent>
#include <QLabel>
#include <QPixmap>

SharpPictures::SharpPictures(QObject* parent) : QObject(parent) {}

bool SharpPictures::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Show)
        return false;
    auto* label = qobject_cast<QLabel*>(watched);
    // A label that stretches its picture to its own size is left to do so.
    if (!label || label->hasScaledContents())
        return false;
    const QPixmap shown = label->pixmap();
    const qreal ratio = label->devicePixelRatioF();
    if (shown.isNull() || shown.devicePixelRatio() >= ratio)
        return false;
    QImage picture = shown.toImage();
    picture.setDevicePixelRatio(1.0);
    const QSize logical = shown.deviceIndependentSize().toSize();
    if (picture.size() != logical)
        picture = picture.scaled(logical, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    label->setPixmap(QPixmap::fromImage(DevicePixels::Enlarged(picture, ratio)));
    return false;
}
