// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/ActiveContent.h"

#include "pages/HtmlTokenizer.h"

#include <algorithm>
#include <vector>

namespace {

using Token = HtmlTokenizer::Token;

// The elements that run, frame or fetch something of their own, send the buyer's input
// elsewhere, or change where the page's addresses lead.
constexpr const char* kRefusedElements[] = {"script", "iframe", "frame", "frameset", "object",
                                            "embed",  "applet", "form",  "base",     "link"};

// A value as a browser reads it for an address's scheme: the blanks and control characters
// left out (a browser drops tabs and line ends anywhere in an address, and blanks before
// it; older ones skipped a NUL, which the tokenizer has made U+FFFD), in lower case.
QString Squeezed(QStringView value) {
    QString squeezed;
    squeezed.reserve(value.size());
    for (const QChar c : value) {
        if (c.unicode() <= 0x20 || c.unicode() == 0x7F || c.unicode() == 0xFFFD)
            continue;
        squeezed += c >= u'A' && c <= u'Z' ? QChar(char16_t(c.unicode() + 0x20)) : c;
    }
    return squeezed;
}

QString InStartTag(const Token& tag) {
    for (const char* name : kRefusedElements)
        if (tag.name == QLatin1String(name))
            return u'<' + tag.name;
    for (const HtmlTokenizer::Attribute& attribute : tag.attributes) {
        if (attribute.name.startsWith(QLatin1String("on")))
            return attribute.name + u'=';
        if (tag.name == QLatin1String("meta") && attribute.name == QLatin1String("http-equiv") &&
            attribute.value.trimmed().compare(QLatin1String("refresh"), Qt::CaseInsensitive) == 0)
            return QStringLiteral("<meta http-equiv=refresh");
        // A script's address may also stand inside a value, as in a style's
        // "url(javascript:...)"; "data:" is only ever a whole address.
        const QString squeezed = Squeezed(attribute.value);
        for (const QLatin1String scheme :
             {QLatin1String("javascript:"), QLatin1String("vbscript:"), QLatin1String("data:")})
            if (squeezed.startsWith(scheme) ||
                (scheme != QLatin1String("data:") && squeezed.contains(scheme)))
                return scheme;
    }
    return QString();
}

// The text elements whose end tag the text holds. Read from inside one of them, a text is
// only text until it closes it: where it never does, that reading can find nothing, and most
// titles and descriptions close none.
std::vector<QString> ClosedTextElements(QStringView text) {
    std::vector<QString> closed;
    const qsizetype size = text.size();
    for (qsizetype at = text.indexOf(u'<'); at >= 0 && at + 2 < size;
         at = text.indexOf(u'<', at + 1)) {
        if (text[at + 1] != u'/')
            continue;
        const QStringView rest = text.sliced(at + 2);
        for (const QString& element : HtmlTokenizer::TextElements()) {
            if (rest.startsWith(element, Qt::CaseInsensitive) &&
                std::find(closed.begin(), closed.end(), element) == closed.end())
                closed.push_back(element);
        }
    }
    return closed;
}

}  // namespace

// A browser reads the content of <style>, <title> and the other text elements as text in an
// HTML page, but as markup inside <svg> or <math>, where "<![CDATA[" starts text in its turn;
// which it is depends on the elements around, which a text that goes into someone's page
// does not know. So the text is read every way at once: a reading that meets such an element
// or "<![CDATA[" goes on one way, and a copy of it the other. The text may also stand inside
// such an element itself, as a page's title does inside <title>: a reading starts inside
// each of them that the text closes. Readings that come to the same place in the same way read on
// as one, those done are dropped, and those that cross one long comment or raw text from different
// places look for its end once between them (HtmlTokenizer::SkipText): the whole takes time
// in proportion to the text's length.
QString ActiveContent::Find(QStringView text) {
    // Every piece of active content is in a tag; most titles and descriptions hold none.
    if (!text.contains(u'<'))
        return QString();
    HtmlTokenizer first(text);
    first.SkipText();
    std::vector<HtmlTokenizer> readings{first};
    for (const QString& element : ClosedTextElements(text)) {
        readings.push_back(first);
        readings.back().Resume(0, HtmlTokenizer::ContentOf(element), element);
    }
    Token token;
    while (!readings.empty()) {
        // The reading furthest behind reads on, so that findings come in the text's order.
        const auto behind = std::min_element(readings.begin(), readings.end(),
                                             [](const HtmlTokenizer& a, const HtmlTokenizer& b) {
                                                 return a.Position() < b.Position();
                                             });
        HtmlTokenizer reading = *behind;
        readings.erase(behind);
        if (!reading.Next(token))
            continue;
        HtmlTokenizer other = reading;
        bool forks = false;
        if (token.kind == HtmlTokenizer::Kind::StartTag) {
            if (const QString found = InStartTag(token); !found.isEmpty())
                return found;
            forks = reading.CurrentContent() != HtmlTokenizer::Content::Markup;
            other.Resume(token.end, HtmlTokenizer::Content::Markup);
        } else if (token.kind == HtmlTokenizer::Kind::Comment &&
                   text.sliced(token.start).startsWith(u"<![CDATA[")) {
            forks = true;
            other.Resume(token.start, HtmlTokenizer::Content::CdataSection);
        }
        const auto keep = [&readings, &text](const HtmlTokenizer& next) {
            if (next.Position() < text.size() &&
                std::find(readings.begin(), readings.end(), next) == readings.end())
                readings.push_back(next);
        };
        keep(reading);
        if (forks)
            keep(other);
    }
    return QString();
}
