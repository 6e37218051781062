#pragma once

#include <QString>

#include <array>

// The thirteen eBay addresses of the item whose page is being written, numbered 1 to 13.
// Entries 9 and 11 repeat 5 and 4 and are not used by the page.
class LinkTable {
public:
    static constexpr int Count = 13;

    // Rebuilds every entry, in order, from the item number and the Seller text, both taken
    // as they stand.
    void Fill(const QString& itemNumber, const QString& sellerText);
    // Empties every entry.
    void Clear();

    // Entry 1 to 13; throws LotcraftError outside.
    const QString& Link(int entry) const;

private:
    std::array<QString, Count> m_links;
};
