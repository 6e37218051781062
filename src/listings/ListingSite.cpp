// SPDX-License-Identifier: GPL-3.0-or-later
#include "listings/ListingSite.h"

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
        site("US", "US", "US", "USD", "eBay US", "US dollars", false,
             {QStringLiteral("USPSGroundAdvantage"), QStringLiteral("USPSPriority"),
              QStringLiteral("USPSMedia"), QStringLiteral("UPSGround"),
              QStringLiteral("FedExHomeDelivery")},
             {QStringLiteral("united states"), QStringLiteral("united states of america"),
              QStringLiteral("usa"), QStringLiteral("us"), QStringLiteral("america")}),
        site("UK", "UK", "GB", "GBP", "eBay UK", "pounds", false,
             {QStringLiteral("UK_RoyalMailSecondClassStandard"),
              QStringLiteral("UK_RoyalMailFirstClassStandard"),
              QStringLiteral("UK_RoyalMailSpecialDeliveryNextDay"),
              QStringLiteral("UK_OtherCourier24")},
             {QStringLiteral("united kingdom"), QStringLiteral("uk"), QStringLiteral("gb"),
              QStringLiteral("great britain"), QStringLiteral("britain"), QStringLiteral("england"),
              QStringLiteral("scotland"), QStringLiteral("wales"),
              QStringLiteral("northern ireland")}),
        site("DE", "Germany", "DE", "EUR", "eBay Germany", "euros", true,
             {QStringLiteral("DE_DHLPaket"), QStringLiteral("DE_DeutschePostBrief"),
              QStringLiteral("DE_HermesPaket"), QStringLiteral("DE_DPDPaket")},
             {QStringLiteral("germany"), QStringLiteral("deutschland"), QStringLiteral("de")}),
        site("AU", "Australia", "AU", "AUD", "eBay Australia", "Australian dollars", false,
             {QStringLiteral("AU_Regular"), QStringLiteral("AU_Express"),
              QStringLiteral("AU_Registered")},
             {QStringLiteral("australia"), QStringLiteral("au")}),
        site("CA", "Canada", "CA", "CAD", "eBay Canada", "Canadian dollars", false,
             {QStringLiteral("CA_PostRegularParcel"), QStringLiteral("CA_PostExpeditedParcel"),
              QStringLiteral("CA_PostXpresspost")},
             {QStringLiteral("canada"), QStringLiteral("ca")}),
        site("FR", "France", "FR", "EUR", "eBay France", "euros", true,
             {QStringLiteral("FR_ColiposteColissimo"), QStringLiteral("FR_LaPosteLetter"),
              QStringLiteral("FR_Chronopost")},
             {QStringLiteral("france"), QStringLiteral("fr")}),
        site("IT", "Italy", "IT", "EUR", "eBay Italy", "euros", true,
             {QStringLiteral("IT_RegularMail"), QStringLiteral("IT_ExpressCourier"),
              QStringLiteral("IT_RaccomandataConRicevuta")},
             {QStringLiteral("italy"), QStringLiteral("italia"), QStringLiteral("it")}),
        site("ES", "Spain", "ES", "EUR", "eBay Spain", "euros", true,
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
    return codes.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}
