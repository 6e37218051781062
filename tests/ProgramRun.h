// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Runs one of Lotcraft's programs as a user runs it, and gives back its exit status (-1 when
// it crashed or did not end within a minute) and what it printed.

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

struct Outcome {
    int status = -1;
    QString out;
    QString err;
};

inline Outcome RunProgram(
    const QString& program, const QStringList& arguments, const QString& workingFolder = QString(),
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Outcome outcome;
    if (!process.waitForFinished(60000))
        return outcome;
    outcome.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    outcome.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    outcome.err = QString::fromLocal8Bit(process.readAllStandardError());
    return outcome;
}
