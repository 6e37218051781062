// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pages/CatalogueFinding.h"

#include <QDateTime>

#include <vector>

class CatalogueColumns;
class ItemRecord;
struct ListingOptions;
struct PageInputs;

// eBay's rules for the listings of an export, as findings of the catalogue check: errors
// keep a row out of the file, warnings leave it in as it is.
//
// Errors: a title that is empty, over 80 characters or on more than one line; a description
// that is too long, or holds active content or an e-mail address; no category number; a
// first bid that is no amount above zero in the site's currency, an amount in another
// currency or out of eBay's range; times that give no duration, or a start more than three
// weeks ahead; an item number longer than a custom label; more than 24 pictures. Of the
// row's own columns (ListingColumns): a format other than Auction or FixedPrice; a quantity
// that is no whole number from 1, or more than one in an auction; a duration not one of an
// auction's days, or other than GTC at a fixed price; a condition that is no number; a
// fixed price row's price that is no amount; a shipping cost that is none; a starred item
// specific left empty. A row that gives its duration, as a fixed price row does, needs no
// times.
// Warnings: a picture not at https://; a price that gives no Buy It Now price (no amount,
// or under 1.3 times the first bid); a start already past; markup in a title; what reads
// like a telephone number, or a link to anywhere but eBay; the location box as it starts, or
// empty; a heading row; rows read shifted; a brand that names none ("n/a").
class ListingCheck {
public:
    // eBay takes descriptions of at most this many characters.
    static constexpr int DescriptionLimit = 500000;
    // And custom labels (the item number) of at most this many.
    static constexpr int CustomLabelLimit = 50;
    // And at most this many pictures a listing.
    static constexpr int MostPictures = 24;

    // The findings for records as listings of the options' site, the description section in
    // the inputs' layout and scheme, the rows' own values in the catalogue's kept columns;
    // `now` tells the starts that are past or too far ahead.
    // Sorted by row, a row's errors before its warnings. shiftedFrom as for the page check.
    static std::vector<CatalogueFinding> Run(const std::vector<ItemRecord>& records,
                                             const PageInputs& inputs,
                                             const ListingOptions& options,
                                             const CatalogueColumns& columns, int shiftedFrom,
                                             const QDateTime& now);
};
