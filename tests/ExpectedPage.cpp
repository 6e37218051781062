// SPDX-License-Identifier: GPL-3.0-or-later
// Pages as the page line tables give them, built here independently of the page builder:
// tests/data/page-lines.txt holds the tables' lines in their own notation, and the item's
// eBay addresses as lines L1 to L13.

#include "ExpectedPage.h"

#include <QFile>
#include <QRegularExpression>
#include <QtTest>

#include <map>

namespace ExpectedPage {

namespace {

struct TableLine {
    int indent;
    QString content;  // in the tables' notation: "text", DQ, [value], (empty line)
};

const std::map<QString, TableLine>& TableLines() {
    static const std::map<QString, TableLine> lines = [] {
        std::map<QString, TableLine> result;
        QFile file(QStringLiteral(LOTCRAFT_TEST_DATA "/page-lines.txt"));
        if (!file.open(QIODevice::ReadOnly))
            qFatal("cannot read %s", qPrintable(file.fileName()));
        for (const QByteArray& raw : file.readAll().split('\n')) {
            if (raw.isEmpty())
                continue;
            const QList<QByteArray> columns = raw.split('\t');
            result[QString::fromLatin1(columns[0])] = {columns[1].toInt(),
                                                       QString::fromUtf8(columns[2])};
        }
        return result;
    }();
    return lines;
}

QString Expand(const TableLine& line, const ValueOf& valueOf) {
    QString text(line.indent, QLatin1Char(' '));
    const QString& content = line.content;
    if (content == QLatin1String("(empty line)"))
        return text;
    int i = 0;
    while (i < content.size()) {
        if (content[i] == QLatin1Char(' ')) {
            ++i;
        } else if (content[i] == QLatin1Char('"')) {
            const int close = content.indexOf(QLatin1Char('"'), i + 1);
            text += content.mid(i + 1, close - i - 1)
                        .replace(QStringLiteral("\\|"), QStringLiteral("|"));
            i = close + 1;
        } else if (content.mid(i, 2) == QLatin1String("DQ")) {
            text += QLatin1Char('"');
            i += 2;
        } else if (content[i] == QLatin1Char('[')) {
            const int close = content.indexOf(QLatin1Char(']'), i);
            text += valueOf(content.mid(i + 1, close - i - 1));
            i = close + 1;
        } else {
            qFatal("bad page line notation: %s", qPrintable(content));
        }
    }
    return text;
}

// Scheme entries as the scheme table gives them, for the schemes these pages use.
struct SchemeColours {
    QString primary, secondary, text, fontTag;
};

SchemeColours ColoursOf(int scheme) {
    const QString white = QStringLiteral("#FFFFFF"), black = QStringLiteral("#000000");
    const QString tag = QStringLiteral("<font color='#FFFFFF'>");
    switch (scheme) {
        case 1: return {QStringLiteral("#F4D752"), QStringLiteral("#FFFFDB"), black, {}};
        case 3: return {QStringLiteral("#006699"), QStringLiteral("#3399CC"), black, tag};
        case 6: return {QStringLiteral("#808080"), QStringLiteral("#CFCFCF"), white, {}};
        case 12: return {QStringLiteral("#FF0000"), white, black, tag};
        case 17: return {QStringLiteral("#660000"), QStringLiteral("#CC0000"), white, tag};
        default: return {};  // 0 and 20 hold no scheme
    }
}

// A description of plain text (no "<" that starts a tag) with a <BR> before each line
// break; markup as it stands.
QString WithBreaks(const QString& description) {
    static const QRegularExpression tag(QStringLiteral("</?[A-Za-z]"));
    if (description.contains(tag))
        return description;
    QString broken = description;
    broken.replace(QRegularExpression(QStringLiteral("(\\r\\n|\\r|\\n)")),
                   QStringLiteral("<BR>\\1"));
    return broken;
}

}  // namespace

// The page's lines for a layout: lines 1 to 197, the body as the layouts order it, the end.
QStringList ExpectedLines(int layout, const ValueOf& valueOf) {
    auto ids = [](const char* prefix, int from, int to) {
        QStringList list;
        for (int n = from; n <= to; ++n)
            list << QString::fromLatin1(prefix) + QString::number(n);
        return list;
    };
    const QStringList B = ids("B", 1, 3), T = ids("T", 1, 23), P = ids("P", 1, 4);
    const QString rowEnd3 = QStringLiteral("=3 \"</TR>\""),
                  rowEnd2 = QStringLiteral("=2 \"</TR>\""),
                  rowStart = QStringLiteral("=2 \"<TR>\""),
                  bodyEnd = QStringLiteral("=2 \"</TBODY>\""),
                  tableEnd = QStringLiteral("=0 \"</TABLE>\"");
    QStringList order = ids("", 1, 197);
    switch (layout) {
        case 1: order << B << T << P << rowEnd3 << bodyEnd << tableEnd; break;
        case 2: order << B << P << T << rowEnd3 << bodyEnd << tableEnd; break;
        case 3:
            order << B << T << rowEnd2 << rowStart << P << rowEnd3 << bodyEnd << tableEnd;
            break;
        case 4:
            order << B << P << rowEnd3 << rowStart << T << rowEnd2 << bodyEnd << tableEnd;
            break;
        default: break;
    }
    order << ids("E", 1, 5);

    QStringList lines;
    for (const QString& id : order) {
        if (id.startsWith(QLatin1Char('='))) {  // a line given inline: "=indent content"
            const int blank = id.indexOf(QLatin1Char(' '));
            lines << Expand({id.mid(1, blank - 1).toInt(), id.mid(blank + 1)}, valueOf);
        } else {
            const auto found = TableLines().find(id);
            if (found == TableLines().end())
                qFatal("no page line %s in the tables", qPrintable(id));
            lines << Expand(found->second, valueOf);
        }
    }
    return lines;
}

// ISO-8859-1, and a numeric character reference for every character beyond it.
QByteArray JoinCrLf(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        for (char32_t c : line.toUcs4())
            bytes += c < 0x100 ? QByteArray(1, static_cast<char>(c))
                               : "&#" + QByteArray::number(quint32(c)) + ";";
        bytes += "\r\n";
    }
    return bytes;
}

TestItem PlainItem() {
    TestItem item;
    ItemRecord& r = item.record;
    r.SetField(ItemRecord::ItemNumber, QStringLiteral("3001"));
    r.SetField(ItemRecord::Title, QStringLiteral("Brass carriage clock"));
    r.SetField(ItemRecord::Description, QStringLiteral("Eight-day movement, keeps good time."));
    r.SetField(ItemRecord::ImageAddress, QStringLiteral("https://img.example.com/clock.jpg"));
    r.SetField(ItemRecord::Price, QStringLiteral("$45.00"));
    r.SetField(ItemRecord::FirstBid, QStringLiteral("$20.00"));
    r.SetField(ItemRecord::Spare, QStringLiteral("SPARE-NOT-SHOWN"));
    r.SetField(ItemRecord::StartTime, QStringLiteral("Nov-25-02 10:33:39 PST"));
    r.SetField(ItemRecord::EndTime, QStringLiteral("Dec-02-02 10:33:39 PST"));
    r.SetField(ItemRecord::Category, QStringLiteral("CATEGORY-NOT-SHOWN"));
    return item;
}

namespace {

// A value that is text as the page holds it: the four characters HTML gives meaning to as
// references, "&" first.
QString AsText(QString value) {
    return value.replace(QLatin1Char('&'), QLatin1String("&amp;"))
        .replace(QLatin1Char('<'), QLatin1String("&lt;"))
        .replace(QLatin1Char('>'), QLatin1String("&gt;"))
        .replace(QLatin1Char('"'), QLatin1String("&quot;"));
}

}  // namespace

ValueOf ValuesFor(const TestItem& item, int scheme) {
    const SchemeColours colours = ColoursOf(scheme);
    return [&item, colours](const QString& name) -> QString {
        const ItemRecord& r = item.record;
        // Only the title and the description are the seller's markup.
        const std::map<QString, QString> values = {
            {QStringLiteral("item number"), AsText(r.Field(ItemRecord::ItemNumber))},
            {QStringLiteral("title"), r.Field(ItemRecord::Title)},
            {QStringLiteral("description"), WithBreaks(r.Field(ItemRecord::Description))},
            {QStringLiteral("image address"), AsText(r.Field(ItemRecord::ImageAddress))},
            {QStringLiteral("price"), AsText(r.Field(ItemRecord::Price))},
            {QStringLiteral("first bid"), AsText(r.Field(ItemRecord::FirstBid))},
            {QStringLiteral("start time"), AsText(r.Field(ItemRecord::StartTime))},
            {QStringLiteral("end time"), AsText(r.Field(ItemRecord::EndTime))},
            {QStringLiteral("`Location` text"), AsText(item.location)},
            {QStringLiteral("`Country` text"), AsText(item.country)},
            {QStringLiteral("`Seller` text"), AsText(item.seller)},
            {QStringLiteral("`SchemePrimary`"), colours.primary},
            {QStringLiteral("`SchemeSecondary`"), colours.secondary},
            {QStringLiteral("`SchemeText`"), colours.text},
            {QStringLiteral("`SchemeFontTag`"), colours.fontTag},
        };
        const auto found = values.find(name);
        if (found != values.end())
            return found->second;
        if (name.startsWith(QLatin1String("link "))) {
            // An address holds only the item's own values.
            const auto link = TableLines().find(QStringLiteral("L") + name.mid(5));
            if (link == TableLines().end())
                qFatal("no address for [%s]", qPrintable(name));
            return Expand(link->second, ValuesFor(item, 0));
        }
        qFatal("no value for [%s]", qPrintable(name));
    };
}

QByteArray ReadFile(const QString& name) {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<cannot read ") + name.toUtf8() + ">";
    return file.readAll();
}

// Compares two pages line by line first, so a difference is reported where it is.
void ComparePages(const QByteArray& actual, const QByteArray& expected) {
    const QList<QByteArray> a = actual.split('\n'), e = expected.split('\n');
    for (int i = 0; i < qMin(a.size(), e.size()); ++i) {
        if (a[i] != e[i]) {
            const QByteArray where = "page line " + QByteArray::number(i + 1) +
                                     "\n  actual:   " + a[i] + "\n  expected: " + e[i];
            QFAIL(where.constData());
        }
    }
    QCOMPARE(a.size(), e.size());
    QVERIFY(actual == expected);
}

}  // namespace ExpectedPage
