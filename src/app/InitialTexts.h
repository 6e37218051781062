#pragma once

#include <QString>

// The texts the Seller, Location and Country boxes start with; a page program without a
// window uses them when it is given no texts of its own.
class InitialTexts {
public:
    static QString Seller() { return QStringLiteral("Your eBay e-mail address"); }
    static QString Location() { return QStringLiteral("Your Location"); }
    static QString Country() { return QStringLiteral("Your Country"); }
};
