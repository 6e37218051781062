// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/PageTemplate.h"

#include <QtGlobal>

#include <array>
#include <cstring>
#include <iterator>

namespace {

// One page line: its indentation and its content, in which "{Name}" marks a value.
struct LineSource {
    int indent;
    const char* content;
};

// The irregular indentations and blanks are part of the page as sellers have always had
// it (line 35 indented 18 under an opening at 14, line 43 indented 3, no blank before
// "size=4" in line 22, none before "bgcolor=" in line 51, "border=1" twice in line 180).
// clang-format off
// Page lines 1 to 178.
constexpr LineSource kTop[] = {
    {0, R"~(<HTML>)~"},  // 1
    {0, R"~(<HEAD>)~"},  // 2
    {0, R"~(<TITLE>eBay item {ItemNumber} (Ends {EndTime} ) - {Title}</TITLE>)~"},  // 3
    {0, R"~(<META http-equiv=Content-Type content="text/html; charset=ISO-8859-1">)~"},  // 4
    {0, R"~(<META http-equiv=Expires content="Mon, 25 Nov 2002, 22:15:03 GMT">)~"},  // 5
    {0, R"~(</HEAD>)~"},  // 6
    {0, R"~(<BODY>)~"},  // 7
    {0, R"~(<TABLE cellSpacing=0 cellPadding=0 width="100%" border=0>)~"},  // 8
    {2, R"~(<TBODY>)~"},  // 9
    {2, R"~(<TR>)~"},  // 10
    {4, R"~(<TD align=middle width="88%" height=47>)~"},  // 11
    {6, R"~(<CENTER>)~"},  // 12
    {6, R"~(<TABLE cellSpacing=0 cellPadding=1 width="100%" border=0>)~"},  // 13
    {8, R"~(<TBODY>)~"},  // 14
    {8, R"~(<TR>)~"},  // 15
    {10, R"~(<TD vAlign=top width="100%">)~"},  // 16
    {12, R"~(<TABLE borderColor=#999999 cellSpacing=0 cellPadding=0 width="100%" bgColor={Primary} border=1 style="border-collapse: collapse">)~"},  // 17
    {14, R"~(<TBODY>)~"},  // 18
    {14, R"~(<TR>)~"},  // 19
    {16, R"~(<TD align=middle width="100%" bordercolor="{Primary}" height='21' >)~"},  // 20
    {16, R"~(<p align="left">)~"},  // 21
    {16, R"~(<FONT color="{Text}"size=4 face="Arial">)~"},  // 22
    {18, R"~(<B>{Title}</B>)~"},  // 23
    {16, R"~(</FONT> )~"},  // 24
    {16, R"~(</TD>)~"},  // 25
    {14, R"~(</TR>)~"},  // 26
    {14, R"~(<TR>)~"},  // 27
    {16, R"~(<TD align=middle width="100%" bordercolor="{Primary}" height='38' >)~"},  // 28
    {16, R"~(<p align="left">)~"},  // 29
    {16, R"~(<FONT color="{Text}" size=3 face="Arial">)~"},  // 30
    {16, R"~(<B>Item # {ItemNumber}</B>)~"},  // 31
    {16, R"~(</FONT> )~"},  // 32
    {16, R"~(</TD>)~"},  // 33
    {14, R"~(</TR>)~"},  // 34
    {18, R"~(</TBODY>)~"},  // 35
    {12, R"~(</TABLE>)~"},  // 36
    {10, R"~(</TD>)~"},  // 37
    {8, R"~(</TR>)~"},  // 38
    {8, R"~(</TBODY>)~"},  // 39
    {6, R"~(</TABLE>)~"},  // 40
    {6, R"~(</CENTER>)~"},  // 41
    {4, R"~(</TD>)~"},  // 42
    {3, R"~(</TR>)~"},  // 43
    {2, R"~(</TBODY>)~"},  // 44
    {0, R"~(</TABLE>)~"},  // 45
    {0, R"~(<CENTER>)~"},  // 46
    {0, R"~(<TABLE cellSpacing=0 cellPadding=0 width="100%" border=1 bordercolor={Primary}>)~"},  // 47
    {2, R"~(<TBODY>)~"},  // 48
    {2, R"~(<TR>)~"},  // 49
    {4, R"~(<TD>)~"},  // 50
    {6, R"~(<TABLE cellSpacing=0 cellPadding=0 width="100%" border=0 height="281"bgcolor={Secondary}>)~"},  // 51
    {8, R"~(<TBODY>)~"},  // 52
    {8, R"~(<TR>)~"},  // 53
    {10, R"~(<TD width="52" height="37"><FONT size=2 face="Arial">Currently </FONT></TD>)~"},  // 54
    {10, R"~(<TD width="294" height="19"><font face="Arial"><B>US {Price}</B> &nbsp;)~"},  // 55
    {10, R"~(</font> </TD>)~"},  // 56
    {10, R"~(<TD width="9" height="19"></TD>)~"},  // 57
    {10, R"~(<TD width="113" height="19"><FONT size=2 face="Arial">First bid </FONT></TD>)~"},  // 58
    {10, R"~(<TD width="406" height="19"><font face="Arial"><B>US {FirstBid}</B></font></TD>)~"},  // 59
    {8, R"~(</TR>)~"},  // 60
    {8, R"~(<TR>)~"},  // 61
    {10, R"~(<TD width="52" height="19"><FONT size=2 face="Arial">Quantity </FONT></TD>)~"},  // 62
    {10, R"~(<TD width="294" height="19"><font face="Arial"><B>1</B></font></TD>)~"},  // 63
    {10, R"~(<TD width="9" height="19"></TD>)~"},  // 64
    {10, R"~(<TD width="113" height="19"><FONT size=2 face="Arial"># of bids </FONT></TD>)~"},  // 65
    {10, R"~(<TD width="406" height="19"><font face="Arial"><B>0</B><FONT size=2> &nbsp; )~"},  // 66
    {10, R"~(<A href="{Link1}">{FontTag}bid history </A> </FONT>)~"},  // 67
    {10, R"~(</font></TD>)~"},  // 68
    {8, R"~(</TR>)~"},  // 69
    {8, R"~(<TR>)~"},  // 70
    {10, R"~(<TD width="52" height="19"><FONT size=2 face="Arial"> </FONT></TD>)~"},  // 71
    {10, R"~(<TD width="294" height="19"><font face="Arial"><B></B><BR>)~"},  // 72
    {10, R"~(</font></TD>)~"},  // 73
    {10, R"~(<TD width="9" height="19"></TD>)~"},  // 74
    {10, R"~(<TD width="113" height="19"><FONT size=2 face="Arial">Location </FONT></TD>)~"},  // 75
    {10, R"~(<TD width="406" height="19"><font face="Arial"><B>{Location}</B></font></TD>)~"},  // 76
    {8, R"~(</TR>)~"},  // 77
    {8, R"~(<TR>)~"},  // 78
    {10, R"~(<TD width="52" height="19">&nbsp;</TD>)~"},  // 79
    {10, R"~(<TD width="294" height="19">&nbsp;</TD>)~"},  // 80
    {10, R"~(<TD width="9" height="19"></TD>)~"},  // 81
    {10, R"~(<TD width="113" height="19"><FONT size=2 face="Arial">Country/Region </FONT></TD>)~"},  // 82
    {10, R"~(<TD width="406" height="19"><font face="Arial"><B>{Country}</B></font></TD>)~"},  // 83
    {8, R"~(</TR>)~"},  // 84
    {8, R"~(<TR>)~"},  // 85
    {10, R"~(<TD width="52" height="19"><FONT size=2 face="Arial">Started </FONT></TD>)~"},  // 86
    {10, R"~(<TD width="294" height="19"><b><font face="Arial"><FONT size=2>{StartTime}</FONT>)~"},  // 87
    {10, R"~(</font></b> </TD>)~"},  // 88
    {10, R"~(<TD width="9" height="19"></TD>)~"},  // 89
    {10, R"~(<TD width="519" colSpan=2 height="19"><font face="Arial"><FONT size=2>)~"},  // 90
    {16, R"~(<A href="{Link2}">)~"},  // 91
    {16, R"~(<IMG height=9 alt=envelope src="envelope.gif" width=13 border=0></A>)~"},  // 92
    {13, R"~(<A href="{Link2}">{FontTag}mail )~"},  // 93
    {22, R"~(this auction to a friend</A></FONT><BR></font></TD>)~"},  // 94
    {8, R"~(</TR>)~"},  // 95
    {8, R"~(<TR>)~"},  // 96
    {10, R"~(<TD width="52" height="1"><FONT size=2 face="Arial">Ends </FONT></TD>)~"},  // 97
    {10, R"~(<TD width="294" height="1"><b><font face="Arial"><FONT size=2>{EndTime}</FONT>)~"},  // 98
    {10, R"~(</font></b> </TD>)~"},  // 99
    {10, R"~(<TD width="9" height="1"></TD>)~"},  // 100
    {10, R"~(<TD width="519" colSpan=2 height="1"><font face="Arial"><FONT size=2>)~"},  // 101
    {10, R"~(<A href="{Link3}"><IMG )~"},  // 102
    {12, R"~(height=14 alt="watch this item" )~"},  // 103
    {12, R"~(src="watch-icon.gif" width=16 border=0></A>)~"},  // 104
    {10, R"~(<A href="{Link3}">{FontTag}watch )~"},  // 105
    {12, R"~(this item</A></FONT><BR></font></TD>)~"},  // 106
    {8, R"~(</TR>)~"},  // 107
    {8, R"~(<TR>)~"},  // 108
    {10, R"~(<TD width="52" height="9"></TD>)~"},  // 109
    {10, R"~(<TD width="294" height="9"></TD>)~"},  // 110
    {10, R"~(<TD width="9" height="9"></TD>)~"},  // 111
    {10, R"~(<TD width="113" height="9">)~"},  // 112
    {15, R"~(<IMG src="dot_clear.gif" width=1 vspace=4 border=0></TD>)~"},  // 113
    {10, R"~(<TD width="406" height="9"></TD>)~"},  // 114
    {8, R"~(</TR>)~"},  // 115
    {8, R"~(<TR>)~"},  // 116
    {10, R"~(<TD width="52" height="75"><FONT size=2 face="Arial">Seller </FONT></TD>)~"},  // 117
    {10, R"~(<TD width="822" colSpan=4 height="75"><font face="Arial"><B>)~"},  // 118
    {10, R"~(<A href="{Link4}">{FontTag}Seller </A>)~"},  // 119
    {10, R"~(<IMG alt=Spacer src="dot_clear.gif" width=4 border=0>)~"},  // 120
    {10, R"~(<IMG alt=Spacer src="dot_clear.gif" width=4 border=0>)~"},  // 121
    {10, R"~(<A href="{Link6}">)~"},  // 122
    {10, R"~(<IMG height=25 alt=star src="stars-9.gif" width=25 align=absMiddle )~"},  // 123
    {12, R"~(border=0></A>)~"},  // 124
    {10, R"~(<IMG alt=Spacer src="dot_clear.gif" width=4 border=0>)~"},  // 125
    {10, R"~(<A href="{Link7}">)~"},  // 126
    {10, R"~(<IMG alt=Powerseller src="psIcon_50x25.gif" )~"},  // 127
    {12, R"~(border=0 width="50" height="25"></A>)~"},  // 128
    {10, R"~(<IMG alt=Spacer src="dot_clear.gif" width=4 border=0>)~"},  // 129
    {10, R"~(<A href="{Link8}">)~"},  // 130
    {10, R"~(<IMG height=8 alt="about me" src="aboutme-small.gif" )~"},  // 131
    {12, R"~(width=23 align=absMiddle border=0></A></B></font></TD>)~"},  // 132
    {8, R"~(</TR>)~"},  // 133
    {8, R"~(<TR>)~"},  // 134
    {10, R"~(<TD width="52" height="19"></TD>)~"},  // 135
    {10, R"~(<TD width="822" colSpan=4 height="19"><font face="Arial"><FONT size=2>)~"},  // 136
    {10, R"~(<A href="{Link5}">{FontTag}view )~"},  // 137
    {12, R"~(comments in seller's Feedback Profile</A> | )~"},  // 138
    {10, R"~(<A href="{Link10}">{FontTag}view )~"},  // 139
    {12, R"~(seller's other items</A> | )~"},  // 140
    {10, R"~(<A href="{Link4}">{FontTag}ask )~"},  // 141
    {12, R"~(seller a question</A></FONT> </font> </TD>)~"},  // 142
    {8, R"~(</TR>)~"},  // 143
    {8, R"~(<TR>)~"},  // 144
    {10, R"~(<TD width="52" height="9"></TD>)~"},  // 145
    {10, R"~(<TD width="294" height="9"></TD>)~"},  // 146
    {10, R"~(<TD width="9" height="9"></TD>)~"},  // 147
    {10, R"~(<TD width="113" height="9"><IMG src="dot_clear.gif" width=1 )~"},  // 148
    {12, R"~(vspace=4 border=0></TD>)~"},  // 149
    {10, R"~(<TD width="406" height="9"></TD>)~"},  // 150
    {8, R"~(</TR>)~"},  // 151
    {8, R"~(<TR>)~"},  // 152
    {18, R"~(<TD vAlign=top align=left rowSpan=3 height="74" width="52"></TD>)~"},  // 153
    {8, R"~(</TR>)~"},  // 154
    {8, R"~(<TR>)~"},  // 155
    {10, R"~(<TD width="294" height="30"><FONT size=-1 face="Arial">Seller Services </FONT></TD>)~"},  // 156
    {10, R"~(<TD width="528" colSpan=3 height="30"><FONT size=-1 face="Arial">)~"},  // 157
    {10, R"~(<A href="{Link12}">{FontTag}Revise )~"},  // 158
    {12, R"~(item </A>| )~"},  // 159
    {10, R"~(<A href="{Link13}">{FontTag}Sell )~"},  // 160
    {12, R"~(similar item </A></FONT></TD></TR></TBODY></TABLE></TD>)~"},  // 161
    {2, R"~(</TR>)~"},  // 162
    {2, R"~(</TBODY>)~"},  // 163
    {0, R"~(</TABLE>)~"},  // 164
    {0, R"~(</CENTER>)~"},  // 165
    {0, R"~(<BR>)~"},  // 166
    {0, R"~()~"},  // 167
    {0, R"~(<TABLE cellSpacing=0 cellPadding=8 width="100%" border=0>)~"},  // 168
    {2, R"~(<TBODY>)~"},  // 169
    {2, R"~(<TR>)~"},  // 170
    {4, R"~(<TD><font face="Arial">Seller assumes all responsibility for listing this item. You should )~"},  // 171
    {6, R"~(contact the seller to resolve any questions before bidding. Auction )~"},  // 172
    {6, R"~(currency is U.S. dollars ( US $ ) unless otherwise noted. </font>)~"},  // 173
    {4, R"~(<p>&nbsp;</TD>)~"},  // 174
    {2, R"~(</TR>)~"},  // 175
    {2, R"~(</TBODY>)~"},  // 176
    {0, R"~(</TABLE>)~"},  // 177
    {0, R"~()~"},  // 178
};

// Page lines 179 to 197: the "Description" heading, and the opening of the centred block
// that holds the description body.
constexpr LineSource kDescriptionHeading[] = {
    {0, R"~(<CENTER>)~"},  // 179
    {0, R"~(<TABLE cellSpacing=0 border=1 width="100%" bgColor={Primary} border=1 style="border-collapse: collapse" bordercolor="#000000" cellpadding="0" align="left">)~"},  // 180
    {2, R"~(<TBODY>)~"},  // 181
    {2, R"~(<TR>)~"},  // 182
    {4, R"~(<TD align=middle width="100%" height=54>)~"},  // 183
    {4, R"~(<p align="left"><FONT color="{Text}" size=4 face="Arial"><B><A )~"},  // 184
    {6, R"~(name=DESC>Description </A></B></FONT>)~"},  // 185
    {4, R"~(</TD>)~"},  // 186
    {2, R"~(</TR>)~"},  // 187
    {2, R"~(</TBODY>)~"},  // 188
    {0, R"~(</TABLE>)~"},  // 189
    {0, R"~(&nbsp;<p>)~"},  // 190
    {0, R"~(<BR>)~"},  // 191
    {0, R"~(</p>)~"},  // 192
    {0, R"~(</CENTER>)~"},  // 193
    {0, R"~()~"},  // 194
    {0, R"~(<div align="center">)~"},  // 195
    {2, R"~(<center>)~"},  // 196
    {0, R"~()~"},  // 197
};

// The opening of the description table; its two background attributes are both kept.
constexpr LineSource kBodyStart[] = {
    {0, R"~(<TABLE cellSpacing=0 cellPadding=8 bgColor={Secondary} border=1 width="100%" bgColor={Primary} style="border-collapse: collapse" bordercolor="{Primary}">)~"},
    {2, R"~(<TBODY>)~"},
    {2, R"~(<TR>)~"},
};

// The text cell. Its first content line ends with the title; nothing follows it there.
constexpr LineSource kTextCell[] = {
    {4, R"~(<TD vAlign=top align=left width="50%">)~"},
    {6, R"~(<TABLE border=0>)~"},
    {8, R"~(<TBODY>)~"},
    {8, R"~(<TR>)~"},
    {10, R"~(<TD align=left><FONT face="Arial" color=#000000><B><font size="4">{Title})~"},
    {14, R"~(</font></B></FONT><font size="4" face="Arial"> </font>)~"},
    {10, R"~(</TD>)~"},
    {8, R"~(</TR>)~"},
    {8, R"~(</TBODY>)~"},
    {6, R"~(</TABLE>)~"},
    {6, R"~(<font face="Arial">)~"},
    {6, R"~(<BR>)~"},
    {6, R"~(</font>)~"},
};

// The line inviting buyers to write to the seller, which a page shows as eBay's page did,
// and a listing leaves out: eBay takes no contact details in a listing.
constexpr LineSource kSellerLine[] = {
    {6, R"~(<FONT face="Arial" color=#800000 size=3>)~"},
    {6, R"~(<B>Please correspond with us at {Seller}</B></FONT>)~"},
    {6, R"~(<font face="Arial">)~"},
    {6, R"~(<BR>)~"},
    {6, R"~(</font>)~"},
};

// The rest of the text cell: the description.
constexpr LineSource kTextCellEnd[] = {
    {6, R"~(<P><FONT face=Arial color=#800080 size=3><B>{Description}</B></FONT>)~"},
    {6, R"~(<font face="Arial">)~"},
    {6, R"~(<BR>)~"},
    {6, R"~(</font>)~"},
    {4, R"~(</TD>)~"},
};

// The picture cell, its picture on a line of its own.
constexpr LineSource kPictureCell[] = {
    {4, R"~(<TD vAlign=top align=left width="50%"><font face="Arial">)~"},
};
constexpr LineSource kPictureImage[] = {
    {6, R"~(<IMG hspace=5 src="{ImageAddress}" align=top border=0 >)~"},
};
constexpr LineSource kPictureCellEnd[] = {
    {4, R"~(</font>)~"},
    {4, R"~(</TD>)~"},
};

constexpr LineSource kPictureRowEnd[] = {{3, "</TR>"}};
constexpr LineSource kTextRowEnd[] = {{2, "</TR>"}};
constexpr LineSource kRowStart[] = {{2, "<TR>"}};
constexpr LineSource kBodyEnd[] = {{2, "</TBODY>"}, {0, "</TABLE>"}};

// The close of the centred block, after the body or, in a layout without one, after line 197.
constexpr LineSource kDescriptionEnd[] = {{2, R"~(</center>)~"}, {0, R"~(</div>)~"}};

constexpr LineSource kPageEnd[] = {{0, R"~(<BR>)~"}, {0, R"~(</BODY>)~"}, {0, R"~(</HTML>)~"}};
// clang-format on

struct ValueName {
    const char* name;
    PageTemplate::Value value;
};

using V = PageTemplate::Value;

constexpr ValueName kValueNames[] = {
    {"ItemNumber", V::ItemNumber},     {"Title", V::Title},     {"Description", V::Description},
    {"ImageAddress", V::ImageAddress}, {"Price", V::Price},     {"FirstBid", V::FirstBid},
    {"StartTime", V::StartTime},       {"EndTime", V::EndTime}, {"Location", V::Location},
    {"Country", V::Country},           {"Seller", V::Seller},   {"Primary", V::Primary},
    {"Secondary", V::Secondary},       {"Text", V::Text},       {"FontTag", V::FontTag},
};

PageTemplate::Value ValueNamed(const QByteArray& name) {
    for (const ValueName& entry : kValueNames) {
        if (name == entry.name)
            return entry.value;
    }
    if (name.startsWith("Link")) {
        bool ok = false;
        const int entry = name.mid(4).toInt(&ok);
        if (ok && entry >= 1 && entry <= 13)
            return static_cast<PageTemplate::Value>(static_cast<int>(V::Link1) + entry - 1);
    }
    qFatal("page template: unknown value {%s}", name.constData());
}

// Turns lines into pieces: the literal text of consecutive lines is merged up to each
// value, so a page is written with as few appends as there are values.
template <size_t N>
std::vector<PageTemplate::Piece> Compile(const LineSource (&lines)[N]) {
    std::vector<PageTemplate::Piece> pieces(1);
    for (const LineSource& line : lines) {
        pieces.back().literal.append(QByteArray(line.indent, ' '));
        const char* text = line.content;
        while (const char* open = std::strchr(text, '{')) {
            const char* close = std::strchr(open, '}');
            Q_ASSERT(close);
            pieces.back().literal.append(text, open - text);
            pieces.back().hasValue = true;
            pieces.back().value = ValueNamed(QByteArray(open + 1, close - open - 1));
            pieces.emplace_back();
            text = close + 1;
        }
        pieces.back().literal.append(text);
        pieces.back().literal.append("\r\n", 2);
    }
    return pieces;
}

}  // namespace

PageTemplate::PageTemplate() {
    m_blocks.resize(static_cast<size_t>(Block::PageEnd) + 1);
    m_blocks[static_cast<size_t>(Block::Top)] = Compile(kTop);
    m_blocks[static_cast<size_t>(Block::DescriptionHeading)] = Compile(kDescriptionHeading);
    m_blocks[static_cast<size_t>(Block::BodyStart)] = Compile(kBodyStart);
    m_blocks[static_cast<size_t>(Block::TextCell)] = Compile(kTextCell);
    m_blocks[static_cast<size_t>(Block::SellerLine)] = Compile(kSellerLine);
    m_blocks[static_cast<size_t>(Block::TextCellEnd)] = Compile(kTextCellEnd);
    m_blocks[static_cast<size_t>(Block::PictureCell)] = Compile(kPictureCell);
    m_blocks[static_cast<size_t>(Block::PictureImage)] = Compile(kPictureImage);
    m_blocks[static_cast<size_t>(Block::PictureCellEnd)] = Compile(kPictureCellEnd);
    m_blocks[static_cast<size_t>(Block::PictureRowEnd)] = Compile(kPictureRowEnd);
    m_blocks[static_cast<size_t>(Block::TextRowEnd)] = Compile(kTextRowEnd);
    m_blocks[static_cast<size_t>(Block::RowStart)] = Compile(kRowStart);
    m_blocks[static_cast<size_t>(Block::BodyEnd)] = Compile(kBodyEnd);
    m_blocks[static_cast<size_t>(Block::DescriptionEnd)] = Compile(kDescriptionEnd);
    m_blocks[static_cast<size_t>(Block::PageEnd)] = Compile(kPageEnd);
}

const PageTemplate& PageTemplate::Instance() {
    static const PageTemplate instance;
    return instance;
}

const std::vector<PageTemplate::Piece>& PageTemplate::PiecesOf(Block block) const {
    return m_blocks[static_cast<size_t>(block)];
}

const std::vector<PageTemplate::Block>& PageTemplate::BlocksOfLayout(int layoutIndex) {
    using B = Block;
    // The text cell and the picture cell are each three blocks, in this order.
    const auto cells = [](std::vector<Block> order) {
        std::vector<Block> blocks;
        for (Block block : order) {
            blocks.push_back(block);
            if (block == B::TextCell)
                blocks.insert(blocks.end(), {B::SellerLine, B::TextCellEnd});
            else if (block == B::PictureCell)
                blocks.insert(blocks.end(), {B::PictureImage, B::PictureCellEnd});
        }
        return blocks;
    };
    static const std::array<std::vector<Block>, 5> layouts = {{
        // No layout of its own: the centred block closes after line 197.
        {B::Top, B::DescriptionHeading, B::DescriptionEnd, B::PageEnd},
        // 1 "Default": text cell left, picture cell right.
        cells({B::Top, B::DescriptionHeading, B::BodyStart, B::TextCell, B::PictureCell,
               B::PictureRowEnd, B::BodyEnd, B::DescriptionEnd, B::PageEnd}),
        // 2 "Default Mirrored": picture cell left, text cell right.
        cells({B::Top, B::DescriptionHeading, B::BodyStart, B::PictureCell, B::TextCell,
               B::PictureRowEnd, B::BodyEnd, B::DescriptionEnd, B::PageEnd}),
        // 3 "Horizontal Top": text cell above, picture cell below.
        cells({B::Top, B::DescriptionHeading, B::BodyStart, B::TextCell, B::TextRowEnd, B::RowStart,
               B::PictureCell, B::PictureRowEnd, B::BodyEnd, B::DescriptionEnd, B::PageEnd}),
        // 4 "Horizontal Botton": picture cell above, text cell below.
        cells({B::Top, B::DescriptionHeading, B::BodyStart, B::PictureCell, B::PictureRowEnd,
               B::RowStart, B::TextCell, B::TextRowEnd, B::BodyEnd, B::DescriptionEnd, B::PageEnd}),
    }};
    const bool known = layoutIndex >= 1 && layoutIndex <= 4;
    return layouts[known ? static_cast<size_t>(layoutIndex) : 0];
}
