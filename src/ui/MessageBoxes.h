#pragma once

class QString;
class QWidget;

// The program's message boxes, all titled "Lotcraft". Windows ask through this interface, so
// that tests can put a recorder with prepared answers in its place.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // A message with an Ok button.
    virtual void Information(QWidget* parent, const QString& text) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool Question(QWidget* parent, const QString& text) = 0;
};
