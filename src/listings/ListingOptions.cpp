// SPDX-License-Identifier: GPL-3.0-or-later
#include "listings/ListingOptions.h"

#include "listings/ListingSite.h"
#include "listings/ListingValues.h"

#include <QCoreApplication>
#include <QRegularExpression>

const ListingSite& ListingOptions::Site() const {
    const ListingSite* found = ListingSite::ByCode(site);
    return found ? *found : ListingSite::All().front();
}

QString ListingOptions::ShippingCost() const {
    return ListingValues::PlainAmount(shippingCost, Site());
}

QString ListingOptions::Problem() const {
    static const QRegularExpression number(QStringLiteral("^[1-9][0-9]{0,4}$"));
    if (!ListingSite::ByCode(site))
        return QCoreApplication::translate(
                   "ListingOptions", "The site \"%1\" is not one Lotcraft exports for; give %2.")
            .arg(site, ListingSite::Codes());
    if (!number.match(conditionId).hasMatch())
        return QCoreApplication::translate(
                   "ListingOptions",
                   "The condition \"%1\" is not one of eBay's condition numbers; give "
                   "%2 for New, %3 for Used, %4 for For parts, or another number "
                   "eBay lists for the category.")
            .arg(conditionId)
            .arg(ConditionNew)
            .arg(ConditionUsed)
            .arg(ConditionForParts);
    if (dispatchDays < 0 || dispatchDays > MostDispatchDays)
        return QCoreApplication::translate(
                   "ListingOptions",
                   "The dispatch time of %1 days is not one eBay takes; give 0 to %2 "
                   "days.")
            .arg(dispatchDays)
            .arg(MostDispatchDays);
    if (UsesProfiles()) {
        if (shippingProfile.trimmed().isEmpty() || returnProfile.trimmed().isEmpty() ||
            paymentProfile.trimmed().isEmpty())
            return QCoreApplication::translate(
                "ListingOptions",
                "Name all three business policies (shipping, returns and payment) "
                "as they are called on eBay, or none of them and say how the items are "
                "sent and whether returns are accepted.");
        return QString();
    }
    const ListingSite& onSite = Site();
    if (shippingService.trimmed().isEmpty())
        return QCoreApplication::translate(
                   "ListingOptions",
                   "eBay needs a shipping service for every listing without business "
                   "policies: give the code of the service on %1 (such as %2) and its cost, "
                   "or name your business policies.")
            .arg(onSite.ShownName(), onSite.shippingServices.first());
    if (ShippingCost().isEmpty())
        return QCoreApplication::translate(
                   "ListingOptions",
                   "The shipping cost \"%1\" is not an amount in %2; give it as %3, or 0 for "
                   "free shipping.")
            .arg(shippingCost, onSite.ShownCurrencyName(), onSite.Example("4", "95"));
    if (returnsAccepted && returnsWithinDays != 14 && returnsWithinDays != 30 &&
        returnsWithinDays != 60)
        return QCoreApplication::translate(
                   "ListingOptions",
                   "Returns within %1 days is not a time eBay offers; give 14, 30 or 60 days.")
            .arg(returnsWithinDays);
    return QString();
}
