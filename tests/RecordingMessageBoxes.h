#pragma once

// Message boxes that show nothing: they record each question and message, and answer the
// questions from a prepared list (No once it runs out).

#include "ui/MessageBoxes.h"

#include <QString>
#include <QStringList>

#include <deque>

class RecordingMessageBoxes : public MessageBoxes {
public:
    bool AskYesNo(QWidget*, const QString& question) override {
        questions << question;
        const bool answer = !answers.empty() && answers.front();
        if (!answers.empty())
            answers.pop_front();
        return answer;
    }
    void Tell(QWidget*, const QString& message) override { messages << message; }

    std::deque<bool> answers;
    QStringList questions;
    QStringList messages;
};
