// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/CatalogueReader.h"

#include <QString>

#include <functional>

class FileDialogs;
class Grid;
class LotcraftError;
class MessageBoxes;
class QWidget;
class RecordEditor;
class WindowHost;

// The main window's catalogue file: opening one (LOAD CSV, the command line, a dropped file),
// saving the grid to it or under a new name, and the question before the grid's catalogue is
// closed or replaced while it holds unsaved changes. Every failure is told in a message box
// over the window that says what to do.
class CatalogueFiles {
public:
    // The host is asked about what the seller typed in the form before it is emptied, shows
    // the form once opening or saving has changed it, and the status line.
    CatalogueFiles(QWidget& window, WindowHost& host, MessageBoxes& messages, FileDialogs& dialogs,
                   Grid& grid, RecordEditor& editor);

    static QString ClosingQuestion();

    // LOAD CSV: the open dialog, then Open.
    void ChooseAndOpen();
    // Opens a catalogue file. A file of which nothing can be read leaves the grid as it is;
    // otherwise, when the grid holds items, the closing question comes first, and a save
    // that is cancelled or fails stops the opening.
    void Open(const QString& path);
    // Writes every record of the grid to the open catalogue's file, or, when there is none,
    // as SaveAs does. True once the catalogue is saved.
    bool Save();
    // Writes every record of the grid to a file the seller chooses, offering the open
    // catalogue's name; that file is the open catalogue from then on. True once saved.
    bool SaveAs();
    // Before the grid's catalogue is closed or replaced: when it holds unsaved changes, asks
    // whether to save them and saves on Save. False when the catalogue must stay: the
    // question was cancelled, or the save was cancelled or failed.
    bool MayPutCatalogueAway();

    // The open catalogue's file: opened or saved last; empty for a catalogue typed in and
    // not saved yet, and for one read only in part.
    const QString& CataloguePath() const { return m_cataloguePath; }
    // The file the grid's items were read from when it could be read only in part, until
    // they are saved; empty otherwise. Saving over it asks first, naming what would be lost.
    const QString& ReadInPartFrom() const { return m_readInPartFrom; }
    // The seller's file the grid's items came from, read in whole or in part or saved last:
    // what no page, picture or export may replace. Empty for a catalogue typed in and not
    // saved yet.
    const QString& SourcePath() const {
        if (!m_cataloguePath.isEmpty())
            return m_cataloguePath;
        return m_readInPartFrom.isEmpty() ? m_spreadsheetFrom : m_readInPartFrom;
    }
    // The spreadsheet (.ods, .xlsx) the grid's items were read from, until they are saved
    // as a catalogue file of its own: never written over.
    const QString& SpreadsheetFrom() const { return m_spreadsheetFrom; }
    // The row from which the items of the catalogue opened last stop lining up with the
    // lines of its file, which the catalogue check warns of; 0 when they line up.
    int ShiftedFrom() const { return m_shiftedFrom; }
    // The folder the open and save dialogs start in while no catalogue is open: the folder of
    // the catalogue of an earlier run.
    const QString& CatalogueFolder() const { return m_catalogueFolder; }
    void SetCatalogueFolder(const QString& folder) { m_catalogueFolder = folder; }

private:
    // What to tell the seller when a save failed, and what to do.
    static QString SaveFailureAdvice(const QString& path, const LotcraftError& error);
    // Whether the file at path is a spreadsheet (.ods, .xlsx), by its content: never saved
    // over, as a catalogue file would lose it.
    static bool IsSpreadsheet(const QString& path);
    // Writes the grid to path; on success that file is the open catalogue.
    bool WriteTo(const QString& path);
    // Before the file the grid was read from in part is replaced: asks, naming how many
    // items it holds that the grid does not. True when it may be written.
    bool MayReplaceReadInPart(const QString& path);
    // Where the file dialogs start: the open catalogue, or the last catalogue folder.
    QString DialogStart() const;
    // Where a heading names no column for some of the fields the window shows, and the file
    // has columns kept beyond them, lets the seller choose which column holds each (the
    // choice kept for files of the same heading). False when the seller cancels the opening.
    bool MatchColumns(CatalogueReader::Result& result, const QString& path);

    QWidget& m_window;
    MessageBoxes& m_messages;
    FileDialogs& m_dialogs;
    Grid& m_grid;
    RecordEditor& m_editor;
    WindowHost& m_host;
    QString m_cataloguePath;
    QString m_catalogueFolder;
    QString m_readInPartFrom;
    QString m_spreadsheetFrom;
    // How many items the file read in part holds, by its own count.
    qint64 m_itemsInFile = 0;
    int m_shiftedFrom = 0;
};
