// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/PageBuilder.h"

#include "app/FileIdentity.h"
#include "app/FolderWriter.h"
#include "app/LotcraftError.h"
#include "catalogue/ItemRecord.h"
#include "pages/HtmlTokenizer.h"
#include "pages/PageEncoding.h"
#include "pages/PageInputs.h"
#include "pages/PageName.h"
#include "pages/PageTemplate.h"

#include <QCoreApplication>
#include <QStringBuilder>

#include <algorithm>
#include <array>
#include <optional>

namespace {

// A whole page is about 12 KB before its values.
constexpr qsizetype kPageReserve = 16 * 1024;
// The description section, about 2.5 KB besides the description.
constexpr qsizetype kSectionReserve = 3 * 1024;

// The item's thirteen eBay addresses, link 1 first; links 9 and 11 repeat 5 and 4 and are not
// on the page.
using Links = std::array<QString, 13>;

Links LinksOf(const QString& itemNumber, const QString& seller) {
    const QString isapi = QStringLiteral("/aw-cgi/eBayISAPI.dll?");
    const QString offer = QStringLiteral("https://offer.ebay.com");
    const QString cgi = QStringLiteral("https://cgi.ebay.com");
    const QString contact = QStringLiteral("https://contact.ebay.com");
    const QString feedback = QStringLiteral("https://feedback.ebay.com");
    const QString pages = QStringLiteral("https://pages.ebay.com");
    const QString members = QStringLiteral("https://members.ebay.com");
    const QString www = QStringLiteral("https://www.ebay.com");

    Links links;
    links[0] = offer + isapi + QStringLiteral("ViewBids&item=") + itemNumber;
    links[1] = cgi + isapi + QStringLiteral("ShowEmailAuctionToFriend&item=") + itemNumber;
    links[2] = cgi + isapi + QStringLiteral("MakeTrack&item=") + itemNumber;
    links[3] = contact + isapi + QStringLiteral("ShowCoreAskSellerQuestion&requested=") + seller +
               QStringLiteral("&iid=") + itemNumber + QStringLiteral("&frm=284");
    links[4] = feedback + isapi + QStringLiteral("ViewFeedback&userid=") + seller;
    links[5] = pages + QStringLiteral("/help/basics/g-stars.html");
    links[6] = pages + QStringLiteral("/services/buyandsell/powersellers.html");
    links[7] = members + QStringLiteral("/aboutme/") + seller + QStringLiteral("/");
    links[8] = links[4];
    links[9] = www + QStringLiteral("/ws/eBayISAPI.dll?ViewSellersOtherItems&userid=") + seller +
               QStringLiteral("&include=0&since=-1&sort=3&rows=25");
    links[10] = links[3];
    links[11] = cgi + isapi + QStringLiteral("UserItemVerification&item=") + itemNumber;
    links[12] = cgi + isapi + QStringLiteral("SellYourItem&item=") + itemNumber;
    return links;
}

// The texts a page is made of besides its fixed lines. The title and the description are
// the seller's markup and go in as typed; the scheme's colours and font tag are the
// program's own. Every other value is text, which goes in as the browser must show it, so
// that no value can close an attribute or open a tag: the item number and the seller in the
// eBay addresses too.
struct PageValues {
    PageValues(const ItemRecord& record, const PageInputs& inputs)
        : record(record),
          inputs(inputs),
          itemNumber(PageEncoding::AsHtmlText(record.Field(ItemRecord::ItemNumber))),
          seller(PageEncoding::AsHtmlText(inputs.seller.seller)) {}

    QString Text(PageTemplate::Value value) const {
        using V = PageTemplate::Value;
        switch (value) {
            case V::ItemNumber: return itemNumber;
            case V::Title: return record.Field(ItemRecord::Title);
            case V::Description: return Paragraphs(record.Field(ItemRecord::Description));
            case V::ImageAddress: return AsText(record.FirstPicture());
            case V::Price: return AsText(record.Field(ItemRecord::Price));
            case V::FirstBid: return AsText(record.Field(ItemRecord::FirstBid));
            case V::StartTime: return AsText(record.Field(ItemRecord::StartTime));
            case V::EndTime: return AsText(record.Field(ItemRecord::EndTime));
            case V::Location: return AsText(inputs.seller.location);
            case V::Country: return AsText(inputs.seller.country);
            case V::Seller: return seller;
            case V::Primary: return inputs.primary;
            case V::Secondary: return inputs.secondary;
            case V::Text: return inputs.text;
            case V::FontTag: return inputs.fontTag;
            default: break;
        }
        // A listing's description has no links: they are made only for a page.
        if (!links)
            links = LinksOf(itemNumber, seller);
        return (*links)[size_t(int(value) - int(V::Link1))];
    }

    static QString AsText(const QString& value) { return PageEncoding::AsHtmlText(value); }

    // A description of plain text keeps its line breaks as a browser shows them: each is
    // written as <BR> and the line break. Markup is the seller's own, and goes in as typed.
    static QString Paragraphs(const QString& description) {
        if ((!description.contains(QLatin1Char('\n')) &&
             !description.contains(QLatin1Char('\r'))) ||
            HtmlTokenizer::HoldsTag(description))
            return description;
        QString broken;
        broken.reserve(description.size() + 64);
        for (qsizetype at = 0; at < description.size(); ++at) {
            const QChar c = description[at];
            if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
                broken += QLatin1String("<BR>");
            broken += c;
            if (c == QLatin1Char('\r') && at + 1 < description.size() &&
                description[at + 1] == QLatin1Char('\n'))
                broken += description[++at];
        }
        return broken;
    }

    const ItemRecord& record;
    const PageInputs& inputs;
    const QString itemNumber;
    const QString seller;
    mutable std::optional<Links> links;
};

// The item number becomes a file name inside the output folder, so it must not name a
// folder, leave the output folder or replace a file the program needs there.
void CheckItemNumber(const QString& itemNumber, const PageInputs& inputs) {
    if (inputs.outputFolder.isEmpty())
        throw LotcraftError(
            QCoreApplication::translate("PageBuilder", "no output folder is set for the pages"));
    const QString why = PageName::WriterRefusal(itemNumber);
    if (!why.isEmpty()) {
        const QString shown = PageName::Shown(itemNumber);
        throw LotcraftError(
            QCoreApplication::translate("PageBuilder",
                                        "the item number \"%1\" cannot name a page file: %2; "
                                        "change the item number and generate the pages again")
                .arg(shown, why),
            PageBuilder::PagePath(inputs.outputFolder, shown));
    }
    const QString file = PageName::FileName(itemNumber);
    PageBuilder::RefuseReplacingTheCatalogue(itemNumber, inputs);
    if (inputs.reservedNames.contains(file))
        throw LotcraftError(
            QCoreApplication::translate("PageBuilder",
                                        "the item number \"%1\" would replace %2, which "
                                        "Lotcraft needs in its own folder; change the item "
                                        "number, or choose another output folder")
                .arg(itemNumber, file),
            PageBuilder::PagePath(inputs.outputFolder, itemNumber));
}

void AppendLiteral(QByteArray& out, const QByteArray& literal) {
    out.append(literal);
}

void AppendLiteral(QString& out, const QByteArray& literal) {
    out.append(QLatin1String(literal));
}

// Counts the characters of what would be appended, building nothing.
struct CharacterCounter {
    qsizetype count = 0;
};

void AppendLiteral(CharacterCounter& out, const QByteArray& literal) {
    out.count += literal.size();
}

// What of the page a listing's description is: the description section, but for the line
// inviting buyers to write to the seller, and a picture where the item has none.
auto InListingDescription(const ItemRecord& record) {
    const bool picture = !record.FirstPicture().trimmed().isEmpty();
    return [picture](PageTemplate::Block block) {
        using B = PageTemplate::Block;
        return block != B::Top && block != B::PageEnd && block != B::SellerLine &&
               (picture || block != B::PictureImage);
    };
}

// Appends the blocks of the inputs' layout that `wanted` takes, with the record's values
// spliced in by appendValue.
template <typename Out, typename Wanted, typename AppendValue>
void AppendBlocks(Out& out, const ItemRecord& record, const PageInputs& inputs,
                  const Wanted& wanted, const AppendValue& appendValue) {
    const PageValues values(record, inputs);
    const PageTemplate& pageTemplate = PageTemplate::Instance();
    for (PageTemplate::Block block : PageTemplate::BlocksOfLayout(inputs.layout)) {
        if (!wanted(block))
            continue;
        for (const PageTemplate::Piece& piece : pageTemplate.PiecesOf(block)) {
            AppendLiteral(out, piece.literal);
            if (piece.hasValue)
                appendValue(out, values.Text(piece.value));
        }
    }
}

}  // namespace

void PageBuilder::RefuseReplacingTheCatalogue(const QString& itemNumber, const PageInputs& inputs) {
    if (inputs.catalogueNames.names.isEmpty())
        return;
    const QString file = PageName::FileName(itemNumber);
    if (inputs.catalogueNames.Match(file).isEmpty())
        return;
    throw LotcraftError(
        FileIdentity::Refusal(QCoreApplication::translate("PageBuilder", "the page"), file,
                              inputs.catalogue) %
            QCoreApplication::translate(
                "PageBuilder",
                " the pages are made of; change the item number, or choose another "
                "output folder"),
        PagePath(inputs.outputFolder, itemNumber));
}

QString PageBuilder::PagePath(const QString& outputFolder, const QString& itemNumber) {
    return FolderWriter::PathIn(outputFolder, PageName::FileName(itemNumber));
}

QByteArray PageBuilder::Build(const ItemRecord& record, const PageInputs& inputs) {
    CheckItemNumber(record.Field(ItemRecord::ItemNumber), inputs);
    QByteArray page;
    page.reserve(kPageReserve);
    AppendBlocks(
        page, record, inputs, [](PageTemplate::Block) { return true; },
        [](QByteArray& out, const QString& value) { PageEncoding::AppendLatin1(out, value); });
    return page;
}

QString PageBuilder::DescriptionSection(const ItemRecord& record, const PageInputs& inputs) {
    QString section;
    section.reserve(kSectionReserve + record.Field(ItemRecord::Description).size());
    AppendBlocks(section, record, inputs, InListingDescription(record),
                 [](QString& out, const QString& value) { out.append(value); });
    return section;
}

qsizetype PageBuilder::DescriptionSectionLength(const ItemRecord& record,
                                                const PageInputs& inputs) {
    CharacterCounter counter;
    AppendBlocks(counter, record, inputs, InListingDescription(record),
                 [](CharacterCounter& out, const QString& value) {
                     // A pair of surrogates is one character.
                     out.count += std::count_if(value.begin(), value.end(),
                                                [](QChar c) { return !c.isLowSurrogate(); });
                 });
    return counter.count;
}
