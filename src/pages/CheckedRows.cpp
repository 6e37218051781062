// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/CheckedRows.h"

#include "pages/CatalogueCheck.h"

#include <QStringList>

CheckedRows::CheckedRows(std::vector<CatalogueFinding> findings, size_t rowCount)
    : m_findings(std::move(findings)),
      m_leftOut(CatalogueCheck::RowsInError(m_findings)),
      m_rowCount(rowCount) {}

QString CheckedRows::LeftOutRows() const {
    QStringList numbers;
    for (int row : m_leftOut)
        numbers << QString::number(row);
    if (numbers.size() == 1)
        return QStringLiteral("row ") + numbers.first();
    const QString last = numbers.takeLast();
    return QStringLiteral("rows %1 and %2").arg(numbers.join(QStringLiteral(", ")), last);
}

QString CheckedRows::ErrorLines(int most) const {
    return CatalogueCheck::ErrorLines(m_findings, most);
}
