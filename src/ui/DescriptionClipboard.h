// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Puts a listing's description on the desktop's clipboard for the seller who lists one item
// in eBay's own form: as HTML, for an editor that pastes formatted text, and as the plain
// text of the HTML, for the form's HTML view.
class DescriptionClipboard {
public:
    static void Put(const QString& descriptionSection);
};
