// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct ListingSite;

// The values every listing of an export shares and the catalogue lacks: the eBay site, the
// item condition, the days to dispatch, and either the names of the seller's business
// policies on eBay or the shipping service and its cost and whether (and how) returns are
// accepted.
struct ListingOptions {
    // eBay's condition numbers offered by name; any other number may be given.
    static constexpr int ConditionNew = 1000;
    static constexpr int ConditionUsed = 3000;
    static constexpr int ConditionForParts = 7000;
    // eBay takes a dispatch time of up to 30 days.
    static constexpr int MostDispatchDays = 30;

    // The site's code (ListingSite::code).
    QString site = QStringLiteral("US");
    QString conditionId = QString::number(ConditionUsed);
    int dispatchDays = 3;
    // Where the items are sent from, beside the location; may be empty.
    QString postalCode;
    // The policies' names, used when any of them is given; all three then.
    QString shippingProfile;
    QString returnProfile;
    QString paymentProfile;
    // Used when no policy is named: eBay's code of the shipping service and its cost, as the
    // site's sellers write amounts, and the returns.
    QString shippingService;
    QString shippingCost;
    bool returnsAccepted = true;
    // With returns accepted: the days a buyer has to return an item (14, 30 or 60), and who
    // pays to send it back.
    int returnsWithinDays = 30;
    bool buyerPaysReturn = true;

    bool UsesProfiles() const {
        return !shippingProfile.trimmed().isEmpty() || !returnProfile.trimmed().isEmpty() ||
               !paymentProfile.trimmed().isEmpty();
    }
    // The site, or eBay US when the code names none.
    const ListingSite& Site() const;
    // The shipping cost as a plain number ("4.95"), read as the site's sellers write it;
    // empty when it is not an amount.
    QString ShippingCost() const;
    // What is wrong with the values, as a sentence that says what to give; empty when
    // nothing is.
    QString Problem() const;
};
