// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// One of the eBay sites a listing file may be for: its codes in the file's heading, its
// currency and how its sellers write amounts, and a few of its shipping services.
struct ListingSite {
    // As lotcraft-pages' --site and the settings name it: US, UK, DE, AU, CA, FR, IT, ES.
    QString code;
    // The site, its country and its currency as the file's heading gives them.
    QString siteId;
    QString country;
    QString currency;
    // The site as a sentence names it ("eBay Germany") and its currency ("euros"), in
    // English: lotcraft-pages speaks English, the window translates them (ShownName).
    QString name;
    QString currencyName;
    // Whether amounts are written with a decimal comma and dots or blanks between thousands
    // (1.234,50 €), as German, French, Italian and Spanish sellers write them.
    bool decimalComma = false;
    // eBay's codes of a few common shipping services of the site, offered to choose from.
    QStringList shippingServices;
    // The names the Country box may give the site's country, in lower case.
    QStringList countryNames;

    // The names in the seller's language, as the window shows them, and as the export
    // dialog offers the site: "eBay US (US dollars)".
    QString ShownName() const;
    QString ShownCurrencyName() const;
    QString ShownChoice() const;

    // The first heading of a listing file for the site.
    QString ActionHeading() const;
    // An amount as the site's sellers write it, for an example in a sentence ("$9.99",
    // "9,99 €").
    QString Example(const char* whole, const char* cents) const;

    // The eight sites, eBay US first.
    static const std::vector<ListingSite>& All();
    // The site of a code in any letter case, or nothing.
    static const ListingSite* ByCode(QStringView code);
    // The site of the country the Country box names, or nothing.
    static const ListingSite* ForCountry(QStringView country);
    // "US, UK, DE, AU, CA, FR, IT or ES".
    static QString Codes();
};
