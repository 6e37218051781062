// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/ItemRecord.h"

#include <QCollator>
#include <QCollatorSortKey>

#include <optional>
#include <vector>

// The order a grid column sorts its records in, one key per record made once, so that a
// sort compares keys and reads no text. The item number, price, first bid and category sort
// as amounts where they read as the export reads amounts ("$1,250.00", "US $19", "7.6"),
// the start and end as times where they read as the export reads times, in either form;
// everything else, and values that do not read, sorts as text by the collator. Values that
// read come first, then texts, then empty ones. Records whose values sort alike keep their
// order: Less is a strict weak ordering for a stable sort.
class SortKeys {
public:
    // Keys for position 1 to 10 of the records, record index 0 for the first.
    SortKeys(const std::vector<ItemRecord>& records, int position, const QCollator& collator);

    int Position() const { return m_position; }
    int Count() const { return int(m_keys.size()); }
    // Whether record a sorts before record b.
    bool Less(int a, int b) const;
    // The order whose reverse is the descending one: the values compare as in Less, but
    // empty ones come first, so that reversed, they stay last.
    bool LessToReverse(int a, int b) const;
    // The record indices in Less's order, those that sort alike in the records' order.
    std::vector<int> Order() const;

    // Keeps the keys in step with records changed, inserted before `index` or removed.
    void Update(int index, const ItemRecord& record);
    void Insert(int index, const ItemRecord& record);
    void Remove(int first, int count);

private:
    // The three groups, in their order.
    enum class Kind : quint8 { Read, Text, Empty };
    struct Key {
        Kind kind = Kind::Empty;
        // An amount, near enough to order most; its plain digits decide where they tie.
        double number = 0;
        QString plain;
        qint64 time = 0;
        std::optional<QCollatorSortKey> text;
    };

    Key KeyOf(const ItemRecord& record) const;
    // -1, 0 or 1 as the values of two keys of one kind order.
    int CompareValues(const Key& a, const Key& b) const;

    int m_position;
    bool m_amounts;
    bool m_times;
    QCollator m_collator;
    std::vector<Key> m_keys;
};
