// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/GridMarks.h"

#include "ui/ColourContrast.h"

#include <QPainter>

namespace GridMarks {

QImage ForPalette(const QImage& mark, const QPalette& palette) {
    if (mark.isNull() || !ColourContrast::IsDark(palette.color(QPalette::Base)))
        return mark;
    QImage backed(mark.size(), QImage::Format_ARGB32_Premultiplied);
    backed.fill(Qt::transparent);
    QPainter painter(&backed);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(Qt::white));
    painter.drawRoundedRect(QRectF(backed.rect()), 3, 3);
    painter.drawImage(0, 0, mark);
    painter.end();
    return backed;
}

}  // namespace GridMarks
