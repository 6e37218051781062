// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/PageEncoding.h"

#include <algorithm>

namespace {

void AppendReference(QByteArray& page, char32_t codePoint) {
    page.append("&#", 2);
    page.append(QByteArray::number(static_cast<quint32>(codePoint)));
    page.append(';');
}

}  // namespace

void PageEncoding::AppendLatin1(QByteArray& page, QStringView text) {
    const char16_t* units = text.utf16();
    const qsizetype size = text.size();
    // Nearly every value is Latin-1 through and through: test that first, then narrow it in
    // one go (both loops are simple enough for the compiler to vectorise).
    char16_t high = 0;
    for (qsizetype i = 0; i < size; ++i)
        high |= units[i] & 0xFF00;
    if (high == 0) {
        const qsizetype at = page.size();
        page.resize(at + size);
        char* out = page.data() + at;
        for (qsizetype i = 0; i < size; ++i)
            out[i] = static_cast<char>(units[i]);
        return;
    }
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t unit = units[i];
        if (unit < 0x100) {
            page.append(static_cast<char>(unit));
        } else if (QChar::isHighSurrogate(unit) && i + 1 < size &&
                   QChar::isLowSurrogate(units[i + 1])) {
            AppendReference(page, QChar::surrogateToUcs4(unit, units[i + 1]));
            ++i;
        } else {
            AppendReference(page, QChar::isSurrogate(unit) ? char32_t(QChar::ReplacementCharacter)
                                                           : char32_t(unit));
        }
    }
}

QString PageEncoding::AsHtmlText(const QString& text) {
    const auto special = [](QChar c) {
        return c == QLatin1Char('&') || c == QLatin1Char('<') || c == QLatin1Char('>') ||
               c == QLatin1Char('"');
    };
    const auto first = std::find_if(text.begin(), text.end(), special);
    if (first == text.end())
        return text;
    QString escaped;
    escaped.reserve(text.size() + 16);
    escaped.append(QStringView(text.begin(), first));
    for (auto at = first; at != text.end(); ++at) {
        switch (at->unicode()) {
            case '&': escaped.append(QLatin1String("&amp;")); break;
            case '<': escaped.append(QLatin1String("&lt;")); break;
            case '>': escaped.append(QLatin1String("&gt;")); break;
            case '"': escaped.append(QLatin1String("&quot;")); break;
            default: escaped.append(*at); break;
        }
    }
    return escaped;
}
