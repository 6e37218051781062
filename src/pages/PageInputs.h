// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/FileIdentity.h"
#include "pages/SellerTexts.h"

#include <QString>
#include <QStringList>

class PagePictures;
class ProgramSettings;

// Everything a page is built from besides its record, taken once, as a value, when a page
// run, a preview or an export starts: the description layout, the colours of the scheme,
// the seller's texts, the output folder and the names no page may take there: the
// program's own files and the catalogue the pages are made of. The window
// lets no input through while a run goes on, so taking the seller's texts once gives the
// same pages as reading them for every page.
struct PageInputs {
    // 1 to 4; any other layout has no description body.
    int layout = 1;
    // The scheme's main colour, its companion colour, the colour of text on the main colour,
    // and the font tag put before link texts (or nothing).
    QString primary;
    QString secondary;
    QString text;
    QString fontTag;
    SellerTexts seller;
    // No trailing separator, except for the root folder "/".
    QString outputFolder;
    // The program's own files, when the output folder is the folder that holds them.
    QStringList reservedNames;
    // The catalogue the pages are made of (empty for one that is in no file), and the names
    // it has in the output folder, where it lies there.
    QString catalogue;
    FileIdentity::NamesInFolder catalogueNames;

    // The inputs of the seller's current choices, for pages of the catalogue read from the
    // file `catalogue`. Throws LotcraftError when the scheme is not in the colour table.
    static PageInputs Take(const ProgramSettings& settings, SellerTexts seller,
                           const PagePictures& pictures, const QString& catalogue = QString());
};
