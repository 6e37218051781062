// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowScrolling.h"

#include <QEvent>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>
#include <QWidget>

#include <algorithm>

WindowScrolling::WindowScrolling(QWidget& window, QSize first)
    : QObject(&window),
      m_window(window),
      m_first(first),
      m_right(new QScrollBar(Qt::Vertical, &window)),
      m_bottom(new QScrollBar(Qt::Horizontal, &window)) {
    m_right->setObjectName(QStringLiteral("WindowScrollRight"));
    m_bottom->setObjectName(QStringLiteral("WindowScrollDown"));
    for (QScrollBar* bar : {m_right, m_bottom}) {
        // The bars are for the mouse; the keyboard scrolls by moving the focus.
        bar->setFocusPolicy(Qt::NoFocus);
        bar->hide();
        connect(bar, &QScrollBar::valueChanged, this, &WindowScrolling::Scrolled);
    }
    m_window.installEventFilter(this);
}

QSize WindowScrolling::FittingSize(QSize first, QSize available, QSize frame) {
    return first.boundedTo(available - frame);
}

QPoint WindowScrolling::Offset() const {
    return QPoint(m_bottom->isVisible() ? -m_bottom->value() : 0,
                  m_right->isVisible() ? -m_right->value() : 0);
}

void WindowScrolling::Fit() {
    const int extent =
        m_window.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &m_window);
    const QSize size = m_window.size();
    // A bar takes room from the other direction, which may then need its bar too.
    bool across = size.width() < m_first.width();
    bool down = size.height() < m_first.height() + (across ? extent : 0);
    across = size.width() < m_first.width() + (down ? extent : 0);
    const int viewWidth = size.width() - (down ? extent : 0);
    const int viewHeight = size.height() - (across ? extent : 0);
    m_right->setVisible(down);
    m_bottom->setVisible(across);
    const QSignalBlocker quietRight(m_right);
    const QSignalBlocker quietBottom(m_bottom);
    m_right->setRange(0, std::max(0, m_first.height() - viewHeight));
    m_right->setPageStep(viewHeight);
    m_right->setSingleStep(20);
    m_right->setGeometry(viewWidth, 0, extent, viewHeight);
    m_bottom->setRange(0, std::max(0, m_first.width() - viewWidth));
    m_bottom->setPageStep(viewWidth);
    m_bottom->setSingleStep(20);
    m_bottom->setGeometry(0, viewHeight, viewWidth, extent);
    m_right->raise();
    m_bottom->raise();
}

void WindowScrolling::Reveal(const QRect& place) {
    const auto reveal = [](QScrollBar* bar, int from, int to) {
        if (!bar->isVisible())
            return;
        const int view = bar->pageStep();
        if (from < bar->value())
            bar->setValue(from);
        else if (to > bar->value() + view)
            bar->setValue(std::min(from, to - view));
    };
    reveal(m_right, place.top(), place.bottom() + 1);
    reveal(m_bottom, place.left(), place.right() + 1);
}

bool WindowScrolling::eventFilter(QObject* watched, QEvent* event) {
    // A wheel turned over the window's own background (a control would have taken it).
    if (watched == &m_window && event->type() == QEvent::Wheel && m_right->isVisible()) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        m_right->setValue(m_right->value() -
                          wheel->angleDelta().y() / 120 * 3 * m_right->singleStep());
        return true;
    }
    return QObject::eventFilter(watched, event);
}
