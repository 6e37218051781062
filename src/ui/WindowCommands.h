// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

#include <array>
#include <functional>

class QAction;
class QWidget;
class XpButton;

// The main window's commands, each one QAction: its text, its keys, what it does and whether
// it is usable now. A button of the window triggers its command and is usable while the
// command is; a key reaches the command wherever the window has the focus, or only in the
// widget the command was given for (Delete in the grid, where a box would delete text).
class WindowCommands {
public:
    enum Command {
        Open,
        Save,
        SaveAs,
        NewRecord,
        Store,
        Cancel,
        Delete,
        Htmls,
        Export,
        ViewPage,
        ViewCode,
        Preview,
        Help,
        CategoryList,
        Close,
        Find,
        FindNext,
        Undo,
        Redo,
        Copy,
        CopyDescription,
        Paste,
        Duplicate,
        ChangeField,
        SortCatalogue,
        ListingDetails,
        AddColumn,
        RemoveColumn,
        TemplateColumns,
        Escape,
        Count
    };

    explicit WindowCommands(QWidget& window);

    // Makes a command. Without `within` its keys work wherever the window has the focus.
    QAction* Add(Command command, const QString& text, const QList<QKeySequence>& keys,
                 const std::function<void()>& run, QWidget* within = nullptr);
    QAction* operator[](Command command) const { return m_actions[size_t(command)]; }
    void SetEnabled(Command command, bool enabled);
    // The button triggers the command and is usable while the command is.
    void Bind(Command command, XpButton* button);

private:
    QWidget& m_window;
    std::array<QAction*, Count> m_actions{};
};
