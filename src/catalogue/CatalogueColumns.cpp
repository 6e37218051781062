// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/CatalogueColumns.h"

#include "app/LotcraftError.h"
#include "catalogue/ItemRecord.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace {

// The names each field's column goes by, as Key makes them: the window's, eBay's listing
// file's and the common ones.
struct FieldNames {
    int position;
    std::array<const char*, 4> keys;
};
constexpr FieldNames kNames[] = {
    {ItemRecord::ItemNumber, {"item", "itemnumber", "sku", "customlabel"}},
    {ItemRecord::Title, {"title", nullptr, nullptr, nullptr}},
    {ItemRecord::Description, {"description", nullptr, nullptr, nullptr}},
    {ItemRecord::ImageAddress, {"image", "picurl", "imageurl", nullptr}},
    {ItemRecord::Price, {"price", "buyitnowprice", nullptr, nullptr}},
    {ItemRecord::FirstBid, {"firstbid", "startprice", nullptr, nullptr}},
    {ItemRecord::Spare, {"spare", nullptr, nullptr, nullptr}},
    {ItemRecord::StartTime, {"started", "starttime", nullptr, nullptr}},
    {ItemRecord::EndTime, {"ends", "endtime", nullptr, nullptr}},
    {ItemRecord::Category, {"category", nullptr, nullptr, nullptr}},
};

}  // namespace

CatalogueColumns::CatalogueColumns() {
    for (int position = 1; position <= ItemRecord::FieldCount; ++position)
        m_columns.push_back({NameOfField(position), position});
}

QString CatalogueColumns::Key(QStringView name) {
    QString key;
    key.reserve(name.size());
    for (const QChar c : name) {
        if (c != QLatin1Char('*') && !c.isSpace())
            key += c.toLower();
    }
    return key;
}

int CatalogueColumns::FieldNamed(QStringView name) {
    const QString key = Key(name);
    for (const FieldNames& field : kNames) {
        for (const char* known : field.keys) {
            if (known && key == QLatin1String(known))
                return field.position;
        }
    }
    return 0;
}

QString CatalogueColumns::NameOfField(int position) {
    if (position == ItemRecord::Spare)
        return QStringLiteral("Spare");
    return QString::fromLatin1(ItemRecord::PresentationOf(position).heading);
}

std::optional<CatalogueColumns> CatalogueColumns::FromHeading(const QStringList& names) {
    CatalogueColumns columns;
    columns.m_heading = true;
    columns.m_columns.clear();
    bool taken[ItemRecord::FieldCount + 1] = {};
    for (const QString& name : names) {
        const int field = FieldNamed(name);
        if (field > 0 && !taken[field]) {
            taken[field] = true;
            columns.m_columns.push_back({name, field});
        } else {
            columns.m_columns.push_back({name, 0});
        }
    }
    if (!taken[ItemRecord::ItemNumber] || !taken[ItemRecord::Title])
        return std::nullopt;
    columns.Renumber();
    return columns;
}

bool CatalogueColumns::NamesColumns(const QStringList& values) {
    if (FromHeading(values))
        return true;
    std::vector<int> fields;
    for (const QString& value : values) {
        bool number = false;
        value.toDouble(&number);
        if (number)
            return false;
        const int field = FieldNamed(value);
        if (field > 0 && std::find(fields.begin(), fields.end(), field) == fields.end())
            fields.push_back(field);
    }
    return fields.size() >= 3;
}

void CatalogueColumns::Renumber() {
    m_extraNames.clear();
    for (Column& column : m_columns) {
        if (column.position == 0 || column.position >= ItemRecord::FirstExtraPosition) {
            column.position = ItemRecord::FirstExtraPosition + int(m_extraNames.size());
            m_extraNames << column.name;
        }
    }
}

std::vector<int> CatalogueColumns::Positions() const {
    std::vector<int> positions;
    positions.reserve(m_columns.size());
    for (const Column& column : m_columns)
        positions.push_back(column.position);
    return positions;
}

int CatalogueColumns::ExtraNamed(QStringView name) const {
    const QString key = Key(name);
    for (qsizetype index = 0; index < m_extraNames.size(); ++index) {
        if (Key(m_extraNames[index]) == key)
            return int(index);
    }
    return -1;
}

bool CatalogueColumns::HasField(int position) const {
    for (const Column& column : m_columns) {
        if (column.position == position)
            return true;
    }
    return false;
}

std::vector<int> CatalogueColumns::MissingFields() const {
    std::vector<int> missing;
    for (int position = 1; position <= ItemRecord::FieldCount; ++position) {
        if (position != ItemRecord::Spare && !HasField(position))
            missing.push_back(position);
    }
    return missing;
}

void CatalogueColumns::MatchField(int position, int extra, std::vector<ItemRecord>& records) {
    if (HasField(position) || extra < 0 || extra >= ExtraCount())
        throw LotcraftError(QCoreApplication::translate(
                                "CatalogueColumns", "field %1 cannot be matched to kept column %2")
                                .arg(position)
                                .arg(extra));
    for (Column& column : m_columns) {
        if (column.position == ItemRecord::FirstExtraPosition + extra)
            column.position = position;
    }
    for (ItemRecord& record : records) {
        QStringList extras = record.Extras();
        if (extra < extras.size()) {
            record.SetField(position, extras.takeAt(extra));
            record.SetExtras(std::move(extras));
        }
    }
    Renumber();
}

void CatalogueColumns::AddExtra(const QString& name) {
    m_heading = true;
    m_columns.push_back({name, ItemRecord::FirstExtraPosition + ExtraCount()});
    m_extraNames << name;
}

void CatalogueColumns::RemoveExtra(int extra, std::vector<ItemRecord>& records) {
    const int position = ItemRecord::FirstExtraPosition + extra;
    for (auto column = m_columns.begin(); column != m_columns.end(); ++column) {
        if (column->position == position) {
            m_columns.erase(column);
            break;
        }
    }
    for (ItemRecord& record : records) {
        if (extra < record.Extras().size()) {
            QStringList extras = record.Extras();
            extras.removeAt(extra);
            record.SetExtras(std::move(extras));
        }
    }
    Renumber();
}

QStringList CatalogueColumns::HeadingFor(const std::vector<ItemRecord>& records,
                                         std::vector<int>& positions) const {
    // A catalogue without a heading has the ten fields' columns, in order.
    positions = Positions();
    QStringList names;
    if (!m_heading) {
        // A first item whose values read as names would be taken for a heading: the file
        // is given one of its own, so that it reads back as the item it is.
        QStringList first;
        for (int position = 1; !records.empty() && position <= ItemRecord::FieldCount; ++position)
            first << records.front().Field(position);
        if (!records.empty() && NamesColumns(first)) {
            for (int position = 1; position <= ItemRecord::FieldCount; ++position)
                names << NameOfField(position);
        }
        return names;
    }
    for (const Column& column : m_columns)
        names << column.name;
    for (int position = 1; position <= ItemRecord::FieldCount; ++position) {
        if (HasField(position))
            continue;
        for (const ItemRecord& record : records) {
            if (!record.Field(position).isEmpty()) {
                names << NameOfField(position);
                positions.push_back(position);
                break;
            }
        }
    }
    return names;
}

bool CatalogueColumns::operator==(const CatalogueColumns& other) const {
    if (m_heading != other.m_heading || m_columns.size() != other.m_columns.size())
        return false;
    for (size_t index = 0; index < m_columns.size(); ++index) {
        if (m_columns[index].name != other.m_columns[index].name ||
            m_columns[index].position != other.m_columns[index].position)
            return false;
    }
    return true;
}
