// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/CheckedRows.h"

#include "pages/CatalogueCheck.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

CheckedRows::CheckedRows(std::vector<CatalogueFinding> findings, size_t rowCount,
                         const std::vector<int>& only)
    : m_findings(std::move(findings)), m_rowCount(rowCount) {
    const auto chosen = [&only](int row) {
        return only.empty() || std::binary_search(only.begin(), only.end(), row);
    };
    // A finding of the whole catalogue (row 0) stands for any rows.
    m_findings.erase(std::remove_if(m_findings.begin(), m_findings.end(),
                                    [&](const CatalogueFinding& finding) {
                                        return finding.row != 0 && !chosen(finding.row);
                                    }),
                     m_findings.end());
    m_leftOut = CatalogueCheck::RowsInError(m_findings);
    if (only.empty()) {
        m_skipped = m_leftOut;
        return;
    }
    for (int row = 1; row <= int(rowCount); ++row) {
        if (!chosen(row) || std::binary_search(m_leftOut.begin(), m_leftOut.end(), row))
            m_skipped.push_back(row);
    }
}

QString CheckedRows::LeftOutRows() const {
    QStringList numbers;
    for (int row : m_leftOut)
        numbers << QString::number(row);
    if (numbers.isEmpty())
        return QCoreApplication::translate("CheckedRows", "no row");
    if (numbers.size() == 1)
        return QCoreApplication::translate("CheckedRows", "row %1").arg(numbers.first());
    const QString last = numbers.takeLast();
    return QCoreApplication::translate("CheckedRows", "rows %1 and %2")
        .arg(numbers.join(QStringLiteral(", ")), last);
}

QString CheckedRows::ErrorLines(int most) const {
    return CatalogueCheck::ErrorLines(m_findings, most);
}
