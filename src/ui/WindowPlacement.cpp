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

QRect WindowPlacement::Beside(const QRect& ownerFrame, const QSize& dialogFrameSize,
                              const QRect& screenArea) {
    const QSize size = dialogFrameSize.boundedTo(screenArea.size());
    // Where a dialog level with the owner's top or left edge lies once it is on the area.
    const int level =
        std::clamp(ownerFrame.top(), screenArea.top(), screenArea.bottom() + 1 - size.height());
    const int levelLeft =
        std::clamp(ownerFrame.left(), screenArea.left(), screenArea.right() + 1 - size.width());
    if (screenArea.right() - ownerFrame.right() >= size.width())
        return QRect(QPoint(ownerFrame.right() + 1, level), size);
    if (ownerFrame.left() - screenArea.left() >= size.width())
        return QRect(QPoint(ownerFrame.left() - size.width(), level), size);
    if (screenArea.bottom() - ownerFrame.bottom() >= size.height())
        return QRect(QPoint(levelLeft, ownerFrame.bottom() + 1), size);
    if (ownerFrame.top() - screenArea.top() >= size.height())
        return QRect(QPoint(levelLeft, ownerFrame.top() - size.height()), size);

    // The covered area is the product of a width and a height, each least with the dialog
    // against one edge of the area or the other: one of the four corners covers the least.
    const QRect form(QPoint(ownerFrame.left(), ownerFrame.top() + ownerFrame.height() / 2),
                     ownerFrame.bottomRight());
    const auto covered = [size](const QRect& owned, const QPoint& at) {
        const QRect overlap = owned.intersected(QRect(at, size));
        return qint64(overlap.width()) * overlap.height();
    };
    const int lefts[] = {screenArea.right() + 1 - size.width(), screenArea.left()};
    const int tops[] = {screenArea.top(), screenArea.bottom() + 1 - size.height()};
    QPoint best(lefts[0], tops[0]);
    for (const int top : tops) {
        for (const int left : lefts) {
            const QPoint at(left, top);
            const qint64 formCovered = covered(form, at);
            const qint64 bestFormCovered = covered(form, best);
            if (formCovered < bestFormCovered ||
                (formCovered == bestFormCovered &&
                 covered(ownerFrame, at) < covered(ownerFrame, best)))
                best = at;
        }
    }
    return QRect(best, size);
}

void WindowPlacement::PlaceBeside(QWidget* dialog, const QWidget* owner) {
    if (!owner)
        return;
    QScreen* screen = owner->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QMargins margins = ExpectedFrameMargins(dialog, owner);
    const QRect frame = Beside(owner->frameGeometry(), dialog->size().grownBy(margins),
                               screen->availableGeometry());
    dialog->resize(frame.size().shrunkBy(margins));
    dialog->move(frame.topLeft());
}

QMargins WindowPlacement::ExpectedFrameMargins(const QWidget* window, const QWidget* owner) {
    // A window not shown yet has no frame of its own; the desktop gives it the owner's.
    return window->testAttribute(Qt::WA_WState_Created) || !owner ? FrameMargins(window)
                                                                  : FrameMargins(owner);
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
    const QMargins margins = ExpectedFrameMargins(window, owner);
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
