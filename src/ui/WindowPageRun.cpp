// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowPageRun.h"

#include "app/LotcraftError.h"
#include "app/ProgramSettings.h"
#include "editing/EditForm.h"
#include "editing/Grid.h"
#include "pages/CatalogueCheck.h"
#include "pages/CheckedRows.h"
#include "pages/PageInputs.h"
#include "pages/PageName.h"
#include "pages/PagePictures.h"
#include "pages/PageRun.h"
#include "ui/CatalogueCheckDialog.h"
#include "ui/CatalogueFiles.h"
#include "ui/GridMarks.h"
#include "ui/InputHold.h"
#include "ui/MessageBoxes.h"
#include "ui/OutputFolderDialog.h"
#include "ui/WindowHost.h"

#include <QCoreApplication>

#include <algorithm>

WindowPageRun::WindowPageRun(QWidget& owner, WindowHost& host, const CatalogueFiles& files,
                             ProgramSettings& settings, MessageBoxes& messages, Grid& grid,
                             EditForm& form, PagePictures& pictures)
    : m_owner(owner),
      m_host(host),
      m_files(files),
      m_settings(settings),
      m_messages(messages),
      m_grid(grid),
      m_form(form),
      m_pictures(pictures),
      m_folderPrompt(
          [this](QWidget* dialogOwner, ProgramSettings& folderSettings) -> std::optional<QString> {
              OutputFolderDialog dialog(folderSettings, dialogOwner);
              dialog.SetMessageBoxes(m_messages);
              // The dialog tells how many of these a folder already holds.
              dialog.SetPageFileNames(m_pageNames);
              if (dialog.exec() != QDialog::Accepted)
                  return std::nullopt;
              return dialog.ChosenFolder();
          }),
      m_checkPrompt([this](QWidget* dialogOwner, const std::vector<CatalogueFinding>& findings,
                           int itemCount, const std::function<void(int)>&) {
          ShowCheckDialog(dialogOwner, findings, itemCount);
          return false;
      }) {}

void WindowPageRun::ShowCheckDialog(QWidget* owner, const std::vector<CatalogueFinding>& findings,
                                    int itemCount) {
    CatalogueCheckDialog::ShowWithoutBlocking(
        m_checkDialog, owner, findings, itemCount, CatalogueCheckDialog::Purpose::Pages,
        [this](int row) { m_host.RevealRow(row); },
        [this] {
            return CatalogueCheck::Run(m_grid.Records(), m_host.Seller(), QString(),
                                       m_files.ShiftedFrom());
        },
        [this] { return m_grid.ItemCount(); }, [this] { m_host.WritePagesChecked(); });
}

void WindowPageRun::Run(const SellerTexts& seller, bool checked, const std::vector<int>& only) {
    // The catalogue is checked before anything is asked or written: rows whose pages would be
    // lost or wrong are skipped, once the seller has seen why. The output folder is not
    // chosen yet: names are held to the usual limit.
    const CheckedRows rows(
        CatalogueCheck::Run(m_grid.Records(), seller, QString(), m_files.ShiftedFrom()),
        m_grid.Records().size(), only);
    if (rows.AnyFinding() && !checked &&
        !m_checkPrompt(&m_owner, rows.Findings(), m_grid.ItemCount(),
                       [this](int row) { m_host.RevealRow(row); }))
        return;
    const std::vector<int>& skipped = rows.Skipped();
    // Findings of an earlier check no longer stand.
    if (m_checkDialog && m_checkDialog->isVisible())
        m_checkDialog->close();
    m_pageNames.clear();
    const std::vector<ItemRecord>& records = m_grid.Records();
    for (size_t index = 0; index < records.size(); ++index) {
        if (!std::binary_search(skipped.begin(), skipped.end(), int(index) + 1))
            m_pageNames << PageName::FileName(records[index].Field(ItemRecord::ItemNumber));
    }
    const std::optional<QString> chosen = m_folderPrompt(&m_owner, m_settings);
    m_pageNames.clear();
    if (!chosen)
        return;
    m_settings.SetOutputFolder(*chosen);
    const QString& folder = *chosen;
    const qint64 before = m_form.pageCount;
    m_host.ShowStatus(
        QCoreApplication::translate("WindowPageRun", "Writing the pages into %1 ...").arg(folder));
    std::optional<LotcraftError> failure;
    {
        // Clicks and keys made during the run are let go, not carried out after it.
        const InputHold hold;
        m_running = true;
        m_pageCountShown.invalidate();
        // The marks are read with the first page written, whose row a missing one stops at.
        QImage pageMark;
        QImage doneMark;
        try {
            // Each row is counted, then shows its page's path, then its marks.
            PageRun::Run(
                m_grid.Records(),
                PageInputs::Take(m_settings, seller, m_pictures, m_files.SourcePath()), m_pictures,
                skipped, [this, &pageMark, &doneMark](int row, const QString& pagePath) {
                    ++m_form.pageCount;
                    ShowPageCount();
                    m_grid.SetPagePath(row, pagePath);
                    if (pageMark.isNull() || doneMark.isNull()) {
                        pageMark = GridMarks::ForPalette(m_pictures.PageMark(), m_owner.palette());
                        doneMark = GridMarks::ForPalette(m_pictures.DoneMark(), m_owner.palette());
                    }
                    m_grid.MarkRow(row, pageMark, doneMark);
                });
        } catch (const LotcraftError& error) {
            failure = error;
        }
        m_running = false;
        ShowPageCount();
    }
    Report(folder, m_form.pageCount - before, failure, rows);
}

void WindowPageRun::ShowPageCount() {
    // Each repaint paints the window's pending changes too (the grid's marks), which cost
    // more than the page itself. The run shows the last count when it ends.
    if (m_running && m_pageCountShown.isValid() && m_pageCountShown.elapsed() < kPageCountFrameMs)
        return;
    m_host.ShowCounters();
    if (!m_running)
        return;
    // Input is held during a run: repaints and timers go on, clicks and keys are let go.
    QCoreApplication::processEvents();
    m_pageCountShown.start();
}

void WindowPageRun::Report(const QString& folder, qint64 written,
                           const std::optional<LotcraftError>& failure, const CheckedRows& rows) {
    const QString pages = PageRun::PagesText(written);
    // Rows not chosen are not named: only those left out for an error.
    const std::vector<int>& skipped = rows.LeftOut();
    QString skippedText;
    if (!skipped.empty()) {
        QString named = rows.LeftOutRows();
        named[0] = named[0].toUpper();
        skippedText = QCoreApplication::translate("WindowPageRun", " %1 %2 skipped.")
                          .arg(named, skipped.size() == 1
                                          ? QCoreApplication::translate("WindowPageRun", "was")
                                          : QCoreApplication::translate("WindowPageRun", "were"));
    }
    if (!failure) {
        m_host.ShowStatus(
            QCoreApplication::translate("WindowPageRun", "%1 written to %2.").arg(pages, folder) +
            skippedText);
    } else {
        m_host.ShowStatus(QCoreApplication::translate("WindowPageRun", "Stopped after %1 in %2.")
                              .arg(pages, folder) +
                          skippedText);
        QString kept;
        if (written == 0)
            kept = QCoreApplication::translate(
                "WindowPageRun",
                "No page was written. Correct it, or choose another folder, and press HTMLS "
                "again.");
        else if (failure->Row() > 0)
            kept = QCoreApplication::translate(
                "WindowPageRun",
                "The pages of the rows before it are written and marked. Correct the row, or "
                "choose another folder, and press HTMLS again.");
        else
            kept = QCoreApplication::translate(
                "WindowPageRun",
                "The pages are written and marked, but the pictures they show are not all "
                "beside them.");
        m_messages.Tell(&m_owner,
                        QCoreApplication::translate("WindowPageRun",
                                                    "Lotcraft could not write all the pages.\n\n") %
                            failure->Message() % QStringLiteral(".\n\n") % kept);
    }
    if (skipped.empty())
        return;
    // Which rows were left out, and why: their errors, as the check found them.
    m_messages.Tell(&m_owner, QCoreApplication::translate(
                                  "WindowPageRun",
                                  "No page was written for these rows, since their pages "
                                  "would have been lost or wrong:\n\n") %
                                  rows.ErrorLines() %
                                  QCoreApplication::translate(
                                      "WindowPageRun", "\n\nCorrect them and press HTMLS again."));
}
