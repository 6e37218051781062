// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/CatalogueFinding.h"

#include "pages/PageName.h"

#include <QCoreApplication>

QString CatalogueFinding::Line() const {
    QString line;
    if (row > 0) {
        line = QCoreApplication::translate("CatalogueFinding", "Row %1, item \"%2\": ")
                   .arg(row)
                   .arg(PageName::Shown(itemNumber));
    }
    line += IsError() ? QCoreApplication::translate("CatalogueFinding", "error: ")
                      : QCoreApplication::translate("CatalogueFinding", "warning: ");
    return line + what + QLatin1Char(' ') + whatToDo;
}
