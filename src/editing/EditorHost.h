// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What the record editing needs from the window around it: the delete question and the
// refusal answered by message boxes, and the counters shown at once.
class EditorHost {
public:
    virtual ~EditorHost();

    // A question with the answers Yes and No; true for Yes.
    virtual bool Confirm(const QString& question) = 0;
    // A message the user acknowledges.
    virtual void Tell(const QString& message) = 0;
    // The form's counters changed: show them and repaint them now, in the middle of a long
    // operation.
    virtual void ShowCounters() = 0;
};
