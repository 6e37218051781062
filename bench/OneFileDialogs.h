// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/FileDialogs.h"

#include <QString>

// The benches' file dialogs: LOAD CSV opens the one catalogue the bench was given, and a save
// dialog is cancelled.
class OneFileDialogs : public FileDialogs {
public:
    explicit OneFileDialogs(QString file) : m_file(std::move(file)) {}
    QString OpenFileName(QWidget*, const QString&) override { return m_file; }
    QString SaveFileName(QWidget*, const QString&) override { return QString(); }

private:
    QString m_file;
};
