// SPDX-License-Identifier: GPL-3.0-or-later
// Active content found as a browser would read it, however it is spelt, and ordinary
// markup left alone; and the tokenizer it reads with, where a browser reads otherwise than
// the eye does.

#include "pages/ActiveContent.h"
#include "pages/HtmlTokenizer.h"

#include <QtTest>

namespace {

// The whole literal, the NULs in it too.
template <size_t N>
QString Literal(const char16_t (&text)[N]) {
    return QString::fromUtf16(text, qsizetype(N - 1));
}

// The tokens one after another, "|" between them: text in quotes, a tag with its
// attributes' values in brackets and "…" for its ">" when the text cuts it off, a comment
// as "<!text>".
QString Tokens(const QString& html) {
    QStringList tokens;
    HtmlTokenizer tokenizer(html);
    HtmlTokenizer::Token token;
    while (tokenizer.Next(token)) {
        switch (token.kind) {
            case HtmlTokenizer::Kind::Text: tokens << u'"' + token.data + u'"'; break;
            case HtmlTokenizer::Kind::Comment: tokens << u"<!" + token.data + u'>'; break;
            case HtmlTokenizer::Kind::EndTag: tokens << u"</" + token.name + u'>'; break;
            case HtmlTokenizer::Kind::StartTag: {
                QString tag = u'<' + token.name;
                for (const HtmlTokenizer::Attribute& attribute : token.attributes)
                    tag += u' ' + attribute.name + u"=[" + attribute.value + u']';
                tag += QLatin1String(token.selfClosing ? "/" : "") +
                       QString(token.closed ? u'>' : u'…');
                tokens << tag;
                break;
            }
        }
    }
    return tokens.join(u'|');
}

}  // namespace

class ActiveContentTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void activeContentIsFoundHoweverItIsSpelt_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("found");
        const auto add = [](const char* name, const auto& text, const char* found) {
            QTest::newRow(name) << Literal(text) << QString::fromLatin1(found);
        };
        // The elements, in any case, unfinished at the end of the text too.
        add("script", u"Nice <SCRIPT src=x></script>", "<script");
        add("script cut off", u"<b>x</b><script", "<script");
        add("iframe", u"<iframe src=x></iframe>", "<iframe");
        add("frameset and frame", u"<frameset><frame src=x>", "<frameset");
        add("object", u"<Object data=x>", "<object");
        add("embed", u"<embed src=x.swf>", "<embed");
        add("applet", u"<applet code=x>", "<applet");
        add("form", u"<form action=https://a.example/><input name=p>", "<form");
        add("base", u"<base href=https://a.example/>", "<base");
        add("link", u"<link rel=stylesheet href=x.css>", "<link");
        add("refresh", u"<meta http-equiv=\"Refresh\" content=\"0;url=x\">",
            "<meta http-equiv=refresh");
        add("refresh spelt in references", u"<meta content=0 http-equiv=' &#x52;efresh '>",
            "<meta http-equiv=refresh");
        // Event attributes, wherever a browser starts an attribute.
        add("onerror", u"<img src=x onerror=alert(1)>", "onerror=");
        add("in capitals", u"<IMG SRC=x ONERROR=alert(1)>", "onerror=");
        add("blank before =", u"<img src=a onerror =go()>", "onerror=");
        add("lines between", u"<img src=x\nonerror\n=\nalert(1)>", "onerror=");
        add("no value", u"<body onload>", "onload=");
        add("svg", u"<svg onload=alert(1)>", "onload=");
        add("after the name's slash", u"<img/onerror=alert(1)>", "onerror=");
        add("after a quoted value's slash", u"<img/src=\"x\"/onerror=alert(1)>", "onerror=");
        add("right after a quoted value", u"<p title=\"x\"onclick=go()>", "onclick=");
        add("quoted > in an earlier value", u"<img alt=\">\" src=x onerror=alert(2)>", "onerror=");
        add("single-quoted >", u"<img alt='>' onerror=alert(2)>", "onerror=");
        add("tag cut off by the end", u"<img src=x onerror=alert(1)", "onerror=");
        // Addresses: references, blanks and control characters are no disguise.
        add("javascript", u"<a href=\"javascript:alert(1)\">", "javascript:");
        add("unquoted, any case", u"<a href=JaVaScRiPt:alert(1)>", "javascript:");
        add("blank before", u"<a href=\" javascript:x\">", "javascript:");
        add("decimal reference", u"<a href=\"&#106;avascript:alert(1)\">", "javascript:");
        add("decimal, no semicolon", u"<a href='&#0000106avascript:x'>", "javascript:");
        add("hexadecimal", u"<a href=\"&#x6A;ava&#x09;script:x\">", "javascript:");
        add("capital X", u"<a href=\"&#X6a;avascript:x\">", "javascript:");
        add("named colon", u"<a href=\"javascript&colon;alert(1)\">", "javascript:");
        add("named tab and line", u"<a href=\"java&Tab;scr&NewLine;ipt:x\">", "javascript:");
        add("tab, line end, NUL", u"<a href=\"ja\tva\nscr\0ipt:x\">", "javascript:");
        add("NUL reference", u"<a href=\"java&#0;script:x\">", "javascript:");
        add("inside a style", u"<div style=\"background:url(javascript:alert(1))\">",
            "javascript:");
        add("svg address", u"<svg><a xlink:href=\"javascript:alert(1)\">", "javascript:");
        add("the later of two hrefs", u"<a href=x.html href=javascript:x>", "javascript:");
        add("vbscript", u"<a href=\"VBScript:msgbox(1)\">", "vbscript:");
        add("data", u"<a href=\"data:text/html,<script>alert(1)</script>\">", "data:");
        // Where a browser reads markup that another reading takes for text or a comment: an
        // HTML page's style, a style inside svg, both in turn, a title (as a page's own
        // <title> holds the title), a CDATA section inside svg.
        add("after a style's end tag", u"<style><!--</style><img src=x onerror=alert(1)>-->",
            "onerror=");
        add("inside svg's style", u"<svg><style><img src=x onerror=alert(1)></style>", "onerror=");
        add("HTML's style, then svg's",
            u"<style><!--</style><svg><style><img src=x onerror=alert(1)>", "onerror=");
        add("after a title's end tag", u"<title><a title=\"</title><img src=x onerror=go()>\">",
            "onerror=");
        add("inside the page's title", u"<!--</title><img src=x onerror=alert(1)>-->", "onerror=");
        add("after svg's CDATA", u"<svg><![CDATA[ > <!-- ]]><img src=x onerror=alert(1)> -->",
            "onerror=");
    }
    void activeContentIsFoundHoweverItIsSpelt() {
        QFETCH(QString, text);
        QFETCH(QString, found);
        QCOMPARE(ActiveContent::Find(text), found);
    }

    void ordinaryMarkupIsNoFinding_data() {
        QTest::addColumn<QString>("text");
        for (const char* text : {
                 "<b>bold</b>, <i>slanted</i><br><hr><center>middle</center>",
                 "<p align=center><font color=red size=4 face=\"Arial\">Brass lamp</font></p>",
                 "<a href=\"https://example.com/x?a=1&amp;b=2\">more</a> <a href=\"#top\">top</a>",
                 "<img src=\"https://i.ebayimg.com/a.jpg\" width=200 alt=\"A lamp\">",
                 "<table border=1><tr><td>1</td><td>2</td></tr></table>",
                 "<!-- the picture --><meta name=author content=me>",
                 "<style>p { color: red }</style><title>Lamp</title>",
                 "5 < 6 and 7 > 3, AT&T, Tom & Jerry, &copy; 2002&nbsp;&lt;",
                 "javascript: is only text outside a tag. Lamp: onion = 5",
                 "<p>a frame, an object, a form; describes the script</p>",
             })
            QTest::newRow(text) << QString::fromUtf8(text);
    }
    void ordinaryMarkupIsNoFinding() {
        QFETCH(QString, text);
        QCOMPARE(ActiveContent::Find(text), QString());
    }

    void tokensAreReadAsABrowserReadsThem_data() {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("tokens");
        const auto add = [](const char* name, const auto& html, const auto& tokens) {
            QTest::newRow(name) << Literal(html) << Literal(tokens);
        };
        add("quoting", u"<P a=\"x y\" B='\"' c=d'e f/>", u"<p a=[x y] b=[\"] c=[d'e] f=[]/>");
        add("an unquoted value keeps its slash", u"<img/src=x/onerror=y>",
            u"<img src=[x/onerror=y]>");
        add("odd names", u"<a =b \"c'=d <e>", u"<a =b=[] \"c'=[d] <e=[]>");
        add("blanks: a CR is one, a vertical tab is not", u"<a\rb=1><img\vonerror=x>",
            u"<a b=[1]>|<img\vonerror=x>");
        add("NUL", u"<a\0 b\0=\0>", u"<a\uFFFD b\uFFFD=[\uFFFD]>");
        add("references in a value",
            u"<a href=\"?a=1&amp;b=2&ampc=3&lt\" "
            u"t=&#x6A;&#106&colon;&#0;&#x110000;&#128;&#x1F600;>",
            u"<a href=[?a=1&b=2&ampc=3<] t=[jj:\uFFFD\uFFFD€😀]>");
        add("references in text", u"AT&T &ampx &lt3 &#65&#x42; &nosuch; &#; &Amp;",
            u"\"AT&T &x <3 AB &nosuch; &#; &Amp;\"");
        add("comments", u"<!-- a -- b --><!--><!---><!--x--!><!--a--->",
            u"<! a -- b >|<!>|<!>|<!x>|<!a->");
        add("what reads as a comment", u"<?php x?><!DOCTYPE html></><![CDATA[<b>]]>",
            u"<!?php x?>|<!DOCTYPE html>|<!>|<![CDATA[<b>|\"]]>\"");
        add("no tag", u"5 < 6 <3 </ x> < b>", u"\"5 < 6 <3 \"|<! x>|\" < b>\"");
        add("raw text up to its end tag in ASCII's cases", u"<style><!--</ſtyle></STYLE ><b>&lt;",
            u"<style>|\"<!--</ſtyle>\"|</style>|<b>|\"<\"");
        add("a title's references", u"<title>&lt;b&gt;</title>", u"<title>|\"<b>\"|</title>");
        add("plaintext", u"<plaintext></plaintext>", u"<plaintext>|\"</plaintext>\"");
        add("cut off", u"<a href=\"x", u"<a href=[x]…");
        add("cut off comment", u"<!-- x", u"<! x>");
        add("cut off openings", u"x<", u"\"x<\"");
        add("cut off end tag opening", u"</", u"\"</\"");
        add("cut off declaration", u"<!", u"<!>");
    }
    void tokensAreReadAsABrowserReadsThem() {
        QFETCH(QString, html);
        QFETCH(QString, tokens);
        QCOMPARE(Tokens(html), tokens);
    }
};

QTEST_APPLESS_MAIN(ActiveContentTest)
#include "ActiveContentTest.moc"
