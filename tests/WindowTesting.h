// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the window tests share: the focus chain and a click.

#include <QList>
#include <QTest>
#include <QWidget>

inline QList<QWidget*> FocusChain(QWidget* first) {
    QList<QWidget*> chain;
    QWidget* widget = first;
    do {
        if (widget->focusPolicy() != Qt::NoFocus)
            chain.append(widget);
        widget = widget->nextInFocusChain();
    } while (widget != first);
    return chain;
}

// Clicks a control in its middle.
inline void Click(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
}
