// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/FileDialogs.h"

// The desktop's file dialogs, titled "Lotcraft", filtered to catalogue files. A name typed
// without an extension is saved with ".csv", and the dialog asks before it replaces a file.
class DesktopFileDialogs : public FileDialogs {
public:
    static DesktopFileDialogs& Instance();

    QString OpenFileName(QWidget* parent, const QString& start) override;
    QString OpenTemplateName(QWidget* parent, const QString& start) override;
    QString SaveFileName(QWidget* parent, const QString& suggested) override;
};
