// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes, read as UTF-8 and as raw UTF-16 units (lone surrogates and
// all), must tokenize into tokens that cover the text in order, whose start tags read back
// the same once written out again; without their text, and read from any token on in any
// content by copies that share what they found, into the same tokens; and the active
// content check must find nothing where no "<" stands.

#include "pages/ActiveContent.h"
#include "pages/HtmlTokenizer.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

using Token = HtmlTokenizer::Token;

bool HasAsciiCapital(const QString& name) {
    return std::any_of(name.begin(), name.end(), [](QChar c) { return c >= u'A' && c <= u'Z'; });
}

// The start tag as a page would write it, every value quoted.
QString Written(const Token& tag) {
    QString html = u'<' + tag.name;
    for (const HtmlTokenizer::Attribute& attribute : tag.attributes) {
        QString value = attribute.value;
        value.replace(u'&', QLatin1String("&amp;")).replace(u'"', QLatin1String("&quot;"));
        html += u' ' + attribute.name + u"=\"" + value + u'"';
    }
    return html + QLatin1String(tag.selfClosing ? "/>" : ">");
}

bool SameTag(const Token& a, const Token& b) {
    if (a.name != b.name || a.selfClosing != b.selfClosing ||
        a.attributes.size() != b.attributes.size())
        return false;
    for (size_t i = 0; i < a.attributes.size(); ++i)
        if (a.attributes[i].name != b.attributes[i].name ||
            a.attributes[i].value != b.attributes[i].value)
            return false;
    return true;
}

// The same token but for its text.
bool SameToken(const Token& a, const Token& b) {
    return a.kind == b.kind && a.start == b.start && a.end == b.end && a.closed == b.closed &&
           SameTag(a, b);
}

// Copies of `skipping` that read one token from `at` in each content, against tokenizers of
// their own: what the copies share must not change what they read.
QString CheckResumed(const QString& text, const HtmlTokenizer& skipping, qsizetype at) {
    using Content = HtmlTokenizer::Content;
    for (const Content content :
         {Content::Markup, Content::RawText, Content::EscapableRawText, Content::CdataSection}) {
        const QString element = QLatin1String(content == Content::RawText ? "style" : "title");
        HtmlTokenizer copy = skipping;
        HtmlTokenizer own(text);
        own.SkipText();
        copy.Resume(at, content, element);
        own.Resume(at, content, element);
        Token fromCopy;
        Token fromOwn;
        if (copy.Next(fromCopy) != own.Next(fromOwn) || !SameToken(fromCopy, fromOwn))
            return QStringLiteral("a copy read from %1 differs from a tokenizer of its own")
                .arg(at);
    }
    return QString();
}

QString CheckStartTag(const Token& tag) {
    if (tag.name.isEmpty() || HasAsciiCapital(tag.name))
        return QStringLiteral("tag name \"%1\"").arg(tag.name);
    for (const HtmlTokenizer::Attribute& attribute : tag.attributes)
        if (attribute.name.isEmpty() || HasAsciiCapital(attribute.name))
            return QStringLiteral("attribute name \"%1\"").arg(attribute.name);
    const QString written = Written(tag);
    HtmlTokenizer again(written);
    Token read;
    if (!again.Next(read) || read.kind != HtmlTokenizer::Kind::StartTag || !read.closed ||
        read.end != written.size() || !SameTag(tag, read))
        return QStringLiteral("the tag written as %1 reads back otherwise").arg(written);
    return QString();
}

QString Check(const QString& text) {
    HtmlTokenizer tokenizer(text);
    HtmlTokenizer skipping(text);
    skipping.SkipText();
    Token token;
    Token skipped;
    qsizetype at = 0;
    for (int count = 0; tokenizer.Next(token); ++count) {
        // Past a few tokens, resumed readings would take the fuzzer's time for little more.
        for (const qsizetype from : {at, std::min(at + 1, text.size())})
            if (const QString problem = count < 64 ? CheckResumed(text, skipping, from) : QString();
                !problem.isEmpty())
                return problem;
        if (!skipping.Next(skipped) || !SameToken(token, skipped) || !skipped.data.isEmpty())
            return QStringLiteral("the token at %1 differs without its text").arg(token.start);
        if (token.start != at || token.end <= token.start || token.end > text.size())
            return QStringLiteral("token from %1 to %2 after %3, in %4 characters")
                .arg(token.start)
                .arg(token.end)
                .arg(at)
                .arg(text.size());
        at = token.end;
        const QStringView source = QStringView(text).sliced(token.start, token.end - token.start);
        if (token.kind != HtmlTokenizer::Kind::Text && !source.startsWith(u'<'))
            return QStringLiteral("markup at %1 without its \"<\"").arg(token.start);
        if (token.kind == HtmlTokenizer::Kind::Text && !source.contains(u'&') &&
            !source.contains(QChar()) && token.data != source)
            return QStringLiteral("the text at %1 reads as other text").arg(token.start);
        if (token.kind == HtmlTokenizer::Kind::StartTag)
            if (const QString problem = CheckStartTag(token); !problem.isEmpty())
                return problem;
    }
    if (at != text.size())
        return QStringLiteral("tokens end at %1 of %2").arg(at).arg(text.size());
    const QString found = ActiveContent::Find(text);
    if (!found.isEmpty() && !text.contains(u'<'))
        return QStringLiteral("\"%1\" found where no tag can be").arg(found);
    return QString();
}

void Require(const QString& problem, const char* reading) {
    if (problem.isEmpty())
        return;
    std::fprintf(stderr, "html tokenizer, %s: %s\n", reading, qPrintable(problem));
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Require(Check(QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size))),
            "read as UTF-8");
    QString units(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(units.data(), data, size / 2 * 2);
    Require(Check(units), "read as UTF-16");
    return 0;
}
