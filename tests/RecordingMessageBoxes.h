#pragma once

// Message boxes that show nothing: they record each message and give a prepared answer.

#include "ui/MessageBoxes.h"

#include <QString>
#include <QStringList>

class RecordingMessageBoxes : public MessageBoxes {
public:
    void Information(QWidget*, const QString& text) override { m_messages.append(text); }
    bool Question(QWidget*, const QString& text) override {
        m_messages.append(text);
        return m_answer;
    }

    void SetAnswer(bool yes) { m_answer = yes; }
    const QStringList& Messages() const { return m_messages; }

private:
    QStringList m_messages;
    bool m_answer = false;
};
