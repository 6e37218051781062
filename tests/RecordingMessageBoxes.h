// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Message boxes that show nothing: they record each question and message, and answer the
// questions from a prepared list (No once it runs out).

#include "ui/MessageBoxes.h"

#include <QString>
#include <QStringList>

#include <deque>

class RecordingMessageBoxes : public MessageBoxes {
public:
    Answer Ask(QWidget*, const QString& question) override {
        questions << question;
        if (answers.empty())
            return Answer::No;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    // The question before unsaved work is put away: recorded with the others, and on its own.
    Answer AskToSave(QWidget* parent, const QString& question) override {
        saveQuestions << question;
        return Ask(parent, question);
    }
    void Tell(QWidget*, const QString& message) override { messages << message; }
    // Texts and choices answered from their own prepared lists; cancelled once they run out.
    std::optional<QString> AskText(QWidget*, const QString& question, const QString&) override {
        questions << question;
        if (texts.empty())
            return std::nullopt;
        const QString text = texts.front();
        texts.pop_front();
        return text;
    }
    std::optional<std::vector<int>> AskChoices(QWidget*, const QString& question,
                                               const QStringList& labels, const QStringList&,
                                               const std::vector<int>& start,
                                               const QString&) override {
        questions << question;
        choiceLabels = labels;
        choiceStarts = start;
        if (choices.empty())
            return std::nullopt;
        const std::vector<int> chosen = choices.front();
        choices.pop_front();
        return chosen;
    }

    std::deque<Answer> answers;
    std::deque<QString> texts;
    std::deque<std::vector<int>> choices;
    QStringList choiceLabels;
    std::vector<int> choiceStarts;
    QStringList questions;
    QStringList saveQuestions;
    QStringList messages;
};

constexpr MessageBoxes::Answer Yes = MessageBoxes::Answer::Yes;
constexpr MessageBoxes::Answer No = MessageBoxes::Answer::No;
constexpr MessageBoxes::Answer Dismissed = MessageBoxes::Answer::Dismissed;
