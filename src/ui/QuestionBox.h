// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/MessageBoxes.h"

#include <QMessageBox>

// A question titled "Lotcraft" with the buttons Yes and No and no icon. Escape and the
// close button put it away without an answer, rather than answering No for the user.
class QuestionBox : public QMessageBox {
    Q_OBJECT

public:
    QuestionBox(const QString& question, QWidget* parent);

    // What the user did, once the box has closed.
    MessageBoxes::Answer Answer() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};
