// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// The pages written so far, shown on standard error while a run goes on when it is a
// terminal: "Writing pages: 120 of 250", about a hundred times a run and at the last page.
class TerminalProgress {
public:
    TerminalProgress(qint64 total, bool shown) : m_total(total), m_shown(shown) {}

    qint64 Written() const { return m_written; }
    // One more page written.
    void Count();
    // Ends the progress line, so that what is printed next stands on a line of its own.
    void End();

private:
    qint64 m_total;
    bool m_shown;
    qint64 m_written = 0;
    bool m_lineOpen = false;
};
