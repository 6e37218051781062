// SPDX-License-Identifier: GPL-3.0-or-later
// Whole item pages compared byte for byte with pages built here from the page line tables
// (tests/data/page-lines.txt, in the tables' own notation), and the pages no one can make.

#include "app/LotcraftError.h"
#include "app/ProgramSettings.h"
#include "catalogue/CatalogueReader.h"
#include "catalogue/CatalogueWriter.h"
#include "catalogue/ItemRecord.h"
#include "pages/PageBuilder.h"
#include "pages/PageInputs.h"
#include "pages/PagePictures.h"

#include "ExpectedPage.h"

#include <QtTest>

using namespace ExpectedPage;

class PageBuilderTest : public QObject {
    Q_OBJECT

private:
    ProgramSettings m_settings;
    // No folder of the program's: no name is reserved.
    const PagePictures m_pictures{QStringLiteral("/nonexistent/lotcraft")};

    PageInputs Inputs(const TestItem& item) const {
        return PageInputs::Take(m_settings, {item.seller, item.location, item.country}, m_pictures);
    }

    // Builds the item's page with the given layout and scheme and checks it against the page
    // built from the tables.
    QByteArray BuildAndCompare(const TestItem& item, int layout, int scheme) {
        m_settings.SetLayoutIndex(static_cast<qint16>(layout));
        m_settings.SetSchemeIndex(static_cast<qint16>(scheme));
        const QByteArray page = PageBuilder::Build(item.record, Inputs(item));
        ComparePages(page, JoinCrLf(ExpectedLines(layout, ValuesFor(item, scheme))));
        return page;
    }

    void ExpectRefused(const ItemRecord& record, const QString& reasonPart) {
        const PageInputs inputs = Inputs(PlainItem());
        try {
            PageBuilder::Build(record, inputs);
            QFAIL("the page was built");
        } catch (const LotcraftError& error) {
            QVERIFY2(error.Reason().contains(reasonPart), qPrintable(error.Message()));
            // A NUL in the item number is shown as "\\0", in the file name too.
            QString shownNumber = record.Field(ItemRecord::ItemNumber);
            shownNumber.replace(QChar(0), QStringLiteral("\\0"));
            QCOMPARE(error.File(), PageBuilder::PagePath(inputs.outputFolder, shownNumber));
            QVERIFY(!error.Message().contains(QChar(0)));
        }
    }

private Q_SLOTS:
    void init() {
        m_settings = ProgramSettings();
        m_settings.SetOutputFolder(QStringLiteral("/srv/pages"));
    }

    // The sample catalogue with a heading and 30 columns of the seller's own after its ten
    // fields gives the same pages in every layout, byte for byte.
    void pagesDoNotShowColumnsKeptBeyondTheFields() {
        const CatalogueReader::Result ten = CatalogueReader::Read(
            QStringLiteral(LOTCRAFT_SOURCE_DIR "/examples/sample-catalogue.csv"));
        CatalogueColumns columns;
        std::vector<ItemRecord> records = ten.records;
        for (int column = 0; column < 30; ++column) {
            columns.AddExtra(QStringLiteral("C:Specific %1").arg(column + 1));
            for (ItemRecord& record : records)
                record.SetExtra(column, QStringLiteral("value %1").arg(column + 1));
        }
        QTemporaryDir folder;
        const QString kept = folder.filePath(QStringLiteral("kept.csv"));
        CatalogueWriter::Write(kept, columns, records);
        const CatalogueReader::Result forty = CatalogueReader::Read(kept);
        QCOMPARE(forty.columns.ExtraCount(), 30);
        QCOMPARE(forty.records.size(), ten.records.size());
        QVERIFY(!ten.records.empty());
        for (int layout = 1; layout <= 4; ++layout) {
            m_settings.SetLayoutIndex(static_cast<qint16>(layout));
            const PageInputs inputs = Inputs(PlainItem());
            for (size_t index = 0; index < ten.records.size(); ++index) {
                QCOMPARE(forty.records[index].Extra(29), QStringLiteral("value 30"));
                QCOMPARE(PageBuilder::Build(forty.records[index], inputs),
                         PageBuilder::Build(ten.records[index], inputs));
            }
        }
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
        const QByteArray page = BuildAndCompare(PlainItem(), layout, 1);
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
            BuildAndCompare(PlainItem(), layout, scheme);
    }

    void emptySchemeLeavesAttributesEmpty() {
        const QByteArray page = BuildAndCompare(PlainItem(), 1, 0);
        QVERIFY(page.contains("width=\"100%\" bgColor= border=1 style="));
        QVERIFY(page.contains("\">bid history </A> </FONT>"));
    }

    // The title and the description carry the seller's markup as typed; every other value
    // is text, which can close no attribute and open no tag, in the page and its addresses.
    void onlyTitleAndDescriptionCarryMarkup() {
        TestItem item = PlainItem();
        ItemRecord& r = item.record;
        r.SetField(ItemRecord::ItemNumber, QStringLiteral("<i>7\"'&"));
        r.SetField(ItemRecord::Title, QStringLiteral("<B>Tea & \"cakes\"</B>"));
        r.SetField(ItemRecord::Description,
                   QStringLiteral("line one\r\nline two\nline <b>three</b>\r\n"));
        r.SetField(ItemRecord::ImageAddress, QStringLiteral("https://x/p.jpg\" onerror=\"go()"));
        r.SetField(ItemRecord::Price, QString());
        r.SetField(ItemRecord::EndTime, QStringLiteral("<script>go()</script>"));
        item.location = QString();
        item.seller = QStringLiteral("  me@example.com\"><b>  ");
        for (int layout : {1, 2, 3, 4}) {
            const QByteArray page = BuildAndCompare(item, layout, 3);
            QVERIFY(page.startsWith(
                "<HTML>\r\n<HEAD>\r\n<TITLE>eBay item &lt;i&gt;7&quot;'&amp; (Ends "
                "&lt;script&gt;go()&lt;/script&gt; ) - <B>Tea & \"cakes\"</B></TITLE>\r\n"));
            QVERIFY(page.contains("<B>US </B> &nbsp;\r\n"));
            QVERIFY(page.contains("\"Arial\"><B></B></font></TD>"));
            QVERIFY(
                page.contains("<IMG hspace=5 src=\"https://x/p.jpg&quot; onerror=&quot;go()\" "
                              "align=top border=0 >"));
            QVERIFY(page.contains("line one\r\nline two\nline <b>three</b>\r\n</B></FONT>\r\n"));
            QVERIFY(page.contains(
                "<B>Please correspond with us at   me@example.com&quot;&gt;&lt;b&gt;  </B>"));
            QVERIFY(page.contains("ViewFeedback&userid=  me@example.com&quot;&gt;&lt;b&gt;  \""));
            QVERIFY(page.contains("MakeTrack&item=&lt;i&gt;7&quot;'&amp;\""));
            QVERIFY(!page.contains("<script>") && !page.contains("\" onerror"));
        }
    }

    void charactersOutsideLatin1AreReferences() {
        TestItem item = PlainItem();
        item.record.SetField(ItemRecord::Title,
                             QStringLiteral("Caf\u00E9 cr\u00E8me \u20AC5 \U0001F600") +
                                 QChar(0xD800) + QStringLiteral("!"));
        item.country = QStringLiteral("\u00D6sterreich");
        const QByteArray page = BuildAndCompare(item, 1, 1);
        const QByteArray title = "Caf\xE9 cr\xE8me &#8364;5 &#128512;&#65533;!";
        QCOMPARE(page.count(title), 3);
        QVERIFY(page.contains("<B>\xD6sterreich</B>"));
        QVERIFY(!page.contains("\xC3\xA9"));  // no UTF-8 anywhere
    }

    // The listing description is the page's section with every character as itself; its
    // length, counted without building it, counts a pair of surrogates once.
    void theDescriptionSectionIsThePagesWithCharactersAsThemselves() {
        TestItem item = PlainItem();
        item.record.SetField(ItemRecord::Description,
                             QStringLiteral("Vase \u00E9 \u20AC5 \U0001F600 \u6771\u4EAC"));
        item.record.SetField(ItemRecord::ItemNumber, QStringLiteral("a/b"));
        for (int layout = 0; layout <= 4; ++layout) {
            m_settings.SetLayoutIndex(static_cast<qint16>(layout));
            const PageInputs inputs = Inputs(item);
            // An item number no page file can take still has a description.
            const QString section = PageBuilder::DescriptionSection(item.record, inputs);
            QVERIFY(section.startsWith(QLatin1String("<CENTER>\r\n")));
            QVERIFY(section.endsWith(QLatin1String("</div>\r\n")));
            QCOMPARE(section.contains(item.record.Field(ItemRecord::Description)), layout > 0);
            QCOMPARE(PageBuilder::DescriptionSectionLength(item.record, inputs),
                     section.size() - (layout > 0 ? 1 : 0));
            // No contact details in a listing: the page's line inviting mail is left out.
            QVERIFY(!section.contains(QLatin1String("correspond")));
        }
        // The first of several pictures is shown; an item without one shows none.
        m_settings.SetLayoutIndex(1);
        for (const QString& pictures :
             {QStringLiteral(" https://a.example/1.jpg |https://a.example/2.jpg"), QString()}) {
            item.record.SetField(ItemRecord::ImageAddress, pictures);
            const QString section = PageBuilder::DescriptionSection(item.record, Inputs(item));
            QCOMPARE(section.count(QLatin1String("<IMG")), pictures.isEmpty() ? 0 : 1);
            QCOMPARE(section.contains(QLatin1String("src=\"https://a.example/1.jpg\"")),
                     !pictures.isEmpty());
        }
    }

    void anEmptyItemNumberNamesDotHtml() {
        TestItem item = PlainItem();
        item.record.SetField(ItemRecord::ItemNumber, QString());
        BuildAndCompare(item, 1, 1);
        QCOMPARE(PageBuilder::PagePath(QStringLiteral("/srv"), QString()),
                 QStringLiteral("/srv/.html"));
    }

    void thePathHasOneSeparator() {
        QCOMPARE(PageBuilder::PagePath(QStringLiteral("/srv/out"), QStringLiteral("12")),
                 QStringLiteral("/srv/out/12.html"));
        QCOMPARE(PageBuilder::PagePath(QStringLiteral("/"), QStringLiteral("12")),
                 QStringLiteral("/12.html"));
        QCOMPARE(PageBuilder::PagePath(QStringLiteral("/srv/out/"), QStringLiteral("12")),
                 QStringLiteral("/srv/out/12.html"));
    }

    void aSchemeOutsideTheTableGivesNoInputs() {
        for (int scheme : {21, -1}) {
            m_settings.SetSchemeIndex(static_cast<qint16>(scheme));
            try {
                Inputs(PlainItem());
                QFAIL("inputs were taken");
            } catch (const LotcraftError& error) {
                QVERIFY2(
                    error.Reason().contains(QStringLiteral("colour scheme number %1").arg(scheme)),
                    qPrintable(error.Reason()));
                QVERIFY(error.Reason().contains(QLatin1String("0 to 20")));
            }
        }
    }

    void noOutputFolderNoPage() {
        m_settings.SetOutputFolder(QString());
        QVERIFY_THROWS_EXCEPTION(LotcraftError,
                                 PageBuilder::Build(PlainItem().record, Inputs(PlainItem())));
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
    }

    void theProgramsOwnFilesAreReservedInItsFolder() {
        // Only where the pages go into the program's own folder.
        QTemporaryDir folder;
        const PagePictures pictures(folder.path());
        ItemRecord record = PlainItem().record;
        record.SetField(ItemRecord::ItemNumber, QStringLiteral("help"));
        m_settings.SetOutputFolder(folder.path());
        const PageInputs inside = PageInputs::Take(m_settings, SellerTexts::Starting(), pictures);
        QCOMPARE(inside.reservedNames, PagePictures::ShippedFiles());
        try {
            PageBuilder::Build(record, inside);
            QFAIL("the help page would be replaced");
        } catch (const LotcraftError& error) {
            QVERIFY2(error.Reason().contains(QLatin1String("would replace help.html")),
                     qPrintable(error.Reason()));
        }
        m_settings.SetOutputFolder(folder.path() + QStringLiteral("/elsewhere"));
        const PageInputs outside = PageInputs::Take(m_settings, SellerTexts::Starting(), pictures);
        QVERIFY(outside.reservedNames.isEmpty());
        QVERIFY(PageBuilder::Build(record, outside).startsWith("<HTML>"));
    }
};

QTEST_APPLESS_MAIN(PageBuilderTest)
#include "PageBuilderTest.moc"
