// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// Pages are written in ISO-8859-1, as they declare. A character inside it is one byte; any
// other character is written as a numeric character reference ("&#8364;" for the euro
// sign), one reference per character even where it takes two UTF-16 units. A lone
// surrogate, which names no character, becomes the replacement character "&#65533;".
class PageEncoding {
public:
    static void AppendLatin1(QByteArray& page, QStringView text);

    // A value that is text, not markup, as a page must hold it for the browser to show it as
    // typed: "&", "<", ">" and '"' as character references, in text and in attributes alike.
    // A value without them is given back as it is, without a copy.
    static QString AsHtmlText(const QString& text);
};
