// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The folder that holds the pictures the pages name and the help page. In the build tree
// they lie beside the programs; installed, the programs are in PREFIX/bin and the data in
// PREFIX/share/lotcraft, found from where the program itself lies, so an installation
// under any prefix works without being told where it is.
class ApplicationFolder {
public:
    // The data folder of a program that lies in programFolder: programFolder itself when
    // the help page or the pages' spacer picture lies beside it, otherwise
    // ../share/lotcraft from it (a clean path).
    static QString For(const QString& programFolder);

    // The data folder of the running program (QCoreApplication must exist).
    static QString OfThisProgram();

    // Where the data lies relative to the programs' folder, once installed.
    static QString InstalledRelativePath() { return QStringLiteral("../share/lotcraft"); }
};
