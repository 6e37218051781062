// SPDX-License-Identifier: GPL-3.0-or-later
// eBay's listings: how each site's amounts, the times and the Buy It Now price are read, and
// each of eBay's rules in the export's check, a row that breaks it beside the same row mended.

#include "app/ProgramSettings.h"
#include "catalogue/CatalogueColumns.h"
#include "catalogue/ItemRecord.h"
#include "listings/ListingCheck.h"
#include "listings/ListingExport.h"
#include "listings/ListingOptions.h"
#include "listings/ListingSite.h"
#include "listings/ListingTemplate.h"
#include "listings/ListingValues.h"
#include "pages/CatalogueCheck.h"
#include "pages/PageInputs.h"
#include "pages/PagePictures.h"

#include <QtTest>

namespace {

using Kind = CatalogueFinding::Kind;

// The moment the checks take for now: five days before the rows' usual start.
const QDateTime kNow(QDate(2002, 11, 20), QTime(0, 0), Qt::UTC);

// "N=value" changes to a record's positions.
void Apply(ItemRecord& record, const QStringList& changes) {
    for (const QString& change : changes) {
        const qsizetype equals = change.indexOf(QLatin1Char('='));
        record.SetField(change.left(equals).toInt(), change.mid(equals + 1));
    }
}

// A catalogue of the nine fields a seller's sheet has and the kept columns named.
CatalogueColumns ColumnsWith(const QStringList& kept) {
    return *CatalogueColumns::FromHeading(
        QStringList{QStringLiteral("Item number"), QStringLiteral("Title"),
                    QStringLiteral("Description"), QStringLiteral("Image"), QStringLiteral("Price"),
                    QStringLiteral("First bid"), QStringLiteral("Started"), QStringLiteral("Ends"),
                    QStringLiteral("Category")} +
        kept);
}

// "N=value" changes to a record's fields and "Name=value" to its kept column of that name.
void Apply(ItemRecord& record, const CatalogueColumns& columns, const QStringList& changes) {
    for (const QString& change : changes) {
        const qsizetype equals = change.indexOf(QLatin1Char('='));
        bool field = false;
        const int position = change.left(equals).toInt(&field);
        if (field)
            record.SetField(position, change.mid(equals + 1));
        else
            record.SetExtra(columns.ExtraNamed(change.left(equals)), change.mid(equals + 1));
    }
}

// An item eBay takes as it stands, five days before its start.
ItemRecord GoodItem() {
    ItemRecord item;
    Apply(item,
          {QStringLiteral("1=1001"), QStringLiteral("2=Brass lamp"), QStringLiteral("3=Works."),
           QStringLiteral("4=https://i.ebayimg.com/a.jpg"), QStringLiteral("5=$20.00"),
           QStringLiteral("6=$5.00"), QStringLiteral("8=Nov-25-02 10:33:39 PST"),
           QStringLiteral("9=Dec-02-02 10:33:39 PST"), QStringLiteral("10=13850")});
    return item;
}

PageInputs Inputs(ProgramSettings& settings, const PagePictures& pictures) {
    return PageInputs::Take(
        settings, {QStringLiteral("me"), QStringLiteral("Leeds"), QStringLiteral("UK")}, pictures);
}

QString Repeated(const QString& picture, int count) {
    QStringList pictures;
    for (int n = 0; n < count; ++n)
        pictures << picture.arg(n);
    return pictures.join(QLatin1Char('|'));
}

}  // namespace

class ListingsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // What the listing file makes of the catalogue's texts: amounts as each site's sellers
    // write them, durations and scheduled starts, and the Buy It Now rule.
    void valuesAreReadAsTheSiteWritesThem_data() {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("site");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("expected");
        const auto add = [](const char* name, const char* rule, const char* site,
                            const QString& first, const QString& second, const char* expected) {
            QTest::newRow(name) << QString::fromLatin1(rule) << QString::fromLatin1(site) << first
                                << second << QString::fromUtf8(expected);
        };
        add("dollars", "amount", "US", QStringLiteral("US $1,250.00"), QString(), "1250.00");
        add("a bare number", "amount", "US", QStringLiteral(" 19 "), QString(), "19");
        add("pounds on the US site", "amount", "US", QStringLiteral("\u00A340.00"), QString(),
            "in pounds");
        add("pounds", "amount", "UK", QStringLiteral("\u00A340.00"), QString(), "40.00");
        add("GBP after", "amount", "UK", QStringLiteral("40 GBP"), QString(), "40");
        add("dollars on the UK site", "amount", "UK", QStringLiteral("$40"), QString(),
            "in dollars");
        add("euros with a decimal comma", "amount", "DE", QStringLiteral("1.234,50 \u20AC"),
            QString(), "1234.50");
        add("1.500 euros", "amount", "DE", QStringLiteral("\u20AC1.500"), QString(), "1500");
        add("blanks between thousands", "amount", "FR", QStringLiteral("EUR 1\u00A0234,5"),
            QString(), "1234.5");
        add("a decimal point on the German site", "amount", "DE", QStringLiteral("12.50 \u20AC"),
            QString(), "no amount");
        add("yen", "amount", "IT", QStringLiteral("\u00A55000"), QString(), "in yen");
        add("the site's own dollars", "amount", "AU", QStringLiteral("AU $12.00"), QString(),
            "12.00");
        add("a bare dollar sign in Canada", "amount", "CA", QStringLiteral("$12"), QString(), "12");
        add("US dollars in Canada", "amount", "CA", QStringLiteral("US $12"), QString(),
            "in US dollars");
        add("three decimals", "problem", "US", QStringLiteral("10.005"), QString(),
            "has more than two decimals");
        add("under a cent", "problem", "US", QStringLiteral("0.001"), QString(),
            "has more than two decimals");
        add("too large", "problem", "US", QStringLiteral("100000000"), QString(),
            "is more than 99,999,999.99");
        add("1.3 times", "buy it now", "US", QStringLiteral("13.00"), QStringLiteral("10"), "yes");
        add("1.25 times", "buy it now", "US", QStringLiteral("12.50"), QStringLiteral("10.00"),
            "no");
        add("the page's form", "time", "US", QStringLiteral(" nov-25-02 10:33:39 PST "), QString(),
            "2002-11-25T18:33:39Z");
        add("four digits, no seconds, no zone", "time", "US", QStringLiteral("Nov-5-2026 9:05"),
            QString(), "local 2026-11-05T09:05:00");
        add("ISO with T and an offset", "time", "US", QStringLiteral("2026-12-20T18:00+0100"),
            QString(), "2026-12-20T17:00:00Z");
        add("ISO with seconds and Z", "time", "US", QStringLiteral("2026-12-20 18:00:30Z"),
            QString(), "2026-12-20T18:00:30Z");
        add("ISO with a zone's name", "time", "US", QStringLiteral("2026-12-20 18:00 CET"),
            QString(), "2026-12-20T17:00:00Z");
        add("three digits of year", "time", "US", QStringLiteral("Nov-25-002 10:33"), QString(),
            "unread");
        add("an offset cut short", "time", "US", QStringLiteral("2026-12-20T18:00+01"), QString(),
            "unread");
        add("a zone of one letter", "time", "US", QStringLiteral("2026-12-20 18:00 Q"), QString(),
            "unread");
        add("seven days", "duration", "US", QStringLiteral("Nov-25-02 10:33:39 PST"),
            QStringLiteral("Dec-02-02 10:33:39 PST"), "7");
        add("over a change of clocks", "duration", "US", QStringLiteral("2026-03-05 18:00 PST"),
            QStringLiteral("2026-03-10 18:00 PDT"), "5");
        add("two days", "duration", "US", QStringLiteral("Nov-25-02 10:33"),
            QStringLiteral("Nov-27-02 10:33"), "0");
        add("ahead, in UTC", "schedule", "US", QStringLiteral("Nov-25-02 10:33:39 PST"), QString(),
            "2002-11-25 18:33:39");
        add("99 is 1999, long past", "schedule", "US", QStringLiteral("Dec-01-99 10:00"), QString(),
            "");
    }

    void valuesAreReadAsTheSiteWritesThem() {
        QFETCH(QString, rule);
        QFETCH(QString, site);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, expected);
        const ListingSite& onSite = *ListingSite::ByCode(site);
        QString got;
        if (rule == QLatin1String("amount")) {
            const ListingValues::Amount amount = ListingValues::ReadAmount(first, onSite);
            got = amount.plain ? *amount.plain
                               : (amount.otherCurrency.isEmpty()
                                      ? QStringLiteral("no amount")
                                      : QStringLiteral("in ") + amount.otherCurrency);
        } else if (rule == QLatin1String("problem")) {
            got = ListingValues::AmountProblem(first);
        } else if (rule == QLatin1String("buy it now")) {
            got = ListingValues::TakesBuyItNow(first, second) ? QStringLiteral("yes")
                                                              : QStringLiteral("no");
        } else if (rule == QLatin1String("time")) {
            const QDateTime time = ListingValues::TimeOf(first);
            got = !time.isValid() ? QStringLiteral("unread")
                  : time.timeSpec() == Qt::LocalTime
                      ? QStringLiteral("local ") + time.toString(Qt::ISODate)
                      : time.toUTC().toString(Qt::ISODate);
        } else if (rule == QLatin1String("duration")) {
            got = QString::number(ListingValues::DurationBetween(ListingValues::TimeOf(first),
                                                                 ListingValues::TimeOf(second)));
        } else {
            got = ListingValues::ScheduleTime(ListingValues::TimeOf(first), kNow);
        }
        QCOMPARE(got, expected);
    }

    // Each of eBay's rules: a row that breaks it is found with that kind and severity, and the
    // same row mended is not; the page check holds only the rules that spoil a page too.
    void eBaysRulesEachFindTheirRowAndNoOther_data() {
        QTest::addColumn<QString>("site");
        QTest::addColumn<QStringList>("breaking");
        QTest::addColumn<QStringList>("keeping");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("error");
        QTest::addColumn<bool>("pages");
        const auto add = [](const char* name, const char* site, const QStringList& breaking,
                            const QStringList& keeping, Kind kind, bool error, bool pages = false) {
            QTest::newRow(name) << QString::fromLatin1(site) << breaking << keeping << int(kind)
                                << error << pages;
        };
        const auto at = [](int position, const QString& value) {
            return QStringList{QString::number(position) + QLatin1Char('=') + value};
        };
        const auto times = [](const char* start, const char* end) {
            return QStringList{QStringLiteral("8=") + QLatin1String(start),
                               QStringLiteral("9=") + QLatin1String(end)};
        };
        using R = ItemRecord;
        add("title over 80", "US", at(R::Title, QString(81, QLatin1Char('x'))),
            at(R::Title, QString(80, QLatin1Char('x'))), Kind::LongTitle, true, true);
        add("empty title", "US", at(R::Title, QStringLiteral(" ")),
            at(R::Title, QStringLiteral("Lamp")), Kind::EmptyTitle, true, true);
        add("a title of two lines", "US", at(R::Title, QStringLiteral("Brass\r\nlamp")),
            at(R::Title, QStringLiteral("Brass lamp")), Kind::TitleNotOneLine, true);
        add("markup in a title", "US", at(R::Title, QStringLiteral("<b>Brass</b> lamp")),
            at(R::Title, QStringLiteral("Brass lamp, 5 < 6")), Kind::TitleMarkup, false);
        add("a label of 51", "US", at(R::ItemNumber, QString(51, QLatin1Char('7'))),
            at(R::ItemNumber, QString(50, QLatin1Char('7'))), Kind::LabelTooLong, true);
        add("description over 500,000", "US",
            at(R::Description, QString(ListingCheck::DescriptionLimit, QLatin1Char('d'))),
            at(R::Description, QString(ListingCheck::DescriptionLimit - 4000, QLatin1Char('d'))),
            Kind::DescriptionTooLong, true);
        add("an e-mail address", "US",
            at(R::Description, QStringLiteral("Email me at bob@example.com")),
            at(R::Description, QStringLiteral("Ask me through eBay, @ any time")),
            Kind::ContactEmail, true);
        add("an e-mail address in a link", "US",
            at(R::Description, QStringLiteral("<a href=\"mailto:bob&#64;example.com\">me</a>")),
            at(R::Description, QStringLiteral("<a href=\"https://www.ebay.com/usr/bob\">me</a>")),
            Kind::ContactEmail, true);
        add("a telephone number", "US",
            at(R::Description, QStringLiteral("or call +44 (113) 496-0123")),
            at(R::Description, QStringLiteral("part 496-0123, size 10.5")), Kind::ContactPhone,
            false);
        add("a link elsewhere", "US",
            at(R::Description, QStringLiteral("<a href=\"https://shop.example.com/\">shop</a>")),
            at(R::Description,
               QStringLiteral("<a href=\"https://www.ebay.co.uk/str/me\">shop</a>")),
            Kind::ContactLink, false);
        add("no category", "US", at(R::Category, QString()),
            at(R::Category, QStringLiteral("13850")), Kind::CategoryNotNumber, true);
        add("category a word", "US", at(R::Category, QStringLiteral("Clocks")),
            at(R::Category, QStringLiteral(" 13850 ")), Kind::CategoryNotNumber, true);
        add("first bid zero", "US", at(R::FirstBid, QStringLiteral("$0.00")),
            at(R::FirstBid, QStringLiteral("$0.01")), Kind::FirstBidNotPositive, true);
        add("first bid a word", "US", at(R::FirstBid, QStringLiteral("offers")),
            at(R::FirstBid, QStringLiteral("US $1.50")), Kind::FirstBidNotPositive, true);
        add("first bid of three decimals", "US", at(R::FirstBid, QStringLiteral("$10.005")),
            at(R::FirstBid, QStringLiteral("$10.50")), Kind::AmountNotTaken, true);
        add("price beyond eBay's largest", "US",
            at(R::Price, QStringLiteral("$99999999999999999999")),
            at(R::Price, QStringLiteral("$99,999,999.99")), Kind::AmountNotTaken, true);
        add("pounds on the US site", "US", at(R::FirstBid, QStringLiteral("\u00A34.00")),
            at(R::FirstBid, QStringLiteral("US $4.00")), Kind::AmountOtherCurrency, true);
        add("dollars on the German site", "DE", at(R::FirstBid, QStringLiteral("$5.00")),
            at(R::FirstBid, QStringLiteral("1.234,50 \u20AC")), Kind::AmountOtherCurrency, true);
        add("a decimal point on the German site", "DE",
            at(R::FirstBid, QStringLiteral("12.50 \u20AC")),
            at(R::FirstBid, QStringLiteral("12,50 \u20AC")), Kind::FirstBidNotPositive, true);
        add("Buy It Now at 1.25 times", "US", at(R::Price, QStringLiteral("$6.25")),
            at(R::Price, QStringLiteral("$6.50")), Kind::PriceBelowFirstBid, false);
        add("price not an amount", "US", at(R::Price, QStringLiteral("ask")),
            at(R::Price, QStringLiteral("$20.00")), Kind::PriceNotAmount, false);
        add("two days", "US", times("Nov-25-02 10:33:39 PST", "Nov-27-02 10:33:39 PST"),
            times("Nov-25-02 10:33:39 PST", "Nov-28-02 10:33:39 PST"), Kind::NoAllowedDuration,
            true);
        add("end unreadable", "US", at(R::EndTime, QStringLiteral("next Tuesday")),
            at(R::EndTime, QStringLiteral("2002-12-02 10:33:39 PST")), Kind::NoAllowedDuration,
            true);
        add("a start 30 days ahead", "US", times("Dec-20-02 10:00 PST", "Dec-27-02 10:00 PST"),
            times("Dec-10-02 10:00 PST", "Dec-17-02 10:00 PST"), Kind::StartTooFarAhead, true);
        add("a start already past", "US", times("Nov-10-02 10:00 PST", "Nov-17-02 10:00 PST"),
            times("Nov-21-02 10:00 PST", "Nov-28-02 10:00 PST"), Kind::StartPast, false);
        add("script", "US", at(R::Description, QStringLiteral("Nice <SCRIPT src=x></script>")),
            at(R::Description, QStringLiteral("Nice <b>lamp</b>, describes the script")),
            Kind::ActiveContent, true, true);
        add("event attribute", "US",
            at(R::Description, QStringLiteral("<img src=a onerror =go()>")),
            at(R::Description, QStringLiteral("Lamp: onion = 5")), Kind::ActiveContent, true, true);
        add("javascript address", "US",
            at(R::Description, QStringLiteral("<a href=\"java\tscript:go()\">x</a>")),
            at(R::Description, QStringLiteral("<a href=\"https://www.ebay.com/\">x</a>")),
            Kind::ActiveContent, true, true);
        add("refresh", "US",
            at(R::Description, QStringLiteral("<meta http-equiv='Refresh' content='0;url=x'>")),
            at(R::Description, QStringLiteral("<meta name=author content=me>")),
            Kind::ActiveContent, true, true);
        add("frame, object, embed, form", "US",
            at(R::Description, QStringLiteral("<p><iframe></iframe><object><embed><form>")),
            at(R::Description, QStringLiteral("<p>a frame, an object, a form")),
            Kind::ActiveContent, true, true);
        add("picture not https", "US",
            at(R::ImageAddress, QStringLiteral("http://i.ebayimg.com/a.jpg")),
            at(R::ImageAddress, QStringLiteral("HTTPS://i.ebayimg.com/a.jpg")),
            Kind::PictureNotHttps, false, true);
        add("a second picture not https", "US",
            at(R::ImageAddress, QStringLiteral("https://a.example/1.jpg|http://a.example/2.jpg")),
            at(R::ImageAddress, QStringLiteral("https://a.example/1.jpg| https://a.example/2.jpg")),
            Kind::PictureNotHttps, false);
        add("25 pictures", "US",
            at(R::ImageAddress, Repeated(QStringLiteral("https://a.example/%1.jpg"), 25)),
            at(R::ImageAddress, Repeated(QStringLiteral("https://a.example/%1.jpg"), 24)),
            Kind::TooManyPictures, true);
    }

    void eBaysRulesEachFindTheirRowAndNoOther() {
        QFETCH(QString, site);
        QFETCH(QStringList, breaking);
        QFETCH(QStringList, keeping);
        QFETCH(int, kind);
        QFETCH(bool, error);
        QFETCH(bool, pages);
        const bool euros = site == QLatin1String("DE");
        ItemRecord good;
        Apply(good, {QStringLiteral("1=1001"), QStringLiteral("2=Brass lamp"),
                     QStringLiteral("3=Works."), QStringLiteral("4=https://i.ebayimg.com/a.jpg"),
                     euros ? QStringLiteral("5=2.000,00 \u20AC") : QStringLiteral("5=$20.00"),
                     euros ? QStringLiteral("6=5,00 \u20AC") : QStringLiteral("6=$5.00"),
                     QStringLiteral("8=Nov-25-02 10:33:39 PST"),
                     QStringLiteral("9=Dec-02-02 10:33:39 PST"), QStringLiteral("10=13850")});
        ItemRecord bad = good;
        Apply(bad, breaking);
        if (bad.Field(ItemRecord::ItemNumber) == good.Field(ItemRecord::ItemNumber))
            bad.SetField(ItemRecord::ItemNumber, QStringLiteral("1002"));
        Apply(good, keeping);
        ItemRecord last = good;
        last.SetField(ItemRecord::ItemNumber, QStringLiteral("1003"));
        ProgramSettings settings;
        const PagePictures pictures{QString()};
        const PageInputs inputs = PageInputs::Take(
            settings, {QStringLiteral("me"), QStringLiteral("Leeds"), QStringLiteral("UK")},
            pictures);
        ListingOptions options;
        options.site = site;
        const std::vector<CatalogueFinding> findings =
            ListingCheck::Run({good, bad, last}, inputs, options, CatalogueColumns(), 0, kNow);
        QCOMPARE(findings.size(), size_t(1));
        QCOMPARE(findings[0].row, 2);
        QCOMPARE(int(findings[0].kind), kind);
        QCOMPARE(findings[0].IsError(), error);
        const std::vector<CatalogueFinding> forPages =
            CatalogueCheck::Run({good, bad, last}, inputs.seller, QString());
        QCOMPARE(forPages.size(), size_t(pages ? 1 : 0));
    }

    // A kept column named as eBay's file names it gives the row's value there over the
    // shared one, an empty cell leaving the shared one; a row of format FixedPrice sells at
    // its price until cancelled. "!Name" is a heading the file has not.
    void keptColumnsGiveTheRowsValues_data() {
        QTest::addColumn<QStringList>("kept");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<bool>("profiles");
        QTest::addColumn<QStringList>("expected");
        const auto add = [](const char* name, const char* kept, const char* values, bool profiles,
                            const char* expected) {
            QTest::newRow(name) << QString::fromUtf8(kept).split(QLatin1Char(','))
                                << QString::fromUtf8(values).split(QLatin1Char(',')) << profiles
                                << QString::fromUtf8(expected).split(QLatin1Char(';'));
        };
        add("no kept column: an auction", "Notes", "keep dry", false,
            "*Format=Auction;*Duration=7;*StartPrice=5.00;BuyItNowPrice=20.00;*Quantity=1;"
            "ScheduleTime=2002-11-25 18:33:39;!Notes;!PostalCode;!ConditionDescription");
        add("item specifics, the star dropped", "*C:Brand,C:Colour,Notes", "Acme, Red ,x", false,
            "C:Brand=Acme;C:Colour=Red;!*C:Brand;!Notes;*Format=Auction");
        add("fixed price", "Quantity,Format", "5,FixedPrice", false,
            "*Format=FixedPrice;*StartPrice=20.00;BuyItNowPrice=;*Duration=GTC;*Quantity=5;"
            "ScheduleTime=2002-11-25 18:33:39");
        add("fixed price, the rest shared", "Format,Quantity,Duration", "fixedprice,,", false,
            "*Format=FixedPrice;*Quantity=1;*Duration=GTC");
        add("an auction's own days", "Duration,Format", "3,Auction", false,
            "*Duration=3;*Format=Auction;*StartPrice=5.00");
        add("empty cells take the shared values",
            "ConditionID,PostalCode,ShippingService-1:Option,ShippingService-1:Cost", ",,,", false,
            "*ConditionID=3000;PostalCode=;ShippingService-1:Option=USPSPriority;"
            "ShippingService-1:Cost=4.95");
        add("the row's own condition, postal code and shipping",
            "ConditionID,Postal code,ShippingService-1:Option,ShippingService-1:Cost",
            "1000,LS1 4AP,USPSFirstClass,$2.50", false,
            "*ConditionID=1000;PostalCode=LS1 4AP;ShippingService-1:Option=USPSFirstClass;"
            "ShippingService-1:Cost=2.50");
        add("columns of the row's own only", "ConditionDescription,StoreCategory,PicURL",
            "Scuffed,7,https://a.example/1.jpg | https://a.example/2.jpg", false,
            "ConditionDescription=Scuffed;StoreCategory=7;"
            "PicURL=https://a.example/1.jpg|https://a.example/2.jpg");
        add("the row's own Buy It Now price", "BuyItNowPrice", "$9.00", false,
            "BuyItNowPrice=9.00;*StartPrice=5.00");
        add("the row's own policy", "ShippingProfileName,ReturnProfileName", "Heavy,", true,
            "ShippingProfileName=Heavy;ReturnProfileName=Returns 30;PaymentProfileName=PayPal");
    }

    void keptColumnsGiveTheRowsValues() {
        QFETCH(QStringList, kept);
        QFETCH(QStringList, values);
        QFETCH(bool, profiles);
        QFETCH(QStringList, expected);
        const CatalogueColumns columns = ColumnsWith(kept);
        ItemRecord item = GoodItem();
        item.SetExtras(values);
        ListingOptions options;
        if (profiles) {
            options.shippingProfile = QStringLiteral("Light");
            options.returnProfile = QStringLiteral("Returns 30");
            options.paymentProfile = QStringLiteral("PayPal");
        } else {
            options.shippingService = QStringLiteral("USPSPriority");
            options.shippingCost = QStringLiteral("$4.95");
        }
        ProgramSettings settings;
        const PagePictures pictures{QString()};
        const QStringList headings = ListingExport::Headings(options, columns);
        const QStringList row =
            ListingExport::Values(item, Inputs(settings, pictures), options, columns, kNow);
        QCOMPARE(row.size(), headings.size());
        for (const QString& want : expected) {
            if (want.startsWith(QLatin1Char('!'))) {
                QVERIFY2(!headings.contains(want.mid(1)), qPrintable(want));
                continue;
            }
            const qsizetype equals = want.indexOf(QLatin1Char('='));
            const qsizetype at = headings.indexOf(want.left(equals));
            QVERIFY2(at >= 0, qPrintable(want));
            QCOMPARE(row[at], want.mid(equals + 1));
        }
    }

    // eBay's rules for a row's own values: a row that breaks one is found with that kind
    // and severity, and the same row mended is not.
    void theRowsOwnValuesFollowEbaysRules_data() {
        QTest::addColumn<QStringList>("breaking");
        QTest::addColumn<QStringList>("keeping");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("error");
        const auto add = [](const char* name, const char* breaking, const char* keeping, Kind kind,
                            bool error) {
            QTest::newRow(name) << QString::fromUtf8(breaking).split(QLatin1Char(';'))
                                << QString::fromUtf8(keeping).split(QLatin1Char(';')) << int(kind)
                                << error;
        };
        add("an auction of five", "Quantity=5", "Quantity=1", Kind::QuantityNotTaken, true);
        add("a quantity of none", "Format=FixedPrice;Quantity=0", "Format=FixedPrice;Quantity=3",
            Kind::QuantityNotTaken, true);
        add("a quantity of 2.5", "Format=FixedPrice;Quantity=2.5", "Format=FixedPrice;Quantity=02",
            Kind::QuantityNotTaken, true);
        add("a format eBay has not", "Format=Classified", "Format=fixedprice", Kind::FormatNotTaken,
            true);
        add("a condition in words", "ConditionID=used", "ConditionID=3000",
            Kind::ConditionNotNumber, true);
        add("fixed price for 7 days", "Format=FixedPrice;Duration=7",
            "Format=FixedPrice;Duration=gtc", Kind::NoAllowedDuration, true);
        add("an auction of 2 days", "Duration=2", "Duration=10", Kind::NoAllowedDuration, true);
        add("an auction until cancelled", "Duration=GTC", "Duration=", Kind::NoAllowedDuration,
            true);
        add("no times, only a fixed price needs none",
            "Format=Auction;8=;9=", "Format=FixedPrice;8=;9=", Kind::NoAllowedDuration, true);
        add("fixed price at no amount", "Format=FixedPrice;5=ask", "Format=FixedPrice;5=$0.50",
            Kind::StartPriceNotAmount, true);
        add("a row's shipping cost in words", "ShippingService-1:Cost=free",
            "ShippingService-1:Cost=0", Kind::ShippingCostNotAmount, true);
        add("a required specific empty",
            "*C:Brand= ", "*C:Brand=Acme;C:Colour=", Kind::RequiredSpecificEmpty, true);
        add("a brand that names none", "*C:Brand=N/A", "*C:Brand=Unbranded", Kind::BrandNotTaken,
            false);
        add("see description for a brand", "*C:Brand=see  Description", "*C:Brand=Newey",
            Kind::BrandNotTaken, false);
        add("the row's Buy It Now at 1.2 times", "BuyItNowPrice=$6.00", "BuyItNowPrice=$6.50",
            Kind::PriceBelowFirstBid, false);
        add("the row's picture not https", "PicURL=http://a.example/1.jpg",
            "PicURL=https://a.example/1.jpg", Kind::PictureNotHttps, false);
    }

    void theRowsOwnValuesFollowEbaysRules() {
        QFETCH(QStringList, breaking);
        QFETCH(QStringList, keeping);
        QFETCH(int, kind);
        QFETCH(bool, error);
        const CatalogueColumns columns = ColumnsWith(
            {QStringLiteral("Quantity"), QStringLiteral("Format"), QStringLiteral("Duration"),
             QStringLiteral("ConditionID"), QStringLiteral("*C:Brand"), QStringLiteral("C:Colour"),
             QStringLiteral("ShippingService-1:Cost"), QStringLiteral("BuyItNowPrice"),
             QStringLiteral("PicURL"), QStringLiteral("Notes")});
        ItemRecord good = GoodItem();
        Apply(good, columns, {QStringLiteral("*C:Brand=Acme"), QStringLiteral("C:Colour=Red")});
        ItemRecord bad = good;
        Apply(bad, columns, breaking);
        bad.SetField(ItemRecord::ItemNumber, QStringLiteral("1002"));
        Apply(good, columns, keeping);
        ItemRecord last = good;
        last.SetField(ItemRecord::ItemNumber, QStringLiteral("1003"));
        ProgramSettings settings;
        const PagePictures pictures{QString()};
        const std::vector<CatalogueFinding> findings = ListingCheck::Run(
            {good, bad, last}, Inputs(settings, pictures), ListingOptions(), columns, 0, kNow);
        QCOMPARE(findings.size(), size_t(1));
        QCOMPARE(findings[0].row, 2);
        QCOMPARE(int(findings[0].kind), kind);
        QCOMPARE(findings[0].IsError(), error);
        if (kind == int(Kind::RequiredSpecificEmpty))
            QVERIFY(findings[0].what.contains(QLatin1String("C:Brand")));
    }

    // A category template's item specifics, stars as it writes them, eBay's notes around its
    // heading passed over; and those a catalogue has no column of, names matched as the
    // catalogue matches them.
    void templatesGiveTheirItemSpecifics_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("kept");
        QTest::addColumn<QString>("specifics");
        QTest::addColumn<QString>("missing");
        QTest::addColumn<QString>("failure");
        const auto add = [](const char* name, const QByteArray& bytes, const char* kept,
                            const char* specifics, const char* missing, const char* failure) {
            QTest::newRow(name) << bytes
                                << (*kept ? QString::fromUtf8(kept).split(QLatin1Char(','))
                                          : QStringList())
                                << QString::fromUtf8(specifics) << QString::fromUtf8(missing)
                                << QString::fromUtf8(failure);
        };
        add("signature and notes before and after",
            "\xEF\xBB\xBF#INFO,Version=1.0.0,Template=fx_category\r\n"
            "Info,Please keep this row\r\n"
            "*Action(SiteID=US|Country=US|Currency=USD|Version=1193),*Category,*Title,"
            "*C:Brand,C:Colour,\"*C:Type, Lamp\"\r\n"
            "#INFO,Item specifics are required\r\n",
            "C:Brand,Notes", "*C:Brand|C:Colour|*C:Type, Lamp", "C:Colour|*C:Type, Lamp", "");
        add("a star either side matches", "\n\n*Action,C:Colour,*C:Size\n,,\n", "*C: colour,c:size",
            "C:Colour|*C:Size", "", "");
        add("a catalogue without kept columns lacks them all", "*Action,*C:Brand\r\n", "",
            "*C:Brand", "*C:Brand", "");
        add("no item specific", "#INFO\r\n*Action,*Title,*C:\r\n", "", "", "",
            "names no item specific");
        add("notes alone", "\xEF\xBB\xBF#INFO,a\r\n#INFO,b\r\n", "", "", "", "no heading row");
        add("nothing", "", "", "", "", "no heading row");
    }

    void templatesGiveTheirItemSpecifics() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, kept);
        QFETCH(QString, specifics);
        QFETCH(QString, missing);
        QFETCH(QString, failure);
        const ListingTemplate::Result read = ListingTemplate::FromBytes(bytes);
        QCOMPARE(read.specifics.join(QLatin1Char('|')), specifics);
        QCOMPARE(read.failure.isEmpty(), failure.isEmpty());
        QVERIFY2(read.failure.contains(failure), qPrintable(read.failure));
        QCOMPARE(ListingTemplate::Missing(read, ColumnsWith(kept)).join(QLatin1Char('|')), missing);
    }
};

QTEST_APPLESS_MAIN(ListingsTest)
#include "ListingsTest.moc"
