#include "ui/DesktopMessageBoxes.h"

#include <QMessageBox>

DesktopMessageBoxes& DesktopMessageBoxes::Instance() {
    static DesktopMessageBoxes instance;
    return instance;
}

bool DesktopMessageBoxes::AskYesNo(QWidget* parent, const QString& question) {
    QMessageBox box(QMessageBox::NoIcon, Title(), question, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void DesktopMessageBoxes::Tell(QWidget* parent, const QString& message) {
    QMessageBox box(QMessageBox::Warning, Title(), message, QMessageBox::Ok, parent);
    box.exec();
}
