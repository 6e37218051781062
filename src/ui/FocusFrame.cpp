// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FocusFrame.h"

#include "ui/ColourContrast.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QRegion>

namespace {

constexpr double kLeastContrast = 3.0;
constexpr int kOutside = FocusFrame::Width + FocusFrame::Gap;

}  // namespace

FocusFrame::FocusFrame(const char* framedClass, QObject* parent)
    : QObject(parent), m_framedClass(framedClass) {
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { Follow(now); });
    Follow(QApplication::focusWidget());
}

FocusFrame::~FocusFrame() {
    delete m_ring.data();
}

void FocusFrame::Follow(QWidget* focused) {
    if (m_target)
        m_target->removeEventFilter(this);
    m_target =
        focused && focused->inherits(m_framedClass) && focused->parentWidget() ? focused : nullptr;
    if (m_target)
        m_target->installEventFilter(this);
    Place();
}

void FocusFrame::Place() {
    if (!m_target || !m_target->isVisible() || !m_target->isEnabled()) {
        if (m_ring)
            m_ring->hide();
        return;
    }
    QWidget* window = m_target->parentWidget();
    if (!m_ring) {
        m_ring = new QWidget(window);
        m_ring->setObjectName(QStringLiteral("FocusFrame"));
        m_ring->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_ring->setFocusPolicy(Qt::NoFocus);
        m_ring->installEventFilter(this);
    } else if (m_ring->parentWidget() != window) {
        m_ring->setParent(window);
    }
    const QRect outer = m_target->geometry().adjusted(-kOutside, -kOutside, kOutside, kOutside);
    m_ring->setGeometry(outer);
    const QRect local(QPoint(0, 0), outer.size());
    m_ring->setMask(
        QRegion(local).subtracted(QRegion(local.adjusted(Width, Width, -Width, -Width))));
    m_ring->raise();
    m_ring->show();
    m_ring->update();
}

bool FocusFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_ring && event->type() == QEvent::Paint) {
        QWidget* window = m_ring->parentWidget();
        const QColor behind = window->palette().color(window->backgroundRole());
        const QColor colour =
            ColourContrast::FirstReadable(behind,
                                          {window->palette().color(QPalette::Highlight),
                                           window->palette().color(QPalette::WindowText)},
                                          kLeastContrast);
        QPainter painter(m_ring);
        painter.fillRect(m_ring->rect(), colour);
        return true;
    }
    if (watched == m_target) {
        switch (event->type()) {
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::Show:
            case QEvent::Hide:
            case QEvent::ParentChange:
            case QEvent::EnabledChange: Place(); break;
            default: break;
        }
    }
    return QObject::eventFilter(watched, event);
}
