// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MessageBoxes.h"

MessageBoxes::~MessageBoxes() = default;

std::optional<QString> MessageBoxes::AskText(QWidget*, const QString&, const QString&) {
    return std::nullopt;
}

std::optional<std::vector<int>> MessageBoxes::AskChoices(QWidget*, const QString&,
                                                         const QStringList&, const QStringList&,
                                                         const std::vector<int>&, const QString&) {
    return std::nullopt;
}
