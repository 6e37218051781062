// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowCommands.h"

#include "controls/xpbutton/XpButton.h"
#include "ui/DialogKeys.h"

#include <QAction>
#include <QWidget>

namespace {

// A command's text as a tool tip says it: "Write &pages..." is "Write pages".
QString PlainText(QString text) {
    if (text.endsWith(QLatin1String("...")))
        text.chop(3);
    return XpButton::ShownText(text);
}

}  // namespace

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
    // The command's key presses the button: the tool tip and screen readers say which.
    const QString key = action->shortcut().toString(QKeySequence::NativeText);
    if (!key.isEmpty())
        DialogKeys::Tell(button, key, PlainText(action->text()));
    QObject::connect(button, &XpButton::Click, action, &QAction::trigger);
    QObject::connect(action, &QAction::changed, button,
                     [button, action] { button->SetEnabled(action->isEnabled()); });
    button->SetEnabled(action->isEnabled());
}
