// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/SortKeys.h"

#include "listings/ListingSite.h"
#include "listings/ListingValues.h"

#include <algorithm>
#include <numeric>

namespace {

bool IsBlank(QStringView text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.isSpace(); });
}

// An amount as the export reads one: in dollars as on eBay US, or else in the currency of
// the first site whose sellers write it so ("£40.00", "1.234,50 €").
std::optional<QString> AmountOf(QStringView text) {
    static const ListingSite* const us = ListingSite::ByCode(u"US");
    const ListingValues::Amount amount = ListingValues::ReadAmount(text, *us);
    if (amount.plain || amount.otherCurrency.isEmpty())
        return amount.plain;
    for (const ListingSite& site : ListingSite::All()) {
        if (std::optional<QString> plain = ListingValues::ReadAmount(text, site).plain)
            return plain;
    }
    return std::nullopt;
}

}  // namespace

SortKeys::SortKeys(const std::vector<ItemRecord>& records, int position, const QCollator& collator)
    : m_position(position),
      m_amounts(position == ItemRecord::ItemNumber || position == ItemRecord::Price ||
                position == ItemRecord::FirstBid || position == ItemRecord::Category ||
                position >= ItemRecord::FirstExtraPosition),
      m_times(position == ItemRecord::StartTime || position == ItemRecord::EndTime),
      m_collator(collator) {
    m_keys.reserve(records.size());
    for (const ItemRecord& record : records)
        m_keys.push_back(KeyOf(record));
}

SortKeys::Key SortKeys::KeyOf(const ItemRecord& record) const {
    const QString& value = record.Value(m_position);
    Key key;
    if (IsBlank(value))
        return key;
    if (m_amounts) {
        if (std::optional<QString> plain = AmountOf(value)) {
            key.kind = Kind::Read;
            key.number = plain->toDouble();
            key.plain = std::move(*plain);
            return key;
        }
    } else if (m_times) {
        const QDateTime time = ListingValues::TimeOf(value);
        if (time.isValid()) {
            key.kind = Kind::Read;
            key.time = time.toMSecsSinceEpoch();
            return key;
        }
    }
    key.kind = Kind::Text;
    key.text = m_collator.sortKey(value);
    return key;
}

int SortKeys::CompareValues(const Key& a, const Key& b) const {
    switch (a.kind) {
        case Kind::Read:
            if (m_times)
                return a.time < b.time ? -1 : (a.time > b.time ? 1 : 0);
            // Reading a decimal rounds, but never past a larger one: unequal numbers order
            // as their amounts do, and equal ones may still be different amounts.
            if (a.number != b.number)
                return a.number < b.number ? -1 : 1;
            return ListingValues::Compare(a.plain, b.plain);
        case Kind::Text: return a.text->compare(*b.text);
        case Kind::Empty: return 0;
    }
    return 0;
}

bool SortKeys::Less(int a, int b) const {
    const Key& x = m_keys[size_t(a)];
    const Key& y = m_keys[size_t(b)];
    if (x.kind != y.kind)
        return x.kind < y.kind;
    return CompareValues(x, y) < 0;
}

bool SortKeys::LessToReverse(int a, int b) const {
    const Key& x = m_keys[size_t(a)];
    const Key& y = m_keys[size_t(b)];
    if (x.kind != y.kind)
        return x.kind > y.kind;
    return CompareValues(x, y) < 0;
}

std::vector<int> SortKeys::Order() const {
    std::vector<int> order(m_keys.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) { return Less(a, b); });
    return order;
}

void SortKeys::Update(int index, const ItemRecord& record) {
    m_keys[size_t(index)] = KeyOf(record);
}

void SortKeys::Insert(int index, const ItemRecord& record) {
    m_keys.insert(m_keys.begin() + index, KeyOf(record));
}

void SortKeys::Remove(int first, int count) {
    m_keys.erase(m_keys.begin() + first, m_keys.begin() + first + count);
}
