// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/MessageBoxes.h"

#include <QMessageBox>

// A question titled "Lotcraft" with no icon, and the buttons Yes and No, or Save, Don't Save
// and Cancel for the question before unsaved work is put away. Escape and the close button
// put it away without an answer, rather than answering No for the user.
class QuestionBox : public QMessageBox {
    Q_OBJECT

public:
    enum class Buttons { YesNo, SaveDiscardCancel };

    QuestionBox(const QString& question, QWidget* parent, Buttons buttons = Buttons::YesNo);

    // What the user did, once the box has closed.
    MessageBoxes::Answer Answer() const;
    // Gives one of the buttons another caption, and screen readers the same name for it.
    void SetCaption(QMessageBox::StandardButton which, const QString& caption);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};
