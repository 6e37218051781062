// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/ActiveContent.h"

#include <QRegularExpression>

QString ActiveContent::Find(QStringView text) {
    // An event attribute counts only inside a tag, so that "onion = 5" in a sentence is no
    // finding; "javascript:" counts anywhere, blanks between its letters and all, since
    // browsers read "java script:" in an address the same way.
    static const QRegularExpression active(
        QStringLiteral("<\\s*(?:script|iframe|object|embed|form)\\b"
                       "|<\\s*meta\\b[^>]*http-equiv\\s*=\\s*[\"']?\\s*refresh"
                       "|<[a-z!][^>]*?[\\s\"'/]on[a-z]+\\s*="
                       "|j\\s*a\\s*v\\s*a\\s*s\\s*c\\s*r\\s*i\\s*p\\s*t\\s*:"),
        QRegularExpression::CaseInsensitiveOption);
    // The cheap test first: every form holds a "<" or a ":".
    if (!text.contains(QLatin1Char('<')) && !text.contains(QLatin1Char(':')))
        return QString();
    const QRegularExpressionMatch match = active.match(text);
    if (!match.hasMatch())
        return QString();
    QString found = match.captured(0);
    // An event attribute is told by its name, not by the tag before it.
    if (const qsizetype at = found.lastIndexOf(QRegularExpression(
            QStringLiteral("[\\s\"'/]on[a-z]+\\s*=$"), QRegularExpression::CaseInsensitiveOption));
        at >= 0 && !found.startsWith(QLatin1String("j"), Qt::CaseInsensitive))
        found = found.mid(at + 1);
    return found.simplified();
}
