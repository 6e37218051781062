// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class FileDialogs;
class Grid;
class LotcraftError;
class MessageBoxes;
class QWidget;
class RecordEditor;

// The main window's catalogue file: opening one (LOAD CSV, the command line, a dropped file),
// saving the grid, and the question before the grid's catalogue is closed or replaced. Every
// failure is told in a message box over the window that says what to do.
class CatalogueFiles {
public:
    // mayLeaveForm asks about what the seller typed in the form and is false when the form
    // must stay; formChanged shows the form once opening has changed it.
    CatalogueFiles(QWidget& window, MessageBoxes& messages, FileDialogs& dialogs, Grid& grid,
                   RecordEditor& editor, std::function<bool()> mayLeaveForm,
                   std::function<void()> formChanged);

    static QString ClosingQuestion() { return QStringLiteral("Do you want to save changes ?"); }

    // LOAD CSV: the open dialog, then Open.
    void ChooseAndOpen();
    // Opens a catalogue file. A file of which nothing can be read leaves the grid as it is;
    // otherwise, when the grid holds items, the closing question comes first, and a save
    // that is cancelled or fails stops the opening.
    void Open(const QString& path);
    // Writes every record of the grid to a file the seller chooses, offering the open
    // catalogue's name. True once the catalogue is saved.
    bool Save();
    // Before the grid's catalogue is closed or replaced: when it holds items, asks whether to
    // save it and saves it on Yes. False when the catalogue must stay: the question was put
    // away, or the save was cancelled or failed.
    bool MayPutCatalogueAway();

private:
    // What to tell the seller when a save failed, and what to do.
    static QString SaveFailureAdvice(const QString& path, const LotcraftError& error);

    QWidget& m_window;
    MessageBoxes& m_messages;
    FileDialogs& m_dialogs;
    Grid& m_grid;
    RecordEditor& m_editor;
    std::function<bool()> m_mayLeaveForm;
    std::function<void()> m_formChanged;
    // The catalogue opened or saved last: the file dialogs start there.
    QString m_cataloguePath;
};
