// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

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
    // A text asked for, `start` offered; nothing when the seller cancels, as where a seam
    // does not answer.
    virtual std::optional<QString> AskText(QWidget* parent, const QString& question,
                                           const QString& start);
    // One of `options` chosen for each of `labels` (an index into options), each offered
    // at its index in `start`; nothing when the seller cancels. `accept` names the button
    // that takes the choices.
    virtual std::optional<std::vector<int>> AskChoices(QWidget* parent, const QString& question,
                                                       const QStringList& labels,
                                                       const QStringList& options,
                                                       const std::vector<int>& start,
                                                       const QString& accept);

    // True for Yes only: where putting the question away means No.
    bool AskYesNo(QWidget* parent, const QString& question) {
        return Ask(parent, question) == Answer::Yes;
    }

    static QString Title() { return QStringLiteral("Lotcraft"); }
};
