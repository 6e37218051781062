// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/MessageBoxes.h"

// The message boxes shown on the desktop: questions without an icon, messages with a
// warning sign.
class DesktopMessageBoxes : public MessageBoxes {
public:
    static DesktopMessageBoxes& Instance();

    Answer Ask(QWidget* parent, const QString& question) override;
    Answer AskToSave(QWidget* parent, const QString& question) override;
    Answer AskBetween(QWidget* parent, const QString& question, const QString& yesCaption,
                      const QString& noCaption) override;
    void Tell(QWidget* parent, const QString& message) override;
    std::optional<QString> AskText(QWidget* parent, const QString& question,
                                   const QString& start) override;
    std::optional<std::vector<int>> AskChoices(QWidget* parent, const QString& question,
                                               const QStringList& labels,
                                               const QStringList& options,
                                               const std::vector<int>& start,
                                               const QString& accept) override;
};
