// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/KeptSettings.h"

#include "listings/ListingSite.h"
#include "pages/SchemeTable.h"
#include "ui/LayoutDialog.h"

#include <QCryptographicHash>
#include <QSettings>

namespace {

// A kept index, when it is a whole number from 1 to last.
qint16 IndexOr(const QVariant& value, qint16 last, qint16 otherwise) {
    bool whole = false;
    const int index = value.toInt(&whole);
    return whole && index >= 1 && index <= last ? qint16(index) : otherwise;
}

QString TextOr(const QSettings& store, const QString& key, const QString& otherwise) {
    const QVariant value = store.value(key);
    return value.isValid() && value.canConvert<QString>() ? value.toString() : otherwise;
}

}  // namespace

KeptSettings::Values KeptSettings::Read(const Values& starting, QString* notice) const {
    if (m_store.status() != QSettings::NoError) {
        // QSettings writes over a file it found broken: what it could make of it, and what is
        // set since. A file it could not open is not promised to be written.
        const QString file = m_store.fileName();
        if (notice && m_store.status() == QSettings::FormatError)
            *notice = QStringLiteral(
                          "The settings kept in %1 are not in the form Lotcraft writes "
                          "them, so Lotcraft starts with its first settings and "
                          "writes this run's over that file.")
                          .arg(file);
        else if (notice)
            *notice = QStringLiteral(
                          "The settings kept in %1 could not be read, so Lotcraft "
                          "starts with its first settings.")
                          .arg(file);
        return starting;
    }
    Values values;
    values.seller.seller = TextOr(m_store, QStringLiteral("seller/name"), starting.seller.seller);
    values.seller.location =
        TextOr(m_store, QStringLiteral("seller/location"), starting.seller.location);
    values.seller.country =
        TextOr(m_store, QStringLiteral("seller/country"), starting.seller.country);
    values.layoutIndex = IndexOr(m_store.value(QStringLiteral("pages/layout")),
                                 qint16(LayoutDialog::LayoutCount), starting.layoutIndex);
    values.schemeIndex = IndexOr(m_store.value(QStringLiteral("pages/scheme")),
                                 qint16(SchemeTable::LastScheme), starting.schemeIndex);
    values.outputFolder =
        TextOr(m_store, QStringLiteral("pages/outputFolder"), starting.outputFolder);
    values.catalogueFolder =
        TextOr(m_store, QStringLiteral("catalogue/folder"), starting.catalogueFolder);
    values.windowGeometry = m_store.value(QStringLiteral("window/geometry")).toByteArray();
    return values;
}

void KeptSettings::Write(const Values& values) {
    m_store.setValue(QStringLiteral("seller/name"), values.seller.seller);
    m_store.setValue(QStringLiteral("seller/location"), values.seller.location);
    m_store.setValue(QStringLiteral("seller/country"), values.seller.country);
    m_store.setValue(QStringLiteral("pages/layout"), int(values.layoutIndex));
    m_store.setValue(QStringLiteral("pages/scheme"), int(values.schemeIndex));
    m_store.setValue(QStringLiteral("pages/outputFolder"), values.outputFolder);
    m_store.setValue(QStringLiteral("catalogue/folder"), values.catalogueFolder);
    m_store.setValue(QStringLiteral("window/geometry"), values.windowGeometry);
    m_store.sync();
}

ListingOptions KeptSettings::ReadListingOptions(const ListingOptions& starting) const {
    if (m_store.status() != QSettings::NoError)
        return starting;
    ListingOptions options;
    options.conditionId =
        TextOr(m_store, QStringLiteral("listings/condition"), starting.conditionId);
    bool whole = false;
    const int days = m_store.value(QStringLiteral("listings/dispatchDays")).toInt(&whole);
    options.dispatchDays = whole && days >= 0 && days <= ListingOptions::MostDispatchDays
                               ? days
                               : starting.dispatchDays;
    options.shippingProfile =
        TextOr(m_store, QStringLiteral("listings/shippingProfile"), starting.shippingProfile);
    options.returnProfile =
        TextOr(m_store, QStringLiteral("listings/returnProfile"), starting.returnProfile);
    options.paymentProfile =
        TextOr(m_store, QStringLiteral("listings/paymentProfile"), starting.paymentProfile);
    const QVariant accepted = m_store.value(QStringLiteral("listings/returnsAccepted"));
    options.returnsAccepted = accepted.isValid() ? accepted.toBool() : starting.returnsAccepted;
    const QString site = TextOr(m_store, QStringLiteral("listings/site"), starting.site);
    options.site = ListingSite::ByCode(site) ? site : starting.site;
    options.postalCode =
        TextOr(m_store, QStringLiteral("listings/postalCode"), starting.postalCode);
    options.shippingService =
        TextOr(m_store, QStringLiteral("listings/shippingService"), starting.shippingService);
    options.shippingCost =
        TextOr(m_store, QStringLiteral("listings/shippingCost"), starting.shippingCost);
    const int within = m_store.value(QStringLiteral("listings/returnsWithinDays")).toInt(&whole);
    options.returnsWithinDays = whole && (within == 14 || within == 30 || within == 60)
                                    ? within
                                    : starting.returnsWithinDays;
    const QVariant buyerPays = m_store.value(QStringLiteral("listings/buyerPaysReturn"));
    options.buyerPaysReturn = buyerPays.isValid() ? buyerPays.toBool() : starting.buyerPaysReturn;
    return options;
}

void KeptSettings::WriteListingOptions(const ListingOptions& options) {
    m_store.setValue(QStringLiteral("listings/condition"), options.conditionId);
    m_store.setValue(QStringLiteral("listings/dispatchDays"), options.dispatchDays);
    m_store.setValue(QStringLiteral("listings/shippingProfile"), options.shippingProfile);
    m_store.setValue(QStringLiteral("listings/returnProfile"), options.returnProfile);
    m_store.setValue(QStringLiteral("listings/paymentProfile"), options.paymentProfile);
    m_store.setValue(QStringLiteral("listings/returnsAccepted"), options.returnsAccepted);
    m_store.setValue(QStringLiteral("listings/site"), options.site);
    m_store.setValue(QStringLiteral("listings/postalCode"), options.postalCode);
    m_store.setValue(QStringLiteral("listings/shippingService"), options.shippingService);
    m_store.setValue(QStringLiteral("listings/shippingCost"), options.shippingCost);
    m_store.setValue(QStringLiteral("listings/returnsWithinDays"), options.returnsWithinDays);
    m_store.setValue(QStringLiteral("listings/buyerPaysReturn"), options.buyerPaysReturn);
    m_store.sync();
}

namespace {

// A heading's key among the kept matches: the hash of its names, as a key holds no commas
// or slashes.
QString MatchesKey(const QStringList& heading) {
    return QStringLiteral("columnMatches/") +
           QString::fromLatin1(QCryptographicHash::hash(heading.join(QLatin1Char('\n')).toUtf8(),
                                                        QCryptographicHash::Sha1)
                                   .toHex());
}

}  // namespace

QStringList KeptSettings::ReadColumnMatches(const QStringList& heading) const {
    return m_store.value(MatchesKey(heading)).toStringList();
}

void KeptSettings::WriteColumnMatches(const QStringList& heading, const QStringList& matches) {
    m_store.setValue(MatchesKey(heading), matches);
    m_store.sync();
}
