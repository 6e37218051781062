// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The seller's three texts that every page shows: the Seller, Location and Country boxes of
// the main window, or the options of lotcraft-pages.
struct SellerTexts {
    QString seller;
    QString location;
    QString country;

    // What the boxes hold before the seller types, and what lotcraft-pages takes when it is
    // given no texts of its own.
    static SellerTexts Starting() {
        return {QStringLiteral("Your eBay e-mail address"), QStringLiteral("Your Location"),
                QStringLiteral("Your Country")};
    }
};
