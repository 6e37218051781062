// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CatalogueDrop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

CatalogueDrop::CatalogueDrop(QWidget& window, std::function<void(const QString&)> open)
    : QObject(&window), m_open(std::move(open)) {
    window.setAcceptDrops(true);
    window.installEventFilter(this);
    for (QWidget* child : window.findChildren<QWidget*>())
        child->installEventFilter(this);
}

QString CatalogueDrop::DroppedCatalogue(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return QString();
    const QUrl url = data->urls().constFirst();
    if (!url.isLocalFile())
        return QString();
    return url.toLocalFile();
}

bool CatalogueDrop::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    const QString path = DroppedCatalogue(drop->mimeData());
    if (path.isEmpty())
        return QObject::eventFilter(watched, event);
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop)
        m_open(path);
    return true;
}
