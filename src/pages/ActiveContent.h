// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

// Finds what eBay removes from a listing or refuses it for: scripts, frames, objects,
// embedded programs, forms, a refresh that leads elsewhere, event attributes ("onclick=")
// and "javascript:" addresses.
class ActiveContent {
public:
    // The first piece of active content in the text, as it stands there ("<script",
    // "onmouseover=", "javascript:"); empty when there is none.
    static QString Find(QStringView text);
};
