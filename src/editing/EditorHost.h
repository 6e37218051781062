#pragma once

#include <QString>

// What the record editing needs from the window around it: the delete question and the
// refusal answered by message boxes, the counters shown at once, and the link table emptied.
class EditorHost {
public:
    virtual ~EditorHost();

    // A question with the answers Yes and No; true for Yes.
    virtual bool Confirm(const QString& question) = 0;
    // A message the user acknowledges.
    virtual void Tell(const QString& message) = 0;
    // Label6 and Label7 got new texts: show them and repaint them now, in the middle of a
    // long operation.
    virtual void ShowCounters() = 0;
    // Empties the thirteen entries of the link table.
    virtual void ClearLinks() = 0;
};
