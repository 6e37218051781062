#pragma once

#include "pages/PageHost.h"

// A page host with fixed box texts and a plain counter, for runs without a window.
class FixedPageHost : public PageHost {
public:
    FixedPageHost(QString seller, QString location, QString country);

    QString SellerText() const override { return m_seller; }
    QString LocationText() const override { return m_location; }
    QString CountryText() const override { return m_country; }

    qint64 PageCount() const override { return m_pageCount; }
    void SetPageCount(qint64 count) override { m_pageCount = count; }
    void ShowPageCount(const QString& caption) override { m_pageCountCaption = caption; }

    // The caption last shown for the counter, "0" before the first page.
    const QString& PageCountCaption() const { return m_pageCountCaption; }

private:
    QString m_seller;
    QString m_location;
    QString m_country;
    qint64 m_pageCount = 0;
    QString m_pageCountCaption = QStringLiteral("0");
};
