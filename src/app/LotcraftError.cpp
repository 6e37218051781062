// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LotcraftError.h"

LotcraftError::LotcraftError(QString reason, QString file, int row)
    : m_reason(std::move(reason)),
      m_file(std::move(file)),
      m_row(row),
      m_what(Message().toStdString()) {}

QString LotcraftError::Message() const {
    QString message;
    if (m_row > 0)
        message = QStringLiteral("Row %1: ").arg(m_row);
    if (!m_file.isEmpty())
        message += m_file + QStringLiteral(": ");
    return message + m_reason;
}
