// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>

// One column of the colour scheme table: 21 texts with the fixed bounds 0 to 20.
// Only 1 to 19 hold schemes; 0 and 20 stay empty. An index outside the bounds throws
// LotcraftError, for reading and for writing alike.
class SchemeArray {
public:
    static constexpr int Lowest = 0;
    static constexpr int Highest = 20;

    const QString& At(int index) const;
    void Set(int index, const QString& value);

private:
    static void CheckIndex(int index);

    std::array<QString, Highest - Lowest + 1> m_entries;
};
