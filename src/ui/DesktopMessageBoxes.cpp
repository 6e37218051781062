// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DesktopMessageBoxes.h"

#include "ui/QuestionBox.h"

#include <QMessageBox>

DesktopMessageBoxes& DesktopMessageBoxes::Instance() {
    static DesktopMessageBoxes instance;
    return instance;
}

MessageBoxes::Answer DesktopMessageBoxes::Ask(QWidget* parent, const QString& question) {
    QuestionBox box(question, parent);
    box.exec();
    return box.Answer();
}

MessageBoxes::Answer DesktopMessageBoxes::AskToSave(QWidget* parent, const QString& question) {
    QuestionBox box(question, parent, QuestionBox::Buttons::SaveDiscardCancel);
    box.exec();
    return box.Answer();
}

void DesktopMessageBoxes::Tell(QWidget* parent, const QString& message) {
    QMessageBox box(QMessageBox::Warning, Title(), message, QMessageBox::Ok, parent);
    box.exec();
}
