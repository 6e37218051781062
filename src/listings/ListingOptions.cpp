// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/ListingOptions.h"

#include <QRegularExpression>

QString ListingOptions::Problem() const {
    static const QRegularExpression number(QStringLiteral("^[1-9][0-9]{0,4}$"));
    if (!number.match(conditionId).hasMatch())
        return QStringLiteral(
                   "The condition \"%1\" is not one of eBay's condition numbers; give "
                   "%2 for New, %3 for Used, %4 for For parts, or another number "
                   "eBay lists for the category.")
            .arg(conditionId)
            .arg(ConditionNew)
            .arg(ConditionUsed)
            .arg(ConditionForParts);
    if (dispatchDays < 0 || dispatchDays > MostDispatchDays)
        return QStringLiteral(
                   "The dispatch time of %1 days is not one eBay takes; give 0 to %2 "
                   "days.")
            .arg(dispatchDays)
            .arg(MostDispatchDays);
    if (UsesProfiles() && (shippingProfile.trimmed().isEmpty() ||
                           returnProfile.trimmed().isEmpty() || paymentProfile.trimmed().isEmpty()))
        return QStringLiteral(
            "Name all three business policies (shipping, returns and payment) "
            "as they are called on eBay, or none of them and say whether "
            "returns are accepted.");
    return QString();
}
