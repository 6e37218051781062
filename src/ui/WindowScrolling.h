// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>
#include <QSize>

class QScrollBar;
class QWidget;

// Lets a window whose controls are laid out for a first size be smaller than that size on a
// screen that has less room (a laptop at 150%): the controls keep their places and sizes, the
// window shows the part that fits, and scroll bars at its right and bottom edges move the
// rest into view. The focus brings its control into view, so the keyboard reaches all of it.
// Where the window is at least its first size no bar shows and nothing moves.
class WindowScrolling : public QObject {
    Q_OBJECT

public:
    WindowScrolling(QWidget& window, QSize first);

    // The size the window opens with: its first size, or the screen's free area less the
    // window frame where that is smaller. `frame` is what the frame adds to each dimension.
    static QSize FittingSize(QSize first, QSize available, QSize frame);

    // Where the controls' first places are moved to: up and left by what is scrolled away.
    QPoint Offset() const;
    // Shows, sizes and ranges the bars for the window's size now; call before laying out.
    void Fit();
    // Scrolls so that the child, laid out at `place` (unscrolled), lies in view.
    void Reveal(const QRect& place);

    QScrollBar* RightBar() const { return m_right; }
    QScrollBar* BottomBar() const { return m_bottom; }

    bool eventFilter(QObject* watched, QEvent* event) override;

Q_SIGNALS:
    // The controls must be laid out again at the new offset.
    void Scrolled();

private:
    QWidget& m_window;
    const QSize m_first;
    QScrollBar* m_right;
    QScrollBar* m_bottom;
};
