#pragma once

#include "ui/MessageBoxes.h"

// The message boxes a seller sees: modal QMessageBox windows titled "Lotcraft".
class DesktopMessageBoxes : public MessageBoxes {
public:
    void Information(QWidget* parent, const QString& text) override;
    bool Question(QWidget* parent, const QString& text) override;

    // The boxes every window uses until it is given others.
    static DesktopMessageBoxes& Instance();
};
