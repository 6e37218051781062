#include "ProgressHost.h"

ProgressHost::ProgressHost(QString seller, QString location, QString country, int total, bool show)
    : FixedPageHost(std::move(seller), std::move(location), std::move(country)),
      m_total(total),
      m_show(show) {}

ProgressHost::~ProgressHost() {
    if (m_shown)
        std::fputs("\n", stderr);
}

void ProgressHost::ShowPageCount(const QString& caption) {
    FixedPageHost::ShowPageCount(caption);
    if (!m_show)
        return;
    // About a hundred updates a run, and the last page always.
    const qint64 count = PageCount();
    const int step = m_total > 100 ? m_total / 100 : 1;
    if (count % step != 0 && count != m_total)
        return;
    std::fprintf(stderr, "\rWriting pages: %lld of %d", static_cast<long long>(count), m_total);
    std::fflush(stderr);
    m_shown = true;
}
