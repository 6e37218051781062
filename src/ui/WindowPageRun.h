// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pages/CatalogueFinding.h"
#include "pages/SellerTexts.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class CatalogueCheckDialog;
class CheckedRows;
class Grid;
class LotcraftError;
class MessageBoxes;
class PagePictures;
class ProgramSettings;
class QWidget;
struct EditForm;

// HTMLS in the main window: the catalogue check and what it found, the output folder, then
// the page run, each row showing its page's path and marks as its page is named and Label7
// counting the pages; at the end the status line says how the run went, and a message tells
// a failure and the rows left out. No input is taken while the pages are written.
class CatalogueFiles;
class WindowHost;

class WindowPageRun {
public:
    // Shows the output folder dialog over the window and gives the folder chosen, or nothing
    // when the seller cancelled; by default the real dialog, run modally.
    using OutputFolderPrompt =
        std::function<std::optional<QString>(QWidget* owner, ProgramSettings& settings)>;
    // Shows what the catalogue check found and gives whether the pages are to be written now;
    // showRow shows a row in the form meanwhile. By default the real dialog, not modal: it
    // gives false at once, and its "Write pages" starts the run later through writeChecked.
    using CheckPrompt =
        std::function<bool(QWidget* owner, const std::vector<CatalogueFinding>& findings,
                           int itemCount, const std::function<void(int row)>& showRow)>;
    // The run shows rows, the status and the counters through host, and takes the seller's
    // texts from it; files tells the row from which the items may be shifted, as the
    // catalogue was read, and the file they came from, which no page or picture may replace.
    WindowPageRun(QWidget& owner, WindowHost& host, const CatalogueFiles& files,
                  ProgramSettings& settings, MessageBoxes& messages, Grid& grid, EditForm& form,
                  PagePictures& pictures);

    void SetOutputFolderPrompt(OutputFolderPrompt prompt) { m_folderPrompt = std::move(prompt); }
    void SetCheckPrompt(CheckPrompt prompt) { m_checkPrompt = std::move(prompt); }

    // Whether pages are being written now.
    bool Running() const { return m_running; }
    // Checks the catalogue, asks for the output folder and writes the pages with the seller's
    // texts, as the seller has them now. Once the seller has seen the findings (checked), the
    // rows in error are skipped without asking again. Where `only` names item rows
    // (ascending), only their pages are written.
    void Run(const SellerTexts& seller, bool checked = false, const std::vector<int>& only = {});

private:
    // The check dialog, shown without blocking the window; an open one shows the new findings.
    void ShowCheckDialog(QWidget* owner, const std::vector<CatalogueFinding>& findings,
                         int itemCount);

    // Label7 shows the count; during a run it, and the window with it, is repainted at most
    // once a screen frame, so a long run shows it moving without paying for a repaint a page.
    void ShowPageCount();
    void Report(const QString& folder, qint64 written, const std::optional<LotcraftError>& failure,
                const CheckedRows& rows);

    QWidget& m_owner;
    WindowHost& m_host;
    const CatalogueFiles& m_files;
    ProgramSettings& m_settings;
    MessageBoxes& m_messages;
    Grid& m_grid;
    EditForm& m_form;
    PagePictures& m_pictures;
    OutputFolderPrompt m_folderPrompt;
    // While the output folder is asked for: the file names of the pages the run would write.
    QStringList m_pageNames;
    CheckPrompt m_checkPrompt;
    QPointer<CatalogueCheckDialog> m_checkDialog;
    bool m_running = false;
    // When the run last showed the page counter; a frame of a 60 Hz screen between showings.
    static constexpr qint64 kPageCountFrameMs = 16;
    QElapsedTimer m_pageCountShown;
};
