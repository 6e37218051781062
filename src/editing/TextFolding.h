// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

// Texts as a find compares them: letters without their accents and in one case, so that
// "Crème BRÛLÉE" is found by "creme brulee". Characters that fold to several ("ß" and "ss")
// are not made alike. A folded text serves comparisons only: it may differ in length from
// the text it comes from.
class TextFolding {
public:
    static QString Folded(QStringView text);
    // The same appended to `folded`, for texts made of many folded pieces.
    static void AppendFolded(QString& folded, QStringView text);
};
