// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// One thing the catalogue check found: the row (1 for the first item, as the grid numbers
// them; 0 for the seller's texts, which belong to no row), the row's item number, what is
// wrong and what to do about it, each a sentence. An error loses or spoils a page or a
// listing, so the row is skipped when pages are written or listings exported; a warning
// leaves it written as it is. Whether a kind is an error can depend on what is written: a
// long title spoils a listing, which eBay refuses, but not a page.
struct CatalogueFinding {
    enum class Severity { Error, Warning };
    enum class Kind {
        // Errors.
        UnusableItemNumber,   // empty, "/", NUL, "." or "..", a line break
        NameTooLong,          // the page's file name is too long for the output folder
        PathTooLong,          // the page's whole path is too long for the system
        DuplicateItemNumber,  // the page would replace an earlier row's page
        ProgramFile,          // the page would replace one of the program's own files
        CatalogueFile,        // the page would replace the catalogue it is made from
        ActiveContent,        // a script, frame, form or event attribute, which eBay refuses
        // Errors in an export for eBay only.
        DescriptionTooLong,     // a description section longer than eBay takes
        CategoryNotNumber,      // no category, or one that is not eBay's category number
        FirstBidNotPositive,    // no amount above zero to start the auction at
        AmountNotTaken,         // an amount with more than two decimals, or out of eBay's range
        NoAllowedDuration,      // start and end times that give none of eBay's durations
        AmountOtherCurrency,    // an amount in another currency than the site's
        StartTooFarAhead,       // a start later than eBay schedules listings
        LabelTooLong,           // an item number longer than eBay's custom label takes
        TitleNotOneLine,        // a title with a line break or a tab
        TooManyPictures,        // more pictures than a listing takes
        ContactEmail,           // an e-mail address in a title or description
        QuantityNotTaken,       // no whole number from 1, or more than one in an auction
        FormatNotTaken,         // a format that is neither Auction nor FixedPrice
        ConditionNotNumber,     // a row's condition that is not eBay's condition number
        StartPriceNotAmount,    // a fixed price row whose price is no amount to sell at
        ShippingCostNotAmount,  // a row's shipping cost that is no amount eBay takes
        RequiredSpecificEmpty,  // an item specific the category requires left empty
        // Warnings.
        CaseDuplicate,    // one page with an earlier row's where letter case is ignored
        HeadingRow,       // row 1 holds the column names of a spreadsheet
        InitialText,      // a seller's text still holds the text its box starts with
        EmptySeller,      // no seller: every seller link is broken
        LongTitle,        // more characters than the marketplace takes
        PictureNotHttps,  // a picture address that does not start with https://
        EmptyTitle,
        EmptyPrice,
        ShiftedRecord,       // read where the file's items stopped lining up with its lines
        PriceBelowFirstBid,  // a price under 1.3 times the first bid: no Buy It Now price
        PriceNotAmount,      // a price that is not an amount: no Buy It Now price
        EmptyLocation,       // no location, which every listing must have
        BareNumberPrice,     // a price or first bid that is a number with no currency
        StartPast,           // a start already past: the listing starts when uploaded
        TitleMarkup,         // markup in a title, which eBay shows as typed
        ContactPhone,        // what reads like a telephone number in a title or description
        ContactLink,         // a link to anywhere but eBay in a title or description
        BrandNotTaken,       // a brand eBay takes for no brand at all ("n/a", "other")
    };

    int row = 0;
    QString itemNumber;
    Kind kind = Kind::UnusableItemNumber;
    Severity severity = Severity::Error;
    QString what;
    QString whatToDo;
    // The earlier row a duplicate clashes with; 0 for the other kinds.
    int otherRow = 0;

    bool IsError() const { return severity == Severity::Error; }
    // The finding on one line, for a terminal or a message:
    // "Row 9, item 777: error: <what> <what to do>".
    QString Line() const;
};
