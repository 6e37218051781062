// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <exception>
#include <string>

// The one error type of Lotcraft's engine: what went wrong, and the file it concerns when
// there is one. Every failure that a caller must show to the user arrives as this exception.
class LotcraftError : public std::exception {
public:
    explicit LotcraftError(QString reason, QString file = QString(), int row = 0);

    // Why it failed, as a sentence fragment the user can read ("Permission denied").
    const QString& Reason() const { return m_reason; }
    // The file concerned, or empty.
    const QString& File() const { return m_file; }
    // The catalogue row concerned (1 for the first item), or 0.
    int Row() const { return m_row; }
    // "Row <row>: <file>: <reason>", leaving out what is not known.
    QString Message() const;

    // The system's reason for an error number, as a reason reads. Running out of descriptors
    // says what to do about it: nothing is damaged, the limit is only too low for the run.
    static QString SystemReason(int error);

    const char* what() const noexcept override { return m_what.c_str(); }

private:
    QString m_reason;
    QString m_file;
    int m_row = 0;
    std::string m_what;
};
