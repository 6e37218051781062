// Whole item pages compared byte for byte with pages built here from the page line tables
// (tests/data/page-lines.txt, in the tables' own notation), and the writer's failures.

#include "app/LotcraftError.h"
#include "app/ProgramSettings.h"
#include "catalogue/ItemRecord.h"
#include "pages/LinkTable.h"
#include "pages/PageHost.h"
#include "pages/PageWriter.h"

#include "ExpectedPage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

#include "FileSizeLimit.h"

using namespace ExpectedPage;

namespace {

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
            // A NUL in the item number is shown as "\\0", in the file name too.
            QString shownNumber = record.Field(ItemRecord::ItemNumber);
            shownNumber.replace(QChar(0), QStringLiteral("\\0"));
            QCOMPARE(error.File(),
                     PageWriter::PageFileName(m_settings.OutputFolder(), shownNumber));
            QVERIFY(!error.Message().contains(QChar(0)));
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
        m_settings = ProgramSettings();
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

    void aPageIsNeverWrittenThroughALink() {
        // Old pages that are links to files outside the output folder: those files stay as
        // they are, and each page becomes a file of its own in the folder.
        const QString outside = m_dir.filePath(QStringLiteral("outside.txt"));
        const QString outsideToo = m_dir.filePath(QStringLiteral("outside-too.txt"));
        for (const QString& name : {outside, outsideToo}) {
            QFile file(name);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("keep me");
        }
        const QString out = m_settings.OutputFolder();
        QVERIFY(QFile::link(outside, out + QStringLiteral("/1.html")));
        QVERIFY(::link(QFile::encodeName(outsideToo).constData(),
                       QFile::encodeName(out + QStringLiteral("/2.html")).constData()) == 0);

        FixedHost host;
        PageWriter writer(m_settings, host);
        ItemRecord record = PlainItem().record;
        for (const QString& number : {QStringLiteral("1"), QStringLiteral("2")}) {
            record.SetField(ItemRecord::ItemNumber, number);
            writer.WriteItemPage(record, {});
            const QFileInfo page(out + QLatin1Char('/') + number + QStringLiteral(".html"));
            QVERIFY(!page.isSymLink());
            QVERIFY(ReadFile(page.filePath()).startsWith("<HTML>\r\n"));
        }
        QCOMPARE(ReadFile(outside), QByteArray("keep me"));
        QCOMPARE(ReadFile(outsideToo), QByteArray("keep me"));
    }

    void anEmptyItemNumberNamesDotHtml() {
        TestItem item = PlainItem();
        item.record.SetField(ItemRecord::ItemNumber, QString());
        WriteAndCompare(item, 1, 1);
        QCOMPARE(Entries(m_settings.OutputFolder()), QStringList{QStringLiteral(".html")});
    }

    void theFileNameHasOneSeparator() {
        QCOMPARE(PageWriter::PageFileName(QStringLiteral("/srv/out"), QStringLiteral("12")),
                 QStringLiteral("/srv/out/12.html"));
        QCOMPARE(PageWriter::PageFileName(QStringLiteral("/"), QStringLiteral("12")),
                 QStringLiteral("/12.html"));
        QCOMPARE(PageWriter::PageFileName(QStringLiteral("/srv/out/"), QStringLiteral("12")),
                 QStringLiteral("/srv/out/12.html"));
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
        FixedHost host;
        QString message;
        {
            const FileSizeLimit limit(1000);
            QVERIFY(limit.Active());
            try {
                PageWriter(m_settings, host).WriteItemPage(PlainItem().record, {});
            } catch (const LotcraftError& error) {
                message = error.Message();
            }
        }
        QVERIFY2(message.contains(QLatin1String("cannot be written")), qPrintable(message));
        QVERIFY(message.contains(QLatin1String("3001.html")));
        QVERIFY(Entries(m_settings.OutputFolder()).isEmpty());
        QCOMPARE(host.m_count, qint64(0));

        // A page written before under that name stays whole.
        const QByteArray before = WriteAndCompare(PlainItem(), 1, 1);
        {
            const FileSizeLimit limit(1000);
            QVERIFY_THROWS_EXCEPTION(
                LotcraftError, PageWriter(m_settings, host).WriteItemPage(PlainItem().record, {}));
        }
        QCOMPARE(ReadFile(m_settings.OutputFolder() + QStringLiteral("/3001.html")), before);
        QCOMPARE(Entries(m_settings.OutputFolder()), QStringList{QStringLiteral("3001.html")});
    }
};

QTEST_APPLESS_MAIN(PageWriterTest)
#include "PageWriterTest.moc"
