// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

class ItemRecord;
struct PageInputs;

// Builds the listing page of one item: the page template's lines with the item's values,
// the seller's texts, the item's eBay addresses and the colours of the scheme spliced in,
// in the description layout of the inputs. The title and the description go in as the
// seller typed them, markup and all (a description of plain text with its line breaks as
// <BR>); every other value goes in as text, "&", "<", ">" and '"' as character references,
// so that the browser shows it as typed. The picture is the item's first. Building touches no file,
// so the page run, the preview and any later export build pages the same way.
class PageBuilder {
public:
    // The page of record, in ISO-8859-1 with references for every other character. Throws
    // LotcraftError naming the page's path when no page can be made: no output folder, an
    // item number that cannot name a page file there, or one that would replace a file the
    // program needs (PageInputs::reservedNames) or the catalogue itself.
    static QByteArray Build(const ItemRecord& record, const PageInputs& inputs);

    // A listing's description, given to eBay in place of the page: the page's description
    // section, from the "Description" heading to the close of the description body, as an
    // HTML fragment that stands alone, with the characters as themselves rather than as
    // references; but without the line inviting buyers to write to the seller (eBay takes
    // no contact details in a listing), and without the picture where the item has none.
    // It names no file beside the page, so it needs no output folder and checks no item
    // number.
    static QString DescriptionSection(const ItemRecord& record, const PageInputs& inputs);
    // Its length in characters (a pair of surrogates counts once), found without building it.
    static qsizetype DescriptionSectionLength(const ItemRecord& record, const PageInputs& inputs);

    // Throws LotcraftError naming the page's path when the item's page would replace the
    // catalogue the pages are made of (PageInputs::catalogueNames).
    static void RefuseReplacingTheCatalogue(const QString& itemNumber, const PageInputs& inputs);

    // The path of an item's page: the folder, a "/" unless the folder ends in one, the page's
    // file name; the path a row shows for its page.
    static QString PagePath(const QString& outputFolder, const QString& itemNumber);
};
