// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/HtmlTokenizer.h"

#include <algorithm>

namespace {

using Kind = HtmlTokenizer::Kind;
using Content = HtmlTokenizer::Content;

constexpr char16_t kReplacement = 0xFFFD;

struct TextElement {
    const char* name;
    Content content;
};

// A browser reads a script's content with rules of its own about "<!--" and "<script" in
// it, which can put its end further on; here it is raw text up to its first end tag, which
// is as far as anyone looking for active content needs to read. <noscript> holds text where
// scripts run, and that is where what it holds matters.
constexpr TextElement kTextElements[] = {
    {"script", Content::RawText},
    {"style", Content::RawText},
    {"xmp", Content::RawText},
    {"iframe", Content::RawText},
    {"noembed", Content::RawText},
    {"noframes", Content::RawText},
    {"noscript", Content::RawText},
    {"title", Content::EscapableRawText},
    {"textarea", Content::EscapableRawText},
    {"plaintext", Content::PlainText},
};

struct NamedReference {
    const char* name;  // as a browser spells it: the case counts
    char16_t value;
    bool legacy;  // read without its ";" too, as pages written before HTML 4 have it
};

// The references that can spell an address's scheme or the blanks inside it, the rest of
// ASCII's punctuation, and the signs a listing is likely to hold. A name a browser knows
// and this table does not stays as written: none of them gives an ASCII character that
// could make an address of anything.
constexpr NamedReference kNamed[] = {
    {"amp", u'&', true},       {"AMP", u'&', true},      {"lt", u'<', true},
    {"LT", u'<', true},        {"gt", u'>', true},       {"GT", u'>', true},
    {"quot", u'"', true},      {"QUOT", u'"', true},     {"apos", u'\'', false},
    {"nbsp", 0xA0, true},      {"colon", u':', false},   {"Tab", u'\t', false},
    {"NewLine", u'\n', false}, {"sol", u'/', false},     {"lpar", u'(', false},
    {"rpar", u')', false},     {"period", u'.', false},  {"comma", u',', false},
    {"semi", u';', false},     {"excl", u'!', false},    {"num", u'#', false},
    {"dollar", u'$', false},   {"percnt", u'%', false},  {"equals", u'=', false},
    {"quest", u'?', false},    {"commat", u'@', false},  {"lowbar", u'_', false},
    {"grave", u'`', false},    {"copy", 0xA9, true},     {"reg", 0xAE, true},
    {"deg", 0xB0, true},       {"pound", 0xA3, true},    {"times", 0xD7, true},
    {"frac12", 0xBD, true},    {"trade", 0x2122, false}, {"euro", 0x20AC, false},
    {"ndash", 0x2013, false},  {"mdash", 0x2014, false}, {"hellip", 0x2026, false},
};

// What a browser puts for the numbers 0x80 to 0x9F, which old pages meant as Windows-1252;
// 0 where the number stands for itself.
constexpr char16_t kWindows1252[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// The blanks between a tag's parts. A CR counts: a browser makes every line end a LF first.
bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\f' || c == u'\r';
}

bool IsAsciiLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool IsAsciiLetterOrDigit(QChar c) {
    return IsAsciiLetter(c) || (c >= u'0' && c <= u'9');
}

QChar Replaced(QChar c) {
    return c.isNull() ? QChar(kReplacement) : c;
}

// Names are lowered in ASCII only, as a browser lowers them: "SCRİPT" is no script.
QChar Lowered(QChar c) {
    return c >= u'A' && c <= u'Z' ? QChar(char16_t(c.unicode() + 0x20)) : Replaced(c);
}

bool SameInAscii(QStringView text, QStringView lowered) {
    if (text.size() != lowered.size())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (Lowered(text[i]) != lowered[i])
            return false;
    return true;
}

void AppendReplaced(QString& out, QStringView text) {
    const qsizetype from = out.size();
    out += text;
    std::replace(out.begin() + from, out.end(), QChar(), QChar(kReplacement));
}

int DigitValue(QChar c, bool hex) {
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (hex && ((c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F')))
        return (c.unicode() | 0x20) - u'a' + 10;
    return -1;
}

void AppendNumbered(QString& out, char32_t value) {
    if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        value = kReplacement;
    else if (value >= 0x80 && value <= 0x9F && kWindows1252[value - 0x80] != 0)
        value = kWindows1252[value - 0x80];
    if (QChar::requiresSurrogates(value)) {
        out += QChar(QChar::highSurrogate(value));
        out += QChar(QChar::lowSurrogate(value));
    } else {
        out += QChar(char16_t(value));
    }
}

// Decodes the character reference at the "&" at `at` onto `out`, as a browser does in text
// or, with `inValue`, in an attribute's value; returns where the reading goes on. Where no
// reference stands, the "&" is text and the reading goes on after it.
qsizetype AppendReference(QStringView text, qsizetype at, bool inValue, QString& out) {
    const qsizetype size = text.size();
    qsizetype i = at + 1;
    if (i < size && text[i] == u'#') {
        const bool hex = i + 1 < size && (text[i + 1] == u'x' || text[i + 1] == u'X');
        i += hex ? 2 : 1;
        const qsizetype digits = i;
        char32_t value = 0;
        // Past the last character, one more digit changes nothing: it is U+FFFD however long.
        for (int digit = 0; i < size && (digit = DigitValue(text[i], hex)) >= 0; ++i)
            value = std::min<char32_t>(value * (hex ? 16 : 10) + char32_t(digit), 0x110000);
        if (i == digits) {
            out += u'&';
            return at + 1;
        }
        if (i < size && text[i] == u';')
            ++i;
        AppendNumbered(out, value);
        return i;
    }
    // The longest name that stands here, as a browser takes "&notin;" before "&not".
    const QStringView rest = text.sliced(i);
    qsizetype length = 0;
    char16_t value = 0;
    bool closed = false;
    for (const NamedReference& reference : kNamed) {
        const QLatin1String name(reference.name);
        if (!rest.startsWith(name))
            continue;
        const bool semicolon = rest.size() > name.size() && rest[name.size()] == u';';
        if ((semicolon || reference.legacy) && name.size() + semicolon > length) {
            length = name.size() + semicolon;
            value = reference.value;
            closed = semicolon;
        }
    }
    // In a value, an old name without its ";" before a letter, a digit or "=" is part of an
    // address's query, as in "?a=1&copy=2": a browser leaves it as written.
    const qsizetype after = i + length;
    if (length == 0 || (inValue && !closed && after < size &&
                        (text[after] == u'=' || IsAsciiLetterOrDigit(text[after])))) {
        out += u'&';
        return at + 1;
    }
    out += QChar(value);
    return after;
}

// The text from `at` on with its references decoded, and its NULs made U+FFFD if
// `replacesNul`.
void AppendDecoded(QString& out, QStringView text, qsizetype at, bool replacesNul) {
    while (at < text.size()) {
        if (text[at] == u'&')
            at = AppendReference(text, at, false, out);
        else
            out += replacesNul ? Replaced(text[at++]) : text[at++];
    }
}

}  // namespace

HtmlTokenizer::HtmlTokenizer(QStringView text)
    : m_text(text), m_found(std::make_shared<std::vector<Found>>()) {}

template <typename Search>
qsizetype HtmlTokenizer::FirstFrom(const QString& closer, qsizetype from, Search search) const {
    const auto known =
        std::find_if(m_found->begin(), m_found->end(),
                     [&closer](const Found& found) { return found.closer == closer; });
    if (known == m_found->end()) {
        m_found->push_back({closer, from, search(from)});
        return m_found->back().at;
    }
    if (from < known->from || from > known->at)
        *known = {closer, from, search(from)};
    return known->at;
}

bool HtmlTokenizer::Next(Token& token) {
    token = Token();
    // Raw text that ends at once, or no CDATA section where one was looked for, gives no
    // token: the reading goes on as markup.
    while (m_at < m_text.size()) {
        token.start = m_at;
        switch (m_content) {
            case Content::Markup: ReadMarkup(token); break;
            case Content::RawText:
            case Content::EscapableRawText:
            case Content::PlainText: ReadRawText(token); break;
            case Content::CdataSection: ReadCdataSection(token); break;
        }
        if (m_at > token.start) {
            token.end = m_at;
            return true;
        }
    }
    return false;
}

void HtmlTokenizer::Resume(qsizetype position, Content content, QStringView element) {
    m_at = std::clamp<qsizetype>(position, 0, m_text.size());
    m_content = content;
    m_element.clear();
    if (content == Content::RawText || content == Content::EscapableRawText)
        for (const QChar c : element)
            m_element += Lowered(c);
}

bool HtmlTokenizer::operator==(const HtmlTokenizer& other) const {
    return m_text.data() == other.m_text.data() && m_text.size() == other.m_text.size() &&
           m_at == other.m_at && m_content == other.m_content && m_element == other.m_element;
}

bool HtmlTokenizer::HoldsTag(QStringView text) {
    if (!text.contains(u'<'))
        return false;
    HtmlTokenizer reader(text);
    reader.SkipText();
    Token token;
    while (reader.Next(token)) {
        if (token.kind == Kind::StartTag || token.kind == Kind::EndTag)
            return true;
    }
    return false;
}

const QStringList& HtmlTokenizer::TextElements() {
    static const QStringList names = [] {
        QStringList list;
        for (const TextElement& element : kTextElements)
            list << QLatin1String(element.name);
        return list;
    }();
    return names;
}

HtmlTokenizer::Content HtmlTokenizer::ContentOf(QStringView element) {
    for (const TextElement& known : kTextElements)
        if (element == QLatin1String(known.name))
            return known.content;
    return Content::Markup;
}

// A "<" opens markup only before an ASCII letter, "!", "?" or "/" and something: "5 < 6",
// "<3" and a "<" at the end are text.
bool HtmlTokenizer::OpensMarkup(qsizetype at) const {
    if (m_text[at] != u'<' || at + 1 >= m_text.size())
        return false;
    const QChar next = m_text[at + 1];
    return IsAsciiLetter(next) || next == u'!' || next == u'?' ||
           (next == u'/' && at + 2 < m_text.size());
}

void HtmlTokenizer::ReadMarkup(Token& token) {
    if (!OpensMarkup(m_at)) {
        ReadText(token);
        return;
    }
    const QChar next = m_text[m_at + 1];
    if (IsAsciiLetter(next)) {
        ReadTag(token, Kind::StartTag);
        Resume(m_at, ContentOf(token.name), token.name);
    } else if (next == u'/') {
        const QChar after = m_text[m_at + 2];
        if (IsAsciiLetter(after)) {
            ReadTag(token, Kind::EndTag);
        } else if (after == u'>') {
            token.kind = Kind::Comment;
            m_at += 3;
        } else {
            ReadBogusComment(token, m_at + 2);
        }
    } else if (next == u'!') {
        if (m_text.sliced(m_at + 2).startsWith(u"--"))
            ReadComment(token);
        else  // a doctype, or "<![CDATA[" in HTML, ends at its first ">" as such a comment
            ReadBogusComment(token, m_at + 2);
    } else {
        ReadBogusComment(token, m_at + 1);  // "<?", which the comment's text keeps
    }
}

// Text up to the next "<" that opens markup (a reference never holds one).
void HtmlTokenizer::ReadText(Token& token) {
    token.kind = Kind::Text;
    const qsizetype end = FirstFrom(QStringLiteral("<"), m_at + 1, [this](qsizetype from) {
        // From one "<" to the next, found a block at a time.
        for (; from < m_text.size(); ++from) {
            from = m_text.indexOf(u'<', from);
            if (from < 0)
                return m_text.size();
            if (OpensMarkup(from))
                return from;
        }
        return m_text.size();
    });
    if (m_keepsText)
        AppendDecoded(token.data, m_text.first(end), m_at, false);
    m_at = end;
}

// Reads a tag from its "<": the name, then the attributes, where a quoted value may hold
// ">" and a "/" not just before the closing ">" counts as a blank.
void HtmlTokenizer::ReadTag(Token& token, Kind kind) {
    token.kind = kind;
    const qsizetype size = m_text.size();
    qsizetype at = m_at + (kind == Kind::EndTag ? 2 : 1);
    for (; at < size && !IsBlank(m_text[at]) && m_text[at] != u'/' && m_text[at] != u'>'; ++at)
        token.name += Lowered(m_text[at]);
    enum class State { BeforeName, Name, AfterName, BeforeValue, SelfClosing };
    State state = State::BeforeName;
    while (at < size) {
        const QChar c = m_text[at];
        if (c == u'>') {
            token.selfClosing = state == State::SelfClosing;
            m_at = at + 1;
            return;
        }
        switch (state) {
            case State::SelfClosing:
                state = State::BeforeName;  // and the character is read again there
                break;
            case State::BeforeName:
                ++at;
                if (c == u'/')
                    state = State::SelfClosing;
                else if (!IsBlank(c)) {  // a name may start with "=", as in "<a =b>"
                    token.attributes.push_back({QString(Lowered(c)), QString()});
                    state = State::Name;
                }
                break;
            case State::Name:
                if (IsBlank(c) || c == u'/') {
                    state = State::AfterName;
                } else {
                    ++at;
                    if (c == u'=')
                        state = State::BeforeValue;
                    else
                        token.attributes.back().name += Lowered(c);  // '"', "'" and "<" too
                }
                break;
            case State::AfterName:
                if (IsBlank(c)) {
                    ++at;
                } else if (c == u'/' || c == u'=') {
                    ++at;
                    state = c == u'/' ? State::SelfClosing : State::BeforeValue;
                } else {
                    token.attributes.push_back({});
                    state = State::Name;
                }
                break;
            case State::BeforeValue:
                if (IsBlank(c)) {
                    ++at;
                } else if (c == u'"' || c == u'\'') {
                    at = AppendValue(token.attributes.back().value, at + 1, c);
                    if (at < size)
                        ++at;  // the closing quote; what follows it needs no blank before it
                    state = State::BeforeName;
                } else {
                    at = AppendValue(token.attributes.back().value, at, QChar());
                    state = State::BeforeName;
                }
                break;
        }
    }
    token.closed = false;
    m_at = size;
}

// Reads a value from `at` up to its closing `quote`, or, unquoted (a null `quote`), up to a
// blank or ">"; returns where it stopped.
qsizetype HtmlTokenizer::AppendValue(QString& value, qsizetype at, QChar quote) const {
    while (at < m_text.size()) {
        const QChar c = m_text[at];
        if (quote.isNull() ? IsBlank(c) || c == u'>' : c == quote)
            break;
        if (c == u'&') {
            at = AppendReference(m_text, at, true, value);
        } else {
            value += Replaced(c);
            ++at;
        }
    }
    return at;
}

// A comment ends at "-->" or "--!>", at once in "<!-->" and "<!--->", or with the text.
void HtmlTokenizer::ReadComment(Token& token) {
    token.kind = Kind::Comment;
    const qsizetype size = m_text.size();
    const qsizetype from = m_at + 4;
    const QStringView rest = m_text.sliced(from);
    qsizetype dataEnd = from;
    if (rest.startsWith(u'>') || rest.startsWith(u"->")) {
        m_at = from + (rest.startsWith(u'>') ? 1 : 2);
    } else {
        dataEnd = FirstFrom(QStringLiteral("-->"), from, [this, size](qsizetype at) {
            for (at = m_text.indexOf(u"--", at); at >= 0; at = m_text.indexOf(u"--", at + 1))
                if ((at + 2 < size && m_text[at + 2] == u'>') ||
                    (at + 3 < size && m_text[at + 2] == u'!' && m_text[at + 3] == u'>'))
                    return at;
            return size;
        });
        m_at = dataEnd == size ? size : dataEnd + (m_text[dataEnd + 2] == u'>' ? 3 : 4);
    }
    if (m_keepsText)
        AppendReplaced(token.data, m_text.sliced(from, dataEnd - from));
}

void HtmlTokenizer::ReadBogusComment(Token& token, qsizetype dataFrom) {
    token.kind = Kind::Comment;
    const qsizetype close = FirstFrom(QStringLiteral(">"), dataFrom, [this](qsizetype from) {
        const qsizetype at = m_text.indexOf(u'>', from);
        return at < 0 ? m_text.size() : at;
    });
    if (m_keepsText)
        AppendReplaced(token.data, m_text.sliced(dataFrom, close - dataFrom));
    m_at = std::min(close + 1, m_text.size());
}

// Raw text up to its element's end tag, which is then read as markup: "</", the element's
// name in any case of ASCII, then a blank, "/" or ">".
void HtmlTokenizer::ReadRawText(Token& token) {
    const qsizetype size = m_text.size();
    const qsizetype length = m_element.size();
    const qsizetype end =
        m_content == Content::PlainText
            ? size
            : FirstFrom(u"</" + m_element, m_at, [this, size, length](qsizetype at) {
                  for (at = m_text.indexOf(u"</", at); at >= 0;
                       at = m_text.indexOf(u"</", at + 2)) {
                      const qsizetype after = at + 2 + length;
                      if (after >= size)
                          break;
                      const QChar next = m_text[after];
                      if (SameInAscii(m_text.sliced(at + 2, length), m_element) &&
                          (IsBlank(next) || next == u'/' || next == u'>'))
                          return at;
                  }
                  return size;
              });
    if (end > m_at) {
        token.kind = Kind::Text;
        if (m_keepsText && m_content == Content::EscapableRawText)
            AppendDecoded(token.data, m_text.first(end), m_at, true);
        else if (m_keepsText)
            AppendReplaced(token.data, m_text.sliced(m_at, end - m_at));
        m_at = end;
    }
    Resume(m_at, Content::Markup);
}

void HtmlTokenizer::ReadCdataSection(Token& token) {
    const bool here = m_text.sliced(m_at).startsWith(u"<![CDATA[");
    Resume(m_at, Content::Markup);
    if (!here)
        return;
    token.kind = Kind::Text;
    const qsizetype from = m_at + 9;
    const qsizetype close = FirstFrom(QStringLiteral("]]>"), from, [this](qsizetype at) {
        at = m_text.indexOf(u"]]>", at);
        return at < 0 ? m_text.size() : at;
    });
    if (m_keepsText)
        token.data = m_text.sliced(from, close - from).toString();
    m_at = std::min(close + 3, m_text.size());
}
