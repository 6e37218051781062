// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "listings/ListingOptions.h"
#include "pages/CatalogueFinding.h"
#include "pages/SellerTexts.h"

#include <QPointer>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class CatalogueCheckDialog;
class FileDialogs;
class Grid;
class MessageBoxes;
class PagePictures;
class ProgramSettings;
class QWidget;

// Export for eBay in the main window: the values every listing shares (the site first), the
// catalogue checked with that site's rules and what that found, the file to write, then the
// file written whole or not at all; a message tells how many listings were written and where,
// and which rows were left out and why.
class CatalogueFiles;
class WindowHost;

class WindowListingExport {
public:
    // Shows what the check found and gives whether to export now; as the page run's.
    using CheckPrompt =
        std::function<bool(QWidget* owner, const std::vector<CatalogueFinding>& findings,
                           int itemCount, const std::function<void(int row)>& showRow)>;
    // Asks for the values every listing shares, starting from those given; nothing when the
    // seller cancelled. By default the "Export for eBay" dialog, run modally.
    using OptionsPrompt =
        std::function<std::optional<ListingOptions>(QWidget* owner, const ListingOptions& start)>;
    // The export shows rows and the status through host and takes the seller's texts and the
    // kept values from it; files tells the row from which the items may be shifted and the
    // open catalogue's path.
    WindowListingExport(QWidget& owner, WindowHost& host, const CatalogueFiles& files,
                        ProgramSettings& settings, MessageBoxes& messages, FileDialogs& dialogs,
                        Grid& grid, PagePictures& pictures);

    void SetCheckPrompt(CheckPrompt prompt) { m_checkPrompt = std::move(prompt); }
    void SetOptionsPrompt(OptionsPrompt prompt) { m_optionsPrompt = std::move(prompt); }

    // Asks for the values, checks the catalogue, asks for the file, and writes the listings
    // of the rows without errors. Once the seller has seen the findings (checked), the values
    // kept then are used and the rows in error left out without asking again.
    // Where `only` names item rows (ascending), only they are exported.
    void Run(const SellerTexts& seller, bool checked = false, const std::vector<int>& only = {});

    // The file first offered for an export of the catalogue at cataloguePath: beside it, its
    // name with "-ebay"; "ebay-listings.csv" in the home folder for a catalogue not saved.
    static QString SuggestedPath(const QString& cataloguePath);

private:
    // The export dialog, offering the site of the seller's country where it is one of eBay's
    // eight, else the last values; the values given are kept.
    std::optional<ListingOptions> AskForOptions(const SellerTexts& seller);
    void ShowCheckDialog(QWidget* owner, const std::vector<CatalogueFinding>& findings,
                         int itemCount);

    QWidget& m_owner;
    WindowHost& m_host;
    const CatalogueFiles& m_files;
    ProgramSettings& m_settings;
    MessageBoxes& m_messages;
    FileDialogs& m_dialogs;
    Grid& m_grid;
    PagePictures& m_pictures;
    CheckPrompt m_checkPrompt;
    OptionsPrompt m_optionsPrompt;
    QPointer<CatalogueCheckDialog> m_checkDialog;
};
