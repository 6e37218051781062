// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowCommands.h"

#include "controls/xpbutton/XpButton.h"

#include <QAction>
#include <QWidget>

WindowCommands::WindowCommands(QWidget& window) : m_window(window) {}

QAction* WindowCommands::Add(Command command, const QString& text, const QList<QKeySequence>& keys,
                             const std::function<void()>& run, QWidget* within) {
    auto* action = new QAction(text, &m_window);
    action->setShortcuts(keys);
    action->setShortcutContext(within ? Qt::WidgetShortcut : Qt::WindowShortcut);
    (within ? within : &m_window)->addAction(action);
    QObject::connect(action, &QAction::triggered, &m_window, run);
    m_actions[size_t(command)] = action;
    return action;
}

void WindowCommands::SetEnabled(Command command, bool enabled) {
    m_actions[size_t(command)]->setEnabled(enabled);
}

void WindowCommands::Bind(Command command, XpButton* button) {
    QAction* action = m_actions[size_t(command)];
    QObject::connect(button, &XpButton::Click, action, &QAction::trigger);
    QObject::connect(action, &QAction::changed, button,
                     [button, action] { button->SetEnabled(action->isEnabled()); });
    button->SetEnabled(action->isEnabled());
}
