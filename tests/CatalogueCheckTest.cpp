// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue check: what it finds in a catalogue before pages are written, row by row, and
// that its naming rule is the one the page writer keeps.

#include "app/LotcraftError.h"
#include "app/ProgramSettings.h"
#include "catalogue/CatalogueReader.h"
#include "catalogue/ItemRecord.h"
#include "pages/CatalogueCheck.h"
#include "pages/PageBuilder.h"
#include "pages/PageInputs.h"
#include "pages/PageName.h"
#include "pages/PagePictures.h"
#include "pages/SellerTexts.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <climits>
#include <tuple>

namespace {

using Kind = CatalogueFinding::Kind;
// A finding as the tests compare it: its row, its kind and the earlier row it names.
using Found = std::tuple<int, Kind, int>;

ItemRecord Item(const QString& number, const QString& title = QStringLiteral("Brass lamp"),
                const QString& price = QStringLiteral("$10.00"),
                const QString& picture = QStringLiteral("https://i.ebayimg.com/images/a.jpg")) {
    ItemRecord record;
    record.SetField(ItemRecord::ItemNumber, number);
    record.SetField(ItemRecord::Title, title);
    record.SetField(ItemRecord::Price, price);
    record.SetField(ItemRecord::ImageAddress, picture);
    return record;
}

ItemRecord Row(const QStringList& cells) {
    ItemRecord record;
    for (int position = 1; position <= int(cells.size()); ++position)
        record.SetField(position, cells.at(position - 1));
    return record;
}

const SellerTexts& SellerHost() {
    static const SellerTexts texts = {QStringLiteral("seller@example.com"), QStringLiteral("Leeds"),
                                      QStringLiteral("United Kingdom")};
    return texts;
}

std::vector<Found> Check(const std::vector<ItemRecord>& records,
                         const SellerTexts& host = SellerHost(),
                         const QString& folder = QString()) {
    std::vector<Found> found;
    for (const CatalogueFinding& finding : CatalogueCheck::Run(records, host, folder))
        found.emplace_back(finding.row, finding.kind, finding.otherRow);
    return found;
}

}  // namespace

class CatalogueCheckTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void itemNumbersThatCannotNameAPageAreErrors() {
        const QStringList numbers = {QString(),
                                     QStringLiteral("."),
                                     QStringLiteral(".."),
                                     QStringLiteral("12/3"),
                                     QStringLiteral("12") + QChar(0) + QStringLiteral("3"),
                                     QStringLiteral("12\n3"),
                                     QStringLiteral("12\r"),
                                     QStringLiteral("..."),
                                     QStringLiteral(" 12 ")};
        std::vector<ItemRecord> records;
        for (const QString& number : numbers)
            records.push_back(Item(number));
        const std::vector<CatalogueFinding> findings =
            CatalogueCheck::Run(records, SellerHost(), QString());
        QCOMPARE(findings.size(), size_t(7));
        for (const CatalogueFinding& finding : findings) {
            QCOMPARE(finding.kind, Kind::UnusableItemNumber);
            QVERIFY(finding.IsError());
            QCOMPARE(finding.itemNumber, numbers.at(finding.row - 1));
        }
        QCOMPARE(CatalogueCheck::RowsInError(findings), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
        QCOMPARE(findings[1].Line(), QStringLiteral("Row 2, item \".\": error: ") +
                                         findings[1].what + QLatin1Char(' ') +
                                         findings[1].whatToDo);
        QVERIFY(findings[4].Line().startsWith(QLatin1String("Row 5, item \"12\\03\": error: ")));
        QVERIFY(findings[5].what.contains(QLatin1String("\"12\\n3\"")));

        // The writer refuses exactly what the rule says it refuses, and names pages alike.
        ProgramSettings settings;
        settings.SetOutputFolder(QStringLiteral("/nonexistent-folder"));
        const PageInputs inputs =
            PageInputs::Take(settings, SellerTexts(), PagePictures(QStringLiteral("/nonexistent")));
        for (const QString& number : numbers) {
            bool refused = false;
            try {
                PageBuilder::Build(Item(number), inputs);
            } catch (const LotcraftError&) {
                refused = true;
            }
            QCOMPARE(refused, !PageName::WriterRefusal(number).isEmpty());
            QCOMPARE(PageBuilder::PagePath(QStringLiteral("/f"), number),
                     QStringLiteral("/f/") + PageName::FileName(number));
        }
    }

    void laterRowsWithTheSamePageNameAreErrors() {
        const std::vector<ItemRecord> records = {
            Item(QStringLiteral("777")), Item(QStringLiteral("abc")), Item(QStringLiteral("777")),
            Item(QStringLiteral("ABC")), Item(QStringLiteral("777")), Item(QStringLiteral("abc")),
            Item(QStringLiteral("Abc"))};
        const std::vector<Found> expected = {{3, Kind::DuplicateItemNumber, 1},
                                             {4, Kind::CaseDuplicate, 2},
                                             {5, Kind::DuplicateItemNumber, 3},
                                             {6, Kind::DuplicateItemNumber, 2},
                                             {7, Kind::CaseDuplicate, 2}};
        QVERIFY(Check(records) == expected);
        const std::vector<CatalogueFinding> findings =
            CatalogueCheck::Run(records, SellerHost(), QString());
        QVERIFY(findings[0].what.contains(QLatin1String("Row 1 ")));
        QVERIFY(findings[1].what.contains(QLatin1String("row 2's \"abc\"")));
        QCOMPARE(CatalogueCheck::RowsInError(findings), (std::vector<int>{3, 5, 6}));
        QCOMPARE(CatalogueCheck::Count(findings, CatalogueFinding::Severity::Warning), 2);
    }

    void fileNamesAndPathsAreHeldToTheSystemsLimits() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const long limit = CatalogueCheck::NameLimit(dir.path());
        QVERIFY(limit > 10);
        // Letters of two, three and four bytes: the name is counted in the bytes the
        // system stores.
        const long itemBytes = limit - 5;
        QString atLimit;
        while (atLimit.toUtf8().size() + 9 <= itemBytes)
            atLimit += QStringLiteral("\u00E9\u20AC\U0001F600");
        while (atLimit.toUtf8().size() < itemBytes)
            atLimit += QLatin1Char('a');
        const QString pastLimit = atLimit + QLatin1Char('b');
        QVERIFY(Check({Item(atLimit)}, SellerHost(), dir.path()).empty());
        const std::vector<Found> tooLong = {{1, Kind::NameTooLong, 0}};
        QVERIFY(Check({Item(pastLimit)}, SellerHost(), dir.path()) == tooLong);
        // What the check lets through can be written; what it stops cannot.
        QFile fits(dir.path() + QLatin1Char('/') + PageName::FileName(atLimit));
        QVERIFY(fits.open(QIODevice::WriteOnly));
        QFile refused(dir.path() + QLatin1Char('/') + PageName::FileName(pastLimit));
        QVERIFY(!refused.open(QIODevice::WriteOnly));
        // Without a folder, names are held to the usual limit and paths are not checked.
        QCOMPARE(CatalogueCheck::NameLimit(QString()), CatalogueCheck::DefaultNameLimit);
        QCOMPARE(CatalogueCheck::NameLimit(QStringLiteral("/no/such/folder")),
                 CatalogueCheck::DefaultNameLimit);

        // A folder path so long that the page's whole path meets the system's limit.
        QString folder;
        while (folder.size() < PATH_MAX - 200)
            folder += QLatin1Char('/') + QString(99, QLatin1Char('d'));
        const QString fitting(int(PATH_MAX - 1 - folder.size() - 1 - 5), QLatin1Char('n'));
        QCOMPARE(PageBuilder::PagePath(folder, fitting).size(), PATH_MAX - 1);
        QVERIFY(Check({Item(fitting)}, SellerHost(), folder).empty());
        const std::vector<Found> pathTooLong = {{1, Kind::PathTooLong, 0}};
        QVERIFY(Check({Item(fitting + QLatin1Char('n'))}, SellerHost(), folder) == pathTooLong);
        QVERIFY(Check({Item(fitting + QLatin1Char('n'))}).empty());
    }

    void warningsLeaveEveryRowToBeWritten() {
        const QString eighty =
            QString(78, QLatin1Char('t')) + QStringLiteral("\U0001F600\U0001F600");
        const std::vector<ItemRecord> records = {
            Item(QStringLiteral("1"), eighty),
            Item(QStringLiteral("2"), eighty + QLatin1Char('!')),
            Item(QStringLiteral("3"), QStringLiteral("  ")),
            Item(QStringLiteral("4"), QStringLiteral("Lamp"), QStringLiteral(" ")),
            Item(QStringLiteral("5"), QStringLiteral("Lamp"), QStringLiteral("$1"),
                 QStringLiteral("http://example.com/a.jpg")),
            Item(QStringLiteral("6"), QStringLiteral("Lamp"), QStringLiteral("$1"),
                 QStringLiteral("pictures/a.jpg")),
            Item(QStringLiteral("7"), QStringLiteral("Lamp"), QStringLiteral("$1"),
                 QStringLiteral(" HTTPS://example.com/a.jpg")),
            Item(QStringLiteral("8"), QStringLiteral("Lamp"), QStringLiteral("$1"), QString()),
            // A bare number, as a spreadsheet saves a price, shows as "US 7.6".
            Item(QStringLiteral("9"), QStringLiteral("Lamp"), QStringLiteral("7.6")),
            // The page shows the first of several pictures.
            Item(QStringLiteral("10"), QStringLiteral("Lamp"), QStringLiteral("$1"),
                 QStringLiteral("https://a.example/1.jpg|http://a.example/2.jpg")),
        };
        const std::vector<Found> expected = {
            {2, Kind::LongTitle, 0},       {3, Kind::EmptyTitle, 0},
            {4, Kind::EmptyPrice, 0},      {5, Kind::PictureNotHttps, 0},
            {6, Kind::PictureNotHttps, 0}, {9, Kind::BareNumberPrice, 0}};
        QVERIFY(Check(records) == expected);
        QVERIFY(CatalogueCheck::RowsInError(CatalogueCheck::Run(records, SellerHost(), QString()))
                    .empty());

        // The seller's texts as the window starts with them, and an empty seller.
        SellerTexts initial = SellerTexts::Starting();
        initial.seller += QLatin1Char(' ');
        const std::vector<Found> untouched = {
            {0, Kind::InitialText, 0}, {0, Kind::InitialText, 0}, {0, Kind::InitialText, 0}};
        QVERIFY(Check({Item(QStringLiteral("1"))}, initial) == untouched);
        const SellerTexts noSeller = {QString(), QStringLiteral("Leeds"), QStringLiteral("UK")};
        const std::vector<Found> empty = {{0, Kind::EmptySeller, 0}};
        QVERIFY(Check({}, noSeller) == empty);
    }

    void aHeadingRowIsFoundAndOrdinaryFirstRowsAreNot() {
        const QStringList heading = {QStringLiteral("Item"),
                                     QStringLiteral("Title"),
                                     QStringLiteral("Description"),
                                     QStringLiteral("Image"),
                                     QStringLiteral("Price"),
                                     QStringLiteral("First bid"),
                                     QString(),
                                     QStringLiteral("Started"),
                                     QStringLiteral("Ends"),
                                     QStringLiteral("Category")};
        const std::vector<Found> found = {{1, Kind::HeadingRow, 0}};
        QVERIFY(Check({Row(heading), Item(QStringLiteral("1001"))}) == found);
        // A spreadsheet's own names for the columns; word item numbers with prices below.
        const QStringList sheet = {QStringLiteral("SKU"), QStringLiteral("Name"),
                                   QStringLiteral("Desc"), QStringLiteral("Picture URL")};
        QVERIFY(Check({Row(sheet), Item(QStringLiteral("ABC-D"))}) == found);
        QVERIFY(Check({Row({QStringLiteral("Item number"), QStringLiteral("TITLE"),
                            QStringLiteral("first_bid")}),
                       Item(QStringLiteral("ABC"))}) == found);

        // Not a heading: a seller's first item whose number is a word but whose cells are
        // an item's; a heading-like row with nothing numeric below; a lone row.
        QVERIFY(Check({Item(QStringLiteral("Item")), Item(QStringLiteral("1001"))}).empty());
        QVERIFY(Check({Row({QStringLiteral("SKU"), QStringLiteral("Title"), QStringLiteral("Lamp"),
                            QStringLiteral("https://a.jp/a.jpg"), QStringLiteral("ten")}),
                       Item(QStringLiteral("1001"))})
                    .empty());
        QVERIFY(Check({Item(QStringLiteral("ABC-1"), QStringLiteral("Title")),
                       Item(QStringLiteral("ABC-2"))})
                    .empty());
        const std::vector<Found> pictureOnly = {{1, Kind::PictureNotHttps, 0}};
        QVERIFY(Check({Row(heading), Item(QStringLiteral("Lamp"), QStringLiteral("Lamp"),
                                          QStringLiteral("ten"))}) == pictureOnly);
        QVERIFY(Check({Row(heading)}) == pictureOnly);
    }

    void rowsFromWhereTheFileStoppedLiningUpAreWarned() {
        std::vector<ItemRecord> records;
        for (int n = 1; n <= 5; ++n)
            records.push_back(Item(QString::number(n)));
        records[3] = Item(QStringLiteral("2"));  // an error before the warning on its row
        QVERIFY(Check(records).size() == 1);
        const std::vector<CatalogueFinding> findings =
            CatalogueCheck::Run(records, SellerHost(), QString(), 3);
        std::vector<Found> found;
        for (const CatalogueFinding& finding : findings)
            found.emplace_back(finding.row, finding.kind, finding.otherRow);
        const std::vector<Found> expected = {{3, Kind::ShiftedRecord, 0},
                                             {4, Kind::DuplicateItemNumber, 2},
                                             {4, Kind::ShiftedRecord, 0},
                                             {5, Kind::ShiftedRecord, 0}};
        QVERIFY(found == expected);
        QVERIFY(!findings[0].IsError());
        QCOMPARE(findings[0].itemNumber, QStringLiteral("3"));
        QVERIFY2(findings[0].what.startsWith(QLatin1String("From this row on")),
                 qPrintable(findings[0].what));
        QVERIFY2(findings[3].what.contains(QLatin1String("at row 3")),
                 qPrintable(findings[3].what));
        QVERIFY(findings[3].whatToDo.contains(QLatin1String("quotes")));
        // The warnings leave every row to be written.
        QCOMPARE(CatalogueCheck::RowsInError(findings), std::vector<int>{4});
    }

    void aPageThatWouldReplaceTheProgramsOwnFileIsAnError() {
        // The rule of the page writer: what it refuses, the check finds, and nothing else.
        const QStringList reserved = PagePictures::ShippedFiles();
        const std::vector<ItemRecord> records = {Item(QStringLiteral("help")),
                                                 Item(QStringLiteral("OK.jpg")),
                                                 Item(QStringLiteral("7"))};
        QVERIFY(Check(records).empty());
        const std::vector<CatalogueFinding> findings =
            CatalogueCheck::Run(records, SellerHost(), QStringLiteral("/app"), 0, reserved);
        QCOMPARE(findings.size(), size_t(1));
        QCOMPARE(findings[0].row, 1);
        QCOMPARE(findings[0].kind, Kind::ProgramFile);
        QVERIFY(findings[0].IsError());
        QVERIFY2(findings[0].what.contains(QLatin1String("\"help.html\"")),
                 qPrintable(findings[0].what));

        ProgramSettings settings;
        settings.SetOutputFolder(QStringLiteral("/app"));
        PageInputs inputs =
            PageInputs::Take(settings, SellerTexts(), PagePictures(QStringLiteral("/nonexistent")));
        inputs.reservedNames = reserved;
        for (size_t n = 0; n < records.size(); ++n) {
            bool refused = false;
            try {
                PageBuilder::Build(records[n], inputs);
            } catch (const LotcraftError&) {
                refused = true;
            }
            QCOMPARE(refused, n == 0);
        }
    }

    void theSampleCatalogueHasNoFindings() {
        const CatalogueReader::Result sample = CatalogueReader::Read(
            QStringLiteral(LOTCRAFT_SOURCE_DIR "/examples/sample-catalogue.csv"));
        QVERIFY(!sample.failure);
        QCOMPARE(sample.records.size(), size_t(12));
        QVERIFY(Check(sample.records, SellerHost(), QDir::tempPath()).empty());
    }

    void findingsComeInRowOrderErrorsFirst() {
        const std::vector<CatalogueFinding> findings = CatalogueCheck::Run(
            {Item(QStringLiteral("5"), QString()), Item(QString(), QString()),
             Item(QStringLiteral("5"), QStringLiteral("Lamp"), QString())},
            SellerTexts{QString(), QStringLiteral("Leeds"), QStringLiteral("UK")}, QString());
        std::vector<Found> order;
        for (const CatalogueFinding& finding : findings) {
            order.emplace_back(finding.row, finding.kind, finding.otherRow);
            QVERIFY(finding.what.endsWith(QLatin1Char('.')));
            QVERIFY(finding.whatToDo.endsWith(QLatin1Char('.')));
        }
        const std::vector<Found> expected = {
            {0, Kind::EmptySeller, 0},         {1, Kind::EmptyTitle, 0},
            {2, Kind::UnusableItemNumber, 0},  {2, Kind::EmptyTitle, 0},
            {3, Kind::DuplicateItemNumber, 1}, {3, Kind::EmptyPrice, 0}};
        QVERIFY(order == expected);
        QVERIFY(findings[0].Line().startsWith(QLatin1String("warning: The seller is empty")));
    }
};

QTEST_APPLESS_MAIN(CatalogueCheckTest)
#include "CatalogueCheckTest.moc"
