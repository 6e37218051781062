// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FileDialogs.h"

#include <QCoreApplication>

FileDialogs::~FileDialogs() = default;

QString FileDialogs::Filter() {
    return QCoreApplication::translate("FileDialogs", "Csv Files (*.csv)");
}

QString FileDialogs::OpenFilter() {
    return QCoreApplication::translate("FileDialogs", "Catalogues (*.csv *.ods *.xlsx)");
}
