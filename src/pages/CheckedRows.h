// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pages/CatalogueFinding.h"

#include <QString>

#include <vector>

// The one step between the catalogue check and what is written after it, shared by the
// page runs and the exports of the window and lotcraft-pages: what the check found, the rows
// it leaves out (those with an error) and whether any row is left to write.
class CheckedRows {
public:
    // Where `only` names rows (ascending), just those are written: the findings of other rows
    // are dropped, and the other rows skipped without being left out for an error.
    CheckedRows(std::vector<CatalogueFinding> findings, size_t rowCount,
                const std::vector<int>& only = {});

    const std::vector<CatalogueFinding>& Findings() const { return m_findings; }
    // Whether the check found anything the seller should see before going on.
    bool AnyFinding() const { return !m_findings.empty(); }
    // The rows that have an error, ascending, each once: the rows left out.
    const std::vector<int>& LeftOut() const { return m_leftOut; }
    // The rows nothing is written for: those left out and those not chosen, ascending.
    const std::vector<int>& Skipped() const { return m_skipped; }
    // Whether a row is left to write once those are skipped.
    bool AnyLeft() const { return m_skipped.size() < m_rowCount; }
    // The rows left out as a sentence names them: "row 3", "rows 3, 5 and 9".
    QString LeftOutRows() const;
    // The errors, one line each, at most `most` of them and then a line that counts the
    // others: what a message says of the rows left out.
    QString ErrorLines(int most = 20) const;

private:
    std::vector<CatalogueFinding> m_findings;
    std::vector<int> m_leftOut;
    std::vector<int> m_skipped;
    size_t m_rowCount = 0;
};
