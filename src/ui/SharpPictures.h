// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// Keeps the windows' pictures sharp on a screen whose device pixel ratio is above 1: when a
// label showing a picture appears, its picture is replaced by one enlarged pixel for pixel
// (DevicePixels), which the label then shows without scaling it smoothly. Installed on the
// application, it serves every window, the dialogs made later included.
class SharpPictures : public QObject {
    Q_OBJECT

public:
    explicit SharpPictures(QObject* parent = nullptr);

    bool eventFilter(QObject* watched, QEvent* event) override;
};
