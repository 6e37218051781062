// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ProgramIcon.h"

QIcon ProgramIcon() {
    QIcon icon(QStringLiteral(":/pictures/lotcraft.png"));
    icon.addFile(QStringLiteral(":/pictures/lotcraft-256.png"));
    return icon;
}
