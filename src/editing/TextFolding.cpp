// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/TextFolding.h"

#include <array>

namespace {

bool IsMark(QChar::Category category) {
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
           category == QChar::Mark_Enclosing;
}

// Compatibility decomposition splits accents from their letters and ligatures into their
// letters; the accents are dropped, then the case is folded. Each character folds on its
// own: decomposition only reorders the accents that are dropped here, so a text folds as
// the characters it is made of.
QString SlowFolded(QStringView text) {
    const QString decomposed = text.toString().normalized(QString::NormalizationForm_KD);
    QString kept;
    kept.reserve(decomposed.size());
    for (qsizetype k = 0; k < decomposed.size(); ++k) {
        const bool pair = decomposed[k].isHighSurrogate() && k + 1 < decomposed.size() &&
                          decomposed[k + 1].isLowSurrogate();
        const char32_t code = pair ? QChar::surrogateToUcs4(decomposed[k], decomposed[k + 1])
                                   : decomposed[k].unicode();
        if (!IsMark(QChar::category(code)))
            kept += decomposed.sliced(k, pair ? 2 : 1);
        k += pair ? 1 : 0;
    }
    return kept.toCaseFolded();
}

// The Latin letters with their accents, and the accents typed apart, are most of what is
// not ASCII in a catalogue: their foldings are made once.
constexpr char16_t kTableEnd = 0x370;
const std::array<QString, kTableEnd>& Table() {
    static const std::array<QString, kTableEnd> table = [] {
        std::array<QString, kTableEnd> folded;
        for (char16_t u = 0x80; u < kTableEnd; ++u)
            folded[u] = SlowFolded(QStringView(&u, 1));
        return folded;
    }();
    return table;
}

}  // namespace

QString TextFolding::Folded(QStringView text) {
    QString folded;
    AppendFolded(folded, text);
    return folded;
}

void TextFolding::AppendFolded(QString& folded, QStringView text) {
    folded.reserve(folded.size() + text.size());
    const qsizetype size = text.size();
    for (qsizetype k = 0; k < size;) {
        const char16_t u = text[k].unicode();
        if (u < 0x80) {
            folded += QChar(u >= 'A' && u <= 'Z' ? char16_t(u + ('a' - 'A')) : u);
            ++k;
        } else if (u < kTableEnd) {
            folded += Table()[u];
            ++k;
        } else {
            // Other scripts, a run at a time; surrogate pairs stay whole in a run.
            qsizetype end = k + 1;
            while (end < size && text[end].unicode() >= kTableEnd)
                ++end;
            folded += SlowFolded(text.sliced(k, end - k));
            k = end;
        }
    }
}
