// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

// A frame 2 pixels wide that the window draws around its focused button, one pixel clear of
// it, in a colour of at least 3:1 against the window. The program's buttons draw their own
// faces, pixel for pixel, and the rounded style's faint focus ring is no help to a seller
// who works by keyboard; the frame is a ring-shaped widget of the button's window laid over
// it, so the button's own painting stays as it is. Made once, it serves every window.
class FocusFrame : public QObject {
    Q_OBJECT

public:
    // The widgets that get the frame when focused: those of this class (by class name).
    explicit FocusFrame(const char* framedClass = "XpButton", QObject* parent = nullptr);
    ~FocusFrame() override;

    // The widget framed now, or nullptr.
    QWidget* Framed() const { return m_target; }
    // The frame's ring, as a widget of the framed widget's parent; nullptr while none shows.
    QWidget* Ring() const { return m_ring && m_ring->isVisible() ? m_ring.data() : nullptr; }

    bool eventFilter(QObject* watched, QEvent* event) override;

    static constexpr int Width = 2;
    static constexpr int Gap = 1;

private:
    void Follow(QWidget* focused);
    void Place();

    const char* m_framedClass;
    QPointer<QWidget> m_target;
    QPointer<QWidget> m_ring;
};
