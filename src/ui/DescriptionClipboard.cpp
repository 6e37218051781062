// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DescriptionClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

void DescriptionClipboard::Put(const QString& descriptionSection) {
    auto* data = new QMimeData;
    data->setHtml(descriptionSection);
    data->setText(descriptionSection);
    QGuiApplication::clipboard()->setMimeData(data);
}
