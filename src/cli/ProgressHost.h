#pragma once

#include "pages/FixedPageHost.h"

#include <cstdio>

// Fixed box texts, and the page counter shown on a terminal while the pages are written.
class ProgressHost : public FixedPageHost {
public:
    ProgressHost(QString seller, QString location, QString country, int total, bool show);
    ~ProgressHost() override;

    void ShowPageCount(const QString& caption) override;

private:
    int m_total;
    bool m_show;
    bool m_shown = false;
};
