// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LotcraftError.h"

#include <QCoreApplication>

#include <cerrno>

LotcraftError::LotcraftError(QString reason, QString file, int row)
    : m_reason(std::move(reason)),
      m_file(std::move(file)),
      m_row(row),
      m_what(Message().toStdString()) {}

QString LotcraftError::Message() const {
    QString message;
    if (m_row > 0)
        message = QCoreApplication::translate("LotcraftError", "Row %1: ").arg(m_row);
    if (!m_file.isEmpty())
        message += m_file + QStringLiteral(": ");
    return message + m_reason;
}

QString LotcraftError::SystemReason(int error) {
    if (error == EMFILE || error == ENFILE)
        return QCoreApplication::translate(
            "LotcraftError",
            "too many files are open at once: raise the limit (ulimit -n) and run again");
    return qt_error_string(error);
}
