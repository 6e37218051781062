// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/InputHold.h"

#include <QApplication>
#include <QEvent>

InputHold::InputHold() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    qApp->installEventFilter(this);
}

InputHold::~InputHold() {
    // What arrived while the program was busy is let go now, not carried out later.
    QCoreApplication::processEvents();
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
}

bool InputHold::IsInput(const QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd: return true;
        default: return false;
    }
}

bool InputHold::eventFilter(QObject* watched, QEvent* event) {
    if (!IsInput(event))
        return QObject::eventFilter(watched, event);
    // An override taken stops a key's shortcut, the key itself is then let go as well.
    event->accept();
    return true;
}
