// SPDX-License-Identifier: GPL-3.0-or-later
#include "TerminalProgress.h"

#include <cstdio>

void TerminalProgress::Count() {
    ++m_written;
    const qint64 step = m_total > 100 ? m_total / 100 : 1;
    if (!m_shown || (m_written % step != 0 && m_written != m_total))
        return;
    std::fprintf(stderr, "\rWriting pages: %lld of %lld", static_cast<long long>(m_written),
                 static_cast<long long>(m_total));
    std::fflush(stderr);
    m_lineOpen = true;
}

void TerminalProgress::End() {
    if (m_lineOpen)
        std::fputc('\n', stderr);
    m_lineOpen = false;
}
