// Whole item pages compared byte for byte with pages built here from the page line tables
// (tests/data/page-lines.txt, in the tables' own notation), and the writer's failures.

#include "app/LotcraftError.h"
#include "app/ProgramSettings.h"
#include "app/Startup.h"
#include "catalogue/ItemRecord.h"
#include "pages/LinkTable.h"
#include "pages/PageHost.h"
#include "pages/PageWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>
#include <csignal>
#include <functional>
#include <map>

namespace {

// ---- The expected page, built from the line tables --------------------------------------

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

using ValueOf = std::function<QString(const QString& name)>;

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

// ---- The values of a test page ----------------------------------------------------------

struct TestItem {
    ItemRecord record;
    QString seller = QStringLiteral("seller@example.com");
    QString location = QStringLiteral("Leeds");
    QString country = QStringLiteral("United Kingdom");
};

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

ValueOf ValuesFor(const TestItem& item, const LinkTable& links, int scheme) {
    const SchemeColours colours = ColoursOf(scheme);
    return [&item, &links, colours](const QString& name) -> QString {
        const ItemRecord& r = item.record;
        const std::map<QString, QString> values = {
            {QStringLiteral("item number"), r.Field(ItemRecord::ItemNumber)},
            {QStringLiteral("title"), r.Field(ItemRecord::Title)},
            {QStringLiteral("description"), r.Field(ItemRecord::Description)},
            {QStringLiteral("image address"), r.Field(ItemRecord::ImageAddress)},
            {QStringLiteral("price"), r.Field(ItemRecord::Price)},
            {QStringLiteral("first bid"), r.Field(ItemRecord::FirstBid)},
            {QStringLiteral("start time"), r.Field(ItemRecord::StartTime)},
            {QStringLiteral("end time"), r.Field(ItemRecord::EndTime)},
            {QStringLiteral("`Location` text"), item.location},
            {QStringLiteral("`Country` text"), item.country},
            {QStringLiteral("`Seller` text"), item.seller},
            {QStringLiteral("`SchemePrimary`"), colours.primary},
            {QStringLiteral("`SchemeSecondary`"), colours.secondary},
            {QStringLiteral("`SchemeText`"), colours.text},
            {QStringLiteral("`SchemeFontTag`"), colours.fontTag},
        };
        const auto found = values.find(name);
        if (found != values.end())
            return found->second;
        if (name.startsWith(QLatin1String("link ")))
            return links.Link(name.mid(5).toInt());
        qFatal("no value for [%s]", qPrintable(name));
    };
}

// ---- A host that records when the writer reads the boxes ---------------------------------

class RecordingHost : public PageHost {
public:
    explicit RecordingHost(const TestItem& item) : m_item(item) {}

    QString SellerText() const override { return Read(QStringLiteral("Seller"), m_item.seller); }
    QString LocationText() const override {
        return Read(QStringLiteral("Location"), m_item.location);
    }
    QString CountryText() const override { return Read(QStringLiteral("Country"), m_item.country); }
    qint64 PageCount() const override { return m_count; }
    void SetPageCount(qint64 count) override { m_count = count; }
    void ShowPageCount(const QString& caption) override { m_captions << caption; }

    mutable QStringList reads;
    QStringList m_captions;
    qint64 m_count = 0;

private:
    QString Read(const QString& box, const QString& text) const {
        reads << box;
        return text;
    }
    const TestItem& m_item;
};

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

}  // namespace

class PageWriterTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    ProgramSettings m_settings;

    // Writes the item's page with the given layout and scheme; returns the file's bytes and
    // checks them against the page built from the tables.
    QByteArray WriteAndCompare(const TestItem& item, int layout, int scheme) {
        m_settings.SetLayoutIndex(static_cast<qint16>(layout));
        m_settings.SetSchemeIndex(static_cast<qint16>(scheme));
        LinkTable links;
        links.Fill(item.record.Field(ItemRecord::ItemNumber), item.seller);
        RecordingHost host(item);
        PageWriter(m_settings, host).WriteItemPage(item.record, links);
        const QString name = PageWriter::PageFileName(m_settings.OutputFolder(),
                                                      item.record.Field(ItemRecord::ItemNumber));
        const QByteArray actual = ReadFile(name);
        ComparePages(actual, JoinCrLf(ExpectedLines(layout, ValuesFor(item, links, scheme))));
        return actual;
    }

    void ExpectRefused(const ItemRecord& record, const QString& reasonPart) {
        FixedHost host;
        LinkTable links;
        try {
            PageWriter(m_settings, host).WriteItemPage(record, links);
            QFAIL("the page was written");
        } catch (const LotcraftError& error) {
            QVERIFY2(error.Reason().contains(reasonPart), qPrintable(error.Message()));
            QCOMPARE(error.File(), PageWriter::PageFileName(m_settings.OutputFolder(),
                                                            record.Field(ItemRecord::ItemNumber)));
        }
        QCOMPARE(host.m_count, qint64(0));
        QVERIFY(host.m_captions.isEmpty());
    }

    struct FixedHost : RecordingHost {
        FixedHost() : RecordingHost(Item()) {}
        static const TestItem& Item() {
            static const TestItem item = PlainItem();
            return item;
        }
    };

    QStringList Entries(const QString& folder) const {
        return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

private Q_SLOTS:
    void init() {
        QVERIFY(m_dir.isValid());
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path() + QStringLiteral("/out"));
        Startup::Run(m_settings);
        m_settings.SetOutputFolder(m_dir.path() + QStringLiteral("/out"));
    }

    void wholePageInEachLayout_data() {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("lineCount");
        QTest::newRow("1 Default") << 1 << 235;
        QTest::newRow("2 Default Mirrored") << 2 << 235;
        QTest::newRow("3 Horizontal Top") << 3 << 237;
        QTest::newRow("4 Horizontal Botton") << 4 << 237;
        QTest::newRow("0 no body") << 0 << 202;
        QTest::newRow("5 no body") << 5 << 202;
        QTest::newRow("-1 no body") << -1 << 202;
    }
    void wholePageInEachLayout() {
        QFETCH(int, layout);
        QFETCH(int, lineCount);
        const QByteArray page = WriteAndCompare(PlainItem(), layout, 1);
        QCOMPARE(page.count("\r\n"), lineCount);
        QVERIFY(page.endsWith("</HTML>\r\n"));
        QVERIFY(!page.contains("SPARE-NOT-SHOWN"));
        QVERIFY(!page.contains("CATEGORY-NOT-SHOWN"));
    }

    void wholePageInEachKindOfScheme_data() {
        QTest::addColumn<int>("scheme");
        QTest::newRow("1 plain") << 1;
        QTest::newRow("3 font tag") << 3;
        QTest::newRow("6 white text") << 6;
        QTest::newRow("12 white companion, font tag") << 12;
        QTest::newRow("17 white text and font tag") << 17;
        QTest::newRow("0 empty") << 0;
        QTest::newRow("20 empty") << 20;
    }
    void wholePageInEachKindOfScheme() {
        QFETCH(int, scheme);
        for (int layout : {1, 4})
            WriteAndCompare(PlainItem(), layout, scheme);
    }

    void emptySchemeLeavesAttributesEmpty() {
        const QByteArray page = WriteAndCompare(PlainItem(), 1, 0);
        QVERIFY(page.contains("width=\"100%\" bgColor= border=1 style="));
        QVERIFY(page.contains("\">bid history </A> </FONT>"));
    }

    void valuesAreSplicedUnchanged() {
        TestItem item = PlainItem();
        ItemRecord& r = item.record;
        r.SetField(ItemRecord::ItemNumber, QStringLiteral("<i>7\"'&"));
        r.SetField(ItemRecord::Title, QStringLiteral("<B>Tea & \"cakes\"</B>"));
        r.SetField(ItemRecord::Description,
                   QStringLiteral("line one\r\nline two\nline <b>three</b>\r\n"));
        r.SetField(ItemRecord::ImageAddress, QString());
        r.SetField(ItemRecord::Price, QString());
        r.SetField(ItemRecord::EndTime, QString());
        item.location = QString();
        item.seller = QStringLiteral("  spaced seller  ");
        for (int layout : {1, 2, 3, 4}) {
            const QByteArray page = WriteAndCompare(item, layout, 3);
            QVERIFY(
                page.startsWith("<HTML>\r\n<HEAD>\r\n<TITLE>eBay item <i>7\"'& (Ends  ) - "
                                "<B>Tea & \"cakes\"</B></TITLE>\r\n"));
            QVERIFY(page.contains("<B>US </B> &nbsp;\r\n"));
            QVERIFY(page.contains("\"Arial\"><B></B></font></TD>"));
            QVERIFY(page.contains("<IMG hspace=5 src=\"\" align=top border=0 >"));
            QVERIFY(page.contains("line one\r\nline two\nline <b>three</b>\r\n</B></FONT>\r\n"));
            QVERIFY(page.contains("<B>Please correspond with us at   spaced seller  </B>"));
        }
    }

    void charactersOutsideLatin1AreReferences() {
        TestItem item = PlainItem();
        item.record.SetField(ItemRecord::Title,
                             QStringLiteral("Caf\u00E9 cr\u00E8me \u20AC5 \U0001F600") +
                                 QChar(0xD800) + QStringLiteral("!"));
        item.country = QStringLiteral("\u00D6sterreich");
        WriteAndCompare(item, 1, 1);
        const QByteArray page = ReadFile(m_settings.OutputFolder() + QStringLiteral("/3001.html"));
        const QByteArray title = "Caf\xE9 cr\xE8me &#8364;5 &#128512;&#65533;!";
        QCOMPARE(page.count(title), 3);
        QVERIFY(page.contains("<B>\xD6sterreich</B>"));
        QVERIFY(!page.contains("\xC3\xA9"));  // no UTF-8 anywhere
    }

    void boxesAreReadAsTheirLinesAreWritten() {
        const TestItem item = PlainItem();
        RecordingHost host(item);
        LinkTable links;
        PageWriter writer(m_settings, host);
        writer.WriteItemPage(item.record, links);
        QCOMPARE(host.reads, (QStringList{QStringLiteral("Location"), QStringLiteral("Country"),
                                          QStringLiteral("Seller")}));
    }

    void theCounterGoesUpAfterEachPage() {
        TestItem item = PlainItem();
        RecordingHost host(item);
        LinkTable links;
        PageWriter writer(m_settings, host);
        for (int page = 0; page < 3; ++page)
            writer.WriteItemPage(item.record, links);
        QCOMPARE(host.m_count, qint64(3));
        QCOMPARE(host.m_captions,
                 (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
        // The count goes on past the largest 16-bit number instead of stopping the run.
        host.m_count = 32767;
        writer.WriteItemPage(item.record, links);
        QCOMPARE(host.m_count, qint64(32768));
        QCOMPARE(host.m_captions.last(), QStringLiteral("32768"));
    }

    void theSameItemNumberReplacesThePage() {
        TestItem item = PlainItem();
        WriteAndCompare(item, 1, 1);
        item.record.SetField(ItemRecord::Title, QStringLiteral("Second"));
        const QByteArray second = WriteAndCompare(item, 2, 1);
        QCOMPARE(ReadFile(m_settings.OutputFolder() + QStringLiteral("/3001.html")), second);
        QCOMPARE(Entries(m_settings.OutputFolder()), QStringList{QStringLiteral("3001.html")});
    }

    void anEmptyItemNumberNamesDotHtml() {
        TestItem item = PlainItem();
        item.record.SetField(ItemRecord::ItemNumber, QString());
        WriteAndCompare(item, 1, 1);
        QCOMPARE(Entries(m_settings.OutputFolder()), QStringList{QStringLiteral(".html")});
    }

    void theFileNameAlwaysAddsASeparator() {
        QCOMPARE(PageWriter::PageFileName(QStringLiteral("/srv/out"), QStringLiteral("12")),
                 QStringLiteral("/srv/out/12.html"));
        QCOMPARE(PageWriter::PageFileName(QStringLiteral("/"), QStringLiteral("12")),
                 QStringLiteral("//12.html"));
        QCOMPARE(PageWriter::PageFileName(QStringLiteral("/srv/out/"), QStringLiteral("12")),
                 QStringLiteral("/srv/out//12.html"));
        // A folder with a trailing separator names the same page.
        m_settings.SetOutputFolder(m_settings.OutputFolder() + QLatin1Char('/'));
        WriteAndCompare(PlainItem(), 1, 1);
        QVERIFY(QFile::exists(m_dir.path() + QStringLiteral("/out/3001.html")));
    }

    void aSchemeOutsideTheTableLeavesNoPage() {
        for (int scheme : {21, -1}) {
            m_settings.SetSchemeIndex(static_cast<qint16>(scheme));
            ExpectRefused(PlainItem().record,
                          QStringLiteral("colour scheme number %1").arg(scheme));
            QVERIFY(Entries(m_settings.OutputFolder()).isEmpty());
        }
        // A page written before under that name is left as it was.
        const QByteArray before = WriteAndCompare(PlainItem(), 1, 1);
        m_settings.SetSchemeIndex(21);
        ExpectRefused(PlainItem().record, QStringLiteral("0 to 20"));
        QCOMPARE(ReadFile(m_settings.OutputFolder() + QStringLiteral("/3001.html")), before);
    }

    void anUnwritableFolderNamesTheFileAndTheReason() {
        m_settings.SetOutputFolder(m_dir.path() + QStringLiteral("/missing"));
        ExpectRefused(PlainItem().record, QStringLiteral("cannot be created"));
        QVERIFY(!QFileInfo::exists(m_dir.path() + QStringLiteral("/missing")));

        QFile plain(m_dir.path() + QStringLiteral("/plain-file"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        m_settings.SetOutputFolder(plain.fileName());
        ExpectRefused(PlainItem().record, QStringLiteral("cannot be created"));

        m_settings.SetOutputFolder(QString());
        FixedHost host;
        QVERIFY_THROWS_EXCEPTION(
            LotcraftError, PageWriter(m_settings, host).WriteItemPage(PlainItem().record, {}));
    }

    void unsafeItemNumbersAreRefused_data() {
        QTest::addColumn<QString>("itemNumber");
        QTest::addColumn<QString>("reason");
        QTest::newRow("parent") << QStringLiteral("../x") << QStringLiteral("holds \"/\"");
        QTest::newRow("sub-folder") << QStringLiteral("a/b") << QStringLiteral("holds \"/\"");
        QTest::newRow("absolute") << QStringLiteral("/tmp/x") << QStringLiteral("holds \"/\"");
        QTest::newRow("nul") << (QStringLiteral("x") + QChar(0) + QStringLiteral("y"))
                             << QStringLiteral("NUL");
        QTest::newRow("dot") << QStringLiteral(".") << QStringLiteral("names a folder");
        QTest::newRow("dot dot") << QStringLiteral("..") << QStringLiteral("names a folder");
    }
    void unsafeItemNumbersAreRefused() {
        QFETCH(QString, itemNumber);
        QFETCH(QString, reason);
        ItemRecord record = PlainItem().record;
        record.SetField(ItemRecord::ItemNumber, itemNumber);
        ExpectRefused(record, reason);
        QVERIFY(Entries(m_settings.OutputFolder()).isEmpty());
        QCOMPARE(Entries(m_dir.path()), QStringList{QStringLiteral("out")});
    }

    void aWriteThatFailsHalfWayLeavesNoPage() {
        // Files may grow to 1000 bytes only, so the page's write fails part way.
        rlimit old{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &old) == 0);
        rlimit small = old;
        small.rlim_cur = 1000;
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
        FixedHost host;
        QString message;
        try {
            PageWriter(m_settings, host).WriteItemPage(PlainItem().record, {});
        } catch (const LotcraftError& error) {
            message = error.Message();
        }
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY2(message.contains(QLatin1String("cannot be written")), qPrintable(message));
        QVERIFY(message.contains(QLatin1String("3001.html")));
        QVERIFY(Entries(m_settings.OutputFolder()).isEmpty());
        QCOMPARE(host.m_count, qint64(0));
    }
};

QTEST_APPLESS_MAIN(PageWriterTest)
#include "PageWriterTest.moc"
