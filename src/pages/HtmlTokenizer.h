// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>
#include <vector>

// Reads HTML as a browser's tokenizer does, one token at a time: text, start tags, end tags
// and comments, with the character references decoded. It builds no tree: it tells what each
// piece of the text is and where it stands. Any text may be given, cut off anywhere: every
// character belongs to exactly one token, the tokens in the order of the text, and the
// reading takes time in proportion to the text's length.
//
// Where it differs from a browser, it does so on purpose: a tag cut off by the end of the
// text is still given (a page that goes on after the text would close it), an attribute
// given twice is given twice (a browser keeps the first), and a CR counts as the line end
// a browser makes of it.
class HtmlTokenizer {
public:
    enum class Kind {
        Text,
        StartTag,
        EndTag,
        // "<!--...-->", and what a browser reads as a comment: "<!...>", "<?...>" and
        // "</ ...>" up to the first ">" (a doctype among them), "</>" as an empty one.
        Comment,
    };

    struct Attribute {
        QString name;   // in lower case
        QString value;  // with its character references decoded
    };

    struct Token {
        Kind kind = Kind::Text;
        // Where the token stands in the text: from `start` up to `end`.
        qsizetype start = 0;
        qsizetype end = 0;
        QString name;  // a tag's name, in lower case
        QString data;  // the text, with its references decoded, or a comment's text
        std::vector<Attribute> attributes;  // an end tag's too, which a browser drops
        bool selfClosing = false;           // "<br/>"
        bool closed = true;                 // false for a tag the end of the text cuts off
    };

    // How the text from the current place on is read. After the start tag of one of the
    // TextElements() the tokenizer goes on as a browser does in an HTML page, where they
    // hold text; inside <svg> or <math> they hold markup, and Resume() reads on so.
    enum class Content {
        Markup,            // tags, comments and text
        RawText,           // text up to the element's end tag: <style>, <script>, <xmp>...
        EscapableRawText,  // the same with references decoded: <title>, <textarea>
        PlainText,         // text to the end: <plaintext>
        CdataSection,      // a "<![CDATA[" here is text up to "]]>", as in <svg> or <math>
    };

    // Copies of a tokenizer share what it has found of the text, so a tokenizer and its
    // copies belong to one thread.
    explicit HtmlTokenizer(QStringView text);

    // Reads the next token into `token`; false at the end of the text.
    bool Next(Token& token);

    qsizetype Position() const { return m_at; }
    Content CurrentContent() const { return m_content; }
    // Reads on from `position` as `content`; raw text ends at the end tag of `element`.
    void Resume(qsizetype position, Content content, QStringView element = {});
    // Text and comments come without their `data` from here on, for a reader that wants the
    // tags alone. Copies that read across one long comment or raw text from different places
    // then take time for it once, not once each.
    void SkipText() { m_keepsText = false; }

    // Both read the same text from the same place in the same way, so read the same from
    // here on.
    bool operator==(const HtmlTokenizer& other) const;

    // The elements whose content a browser reads as text in an HTML page, in lower case.
    static const QStringList& TextElements();
    // Whether a text holds a tag, start or end, as a browser reads it: whether it is markup.
    static bool HoldsTag(QStringView text);
    // How an HTML page's browser reads the content of the element: Markup for all but the
    // TextElements().
    static Content ContentOf(QStringView element);

private:
    // A search for the first `closer` of long tokens from `from` found it at `at`: it is the
    // first from any place up to `at` too.
    struct Found {
        QString closer;
        qsizetype from;
        qsizetype at;
    };

    template <typename Search>
    qsizetype FirstFrom(const QString& closer, qsizetype from, Search search) const;
    void ReadMarkup(Token& token);
    void ReadText(Token& token);
    void ReadTag(Token& token, Kind kind);
    void ReadComment(Token& token);
    void ReadBogusComment(Token& token, qsizetype dataFrom);
    void ReadRawText(Token& token);
    void ReadCdataSection(Token& token);
    bool OpensMarkup(qsizetype at) const;
    qsizetype AppendValue(QString& value, qsizetype at, QChar quote) const;

    QStringView m_text;
    qsizetype m_at = 0;
    Content m_content = Content::Markup;
    QString m_element;  // the element whose end tag ends raw text
    bool m_keepsText = true;
    std::shared_ptr<std::vector<Found>> m_found;
};
