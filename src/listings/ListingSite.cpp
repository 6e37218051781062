// SPDX-License-Identifier: GPL-3.0-or-later
#include "listings/ListingSite.h"

#include <QCoreApplication>

namespace {

std::vector<ListingSite> MakeSites() {
    const auto site = [](const char* code, const char* siteId, const char* country,
                         const char* currency, const char* name, const char* currencyName,
                         bool decimalComma, QStringList services, QStringList countryNames) {
        ListingSite s;
        s.code = QLatin1String(code);
        s.siteId = QLatin1String(siteId);
        s.country = QLatin1String(country);
        s.currency = QLatin1String(currency);
        s.name = QLatin1String(name);
        s.currencyName = QLatin1String(currencyName);
        s.decimalComma = decimalComma;
        s.shippingServices = std::move(services);
        s.countryNames = std::move(countryNames);
        return s;
    };
    return {
        site("US", "US", "US", "USD", QT_TRANSLATE_NOOP("ListingSite", "eBay US"),
             QT_TRANSLATE_NOOP("ListingSite", "US dollars"), false,
             {QStringLiteral("USPSGroundAdvantage"), QStringLiteral("USPSPriority"),
              QStringLiteral("USPSMedia"), QStringLiteral("UPSGround"),
              QStringLiteral("FedExHomeDelivery")},
             {QStringLiteral("united states"), QStringLiteral("united states of america"),
              QStringLiteral("usa"), QStringLiteral("us"), QStringLiteral("america")}),
        site("UK", "UK", "GB", "GBP", QT_TRANSLATE_NOOP("ListingSite", "eBay UK"),
             QT_TRANSLATE_NOOP("ListingSite", "pounds"), false,
             {QStringLiteral("UK_RoyalMailSecondClassStandard"),
              QStringLiteral("UK_RoyalMailFirstClassStandard"),
              QStringLiteral("UK_RoyalMailSpecialDeliveryNextDay"),
              QStringLiteral("UK_OtherCourier24")},
             {QStringLiteral("united kingdom"), QStringLiteral("uk"), QStringLiteral("gb"),
              QStringLiteral("great britain"), QStringLiteral("britain"), QStringLiteral("england"),
              QStringLiteral("scotland"), QStringLiteral("wales"),
              QStringLiteral("northern ireland")}),
        site("DE", "Germany", "DE", "EUR", QT_TRANSLATE_NOOP("ListingSite", "eBay Germany"),
             QT_TRANSLATE_NOOP("ListingSite", "euros"), true,
             {QStringLiteral("DE_DHLPaket"), QStringLiteral("DE_DeutschePostBrief"),
              QStringLiteral("DE_HermesPaket"), QStringLiteral("DE_DPDPaket")},
             {QStringLiteral("germany"), QStringLiteral("deutschland"), QStringLiteral("de")}),
        site("AU", "Australia", "AU", "AUD", QT_TRANSLATE_NOOP("ListingSite", "eBay Australia"),
             QT_TRANSLATE_NOOP("ListingSite", "Australian dollars"), false,
             {QStringLiteral("AU_Regular"), QStringLiteral("AU_Express"),
              QStringLiteral("AU_Registered")},
             {QStringLiteral("australia"), QStringLiteral("au")}),
        site("CA", "Canada", "CA", "CAD", QT_TRANSLATE_NOOP("ListingSite", "eBay Canada"),
             QT_TRANSLATE_NOOP("ListingSite", "Canadian dollars"), false,
             {QStringLiteral("CA_PostRegularParcel"), QStringLiteral("CA_PostExpeditedParcel"),
              QStringLiteral("CA_PostXpresspost")},
             {QStringLiteral("canada"), QStringLiteral("ca")}),
        site("FR", "France", "FR", "EUR", QT_TRANSLATE_NOOP("ListingSite", "eBay France"),
             QT_TRANSLATE_NOOP("ListingSite", "euros"), true,
             {QStringLiteral("FR_ColiposteColissimo"), QStringLiteral("FR_LaPosteLetter"),
              QStringLiteral("FR_Chronopost")},
             {QStringLiteral("france"), QStringLiteral("fr")}),
        site("IT", "Italy", "IT", "EUR", QT_TRANSLATE_NOOP("ListingSite", "eBay Italy"),
             QT_TRANSLATE_NOOP("ListingSite", "euros"), true,
             {QStringLiteral("IT_RegularMail"), QStringLiteral("IT_ExpressCourier"),
              QStringLiteral("IT_RaccomandataConRicevuta")},
             {QStringLiteral("italy"), QStringLiteral("italia"), QStringLiteral("it")}),
        site("ES", "Spain", "ES", "EUR", QT_TRANSLATE_NOOP("ListingSite", "eBay Spain"),
             QT_TRANSLATE_NOOP("ListingSite", "euros"), true,
             {QStringLiteral("ES_CartasNacionalesHasta20"), QStringLiteral("ES_PaqueteAzul"),
              QStringLiteral("ES_Urgente")},
             {QStringLiteral("spain"), QStringLiteral("espa\u00F1a"), QStringLiteral("espana"),
              QStringLiteral("es")}),
    };
}

}  // namespace

QString ListingSite::ActionHeading() const {
    // CC=UTF-8 tells eBay the file's text is UTF-8, as its own templates do.
    return QStringLiteral("*Action(SiteID=%1|Country=%2|Currency=%3|Version=1193|CC=UTF-8)")
        .arg(siteId, country, currency);
}

QString ListingSite::Example(const char* whole, const char* cents) const {
    const QString number =
        QLatin1String(whole) + QLatin1Char(decimalComma ? ',' : '.') + QLatin1String(cents);
    if (currency == QLatin1String("EUR"))
        return number + QStringLiteral(" \u20AC");
    if (currency == QLatin1String("GBP"))
        return QStringLiteral("\u00A3") + number;
    if (currency == QLatin1String("AUD"))
        return QStringLiteral("AU $") + number;
    if (currency == QLatin1String("CAD"))
        return QStringLiteral("C $") + number;
    return QStringLiteral("$") + number;
}

const std::vector<ListingSite>& ListingSite::All() {
    static const std::vector<ListingSite> sites = MakeSites();
    return sites;
}

const ListingSite* ListingSite::ByCode(QStringView code) {
    for (const ListingSite& site : All()) {
        if (code.trimmed().compare(site.code, Qt::CaseInsensitive) == 0)
            return &site;
    }
    return nullptr;
}

const ListingSite* ListingSite::ForCountry(QStringView country) {
    const QString name = country.trimmed().toString().toLower();
    for (const ListingSite& site : All()) {
        if (site.countryNames.contains(name))
            return &site;
    }
    return nullptr;
}

QString ListingSite::Codes() {
    QStringList codes;
    for (const ListingSite& site : All())
        codes << site.code;
    const QString last = codes.takeLast();
    return QCoreApplication::translate("ListingSite", "%1 or %2")
        .arg(codes.join(QStringLiteral(", ")), last);
}

QString ListingSite::ShownName() const {
    return QCoreApplication::translate("ListingSite", name.toUtf8().constData());
}

QString ListingSite::ShownCurrencyName() const {
    return QCoreApplication::translate("ListingSite", currencyName.toUtf8().constData());
}

QString ListingSite::ShownChoice() const {
    return QCoreApplication::translate("ListingSite", "%1 (%2)")
        .arg(ShownName(), ShownCurrencyName());
}
