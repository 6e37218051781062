// SPDX-License-Identifier: GPL-3.0-or-later
#include "listings/ListingCheck.h"

#include "catalogue/ItemRecord.h"
#include "listings/ListingOptions.h"
#include "listings/ListingSite.h"
#include "listings/ListingValues.h"
#include "pages/CatalogueFindings.h"
#include "pages/HtmlTokenizer.h"
#include "pages/PageBuilder.h"
#include "pages/PageInputs.h"
#include "pages/SellerTexts.h"

#include <QRegularExpression>
#include <QUrl>

#include <algorithm>

namespace {

using Finding = CatalogueFinding;
using Kind = CatalogueFinding::Kind;
using F = CatalogueFindings;

// What a title or description shows and where its links lead: the text a browser shows,
// references decoded, and the attributes' values, with the addresses of its links.
struct Readable {
    QString text;
    QStringList values;
    QStringList links;
};

Readable ReadableOf(const QString& html) {
    Readable readable;
    if (!html.contains(QLatin1Char('<')) && !html.contains(QLatin1Char('&'))) {
        readable.text = html;
        return readable;
    }
    HtmlTokenizer reader(html);
    HtmlTokenizer::Token token;
    while (reader.Next(token)) {
        if (token.kind == HtmlTokenizer::Kind::Text) {
            readable.text += token.data;
        } else if (token.kind == HtmlTokenizer::Kind::StartTag) {
            // Words either side of a tag are apart, as a browser shows them.
            readable.text += QLatin1Char(' ');
            for (const HtmlTokenizer::Attribute& attribute : token.attributes) {
                readable.values << attribute.value;
                if (token.name == QLatin1String("a") && attribute.name == QLatin1String("href"))
                    readable.links << attribute.value.trimmed();
            }
        }
    }
    return readable;
}

// Whether an address is eBay's own: one of its sites or its picture server, or an address
// within the listing itself.
bool IsEbayAddress(const QString& address) {
    static const QRegularExpression ebay(QStringLiteral(
        "(^|\\.)(ebay\\.(com|co\\.uk|de|com\\.au|ca|fr|it|es|at|ch|ie|nl|be|pl)|ebayimg\\.com)$"));
    const QUrl url(address);
    if (address.isEmpty() || address.startsWith(QLatin1Char('#')) ||
        (url.isRelative() && url.host().isEmpty()))
        return true;
    return ebay.match(url.host().toLower()).hasMatch();
}

// E-mail addresses, telephone numbers and links elsewhere: eBay takes none in a listing.
void CheckContactDetails(const ItemRecord& record, int row, std::vector<Finding>& findings) {
    static const QRegularExpression email(
        QStringLiteral("[A-Za-z0-9._%+-]+@[A-Za-z0-9-]+(?:\\.[A-Za-z0-9-]+)*\\.[A-Za-z]{2,}"));
    // Nine digits or more, with only blanks, dots, dashes, slashes or brackets between.
    static const QRegularExpression phone(
        QStringLiteral("(?<![\\w+])\\+?\\(?\\d(?:[ ./()-]*\\d){8,}"));
    const QString& itemNumber = record.Field(ItemRecord::ItemNumber);
    for (const auto& [position, name] : {std::pair{ItemRecord::Title, "title"},
                                         std::pair{ItemRecord::Description, "description"}}) {
        const Readable readable = ReadableOf(record.Field(position));
        const QString field = QLatin1String(name);
        // The expressions are run only where what they look for can be: most texts hold no
        // "@" and few nine digits.
        QRegularExpressionMatch found;
        if (readable.text.contains(QLatin1Char('@')))
            found = email.match(readable.text);
        for (const QString& value : readable.values) {
            if (!found.hasMatch() && value.contains(QLatin1Char('@')))
                found = email.match(value);
        }
        if (found.hasMatch())
            F::Add(findings, row, itemNumber, Kind::ContactEmail,
                   QStringLiteral("The %1 holds the e-mail address %2; eBay takes no contact "
                                  "details in a listing, and may end it.")
                       .arg(field, F::Quoted(found.captured(0))),
                   QStringLiteral("Take the address out of the %1: buyers write to you through "
                                  "eBay's messages.")
                       .arg(field));
        const auto digits = std::count_if(readable.text.begin(), readable.text.end(), [](QChar c) {
            return c >= QLatin1Char('0') && c <= QLatin1Char('9');
        });
        if (const QRegularExpressionMatch number =
                digits >= 9 ? phone.match(readable.text) : QRegularExpressionMatch();
            number.hasMatch())
            F::Add(findings, row, itemNumber, Kind::ContactPhone,
                   QStringLiteral("The %1 holds %2, which reads like a telephone number; eBay "
                                  "takes no contact details in a listing.")
                       .arg(field, F::Quoted(number.captured(0).trimmed())),
                   QStringLiteral("Take the number out of the %1, unless it is no telephone "
                                  "number (a part's number, say).")
                       .arg(field));
        for (const QString& link : readable.links) {
            // A link to write to an address is told as the address.
            if (IsEbayAddress(link) || email.match(link).hasMatch())
                continue;
            F::Add(findings, row, itemNumber, Kind::ContactLink,
                   QStringLiteral("The %1 links to %2; eBay takes links only to its own pages.")
                       .arg(field, F::Quoted(link)),
                   QStringLiteral("Take the link out of the %1.").arg(field));
            break;
        }
    }
}

// The title as eBay takes it: one line, plain text.
void CheckTitleForListing(const ItemRecord& record, int row, std::vector<Finding>& findings) {
    const QString& title = record.Field(ItemRecord::Title);
    const QString& itemNumber = record.Field(ItemRecord::ItemNumber);
    F::CheckTitle(record, row, QStringLiteral("eBay takes no listing without one"), findings);
    if (title.contains(QLatin1Char('\r')) || title.contains(QLatin1Char('\n')) ||
        title.contains(QLatin1Char('\t')))
        F::Add(findings, row, itemNumber, Kind::TitleNotOneLine,
               QStringLiteral("The title holds a line break or a tab; eBay takes a title of one "
                              "line."),
               QStringLiteral("Put the title on one line."));
    if (HtmlTokenizer::HoldsTag(title))
        F::Add(findings, row, itemNumber, Kind::TitleMarkup,
               QStringLiteral("The title holds HTML markup, which eBay shows as typed, tags and "
                              "all."),
               QStringLiteral("Take the markup out of the title; the description may hold it."));
}

// An amount of the row read for the site: what is wrong with it, or the plain amount.
struct AmountCheck {
    ListingValues::Amount read;
    // Told of already: another currency, or out of eBay's range.
    bool told = false;
};

AmountCheck CheckAmount(const ItemRecord& record, int row, int position, const QString& name,
                        const ListingSite& site, std::vector<Finding>& findings) {
    AmountCheck check{ListingValues::ReadAmount(record.Field(position), site)};
    const QString& itemNumber = record.Field(ItemRecord::ItemNumber);
    if (!check.read.otherCurrency.isEmpty()) {
        F::Add(findings, row, itemNumber, Kind::AmountOtherCurrency,
               QStringLiteral("The %1 %2 is in %3; this export is for %4, in %5.")
                   .arg(name, F::Quoted(record.Field(position)), check.read.otherCurrency,
                        site.name, site.currencyName),
               QStringLiteral("Give the %1 in %2, such as %3, or export for the site of its "
                              "currency.")
                   .arg(name, site.currencyName, site.Example("9", "99")));
        check.told = true;
    } else if (check.read.plain && ListingValues::IsPositive(*check.read.plain)) {
        if (const QString problem = ListingValues::AmountProblem(*check.read.plain);
            !problem.isEmpty()) {
            F::Add(findings, row, itemNumber, Kind::AmountNotTaken,
                   QStringLiteral("The %1 %2 %3; eBay takes amounts from 0.01 to 99,999,999.99 "
                                  "with at most two decimals.")
                       .arg(name, F::Quoted(record.Field(position)), problem),
                   QStringLiteral("Type the %1 as eBay takes it, such as %2.")
                       .arg(name, site.Example("9", "99")));
            check.told = true;
        }
    }
    return check;
}

// The first bid, and the price beside it: a Buy It Now price only where eBay takes one.
void CheckAmounts(const ItemRecord& record, int row, const ListingSite& site,
                  std::vector<Finding>& findings) {
    const QString& itemNumber = record.Field(ItemRecord::ItemNumber);
    const QString& firstBidText = record.Field(ItemRecord::FirstBid);
    const AmountCheck firstBid =
        CheckAmount(record, row, ItemRecord::FirstBid, QStringLiteral("first bid"), site, findings);
    const bool startsAtAmount =
        firstBid.read.plain && ListingValues::IsPositive(*firstBid.read.plain);
    if (!firstBid.told && !startsAtAmount)
        F::Add(findings, row, itemNumber, Kind::FirstBidNotPositive,
               F::IsBlank(firstBidText)
                   ? QStringLiteral("The first bid is empty; an auction must start at an amount.")
                   : QStringLiteral("The first bid %1 is not an amount above zero as sellers on "
                                    "%2 write amounts.")
                         .arg(F::Quoted(firstBidText), site.name),
               QStringLiteral("Type the amount the auction starts at, such as %1.")
                   .arg(site.Example("9", "99")));
    const QString& priceText = record.Field(ItemRecord::Price);
    if (F::IsBlank(priceText))
        return;
    const AmountCheck price =
        CheckAmount(record, row, ItemRecord::Price, QStringLiteral("price"), site, findings);
    if (price.told || firstBid.told || !startsAtAmount)
        return;
    if (!price.read.plain || !ListingValues::IsPositive(*price.read.plain)) {
        F::Add(findings, row, itemNumber, Kind::PriceNotAmount,
               QStringLiteral("The price %1 is not an amount, so the listing gets no Buy It Now "
                              "price.")
                   .arg(F::Quoted(priceText)),
               QStringLiteral("Type the price as an amount, such as %1, or leave it empty.")
                   .arg(site.Example("29", "99")));
    } else if (!ListingValues::TakesBuyItNow(*price.read.plain, *firstBid.read.plain)) {
        F::Add(findings, row, itemNumber, Kind::PriceBelowFirstBid,
               QStringLiteral("The price %1 is less than 1.3 times the first bid %2, so the "
                              "listing gets no Buy It Now price: eBay takes one only that far "
                              "above the start.")
                   .arg(F::Quoted(priceText), F::Quoted(firstBidText)),
               QStringLiteral("Raise the price to 1.3 times the first bid or more, or leave it "
                              "empty."));
    }
}

// The times: a duration eBay takes, and a start it can schedule.
void CheckTimes(const ItemRecord& record, int row, const QDateTime& now,
                std::vector<Finding>& findings) {
    const QString& itemNumber = record.Field(ItemRecord::ItemNumber);
    const QString& start = record.Field(ItemRecord::StartTime);
    const QString& end = record.Field(ItemRecord::EndTime);
    const QDateTime from = ListingValues::TimeOf(start);
    const QDateTime to = ListingValues::TimeOf(end);
    if (const QString problem = ListingValues::DurationProblem(start, end, from, to);
        !problem.isEmpty()) {
        F::Add(findings, row, itemNumber, Kind::NoAllowedDuration,
               QStringLiteral("The listing's duration cannot be told: %1.").arg(problem),
               QStringLiteral("Give start and end times 1, 3, 5, 7 or 10 days apart, such as "
                              "Nov-25-02 10:33:39 PST and Dec-02-02 10:33:39 PST."));
        return;
    }
    const int days = ListingValues::DurationBetween(from, to);
    if (from > now.addDays(ListingValues::MostDaysAhead)) {
        F::Add(findings, row, itemNumber, Kind::StartTooFarAhead,
               QStringLiteral("The start %1 is more than %2 days ahead; eBay schedules a "
                              "listing at most %2 days ahead.")
                   .arg(F::Quoted(start))
                   .arg(ListingValues::MostDaysAhead),
               QStringLiteral("Export this row again within %1 days of its start, or start "
                              "it sooner.")
                   .arg(ListingValues::MostDaysAhead));
    } else if (from <= now) {
        F::Add(findings, row, itemNumber, Kind::StartPast,
               QStringLiteral("The start %1 is past: the listing starts when it is uploaded and "
                              "runs %2 days, while its page says it started on %1.")
                   .arg(F::Quoted(start))
                   .arg(days),
               QStringLiteral("Give the start and end times of the listing as it will run, and "
                              "write the pages again."));
    }
}

void CheckRow(const ItemRecord& record, int row, const PageInputs& inputs,
              const ListingOptions& options, const QDateTime& now, std::vector<Finding>& findings) {
    const QString& itemNumber = record.Field(ItemRecord::ItemNumber);
    F::CheckActiveContent(record, row, findings);
    CheckTitleForListing(record, row, findings);
    if (const int length = F::CharacterCount(itemNumber); length > ListingCheck::CustomLabelLimit)
        F::Add(findings, row, itemNumber, Kind::LabelTooLong,
               QStringLiteral("The item number is %1 characters long; eBay takes custom labels "
                              "of at most %2.")
                   .arg(length)
                   .arg(ListingCheck::CustomLabelLimit),
               QStringLiteral("Shorten the item number to %1 characters.")
                   .arg(ListingCheck::CustomLabelLimit));
    if (const qsizetype length = PageBuilder::DescriptionSectionLength(record, inputs);
        length > ListingCheck::DescriptionLimit)
        F::Add(findings, row, itemNumber, Kind::DescriptionTooLong,
               QStringLiteral("The listing's description would be %1 characters long; eBay "
                              "takes at most %2.")
                   .arg(length)
                   .arg(ListingCheck::DescriptionLimit),
               QStringLiteral("Shorten the description by %1 characters.")
                   .arg(length - ListingCheck::DescriptionLimit));
    CheckContactDetails(record, row, findings);
    const QString category = record.Field(ItemRecord::Category).trimmed();
    if (category.isEmpty() ||
        !std::all_of(category.begin(), category.end(), [](QChar c) { return c.isDigit(); }))
        F::Add(findings, row, itemNumber, Kind::CategoryNotNumber,
               category.isEmpty()
                   ? QStringLiteral("The category is empty; eBay lists an item only in a "
                                    "category.")
                   : QStringLiteral("The category %1 is not a number; eBay takes the "
                                    "category's number.")
                         .arg(F::Quoted(category)),
               QStringLiteral("Type the number of the item's eBay category (\"?\" beside the "
                              "Category box opens eBay's list)."));
    CheckAmounts(record, row, options.Site(), findings);
    CheckTimes(record, row, now, findings);
    const QStringList pictures = record.Pictures();
    if (pictures.size() > ListingCheck::MostPictures)
        F::Add(findings, row, itemNumber, Kind::TooManyPictures,
               QStringLiteral("The row has %1 pictures; eBay takes at most %2 a listing.")
                   .arg(pictures.size())
                   .arg(ListingCheck::MostPictures),
               QStringLiteral("Leave out %1 of the picture addresses.")
                   .arg(pictures.size() - ListingCheck::MostPictures));
    for (const QString& picture : pictures)
        F::CheckPicture(record, row, QStringView(picture).trimmed(),
                        QStringLiteral("eBay shows only pictures at https:// addresses"), findings);
}

}  // namespace

std::vector<CatalogueFinding> ListingCheck::Run(const std::vector<ItemRecord>& records,
                                                const PageInputs& inputs,
                                                const ListingOptions& options, int shiftedFrom,
                                                const QDateTime& now) {
    std::vector<Finding> findings;
    // The listings give no seller; they give the location.
    const QString location = inputs.seller.location.trimmed();
    if (location == SellerTexts::Starting().location)
        F::Add(findings, 0, QString(), Kind::InitialText,
               QStringLiteral("The location still reads %1, the text the Location box starts "
                              "with; every listing would show it.")
                   .arg(F::Quoted(location)),
               QStringLiteral("Type where the items are into the Location box (--location for "
                              "lotcraft-pages)."));
    if (location.isEmpty())
        F::Add(findings, 0, QString(), Kind::EmptyLocation,
               QStringLiteral("The location is empty; eBay takes no listing without one."),
               QStringLiteral("Type where the items are into the Location box (--location for "
                              "lotcraft-pages)."));
    const bool headingRow = F::LooksLikeHeadingRow(records);
    for (size_t index = 0; index < records.size(); ++index) {
        const int row = int(index) + 1;
        const ItemRecord& record = records[index];
        // A heading row is checked as an item too: its errors keep it out of the export.
        CheckRow(record, row, inputs, options, now, findings);
        if (row == 1 && headingRow)
            F::AddHeadingRowFinding(findings, record.Field(ItemRecord::ItemNumber),
                                    QStringLiteral("a listing"));
        F::AddShiftedFinding(findings, row, record.Field(ItemRecord::ItemNumber), shiftedFrom);
    }
    // eBay refuses a listing whose title it would not take, where a page shows any title.
    for (Finding& finding : findings) {
        if (finding.kind == Kind::LongTitle || finding.kind == Kind::EmptyTitle)
            finding.severity = Finding::Severity::Error;
    }
    std::stable_sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) {
        return a.row != b.row ? a.row < b.row : a.IsError() && !b.IsError();
    });
    return findings;
}
