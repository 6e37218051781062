// SPDX-License-Identifier: GPL-3.0-or-later
// The grid as a table of records: appending, storing and removing rows with their page paths
// and marks, and what the model shows a view.

#include "editing/Grid.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

ItemRecord Numbered(int n) {
    ItemRecord record;
    for (int position = 1; position <= ItemRecord::FieldCount; ++position)
        record.SetField(position, QStringLiteral("%1.%2").arg(n).arg(position));
    return record;
}

std::vector<ItemRecord> NumberedRecords(int from, int to) {
    std::vector<ItemRecord> records;
    for (int n = from; n <= to; ++n)
        records.push_back(Numbered(n));
    return records;
}

QImage Picture(Qt::GlobalColor colour) {
    QImage picture(3, 3, QImage::Format_ARGB32);
    picture.fill(colour);
    return picture;
}

// What the view shows: the cell of item row `row`, grid column 1 to 10.
QString Shown(const Grid& grid, int row, int column) {
    return grid.data(grid.index(row - 1, column - 1)).toString();
}

bool ShowsMarks(const Grid& grid, int row) {
    return !grid.headerData(row - 1, Qt::Vertical, Qt::DecorationRole).isNull() &&
           !grid.data(grid.index(row - 1, 9), Qt::DecorationRole).isNull();
}

}  // namespace

class GridTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void recordsAppendAsOneBlockInTheirColumns() {
        Grid grid;
        grid.AppendRecords(NumberedRecords(1, 1));
        QSignalSpy resets(&grid, &QAbstractItemModel::modelReset);
        grid.AppendRecords(NumberedRecords(2, 2500));
        QCOMPARE(resets.size(), 1);
        QCOMPARE(grid.ItemCount(), 2500);
        QCOMPARE(grid.rowCount(), 2500);
        QCOMPARE(grid.columnCount(), 10);
        QCOMPARE(grid.Record(2500), Numbered(2500));
        QCOMPARE(grid.Field(2500, ItemRecord::Spare), QStringLiteral("2500.7"));
        // Columns 7 to 9 show positions 8 to 10, Spare none; column 10 the page path.
        QCOMPARE(Shown(grid, 2, 6), QStringLiteral("2.6"));
        QCOMPARE(Shown(grid, 2, 7), QStringLiteral("2.8"));
        QCOMPARE(Shown(grid, 2500, 9), QStringLiteral("2500.10"));
        QVERIFY(Shown(grid, 2500, 10).isEmpty());
        QVERIFY(grid.PagePath(2500).isEmpty());
        QVERIFY(!grid.Marked(2500));
    }

    void theHeadingsAreTheColumnsNames() {
        Grid grid;
        const QStringList headings = {QStringLiteral("Item"),        QStringLiteral("Title"),
                                      QStringLiteral("Description"), QStringLiteral("Image"),
                                      QStringLiteral("Price"),       QStringLiteral("First bid"),
                                      QStringLiteral("Started"),     QStringLiteral("Ends"),
                                      QStringLiteral("Category"),    QStringLiteral("Html")};
        for (int section = 0; section < 10; ++section)
            QCOMPARE(grid.headerData(section, Qt::Horizontal).toString(), headings[section]);
        QVERIFY(Grid::Heading(0).isEmpty());
        QVERIFY(Grid::Heading(11).isEmpty());
    }

    void storingARecordKeepsItsPageAndMarks() {
        Grid grid;
        grid.AppendRecords(NumberedRecords(1, 3));
        grid.SetPagePath(2, QStringLiteral("/pages/2.html"));
        grid.MarkRow(2, Picture(Qt::red), Picture(Qt::blue));
        QSignalSpy cells(&grid, &QAbstractItemModel::dataChanged);
        grid.StoreRecord(2, Numbered(9));
        QCOMPARE(grid.Record(2), Numbered(9));
        QCOMPARE(grid.PagePath(2), QStringLiteral("/pages/2.html"));
        QVERIFY(ShowsMarks(grid, 2));
        QCOMPARE(cells.size(), 1);
        QCOMPARE(cells[0][0].toModelIndex(), grid.index(1, 0));
        QCOMPARE(cells[0][1].toModelIndex().row(), 1);
    }

    void removedRowsTakeNothingOfTheirsToOtherRows() {
        // Rows 1 and 3 have pages, 2 and 4 not; deleting row 2 moves 3 and 4 up, each with
        // its own page path and marks.
        Grid grid;
        grid.AppendRecords(NumberedRecords(1, 4));
        for (int row : {1, 3}) {
            grid.SetPagePath(row, QStringLiteral("/pages/%1.html").arg(row));
            grid.MarkRow(row, Picture(Qt::red), Picture(Qt::blue));
        }
        grid.RemoveRow(2);
        QCOMPARE(grid.ItemCount(), 3);
        QCOMPARE(grid.Record(2), Numbered(3));
        QCOMPARE(grid.PagePath(2), QStringLiteral("/pages/3.html"));
        QVERIFY(ShowsMarks(grid, 2));
        QCOMPARE(grid.Record(3), Numbered(4));
        QVERIFY(grid.PagePath(3).isEmpty());
        QVERIFY(!ShowsMarks(grid, 3));
        QVERIFY(!grid.Marked(3));
        // The last row goes alone.
        grid.RemoveRow(3);
        QCOMPARE(grid.ItemCount(), 2);
        QCOMPARE(grid.Record(2), Numbered(3));
        grid.Clear();
        QCOMPARE(grid.ItemCount(), 0);
        QCOMPARE(grid.rowCount(), 0);
    }

    void rowsTakenOutComeBackWithTheirPagesAndMarks_data() {
        QTest::addColumn<std::vector<int>>("rows");
        QTest::addColumn<int>("resets");
        QTest::newRow("one row") << std::vector<int>{5} << 0;
        QTest::newRow("first and last, two ranges") << std::vector<int>{1, 2, 40} << 0;
        std::vector<int> scattered;
        for (int row = 2; row <= 40; row += 2)
            scattered.push_back(row);
        QTest::newRow("twenty ranges, told as one reset") << scattered << 1;
    }
    void rowsTakenOutComeBackWithTheirPagesAndMarks() {
        QFETCH(std::vector<int>, rows);
        QFETCH(int, resets);
        Grid grid;
        grid.AppendRecords(NumberedRecords(1, 40));
        for (int row = 1; row <= 40; row += 3) {
            grid.SetPagePath(row, QStringLiteral("/pages/%1.html").arg(row));
            grid.MarkRow(row, Picture(Qt::red), Picture(Qt::blue));
        }
        const auto rowsOf = [](const Grid& g) {
            std::vector<std::pair<ItemRecord, QString>> all;
            for (int row = 1; row <= g.ItemCount(); ++row)
                all.emplace_back(
                    g.Record(row),
                    g.PagePath(row) + (g.Marked(row) ? QStringLiteral("*") : QString()));
            return all;
        };
        const auto before = rowsOf(grid);
        QSignalSpy reset(&grid, &QAbstractItemModel::modelReset);
        const Grid::TakenRows taken = grid.TakeRows(rows);
        QCOMPARE(grid.ItemCount(), 40 - int(rows.size()));
        QCOMPARE(taken.records.size(), rows.size());
        for (size_t index = 0; index < rows.size(); ++index)
            QCOMPARE(taken.records[index], Numbered(rows[index]));
        // Each row that stayed keeps its own page and marks.
        for (int row = 1; row <= grid.ItemCount(); ++row) {
            const int number = grid.Record(row)
                                   .Field(ItemRecord::ItemNumber)
                                   .section(QLatin1Char('.'), 0, 0)
                                   .toInt();
            QCOMPARE(grid.Marked(row), (number - 1) % 3 == 0);
        }
        grid.PutBack(taken);
        QCOMPARE(rowsOf(grid), before);
        QCOMPARE(reset.size(), 2 * resets);
    }

    void aMarkIsShownBesideThePathAndInTheRowsHeading() {
        Grid grid;
        grid.AppendRecords(NumberedRecords(1, 2));
        QSignalSpy headings(&grid, &QAbstractItemModel::headerDataChanged);
        grid.SetPagePath(2, QStringLiteral("/pages/2.html"));
        QCOMPARE(Shown(grid, 2, 10), QStringLiteral("/pages/2.html"));
        QVERIFY(!ShowsMarks(grid, 2));
        grid.MarkRow(2, Picture(Qt::red), Picture(Qt::blue));
        QCOMPARE(grid.data(grid.index(1, 9), Qt::DecorationRole).value<QImage>(), Picture(Qt::red));
        QCOMPARE(grid.headerData(1, Qt::Vertical, Qt::DecorationRole).value<QImage>(),
                 Picture(Qt::blue));
        QVERIFY(!grid.data(grid.index(0, 9), Qt::DecorationRole).isValid());
        QVERIFY(!grid.data(grid.index(1, 3), Qt::DecorationRole).isValid());
        // Only the marked row's heading is told to change.
        QCOMPARE(headings.size(), 1);
        QCOMPARE(headings[0][0].value<Qt::Orientation>(), Qt::Vertical);
        QCOMPARE(headings[0][1].toInt(), 1);
    }

    void aLongCellIsShownInPart() {
        Grid grid;
        ItemRecord record;
        const QString description(5000, QLatin1Char('d'));
        record.SetField(ItemRecord::Description, description);
        grid.AppendRecords({record});
        const QString shown = Shown(grid, 1, 3);
        QCOMPARE(shown.size(), Grid::ShownLength + 1);
        QVERIFY(shown.endsWith(QChar(0x2026)));
        QCOMPARE(grid.Field(1, ItemRecord::Description), description);
        // A surrogate pair is never cut in half.
        const QString emoji = QString(Grid::ShownLength - 1, QLatin1Char('x')) +
                              QStringLiteral("\U0001F600") + QStringLiteral("more");
        QVERIFY(!Grid::Shown(emoji).contains(QChar(0xD83D)));
    }
};

QTEST_APPLESS_MAIN(GridTest)
#include "GridTest.moc"
