// SPDX-License-Identifier: GPL-3.0-or-later
#include "listings/ListingColumns.h"

#include "catalogue/CatalogueColumns.h"
#include "catalogue/ItemRecord.h"

#include <algorithm>

namespace {

// eBay's columns as the file heads them, in the order of ListingColumns::Column.
constexpr const char* kHeadings[ListingColumns::ColumnCount] = {
    "*Quantity",
    "*Format",
    "*Duration",
    "*ConditionID",
    "ConditionDescription",
    "PicURL",
    "BuyItNowPrice",
    "ShippingProfileName",
    "ReturnProfileName",
    "PaymentProfileName",
    "ShippingService-1:Option",
    "ShippingService-1:Cost",
    "PostalCode",
    "StoreCategory",
};

// Item specifics are the columns whose names start so, as eBay's file names them.
const QLatin1String kSpecific("c:");

}  // namespace

ListingColumns::ListingColumns(const CatalogueColumns& columns) {
    m_extras.fill(-1);
    const QStringList& names = columns.ExtraNames();
    for (int extra = 0; extra < int(names.size()); ++extra) {
        const QString key = CatalogueColumns::Key(names[extra]);
        if (key.startsWith(kSpecific) && key.size() > kSpecific.size()) {
            // A second column of one specific would give eBay's file two columns of one
            // name; the first holds it, as the first column of a field holds the field.
            const bool known = std::any_of(
                m_specifics.begin(), m_specifics.end(),
                [&](const Specific& s) { return CatalogueColumns::Key(s.heading) == key; });
            if (known)
                continue;
            const QString name = names[extra].trimmed();
            QStringView unstarred(name);
            while (unstarred.startsWith(QLatin1Char('*')))
                unstarred = unstarred.sliced(1).trimmed();
            m_specifics.push_back({unstarred.toString(), extra, unstarred.size() < name.size()});
            continue;
        }
        const int column = ColumnNamed(names[extra]);
        if (column >= 0 && m_extras[size_t(column)] < 0)
            m_extras[size_t(column)] = extra;
    }
}

int ListingColumns::ColumnNamed(QStringView name) {
    const QString key = CatalogueColumns::Key(name);
    for (int column = 0; column < ColumnCount; ++column) {
        if (key == CatalogueColumns::Key(QString::fromLatin1(kHeadings[column])))
            return column;
    }
    return -1;
}

QString ListingColumns::Heading(Column column) {
    return QLatin1String(kHeadings[size_t(column)]);
}

QString ListingColumns::Value(const ItemRecord& record, Column column) const {
    const int extra = m_extras[size_t(column)];
    return extra < 0 ? QString() : record.Extra(extra).trimmed();
}

QString ListingColumns::Value(const ItemRecord& record, const Specific& specific) {
    return record.Extra(specific.extra).trimmed();
}

ListingColumns::Format ListingColumns::FormatOf(const ItemRecord& record) const {
    const QString format = Value(record, Column::Format);
    if (format.isEmpty() || format.compare(Name(Format::Auction), Qt::CaseInsensitive) == 0)
        return Format::Auction;
    if (format.compare(Name(Format::FixedPrice), Qt::CaseInsensitive) == 0)
        return Format::FixedPrice;
    return Format::Unknown;
}

QString ListingColumns::Name(Format format) {
    return format == Format::FixedPrice ? QStringLiteral("FixedPrice") : QStringLiteral("Auction");
}

QStringList ListingColumns::Pictures(const ItemRecord& record) const {
    const QString given = Value(record, Column::Pictures);
    if (given.isEmpty())
        return record.Pictures();
    QStringList pictures;
    for (const QString& picture : given.split(QLatin1Char('|'))) {
        if (!picture.trimmed().isEmpty())
            pictures << picture.trimmed();
    }
    return pictures;
}
