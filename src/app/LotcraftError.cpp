#include "app/LotcraftError.h"

LotcraftError::LotcraftError(QString reason, QString file)
    : m_reason(std::move(reason)), m_file(std::move(file)), m_what(Message().toStdString()) {}

QString LotcraftError::Message() const {
    if (m_file.isEmpty())
        return m_reason;
    return QStringLiteral("%1: %2").arg(m_file, m_reason);
}
