// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/CatalogueFinding.h"

#include "pages/PageName.h"

QString CatalogueFinding::Line() const {
    QString line;
    if (row > 0) {
        line = QStringLiteral("Row %1, item \"%2\": ").arg(row).arg(PageName::Shown(itemNumber));
    }
    line += IsError() ? QStringLiteral("error: ") : QStringLiteral("warning: ");
    return line + what + QLatin1Char(' ') + whatToDo;
}
