// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

// Finds what eBay removes from a listing or refuses it for, and what would run a script in
// a browser: scripts, frames, objects, embedded programs, forms, a base address or linked
// style sheet, a refresh that leads elsewhere, event attributes ("onclick=") and
// "javascript:", "vbscript:" and "data:" addresses. The text is read as a browser reads it
// (HtmlTokenizer), so that references, blanks and quoting cannot hide any of it; what stands
// outside every tag, "javascript:" or "onion = 5" in a sentence, is only text.
class ActiveContent {
public:
    // The first piece of active content in the text, in a few words ("<script",
    // "onmouseover=", "javascript:", "<meta http-equiv=refresh"); empty when there is none.
    static QString Find(QStringView text);
};
