#pragma once

#include "ui/FileDialogs.h"

// The desktop's file dialogs, titled "Lotcraft", filtered to catalogue files.
class DesktopFileDialogs : public FileDialogs {
public:
    static DesktopFileDialogs& Instance();

    QString OpenFileName(QWidget* parent) override;
    QString SaveFileName(QWidget* parent) override;
};
