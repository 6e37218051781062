#pragma once

#include <QString>

class QWidget;

// The message boxes of the windows, all titled "Lotcraft": a question with Yes and No, and
// a message to acknowledge. Tests put prepared answers in their place.
class MessageBoxes {
public:
    virtual ~MessageBoxes();

    // True for Yes.
    virtual bool AskYesNo(QWidget* parent, const QString& question) = 0;
    virtual void Tell(QWidget* parent, const QString& message) = 0;

    static QString Title() { return QStringLiteral("Lotcraft"); }
};
