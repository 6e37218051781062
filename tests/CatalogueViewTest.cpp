// SPDX-License-Identifier: GPL-3.0-or-later
// The grid as the window shows it: texts found whatever their case and accents, columns
// sorted as amounts, times or text, and both kept right as the grid changes.

#include "editing/CatalogueView.h"
#include "editing/Grid.h"
#include "editing/SortKeys.h"
#include "editing/TextFolding.h"

#include <QtTest>

namespace {

ItemRecord Item(const QString& number, const QString& title, const QString& price) {
    ItemRecord record;
    record.SetField(ItemRecord::ItemNumber, number);
    record.SetField(ItemRecord::Title, title);
    record.SetField(ItemRecord::Price, price);
    return record;
}

// The model column of the grid column that shows a position.
int ModelColumn(int position) {
    return ItemRecord::ColumnOfPosition(position) - 1;
}

// The grid's changes a view follows.
enum Change {
    None,
    StoreMatching,
    StoreNotMatching,
    StorePrice,
    RemoveShown,
    RemoveHidden,
    Append,
    Clear
};

}  // namespace

class CatalogueViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void textsFoldAlikeWhateverTheirCaseAndAccents_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("other");
        QTest::addColumn<bool>("alike");
        QTest::newRow("ASCII cases")
            << QStringLiteral("Oak BOX 12") << QStringLiteral("oak box 12") << true;
        QTest::newRow("accents and capitals") << QStringLiteral("Cr\u00E8me BR\u00DBL\u00C9E")
                                              << QStringLiteral("creme brulee") << true;
        QTest::newRow("an accent typed apart")
            << QStringLiteral("cafe\u0301") << QStringLiteral("CAF\u00C9") << true;
        QTest::newRow("a ligature") << QStringLiteral("\uFB01ne") << QStringLiteral("FINE") << true;
        QTest::newRow("Greek") << QStringLiteral("\u03A9MEGA") << QStringLiteral("\u03C9mega")
                               << true;
        QTest::newRow("a letter outside the BMP")
            << QStringLiteral("\U0001D400x") << QStringLiteral("ax") << true;
        QTest::newRow("other letters")
            << QStringLiteral("caf\u00E9") << QStringLiteral("cafo") << false;
        QTest::newRow("a stroke is no accent")
            << QStringLiteral("\u00D8re") << QStringLiteral("ore") << false;
    }

    void textsFoldAlikeWhateverTheirCaseAndAccents() {
        QFETCH(QString, text);
        QFETCH(QString, other);
        QFETCH(bool, alike);
        QCOMPARE(TextFolding::Folded(text) == TextFolding::Folded(other), alike);
    }

    // Record indices in a column's order; equal values keep the catalogue's order.
    void columnsSortAsAmountsTimesOrText_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QList<int>>("order");
        QTest::newRow("amounts, equal ones in order")
            << int(ItemRecord::Price)
            << QStringList{QStringLiteral("$1,250.00"), QStringLiteral("US $19"),
                           QStringLiteral("19"),        QStringLiteral("7.6"),
                           QStringLiteral("ask"),       QString(),
                           QStringLiteral("$19.00"),    QStringLiteral("\u00A340.00")}
            << QList<int>{3, 1, 2, 6, 7, 0, 4, 5};
        QTest::newRow("amounts too close for a double")
            << int(ItemRecord::FirstBid)
            << QStringList{QStringLiteral("12345678901234567.02"),
                           QStringLiteral("12345678901234567.01")}
            << QList<int>{1, 0};
        QTest::newRow("item numbers, then texts, then blanks")
            << int(ItemRecord::ItemNumber)
            << QStringList{QStringLiteral("100"), QStringLiteral("20"), QStringLiteral("  "),
                           QStringLiteral("A-7"), QStringLiteral("3")}
            << QList<int>{4, 1, 0, 3, 2};
        QTest::newRow("times of both forms")
            << int(ItemRecord::StartTime)
            << QStringList{QStringLiteral("Nov-25-02 10:33:39 PST"),
                           QStringLiteral("soon"),
                           QStringLiteral("2002-11-25T18:00Z"),
                           QString(),
                           QStringLiteral("Dec-01-02 09:00 GMT"),
                           QStringLiteral("2002-11-25 19:33:39 +0100")}
            << QList<int>{2, 0, 5, 4, 1, 3};
        QTest::newRow("text by the collator")
            << int(ItemRecord::Title)
            << QStringList{QStringLiteral("banana"),      QStringLiteral("Lot 10"),
                           QStringLiteral("\u00E9clair"), QStringLiteral("Lot 9"),
                           QStringLiteral("eagle"),       QStringLiteral("19")}
            << QList<int>{5, 0, 4, 2, 3, 1};
    }

    void columnsSortAsAmountsTimesOrText() {
        QFETCH(int, position);
        QFETCH(QStringList, values);
        QFETCH(QList<int>, order);
        std::vector<ItemRecord> records(size_t(values.size()));
        for (qsizetype k = 0; k < values.size(); ++k)
            records[size_t(k)].SetField(position, values[k]);
        QCollator collator(QLocale(QLocale::English));
        collator.setNumericMode(true);
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        const std::vector<int> sorted = SortKeys(records, position, collator).Order();
        QCOMPARE(QList<int>(sorted.begin(), sorted.end()), order);
    }

    // Items 1 to 5, four of them holding "creme" somewhere, item 4 only past what the grid
    // shows of its description; the rows shown, by item number, after a change of the grid.
    void theFindAndTheSortFollowTheGrid_data() {
        QTest::addColumn<QString>("find");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("order");
        QTest::addColumn<int>("change");
        QTest::addColumn<QStringList>("shown");
        const int price = ModelColumn(ItemRecord::Price);
        const auto add = [](const char* name, const char* find, int column, Qt::SortOrder order,
                            Change change, std::initializer_list<const char*> items) {
            QStringList shown;
            for (const char* item : items)
                shown << QString::fromLatin1(item);
            QTest::newRow(name) << QString::fromUtf8(find) << column << int(order) << int(change)
                                << shown;
        };
        add("found, by price", "CR\u00C8ME", price, Qt::AscendingOrder, None,
            {"A3", "A1", "A4", "A5"});
        add("descending, the empty price last", "creme", price, Qt::DescendingOrder, None,
            {"A4", "A1", "A3", "A5"});
        add("the catalogue's order", "creme", -1, Qt::AscendingOrder, None,
            {"A1", "A3", "A4", "A5"});
        add("no find", "", price, Qt::AscendingOrder, None, {"A2", "A3", "A1", "A4", "A5"});
        add("a row stored to hold the text", "creme", price, Qt::AscendingOrder, StoreMatching,
            {"A2", "A3", "A1", "A4", "A5"});
        add("a row stored without it", "creme", price, Qt::AscendingOrder, StoreNotMatching,
            {"A3", "A4", "A5"});
        add("a row stored at another price", "creme", price, Qt::AscendingOrder, StorePrice,
            {"A1", "A3", "A4", "A5"});
        add("a row shown removed", "creme", price, Qt::AscendingOrder, RemoveShown,
            {"A1", "A4", "A5"});
        add("a row hidden removed", "creme", price, Qt::DescendingOrder, RemoveHidden,
            {"A4", "A1", "A3", "A5"});
        add("rows appended", "creme", price, Qt::AscendingOrder, Append,
            {"A3", "A6", "A1", "A4", "A5"});
        add("rows appended, descending", "creme", price, Qt::DescendingOrder, Append,
            {"A4", "A1", "A6", "A3", "A5"});
        add("cleared", "creme", price, Qt::AscendingOrder, Clear, {});
    }

    void theFindAndTheSortFollowTheGrid() {
        QFETCH(QString, find);
        QFETCH(int, column);
        QFETCH(int, order);
        QFETCH(int, change);
        QFETCH(QStringList, shown);
        Grid grid;
        ItemRecord long4 =
            Item(QStringLiteral("A4"), QStringLiteral("Blue vase"), QStringLiteral("$30"));
        long4.SetField(ItemRecord::Description,
                       QString(1200, QLatin1Char('x')) + QStringLiteral(" Cr\u00E9me"));
        grid.AppendRecords(
            {Item(QStringLiteral("A1"), QStringLiteral("Cr\u00E8me br\u00FBl\u00E9e"),
                  QStringLiteral("$12.00")),
             Item(QStringLiteral("A2"), QStringLiteral("Oak table"), QStringLiteral("$5")),
             Item(QStringLiteral("A3"), QStringLiteral("CREME jug"), QStringLiteral("7.50")), long4,
             Item(QStringLiteral("A5"), QStringLiteral("cr\u00E9meux spoon"), QString())});
        grid.MarkRow(1, QImage(2, 2, QImage::Format_ARGB32), QImage(2, 2, QImage::Format_ARGB32));
        CatalogueView view(&grid);
        view.SetFindText(find);
        view.sort(column, Qt::SortOrder(order));
        QCOMPARE(view.Filtered(), !find.isEmpty());
        switch (Change(change)) {
            case None: break;
            case StoreMatching:
                grid.StoreRecord(2, Item(QStringLiteral("A2"), QStringLiteral("Cr\u00EAme pot"),
                                         QStringLiteral("$1")));
                break;
            case StoreNotMatching:
                grid.StoreRecord(1, Item(QStringLiteral("A1"), QStringLiteral("Plain dish"),
                                         QStringLiteral("$12")));
                break;
            case StorePrice:
                grid.StoreRecord(1, Item(QStringLiteral("A1"), QStringLiteral("creme"),
                                         QStringLiteral("US $1")));
                break;
            case RemoveShown: grid.RemoveRow(3); break;
            case RemoveHidden: grid.RemoveRow(2); break;
            case Append:
                grid.AppendRecords(
                    {Item(QStringLiteral("A6"), QStringLiteral("cr\u00E8me tart"),
                          QStringLiteral("$8")),
                     Item(QStringLiteral("A7"), QStringLiteral("Tin"), QStringLiteral("$1"))});
                break;
            case Clear: grid.Clear(); break;
        }
        QStringList got;
        for (int row = 0; row < view.ShownCount(); ++row) {
            const int itemRow = view.SourceRow(row);
            got << grid.Field(itemRow, ItemRecord::ItemNumber);
            QCOMPARE(view.ViewRow(itemRow), row);
            QCOMPARE(view.data(view.index(row, ModelColumn(ItemRecord::Title))).toString(),
                     grid.Field(itemRow, ItemRecord::Title));
            // The done mark of item A1 stays beside its row wherever the row is shown.
            QCOMPARE(!view.headerData(row, Qt::Vertical, Qt::DecorationRole).isNull(),
                     got.last() == QLatin1String("A1"));
        }
        QCOMPARE(got, shown);
        QCOMPARE(view.SourceRow(view.ShownCount()), 0);
        for (int itemRow = 1; itemRow <= grid.ItemCount(); ++itemRow) {
            if (!shown.contains(grid.Field(itemRow, ItemRecord::ItemNumber)))
                QCOMPARE(view.ViewRow(itemRow), -1);
        }
    }
};

QTEST_MAIN(CatalogueViewTest)
#include "CatalogueViewTest.moc"
