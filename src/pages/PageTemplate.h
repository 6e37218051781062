// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <vector>

// The fixed lines of an item page, each written here once, with the places where the
// item's values, the window's texts, the links and the scheme colours are spliced in.
// The page is a sequence of blocks: the head down to the disclaimer (lines 1 to 178), the
// description heading (lines 179 to 197), the description body in the order its layout
// gives, the close of the description's centred block, then the page end. Everything from
// the heading to that close is the description section, which also stands alone as a
// listing's description. The four layouts differ only in the order of the text cell, the picture
// cell and a few row lines.
class PageTemplate {
public:
    enum class Value {
        ItemNumber,
        Title,
        Description,
        ImageAddress,
        Price,
        FirstBid,
        StartTime,
        EndTime,
        Location,
        Country,
        Seller,
        Primary,
        Secondary,
        Text,
        FontTag,
        Link1,  // Link1 + n - 1 is link n, up to 13
    };

    enum class Block {
        Top,                 // head, title box, summary table, disclaimer
        DescriptionHeading,  // the "Description" heading, the centred block's opening
        BodyStart,           // the description table's opening and its first row
        TextCell,            // the text cell's opening and the title
        SellerLine,          // "Please correspond with us at " and the seller
        TextCellEnd,         // the description and the text cell's close
        PictureCell,         // the picture cell's opening
        PictureImage,        // the item's picture
        PictureCellEnd,      // the picture cell's close
        PictureRowEnd,       // "</TR>" after the picture cell, three blanks in
        TextRowEnd,          // "</TR>" after the text cell in a row of its own, two blanks in
        RowStart,            // "<TR>" that opens the second row of the two-row layouts
        BodyEnd,             // the description table's close
        DescriptionEnd,      // the centred block's close
        PageEnd,
    };

    // A run of page bytes (indentation and CR LF included), then a value to splice in, if any.
    struct Piece {
        QByteArray literal;
        bool hasValue = false;
        Value value = Value::ItemNumber;
    };

    static const PageTemplate& Instance();

    const std::vector<Piece>& PiecesOf(Block block) const;
    // The blocks of a page in layout 1 to 4; any other layout has no description body.
    static const std::vector<Block>& BlocksOfLayout(int layoutIndex);

private:
    PageTemplate();

    std::vector<std::vector<Piece>> m_blocks;
};
