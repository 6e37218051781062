// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DesktopMessageBoxes.h"

#include "ui/QuestionBox.h"

#include <QAbstractButton>
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

MessageBoxes::Answer DesktopMessageBoxes::AskBetween(QWidget* parent, const QString& question,
                                                     const QString& yesCaption,
                                                     const QString& noCaption) {
    // The save question's three buttons, named for the two ways on.
    QuestionBox box(question, parent, QuestionBox::Buttons::SaveDiscardCancel);
    box.button(QMessageBox::Save)->setText(yesCaption);
    box.button(QMessageBox::Discard)->setText(noCaption);
    box.exec();
    return box.Answer();
}

void DesktopMessageBoxes::Tell(QWidget* parent, const QString& message) {
    QMessageBox box(QMessageBox::Warning, Title(), message, QMessageBox::Ok, parent);
    box.exec();
}
