// The grid: rows and columns, the cursor, texts and pictures, the model a view shows, and
// appending a block of records.

#include "app/LotcraftError.h"
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

QString CellOf(Grid& grid, int row, int column) {
    grid.SetRow(row);
    grid.SetCol(column);
    return grid.Text();
}

void Write(Grid& grid, int row, int column, const QString& text) {
    grid.SetRow(row);
    grid.SetCol(column);
    grid.SetText(text);
}

// A grid of 11 columns with a heading in row 0 and `items` rows "r,c".
void Fill(Grid& grid, int items) {
    grid.SetCols(11);
    grid.SetRows(items + 1);
    for (int row = 0; row <= items; ++row)
        for (int column = 0; column < 11; ++column)
            Write(grid, row, column, QStringLiteral("%1,%2").arg(row).arg(column));
}

}  // namespace

class GridTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rowsGrowEmptyAndShrinkFromTheEnd() {
        Grid grid;
        Fill(grid, 3);
        grid.SetRows(6);
        QCOMPARE(grid.Rows(), 6);
        QCOMPARE(CellOf(grid, 3, 4), QStringLiteral("3,4"));
        QVERIFY(CellOf(grid, 5, 4).isEmpty());

        grid.SetRows(3);
        QCOMPARE(grid.Rows(), 3);
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 11; ++column)
                QCOMPARE(CellOf(grid, row, column), QStringLiteral("%1,%2").arg(row).arg(column));
        QVERIFY_THROWS_EXCEPTION(LotcraftError, grid.SetRow(3));

        // One row left: the headings only; never fewer.
        grid.SetRows(1);
        QCOMPARE(CellOf(grid, 0, 10), QStringLiteral("0,10"));
        grid.SetRows(0);
        QCOMPARE(grid.Rows(), 1);
        // A row grown back is empty.
        grid.SetRows(2);
        QVERIFY(CellOf(grid, 1, 1).isEmpty());
    }

    void theCurrentRowFollowsDroppedRows() {
        Grid grid;
        Fill(grid, 4);
        grid.SetRow(4);
        grid.SetRows(2);
        QCOMPARE(grid.Row(), 1);
        QVERIFY_THROWS_EXCEPTION(LotcraftError, grid.SetCol(11));
        QVERIFY_THROWS_EXCEPTION(LotcraftError, grid.SetRow(-1));
    }

    void clearEmptiesEveryTextButKeepsTheShape() {
        Grid grid;
        Fill(grid, 2);
        grid.SetSpare(2, QStringLiteral("spare"));
        grid.SetRow(1);
        grid.SetCol(10);
        grid.SetCellPicture(QImage(4, 4, QImage::Format_ARGB32));
        grid.Clear();
        QCOMPARE(grid.Rows(), 3);
        QCOMPARE(grid.Cols(), 11);
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 11; ++column)
                QVERIFY(CellOf(grid, row, column).isEmpty());
        QVERIFY(grid.Spare(2).isEmpty());
        grid.SetRow(1);
        grid.SetCol(10);
        QVERIFY(!grid.CellPicture().isNull());
    }

    void changingTheColumnsKeepsEachCellInPlace() {
        Grid grid;
        Fill(grid, 2);
        Write(grid, 2, 3, QStringLiteral("kept"));
        grid.SetCellPicture(QImage(2, 2, QImage::Format_ARGB32));
        grid.SetCols(4);
        QCOMPARE(CellOf(grid, 2, 3), QStringLiteral("kept"));
        QVERIFY(!grid.CellPicture().isNull());
        QCOMPARE(CellOf(grid, 1, 2), QStringLiteral("1,2"));
        grid.SetCols(11);
        QVERIFY(CellOf(grid, 2, 10).isEmpty());
        QCOMPARE(CellOf(grid, 2, 3), QStringLiteral("kept"));
    }

    void theModelShowsRowZeroAndColumnZeroAsHeadings() {
        Grid grid;
        Fill(grid, 2);
        QCOMPARE(grid.rowCount(), 2);
        QCOMPARE(grid.columnCount(), 10);
        QCOMPARE(grid.headerData(0, Qt::Horizontal).toString(), QStringLiteral("0,1"));
        QCOMPARE(grid.headerData(9, Qt::Horizontal).toString(), QStringLiteral("0,10"));
        QCOMPARE(grid.headerData(1, Qt::Vertical).toString(), QStringLiteral("2,0"));
        QCOMPARE(grid.data(grid.index(1, 2)).toString(), QStringLiteral("2,3"));

        QImage mark(3, 3, QImage::Format_ARGB32);
        mark.fill(Qt::red);
        grid.SetRow(2);
        grid.SetCol(0);
        grid.SetCellPicture(mark);
        grid.SetCol(10);
        grid.SetCellPicture(mark);
        QCOMPARE(grid.headerData(1, Qt::Vertical, Qt::DecorationRole).value<QImage>(), mark);
        QCOMPARE(grid.data(grid.index(1, 9), Qt::DecorationRole).value<QImage>(), mark);
        QVERIFY(!grid.data(grid.index(0, 9), Qt::DecorationRole).isValid());
    }

    void eachChangeTellsTheViewWhichCell() {
        Grid grid;
        Fill(grid, 2);
        QSignalSpy cells(&grid, &QAbstractItemModel::dataChanged);
        QSignalSpy headings(&grid, &QAbstractItemModel::headerDataChanged);
        Write(grid, 2, 5, QStringLiteral("x"));
        QCOMPARE(cells.size(), 1);
        QCOMPARE(cells[0][0].toModelIndex(), grid.index(1, 4));
        Write(grid, 0, 5, QStringLiteral("Heading"));
        Write(grid, 1, 0, QStringLiteral("mark"));
        QCOMPARE(headings.size(), 2);
        QCOMPARE(headings[0][0].value<Qt::Orientation>(), Qt::Horizontal);
        QCOMPARE(headings[0][1].toInt(), 4);
        QCOMPARE(headings[1][0].value<Qt::Orientation>(), Qt::Vertical);
        QCOMPARE(headings[1][1].toInt(), 0);

        QSignalSpy widths(&grid, &Grid::ColWidthChanged);
        grid.SetColWidth(3, 3000);
        QCOMPARE(grid.ColWidth(3), 3000);
        QCOMPARE(widths.size(), 1);
        QCOMPARE(widths[0][1].toInt(), 3000);
    }

    void aClickBelowTheHeadingsMakesTheCellCurrent() {
        Grid grid;
        Fill(grid, 3);
        QSignalSpy clicked(&grid, &Grid::Clicked);
        grid.SetRow(3);
        grid.SetCol(1);
        grid.Click(2, 4);
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(grid.Row(), 2);
        QCOMPARE(grid.Col(), 4);
        // A click on the heading row leaves the current cell.
        grid.Click(0, 6);
        QCOMPARE(clicked.size(), 2);
        QCOMPARE(grid.Row(), 2);
        QCOMPARE(grid.Col(), 4);
    }

    void recordsAppendAsOneBlockWithTheirSpare() {
        Grid grid;
        Fill(grid, 1);
        std::vector<ItemRecord> records;
        for (int n = 1; n <= 2500; ++n)
            records.push_back(Numbered(n));
        QSignalSpy resets(&grid, &QAbstractItemModel::modelReset);
        QSignalSpy inserts(&grid, &QAbstractItemModel::rowsInserted);
        std::vector<int> progress;
        grid.AppendRecords(
            records, [&progress](int rows) { progress.push_back(rows); }, 1000);
        QCOMPARE(resets.size(), 1);
        QCOMPARE(inserts.size(), 0);
        QCOMPARE(progress, (std::vector<int>{1002, 2002, 2502}));
        QCOMPARE(grid.Rows(), 2502);
        QCOMPARE(grid.Row(), 2501);
        QCOMPARE(CellOf(grid, 1, 1), QStringLiteral("1,1"));
        // Columns 7 to 9 hold positions 8 to 10; column 10 stays empty.
        QCOMPARE(CellOf(grid, 2, 6), QStringLiteral("1.6"));
        QCOMPARE(CellOf(grid, 2, 7), QStringLiteral("1.8"));
        QCOMPARE(CellOf(grid, 2501, 9), QStringLiteral("2500.10"));
        QVERIFY(CellOf(grid, 2501, 10).isEmpty());
        QCOMPARE(grid.Spare(2501), QStringLiteral("2500.7"));
        QCOMPARE(grid.Record(2), Numbered(1));
        QCOMPARE(grid.rowCount(), 2501);
        // Each field read in place is the record's, Spare included.
        for (int position = 1; position <= ItemRecord::FieldCount; ++position)
            QCOMPARE(grid.Field(2501, position), Numbered(2500).Field(position));
        // With fewer columns, a field without one is empty, as in Record.
        grid.SetCols(5);
        QCOMPARE(grid.Field(2501, ItemRecord::Price), QString());
        QCOMPARE(grid.Field(2501, ItemRecord::ImageAddress), QStringLiteral("2500.4"));
        QCOMPARE(grid.Field(2501, ItemRecord::Spare), QStringLiteral("2500.7"));
        QCOMPARE(grid.Record(2501).Field(ItemRecord::Price), QString());
    }
};

QTEST_APPLESS_MAIN(GridTest)
#include "GridTest.moc"
