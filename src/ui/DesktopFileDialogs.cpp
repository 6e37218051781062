#include "ui/DesktopFileDialogs.h"

#include "ui/MessageBoxes.h"

#include <QFileDialog>

DesktopFileDialogs& DesktopFileDialogs::Instance() {
    static DesktopFileDialogs instance;
    return instance;
}

QString DesktopFileDialogs::OpenFileName(QWidget* parent) {
    return QFileDialog::getOpenFileName(parent, MessageBoxes::Title(), QString(), Filter());
}

QString DesktopFileDialogs::SaveFileName(QWidget* parent) {
    return QFileDialog::getSaveFileName(parent, MessageBoxes::Title(), QString(), Filter());
}
