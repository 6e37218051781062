// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/WorksheetScanner.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

using Result = WorksheetScanner::Result;

// Whether a name is the given one: compared in place, as a tag's name is compared a few times
// for each of millions of tags.
template <size_t N>
bool Is(QByteArrayView name, const char (&literal)[N]) {
    return name.size() == qsizetype(N - 1) && std::memcmp(name.data(), literal, N - 1) == 0;
}

bool IsNameEnd(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '>' || c == '/';
}

// A tag's name without its namespace prefix ("x:c" is "c").
QByteArrayView LocalName(QByteArrayView name) {
    const qsizetype colon = name.lastIndexOf(':');
    return colon < 0 ? name : name.sliced(colon + 1);
}

// The column of a reference such as "AB12", from 0; -1 where it starts with no letter.
int ColumnOf(QByteArrayView reference) {
    int column = 0;
    qsizetype at = 0;
    for (; at < reference.size(); ++at) {
        const char c = reference[at];
        const char upper = c >= 'a' && c <= 'z' ? char(c - 32) : c;
        if (upper < 'A' || upper > 'Z')
            break;
        column = column * 26 + (upper - 'A' + 1);
        // Far past any sheet's last column: the reader refuses it as too large.
        if (column > (1 << 24))
            return 1 << 24;
    }
    return at == 0 ? -1 : column - 1;
}

qint64 NumberOf(QByteArrayView digits) {
    qint64 number = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9' || number > (qint64(1) << 40))
            return 0;
        number = number * 10 + (c - '0');
    }
    return number;
}

// Appends XML character data to text: references decoded, CR LF and a lone CR made LF.
// False for a reference that is neither XML's own nor a character's.
bool AppendText(QString& text, const char* from, const char* to) {
    while (from < to) {
        const char* amp = static_cast<const char*>(std::memchr(from, '&', size_t(to - from)));
        const char* end = amp ? amp : to;
        if (end > from) {
            QString piece = QString::fromUtf8(from, end - from);
            if (std::memchr(from, '\r', size_t(end - from))) {
                piece.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
                piece.replace(QLatin1Char('\r'), QLatin1Char('\n'));
            }
            if (text.isEmpty())
                text = std::move(piece);
            else
                text += piece;
        }
        if (!amp)
            return true;
        const char* semicolon = static_cast<const char*>(std::memchr(amp, ';', size_t(to - amp)));
        if (!semicolon || semicolon - amp > 12)
            return false;
        const QByteArrayView name(amp + 1, semicolon - amp - 1);
        if (Is(name, "amp"))
            text += QLatin1Char('&');
        else if (Is(name, "lt"))
            text += QLatin1Char('<');
        else if (Is(name, "gt"))
            text += QLatin1Char('>');
        else if (Is(name, "quot"))
            text += QLatin1Char('"');
        else if (Is(name, "apos"))
            text += QLatin1Char('\'');
        else if (name.startsWith('#')) {
            bool ok = false;
            const uint code = name.startsWith("#x") ? name.sliced(2).toByteArray().toUInt(&ok, 16)
                                                    : name.sliced(1).toByteArray().toUInt(&ok, 10);
            if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
                return false;
            const char32_t character = code;
            text += QString::fromUcs4(&character, 1);
        } else {
            return false;
        }
        from = semicolon + 1;
    }
    return true;
}

// The value of the attribute `name` among a tag's attributes (the text between its name and
// its closing '>'); false where the tag has none.
bool Attribute(const char* from, const char* to, QByteArrayView name, QByteArrayView& value) {
    const char* at = from;
    while (at < to) {
        while (at < to && (*at == ' ' || *at == '\t' || *at == '\r' || *at == '\n' || *at == '/'))
            ++at;
        const char* nameStart = at;
        while (at < to && *at != '=' && *at != ' ' && *at != '\t' && *at != '\r' && *at != '\n')
            ++at;
        const QByteArrayView found(nameStart, at - nameStart);
        while (at < to && *at != '=')
            ++at;
        ++at;
        while (at < to && *at != '"' && *at != '\'')
            ++at;
        if (at >= to)
            return false;
        const char quote = *at++;
        const char* valueStart = at;
        while (at < to && *at != quote)
            ++at;
        if (found.size() == name.size() &&
            std::memcmp(found.data(), name.data(), size_t(name.size())) == 0) {
            value = QByteArrayView(valueStart, at - valueStart);
            return true;
        }
        ++at;
    }
    return false;
}

enum class TagKind { Start, End, Empty };
struct Tag {
    TagKind kind;
    QByteArrayView name;
    // The attributes' text.
    const char* from;
    const char* to;
};
// What a tag's handler says: go on, stop (a handler of the caller's said so), or the part's
// content has ended.
enum class Next { On, Stop, Done };

// Walks the tags of an XML part, gathering the character data between them into `text`
// while `gathering` is set (a handler sets and clears it); comments and processing
// instructions are passed over, a CDATA section's text gathered as it stands, a document type
// refused.
template <typename OnTag>
Result WalkTags(QByteArrayView bytes, QString& text, bool& gathering, OnTag onTag) {
    const char* at = bytes.data();
    const char* const end = at + bytes.size();
    while (at < end) {
        const char* open = static_cast<const char*>(std::memchr(at, '<', size_t(end - at)));
        if (!open || open + 1 >= end)
            break;
        if (gathering && !AppendText(text, at, open))
            return Result::Damaged;
        const QByteArrayView rest(open, end - open);
        if (open[1] == '!') {
            // A comment or a CDATA section leaves the text around it one text.
            if (rest.startsWith("<!--")) {
                const qsizetype close = rest.indexOf("-->");
                if (close < 0)
                    return Result::Damaged;
                at = open + close + 3;
                continue;
            }
            if (rest.startsWith("<![CDATA[")) {
                const qsizetype close = rest.indexOf("]]>");
                if (close < 0)
                    return Result::Damaged;
                if (gathering)
                    text += QString::fromUtf8(open + 9, close - 9);
                at = open + close + 3;
                continue;
            }
            return Result::Damaged;
        }
        const char* close = static_cast<const char*>(std::memchr(open, '>', size_t(end - open)));
        if (!close)
            return Result::Damaged;
        at = close + 1;
        gathering = false;
        if (open[1] == '?')
            continue;
        const bool ending = open[1] == '/';
        const char* nameStart = open + (ending ? 2 : 1);
        const char* nameEnd = nameStart;
        while (nameEnd < close && !IsNameEnd(*nameEnd))
            ++nameEnd;
        const Tag tag{ending             ? TagKind::End
                      : close[-1] == '/' ? TagKind::Empty
                                         : TagKind::Start,
                      LocalName(QByteArrayView(nameStart, nameEnd - nameStart)), nameEnd, close};
        switch (onTag(tag)) {
            case Next::On: break;
            case Next::Stop: return Result::Stopped;
            case Next::Done: return Result::Read;
        }
    }
    return Result::Damaged;
}

}  // namespace

WorksheetScanner::Result WorksheetScanner::Scan(QByteArrayView bytes, const Handlers& handlers) {
    Cell cell;
    bool gathering = false;
    bool inCell = false;
    bool inInline = false;
    int phonetic = 0;
    return WalkTags(bytes, cell.value, gathering, [&](const Tag& tag) {
        const QByteArrayView name = tag.name;
        if (tag.kind == TagKind::End) {
            if (Is(name, "c")) {
                inCell = false;
                if (handlers.cell && !handlers.cell(cell))
                    return Next::Stop;
            } else if (Is(name, "is")) {
                inInline = false;
            } else if (Is(name, "rPh")) {
                --phonetic;
            } else if (Is(name, "row")) {
                if (handlers.rowEnd && !handlers.rowEnd())
                    return Next::Stop;
            } else if (Is(name, "sheetData")) {
                return Next::Done;
            }
            return Next::On;
        }
        const bool empty = tag.kind == TagKind::Empty;
        if (Is(name, "c")) {
            cell.column = -1;
            cell.type = Type::Number;
            cell.style = 0;
            cell.value = QString();
            inInline = false;
            phonetic = 0;
            QByteArrayView value;
            if (Attribute(tag.from, tag.to, "r", value))
                cell.column = ColumnOf(value);
            if (Attribute(tag.from, tag.to, "s", value))
                cell.style =
                    int(std::min<qint64>(NumberOf(value), std::numeric_limits<int>::max()));
            if (Attribute(tag.from, tag.to, "t", value))
                cell.type = Is(value, "s")                               ? Type::Shared
                            : Is(value, "inlineStr") || Is(value, "str") ? Type::Text
                            : Is(value, "b")                             ? Type::Boolean
                            : Is(value, "e") || Is(value, "d")           ? Type::Error
                                                                         : Type::Number;
            inCell = !empty;
            if (empty && handlers.cell && !handlers.cell(cell))
                return Next::Stop;
        } else if (Is(name, "v")) {
            gathering = !empty && inCell;
        } else if (Is(name, "t")) {
            gathering = !empty && inInline && phonetic == 0;
        } else if (Is(name, "row")) {
            QByteArrayView number;
            if (handlers.rowStart &&
                !handlers.rowStart(Attribute(tag.from, tag.to, "r", number) ? NumberOf(number) : 0))
                return Next::Stop;
            if (empty && handlers.rowEnd && !handlers.rowEnd())
                return Next::Stop;
        } else if (Is(name, "is")) {
            inInline = !empty && inCell;
        } else if (Is(name, "rPh")) {
            phonetic += !empty;
        } else if (Is(name, "sheetData") && empty) {
            return Next::Done;
        }
        return Next::On;
    });
}

WorksheetScanner::Result WorksheetScanner::ScanSharedStrings(QByteArrayView bytes,
                                                             std::vector<QString>& strings,
                                                             qint64 most) {
    QString text;
    bool gathering = false;
    int phonetic = 0;
    // A string ends with its si element, or is one that is empty.
    const auto add = [&strings, &text, most] {
        strings.push_back(std::move(text));
        text = QString();
        return qint64(strings.size()) > most ? Next::Stop : Next::On;
    };
    return WalkTags(bytes, text, gathering, [&](const Tag& tag) {
        const QByteArrayView name = tag.name;
        if (tag.kind == TagKind::End) {
            if (Is(name, "si")) {
                return add();
            } else if (Is(name, "rPh")) {
                --phonetic;
            } else if (Is(name, "sst")) {
                return Next::Done;
            }
            return Next::On;
        }
        const bool empty = tag.kind == TagKind::Empty;
        if (Is(name, "t")) {
            gathering = !empty && phonetic == 0;
        } else if (Is(name, "si")) {
            text = QString();
            phonetic = 0;
            if (empty)
                return add();
        } else if (Is(name, "rPh")) {
            phonetic += !empty;
        } else if (Is(name, "sst") && empty) {
            return Next::Done;
        }
        return Next::On;
    });
}
