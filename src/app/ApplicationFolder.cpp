// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ApplicationFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString ApplicationFolder::For(const QString& programFolder) {
    // The help page, which the window shows, or the spacer picture every page names, which
    // lotcraft-pages copies: either beside the program makes its folder the data folder.
    const QDir folder(programFolder);
    for (const char* name : {"help.html", "dot_clear.gif"})
        if (QFileInfo::exists(folder.filePath(QLatin1String(name))))
            return programFolder;
    return QDir::cleanPath(folder.filePath(InstalledRelativePath()));
}

QString ApplicationFolder::OfThisProgram() {
    return For(QCoreApplication::applicationDirPath());
}
