#include "pages/PageEncoding.h"

namespace {

void AppendReference(QByteArray& page, char32_t codePoint) {
    page.append("&#", 2);
    page.append(QByteArray::number(static_cast<quint32>(codePoint)));
    page.append(';');
}

}  // namespace

void PageEncoding::AppendLatin1(QByteArray& page, QStringView text) {
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t unit = text[i].unicode();
        if (unit < 0x100) {
            page.append(static_cast<char>(unit));
        } else if (QChar::isHighSurrogate(unit) && i + 1 < size &&
                   QChar::isLowSurrogate(text[i + 1].unicode())) {
            AppendReference(page, QChar::surrogateToUcs4(unit, text[i + 1].unicode()));
            ++i;
        } else if (QChar::isSurrogate(unit)) {
            AppendReference(page, QChar::ReplacementCharacter);
        } else {
            AppendReference(page, unit);
        }
    }
}
