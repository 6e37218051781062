// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// The message boxes of the windows, all titled "Lotcraft": a question with Yes and No, the
// question whether to save, and a message to acknowledge. Tests put prepared answers in their
// place.
class MessageBoxes {
public:
    // A question is answered Yes or No, or put away without an answer (Escape, or the
    // box's close button).
    enum class Answer { Yes, No, Dismissed };

    virtual ~MessageBoxes();

    virtual Answer Ask(QWidget* parent, const QString& question) = 0;
    // The question before unsaved work is put away, with the buttons Save (Yes), Don't Save
    // (No) and Cancel (Dismissed). Where a seam does not tell them apart, an Ask.
    virtual Answer AskToSave(QWidget* parent, const QString& question) {
        return Ask(parent, question);
    }
    // A choice between two ways on, named by their buttons (Yes and No), and Cancel
    // (Dismissed). Where a seam does not tell them apart, an Ask.
    virtual Answer AskBetween(QWidget* parent, const QString& question, const QString& yesCaption,
                              const QString& noCaption) {
        Q_UNUSED(yesCaption);
        Q_UNUSED(noCaption);
        return Ask(parent, question);
    }
    virtual void Tell(QWidget* parent, const QString& message) = 0;

    // True for Yes only: where putting the question away means No.
    bool AskYesNo(QWidget* parent, const QString& question) {
        return Ask(parent, question) == Answer::Yes;
    }

    static QString Title() { return QStringLiteral("Lotcraft"); }
};
