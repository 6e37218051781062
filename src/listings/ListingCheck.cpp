// SPDX-License-Identifier: GPL-3.0-or-later
#include "listings/ListingCheck.h"

#include "catalogue/CatalogueColumns.h"
#include "catalogue/ItemRecord.h"
#include "listings/ListingColumns.h"
#include "listings/ListingOptions.h"
#include "listings/ListingSite.h"
#include "listings/ListingValues.h"
#include "pages/CatalogueFindings.h"
#include "pages/HtmlTokenizer.h"
#include "pages/PageBuilder.h"
#include "pages/PageInputs.h"
#include "pages/SellerTexts.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QUrl>

#include <algorithm>
#include <iterator>

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
    for (const auto& [position, name] :
         {std::pair{ItemRecord::Title, QT_TRANSLATE_NOOP("ListingCheck", "title")},
          std::pair{ItemRecord::Description, QT_TRANSLATE_NOOP("ListingCheck", "description")}}) {
        const Readable readable = ReadableOf(record.Field(position));
        const QString field = QCoreApplication::translate("ListingCheck", name);
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
                   QCoreApplication::translate(
                       "ListingCheck",
                       "The %1 holds the e-mail address %2; eBay takes no contact "
                       "details in a listing, and may end it.")
                       .arg(field, F::Quoted(found.captured(0))),
                   QCoreApplication::translate(
                       "ListingCheck",
                       "Take the address out of the %1: buyers write to you through "
                       "eBay's messages.")
                       .arg(field));
        const auto digits = std::count_if(readable.text.begin(), readable.text.end(), [](QChar c) {
            return c >= QLatin1Char('0') && c <= QLatin1Char('9');
        });
        if (const QRegularExpressionMatch number =
                digits >= 9 ? phone.match(readable.text) : QRegularExpressionMatch();
            number.hasMatch())
            F::Add(findings, row, itemNumber, Kind::ContactPhone,
                   QCoreApplication::translate(
                       "ListingCheck",
                       "The %1 holds %2, which reads like a telephone number; eBay "
                       "takes no contact details in a listing.")
                       .arg(field, F::Quoted(number.captured(0).trimmed())),
                   QCoreApplication::translate(
                       "ListingCheck",
                       "Take the number out of the %1, unless it is no telephone "
                       "number (a part's number, say).")
                       .arg(field));
        for (const QString& link : readable.links) {
            // A link to write to an address is told as the address.
            if (IsEbayAddress(link) || email.match(link).hasMatch())
                continue;
            F::Add(
                findings, row, itemNumber, Kind::ContactLink,
                QCoreApplication::translate(
                    "ListingCheck", "The %1 links to %2; eBay takes links only to its own pages.")
                    .arg(field, F::Quoted(link)),
                QCoreApplication::translate("ListingCheck", "Take the link out of the %1.")
                    .arg(field));
            break;
        }
    }
}

// The title as eBay takes it: one line, plain text.
void CheckTitleForListing(const ItemRecord& record, int row, std::vector<Finding>& findings) {
    const QString& title = record.Field(ItemRecord::Title);
    const QString& itemNumber = record.Field(ItemRecord::ItemNumber);
    F::CheckTitle(record, row,
                  QCoreApplication::translate("ListingCheck", "eBay takes no listing without one"),
                  findings);
    if (title.contains(QLatin1Char('\r')) || title.contains(QLatin1Char('\n')) ||
        title.contains(QLatin1Char('\t')))
        F::Add(findings, row, itemNumber, Kind::TitleNotOneLine,
               QCoreApplication::translate(
                   "ListingCheck",
                   "The title holds a line break or a tab; eBay takes a title of one "
                   "line."),
               QCoreApplication::translate("ListingCheck", "Put the title on one line."));
    if (HtmlTokenizer::HoldsTag(title))
        F::Add(
            findings, row, itemNumber, Kind::TitleMarkup,
            QCoreApplication::translate(
                "ListingCheck",
                "The title holds HTML markup, which eBay shows as typed, tags and "
                "all."),
            QCoreApplication::translate(
                "ListingCheck", "Take the markup out of the title; the description may hold it."));
}

// An amount of the row read for the site: what is wrong with it, or the plain amount.
struct AmountCheck {
    ListingValues::Amount read;
    // Told of already: another currency, or out of eBay's range.
    bool told = false;
};

AmountCheck CheckAmount(const ItemRecord& record, int row, const QString& text, const QString& name,
                        const ListingSite& site, std::vector<Finding>& findings) {
    AmountCheck check{ListingValues::ReadAmount(text, site)};
    const QString& itemNumber = record.Field(ItemRecord::ItemNumber);
    if (!check.read.otherCurrency.isEmpty()) {
        F::Add(findings, row, itemNumber, Kind::AmountOtherCurrency,
               QCoreApplication::translate("ListingCheck",
                                           "The %1 %2 is in %3; this export is for %4, in %5.")
                   .arg(name, F::Quoted(text),
                        QCoreApplication::translate("ListingSite",
                                                    check.read.otherCurrency.toUtf8().constData()),
                        site.ShownName(), site.ShownCurrencyName()),
               QCoreApplication::translate(
                   "ListingCheck",
                   "Give the %1 in %2, such as %3, or export for the site of its "
                   "currency.")
                   .arg(name, site.ShownCurrencyName(), site.Example("9", "99")));
        check.told = true;
    } else if (check.read.plain && ListingValues::IsPositive(*check.read.plain)) {
        if (const QString problem = ListingValues::AmountProblem(*check.read.plain);
            !problem.isEmpty()) {
            F::Add(findings, row, itemNumber, Kind::AmountNotTaken,
                   QCoreApplication::translate(
                       "ListingCheck",
                       "The %1 %2 %3; eBay takes amounts from 0.01 to 99,999,999.99 "
                       "with at most two decimals.")
                       .arg(name, F::Quoted(text), problem),
                   QCoreApplication::translate("ListingCheck",
                                               "Type the %1 as eBay takes it, such as %2.")
                       .arg(name, site.Example("9", "99")));
            check.told = true;
        }
    }
    return check;
}

// The first bid, and the price beside it (the row's Buy It Now price where it gives one): a
// Buy It Now price only where eBay takes one.
void CheckAuctionAmounts(const ItemRecord& record, int row, const ListingColumns& columns,
                         const ListingSite& site, std::vector<Finding>& findings) {
    const QString& itemNumber = record.Field(ItemRecord::ItemNumber);
    const QString& firstBidText = record.Field(ItemRecord::FirstBid);
    const AmountCheck firstBid =
        CheckAmount(record, row, firstBidText,
                    QCoreApplication::translate("ListingCheck", "first bid"), site, findings);
    const bool startsAtAmount =
        firstBid.read.plain && ListingValues::IsPositive(*firstBid.read.plain);
    if (!firstBid.told && !startsAtAmount)
        F::Add(
            findings, row, itemNumber, Kind::FirstBidNotPositive,
            F::IsBlank(firstBidText)
                ? QCoreApplication::translate(
                      "ListingCheck", "The first bid is empty; an auction must start at an amount.")
                : QCoreApplication::translate(
                      "ListingCheck",
                      "The first bid %1 is not an amount above zero as sellers on "
                      "%2 write amounts.")
                      .arg(F::Quoted(firstBidText), site.ShownName()),
            QCoreApplication::translate("ListingCheck",
                                        "Type the amount the auction starts at, such as %1.")
                .arg(site.Example("9", "99")));
    const QString given = columns.Value(record, ListingColumns::Column::BuyItNowPrice);
    const QString priceText = given.isEmpty() ? record.Field(ItemRecord::Price) : given;
    const QString name = given.isEmpty()
                             ? QCoreApplication::translate("ListingCheck", "price")
                             : QCoreApplication::translate("ListingCheck", "Buy It Now price");
    if (F::IsBlank(priceText))
        return;
    const AmountCheck price = CheckAmount(record, row, priceText, name, site, findings);
    if (price.told || firstBid.told || !startsAtAmount)
        return;
    if (!price.read.plain || !ListingValues::IsPositive(*price.read.plain)) {
        F::Add(findings, row, itemNumber, Kind::PriceNotAmount,
               QCoreApplication::translate(
                   "ListingCheck",
                   "The %1 %2 is not an amount, so the listing gets no Buy It Now "
                   "price.")
                   .arg(name, F::Quoted(priceText)),
               QCoreApplication::translate(
                   "ListingCheck", "Type the %1 as an amount, such as %2, or leave it empty.")
                   .arg(name, site.Example("29", "99")));
    } else if (!ListingValues::TakesBuyItNow(*price.read.plain, *firstBid.read.plain)) {
        F::Add(findings, row, itemNumber, Kind::PriceBelowFirstBid,
               QCoreApplication::translate(
                   "ListingCheck",
                   "The %1 %2 is less than 1.3 times the first bid %3, so the "
                   "listing gets no Buy It Now price: eBay takes one only that far "
                   "above the start.")
                   .arg(name, F::Quoted(priceText), F::Quoted(firstBidText)),
               QCoreApplication::translate(
                   "ListingCheck",
                   "Raise the %1 to 1.3 times the first bid or more, or leave it "
                   "empty.")
                   .arg(name));
    }
}

// A fixed price listing sells at the row's price, and needs one.
void CheckFixedPrice(const ItemRecord& record, int row, const ListingSite& site,
                     std::vector<Finding>& findings) {
    const QString& priceText = record.Field(ItemRecord::Price);
    const AmountCheck price =
        CheckAmount(record, row, priceText, QCoreApplication::translate("ListingCheck", "price"),
                    site, findings);
    if (!price.told && !(price.read.plain && ListingValues::IsPositive(*price.read.plain)))
        F::Add(findings, row, record.Field(ItemRecord::ItemNumber), Kind::StartPriceNotAmount,
               F::IsBlank(priceText)
                   ? QCoreApplication::translate(
                         "ListingCheck",
                         "The price is empty; a fixed price listing sells at its "
                         "price.")
                   : QCoreApplication::translate(
                         "ListingCheck",
                         "The price %1 is not an amount above zero as sellers on %2 "
                         "write amounts; a fixed price listing sells at its price.")
                         .arg(F::Quoted(priceText), site.ShownName()),
               QCoreApplication::translate("ListingCheck",
                                           "Type the price the item sells at, such as %1.")
                   .arg(site.Example("29", "99")));
}

// The times: a duration eBay takes, unless the row gives its duration, and a start it can
// schedule. `runs` says how long the listing runs where the row gives it.
void CheckTimes(const ItemRecord& record, int row, const QDateTime& now, QString runs,
                std::vector<Finding>& findings) {
    const QString& itemNumber = record.Field(ItemRecord::ItemNumber);
    const QString& start = record.Field(ItemRecord::StartTime);
    const QString& end = record.Field(ItemRecord::EndTime);
    const QDateTime from = ListingValues::TimeOf(start);
    if (runs.isEmpty()) {
        const QDateTime to = ListingValues::TimeOf(end);
        if (const QString problem = ListingValues::DurationProblem(start, end, from, to);
            !problem.isEmpty()) {
            F::Add(findings, row, itemNumber, Kind::NoAllowedDuration,
                   QCoreApplication::translate("ListingCheck",
                                               "The listing's duration cannot be told: %1.")
                       .arg(problem),
                   QCoreApplication::translate(
                       "ListingCheck",
                       "Give start and end times 1, 3, 5, 7 or 10 days apart, such "
                       "as Nov-25-02 10:33:39 PST and Dec-02-02 10:33:39 PST."));
            return;
        }
        runs = QCoreApplication::translate("ListingCheck", "runs %1 days")
                   .arg(ListingValues::DurationBetween(from, to));
    }
    // A row that gives its duration needs no start: it starts when it is uploaded.
    if (!from.isValid())
        return;
    if (from > now.addDays(ListingValues::MostDaysAhead)) {
        F::Add(
            findings, row, itemNumber, Kind::StartTooFarAhead,
            QCoreApplication::translate("ListingCheck",
                                        "The start %1 is more than %2 days ahead; eBay schedules a "
                                        "listing at most %2 days ahead.")
                .arg(F::Quoted(start))
                .arg(ListingValues::MostDaysAhead),
            QCoreApplication::translate(
                "ListingCheck",
                "Export this row again within %1 days of its start, or start "
                "it sooner.")
                .arg(ListingValues::MostDaysAhead));
    } else if (from <= now) {
        F::Add(findings, row, itemNumber, Kind::StartPast,
               QCoreApplication::translate(
                   "ListingCheck",
                   "The start %1 is past: the listing starts when it is uploaded and "
                   "%2, while its page says it started on %1.")
                   .arg(F::Quoted(start), runs),
               QCoreApplication::translate(
                   "ListingCheck",
                   "Give the start and end times of the listing as it will run, and "
                   "write the pages again."));
    }
}

// A count as eBay takes one: a whole number from 1, digits only. 0 when it is none.
qint64 CountOf(const QString& text) {
    static const QRegularExpression count(QStringLiteral("^[0-9]{1,9}$"));
    return count.match(text).hasMatch() ? text.toLongLong() : 0;
}

// What the row's own columns say of how it is listed: its format, quantity, duration and
// condition. Gives how long the listing runs where the row tells it rather than its times,
// as CheckTimes takes it.
QString CheckListingColumns(const ItemRecord& record, int row, const ListingColumns& columns,
                            std::vector<Finding>& findings) {
    using Column = ListingColumns::Column;
    const QString& itemNumber = record.Field(ItemRecord::ItemNumber);
    const ListingColumns::Format format = columns.FormatOf(record);
    const bool fixedPrice = format == ListingColumns::Format::FixedPrice;
    if (format == ListingColumns::Format::Unknown)
        F::Add(findings, row, itemNumber, Kind::FormatNotTaken,
               QCoreApplication::translate(
                   "ListingCheck", "The format %1 is not one of eBay's: Auction or FixedPrice.")
                   .arg(F::Quoted(columns.Value(record, Column::Format))),
               QCoreApplication::translate(
                   "ListingCheck",
                   "Type Auction or FixedPrice in the Format column, or leave it "
                   "empty for an auction."));
    const QString quantity = columns.Value(record, Column::Quantity);
    if (!quantity.isEmpty() && CountOf(quantity) == 0)
        F::Add(findings, row, itemNumber, Kind::QuantityNotTaken,
               QCoreApplication::translate("ListingCheck",
                                           "The quantity %1 is not a whole number from 1.")
                   .arg(F::Quoted(quantity)),
               QCoreApplication::translate("ListingCheck",
                                           "Type how many of the item there are, such as 1 or 5."));
    else if (!fixedPrice && CountOf(quantity) > 1)
        F::Add(findings, row, itemNumber, Kind::QuantityNotTaken,
               QCoreApplication::translate("ListingCheck",
                                           "The quantity is %1, but an auction sells one item.")
                   .arg(F::Quoted(quantity)),
               QCoreApplication::translate("ListingCheck",
                                           "Give the quantity 1, or list the row at a fixed price "
                                           "(FixedPrice in its Format column)."));
    const QString condition = columns.Value(record, Column::ConditionId);
    if (!condition.isEmpty() && CountOf(condition) == 0)
        F::Add(findings, row, itemNumber, Kind::ConditionNotNumber,
               QCoreApplication::translate(
                   "ListingCheck", "The condition %1 is not one of eBay's condition numbers.")
                   .arg(F::Quoted(condition)),
               QCoreApplication::translate(
                   "ListingCheck",
                   "Type eBay's number of the item's condition, such as 1000 for New "
                   "or 3000 for Used, or leave it empty for the export's own."));
    const QString duration = columns.Value(record, Column::Duration);
    const bool untilCancelled =
        duration.compare(QLatin1String(ListingValues::UntilCancelled), Qt::CaseInsensitive) == 0;
    const qint64 days = CountOf(duration);
    const bool allowedDays = std::find(std::begin(ListingValues::AllowedDurations),
                                       std::end(ListingValues::AllowedDurations),
                                       days) != std::end(ListingValues::AllowedDurations);
    if (fixedPrice && !duration.isEmpty() && !untilCancelled)
        F::Add(findings, row, itemNumber, Kind::NoAllowedDuration,
               QCoreApplication::translate(
                   "ListingCheck",
                   "The duration is %1, but a fixed price listing runs until it sells "
                   "or is ended (GTC).")
                   .arg(F::Quoted(duration)),
               QCoreApplication::translate("ListingCheck",
                                           "Type GTC in the Duration column, or leave it empty."));
    else if (!fixedPrice && !duration.isEmpty() && !allowedDays)
        F::Add(findings, row, itemNumber, Kind::NoAllowedDuration,
               QCoreApplication::translate(
                   "ListingCheck",
                   "The duration %1 is not one of an auction's: 1, 3, 5, 7 or 10 "
                   "days.")
                   .arg(F::Quoted(duration)),
               QCoreApplication::translate(
                   "ListingCheck",
                   "Type 1, 3, 5, 7 or 10 in the Duration column, or leave it empty "
                   "for the days between the start and end times."));
    if (fixedPrice)
        return QCoreApplication::translate("ListingCheck", "runs until it sells or is ended");
    return allowedDays ? QCoreApplication::translate("ListingCheck", "runs %1 days").arg(days)
                       : QString();
}

// The row's shipping cost, where it gives its own.
void CheckShipping(const ItemRecord& record, int row, const ListingColumns& columns,
                   const ListingOptions& options, std::vector<Finding>& findings) {
    const QString cost = columns.Value(record, ListingColumns::Column::ShippingCost);
    if (options.UsesProfiles() || cost.isEmpty() ||
        !ListingValues::PlainAmount(cost, options.Site()).isEmpty())
        return;
    F::Add(findings, row, record.Field(ItemRecord::ItemNumber), Kind::ShippingCostNotAmount,
           QCoreApplication::translate("ListingCheck",
                                       "The shipping cost %1 is not an amount eBay takes in %2.")
               .arg(F::Quoted(cost), options.Site().ShownCurrencyName()),
           QCoreApplication::translate(
               "ListingCheck",
               "Type what shipping costs the buyer, such as %1, 0 for free, or leave "
               "it empty for the export's own.")
               .arg(options.Site().Example("4", "95")));
}

// The item specifics: the ones the category requires given, and brands eBay takes.
void CheckSpecifics(const ItemRecord& record, int row, const ListingColumns& columns,
                    std::vector<Finding>& findings) {
    // What sellers type for no brand, which eBay refuses as a brand and buyers searching by
    // brand never find; an item of no brand is "Unbranded", which eBay takes. Only words
    // that are never a brand are listed: a short list leaves the seller's real brands alone.
    static const QStringList refused = {
        QStringLiteral("new"),     QStringLiteral("other"), QStringLiteral("see description"),
        QStringLiteral("n/a"),     QStringLiteral("na"),    QStringLiteral("none"),
        QStringLiteral("no brand")};
    const QString& itemNumber = record.Field(ItemRecord::ItemNumber);
    for (const ListingColumns::Specific& specific : columns.Specifics()) {
        const QString value = ListingColumns::Value(record, specific);
        if (value.isEmpty() && specific.required)
            F::Add(findings, row, itemNumber, Kind::RequiredSpecificEmpty,
                   QCoreApplication::translate(
                       "ListingCheck",
                       "The item specific %1 is empty; the category requires it (its "
                       "column is starred).")
                       .arg(specific.heading),
                   QCoreApplication::translate("ListingCheck", "Fill in %1 for this item.")
                       .arg(specific.heading));
        if (CatalogueColumns::Key(specific.heading) == QLatin1String("c:brand") &&
            refused.contains(value.simplified(), Qt::CaseInsensitive))
            F::Add(findings, row, itemNumber, Kind::BrandNotTaken,
                   QCoreApplication::translate(
                       "ListingCheck", "The brand %1 names no brand; eBay refuses it as one.")
                       .arg(F::Quoted(value)),
                   QCoreApplication::translate(
                       "ListingCheck", "Type the item's brand, or Unbranded where it has none."));
    }
}

void CheckRow(const ItemRecord& record, int row, const PageInputs& inputs,
              const ListingOptions& options, const ListingColumns& columns, const QDateTime& now,
              std::vector<Finding>& findings) {
    const QString& itemNumber = record.Field(ItemRecord::ItemNumber);
    F::CheckActiveContent(record, row, findings);
    CheckTitleForListing(record, row, findings);
    if (const int length = F::CharacterCount(itemNumber); length > ListingCheck::CustomLabelLimit)
        F::Add(
            findings, row, itemNumber, Kind::LabelTooLong,
            QCoreApplication::translate(
                "ListingCheck",
                "The item number is %1 characters long; eBay takes custom labels "
                "of at most %2.")
                .arg(length)
                .arg(ListingCheck::CustomLabelLimit),
            QCoreApplication::translate("ListingCheck", "Shorten the item number to %1 characters.")
                .arg(ListingCheck::CustomLabelLimit));
    if (const qsizetype length = PageBuilder::DescriptionSectionLength(record, inputs);
        length > ListingCheck::DescriptionLimit)
        F::Add(
            findings, row, itemNumber, Kind::DescriptionTooLong,
            QCoreApplication::translate(
                "ListingCheck",
                "The listing's description would be %1 characters long; eBay "
                "takes at most %2.")
                .arg(length)
                .arg(ListingCheck::DescriptionLimit),
            QCoreApplication::translate("ListingCheck", "Shorten the description by %1 characters.")
                .arg(length - ListingCheck::DescriptionLimit));
    CheckContactDetails(record, row, findings);
    const QString category = record.Field(ItemRecord::Category).trimmed();
    if (category.isEmpty() ||
        !std::all_of(category.begin(), category.end(), [](QChar c) { return c.isDigit(); }))
        F::Add(
            findings, row, itemNumber, Kind::CategoryNotNumber,
            category.isEmpty()
                ? QCoreApplication::translate("ListingCheck",
                                              "The category is empty; eBay lists an item only in a "
                                              "category.")
                : QCoreApplication::translate("ListingCheck",
                                              "The category %1 is not a number; eBay takes the "
                                              "category's number.")
                      .arg(F::Quoted(category)),
            QCoreApplication::translate(
                "ListingCheck",
                "Type the number of the item's eBay category (\"?\" beside the "
                "Category box opens eBay's list)."));
    const QString runs = CheckListingColumns(record, row, columns, findings);
    if (columns.FormatOf(record) == ListingColumns::Format::FixedPrice)
        CheckFixedPrice(record, row, options.Site(), findings);
    else
        CheckAuctionAmounts(record, row, columns, options.Site(), findings);
    CheckTimes(record, row, now, runs, findings);
    CheckShipping(record, row, columns, options, findings);
    CheckSpecifics(record, row, columns, findings);
    const QStringList pictures = columns.Pictures(record);
    if (pictures.size() > ListingCheck::MostPictures)
        F::Add(findings, row, itemNumber, Kind::TooManyPictures,
               QCoreApplication::translate(
                   "ListingCheck", "The row has %1 pictures; eBay takes at most %2 a listing.")
                   .arg(pictures.size())
                   .arg(ListingCheck::MostPictures),
               QCoreApplication::translate("ListingCheck", "Leave out %1 of the picture addresses.")
                   .arg(pictures.size() - ListingCheck::MostPictures));
    for (const QString& picture : pictures)
        F::CheckPicture(record, row, QStringView(picture).trimmed(),
                        QCoreApplication::translate(
                            "ListingCheck", "eBay shows only pictures at https:// addresses"),
                        findings);
}

}  // namespace

std::vector<CatalogueFinding> ListingCheck::Run(const std::vector<ItemRecord>& records,
                                                const PageInputs& inputs,
                                                const ListingOptions& options,
                                                const CatalogueColumns& catalogueColumns,
                                                int shiftedFrom, const QDateTime& now) {
    std::vector<Finding> findings;
    const ListingColumns columns(catalogueColumns);
    // The listings give no seller; they give the location.
    const QString location = inputs.seller.location.trimmed();
    if (location == SellerTexts::Starting().location)
        F::Add(findings, 0, QString(), Kind::InitialText,
               QCoreApplication::translate(
                   "ListingCheck",
                   "The location still reads %1, the text the Location box starts "
                   "with; every listing would show it.")
                   .arg(F::Quoted(location)),
               QCoreApplication::translate(
                   "ListingCheck",
                   "Type where the items are into the Location box (--location for "
                   "lotcraft-pages)."));
    if (location.isEmpty())
        F::Add(findings, 0, QString(), Kind::EmptyLocation,
               QCoreApplication::translate(
                   "ListingCheck", "The location is empty; eBay takes no listing without one."),
               QCoreApplication::translate(
                   "ListingCheck",
                   "Type where the items are into the Location box (--location for "
                   "lotcraft-pages)."));
    const bool headingRow = F::LooksLikeHeadingRow(records);
    for (size_t index = 0; index < records.size(); ++index) {
        const int row = int(index) + 1;
        const ItemRecord& record = records[index];
        // A heading row is checked as an item too: its errors keep it out of the export.
        CheckRow(record, row, inputs, options, columns, now, findings);
        if (row == 1 && headingRow)
            F::AddHeadingRowFinding(findings, record.Field(ItemRecord::ItemNumber),
                                    QCoreApplication::translate("ListingCheck", "a listing"));
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
