// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/QuestionBox.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

QuestionBox::QuestionBox(const QString& question, QWidget* parent, Buttons buttons)
    : QMessageBox(QMessageBox::NoIcon, MessageBoxes::Title(), question,
                  buttons == Buttons::YesNo
                      ? QMessageBox::Yes | QMessageBox::No
                      : QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                  parent) {
    if (buttons == Buttons::YesNo) {
        setDefaultButton(QMessageBox::Yes);
    } else {
        setDefaultButton(QMessageBox::Save);
        SetCaption(QMessageBox::Discard, tr("Don't Save"));
    }
}

void QuestionBox::SetCaption(QMessageBox::StandardButton which, const QString& caption) {
    QAbstractButton* shown = button(which);
    shown->setText(caption);
}

MessageBoxes::Answer QuestionBox::Answer() const {
    QAbstractButton* clicked = clickedButton();
    if (!clicked)
        return MessageBoxes::Answer::Dismissed;
    if (clicked == button(QMessageBox::Yes) || clicked == button(QMessageBox::Save))
        return MessageBoxes::Answer::Yes;
    if (clicked == button(QMessageBox::No) || clicked == button(QMessageBox::Discard))
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
