// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// While it lives, the program takes no input: the mouse, the keyboard and their shortcuts,
// the wheel and drops are let go unanswered, and the pointer shows that the program is busy.
// A long operation that lets the window repaint on its way (a page run) uses it, so that
// clicks and keys made meanwhile are not carried out when it ends. When the hold ends, input
// that arrived meanwhile is let go too, before anything else can take it.
class InputHold : public QObject {
    Q_OBJECT

public:
    InputHold();
    ~InputHold() override;
    InputHold(const InputHold&) = delete;
    InputHold& operator=(const InputHold&) = delete;

    // Whether an event is input that the hold lets go.
    static bool IsInput(const QEvent* event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
