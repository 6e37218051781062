// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowPlacement.h"

#include <QGuiApplication>
#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <QWidget>

#include <algorithm>

QRect WindowPlacement::FitInside(const QRect& frame, const QRect& available) {
    const QSize size = frame.size().boundedTo(available.size());
    const int left =
        std::clamp(frame.left(), available.left(), available.right() + 1 - size.width());
    const int top =
        std::clamp(frame.top(), available.top(), available.bottom() + 1 - size.height());
    return QRect(QPoint(left, top), size);
}

QMargins WindowPlacement::FrameMargins(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return QMargins(client.left() - frame.left(), client.top() - frame.top(),
                    frame.right() - client.right(), frame.bottom() - client.bottom());
}

void WindowPlacement::PlaceOnOwnerScreen(QWidget* window, const QWidget* owner) {
    QScreen* screen = owner ? owner->screen() : window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    // A window not shown yet has no frame of its own; the desktop gives it the owner's.
    const QMargins margins = window->testAttribute(Qt::WA_WState_Created) || !owner
                                 ? FrameMargins(window)
                                 : FrameMargins(owner);
    QRect frame(QPoint(0, 0), window->size().grownBy(margins));
    frame.moveCenter(owner ? owner->frameGeometry().center() : available.center());
    frame = FitInside(frame, available);
    window->resize(frame.size().shrunkBy(margins));
    window->move(frame.topLeft());
}

void WindowPlacement::AddCloseKeys(QWidget* window) {
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        auto* shortcut = new QShortcut(keys, window);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, window, &QWidget::close);
    }
}
