// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/QuestionBox.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

QuestionBox::QuestionBox(const QString& question, QWidget* parent)
    : QMessageBox(QMessageBox::NoIcon, MessageBoxes::Title(), question,
                  QMessageBox::Yes | QMessageBox::No, parent) {
    setDefaultButton(QMessageBox::Yes);
}

MessageBoxes::Answer QuestionBox::Answer() const {
    QAbstractButton* clicked = clickedButton();
    if (clicked && clicked == button(QMessageBox::Yes))
        return MessageBoxes::Answer::Yes;
    if (clicked && clicked == button(QMessageBox::No))
        return MessageBoxes::Answer::No;
    return MessageBoxes::Answer::Dismissed;
}

void QuestionBox::keyPressEvent(QKeyEvent* event) {
    // A message box would take Escape for No; here it answers nothing.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        reject();
        return;
    }
    QMessageBox::keyPressEvent(event);
}

void QuestionBox::closeEvent(QCloseEvent* event) {
    // The close button, too: the box goes without a button having been clicked.
    event->accept();
    QDialog::reject();
}
