// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The values every listing of an export shares and the catalogue lacks: the item condition,
// the days to dispatch, and either the names of the seller's business policies on eBay or
// whether returns are accepted.
struct ListingOptions {
    // eBay's condition numbers offered by name; any other number may be given.
    static constexpr int ConditionNew = 1000;
    static constexpr int ConditionUsed = 3000;
    static constexpr int ConditionForParts = 7000;
    // eBay takes a dispatch time of up to 30 days.
    static constexpr int MostDispatchDays = 30;

    QString conditionId = QString::number(ConditionUsed);
    int dispatchDays = 3;
    // The policies' names, used when any of them is given; all three then.
    QString shippingProfile;
    QString returnProfile;
    QString paymentProfile;
    // Used when no policy is named.
    bool returnsAccepted = true;

    bool UsesProfiles() const {
        return !shippingProfile.trimmed().isEmpty() || !returnProfile.trimmed().isEmpty() ||
               !paymentProfile.trimmed().isEmpty();
    }
    // What is wrong with the values, as a sentence that says what to give; empty when
    // nothing is.
    QString Problem() const;
};
