// SPDX-License-Identifier: GPL-3.0-or-later
// The item record's fields and the mapping between grid columns and record positions.

#include "app/LotcraftError.h"
#include "catalogue/ItemRecord.h"

#include <QtTest>

class ItemRecordTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void gridColumnsSkipTheSpareField() {
        const int expected[] = {1, 2, 3, 4, 5, 6, 8, 9, 10};
        for (int column = 1; column <= 9; ++column) {
            const int position = ItemRecord::PositionOfColumn(column);
            QCOMPARE(position, expected[column - 1]);
            QCOMPARE(ItemRecord::ColumnOfPosition(position), column);
        }
        QCOMPARE(ItemRecord::ColumnOfPosition(ItemRecord::Spare), 0);
        for (int column : {0, 10, -1})
            QVERIFY_THROWS_EXCEPTION(LotcraftError, ItemRecord::PositionOfColumn(column));
    }

    void fieldsAreKeptAsTyped() {
        ItemRecord record;
        for (int position = 1; position <= ItemRecord::FieldCount; ++position)
            QVERIFY(record.Field(position).isEmpty());
        record.SetField(ItemRecord::Spare, QStringLiteral("  kept "));
        record.SetField(ItemRecord::Category, QStringLiteral("1234"));
        QCOMPARE(record.Field(7), QStringLiteral("  kept "));
        QCOMPARE(record.Field(10), QStringLiteral("1234"));
        ItemRecord copy = record;
        QVERIFY(copy == record);
        copy.SetField(ItemRecord::Spare, QString());
        QVERIFY(copy != record);
        QVERIFY_THROWS_EXCEPTION(LotcraftError, record.Field(0));
        QVERIFY_THROWS_EXCEPTION(LotcraftError, record.SetField(11, QString()));
    }

    void theFormShowsEachFieldUnderItsName() {
        QCOMPARE(QLatin1String(ItemRecord::PresentationOf(ItemRecord::ItemNumber).boxName),
                 QLatin1String("t_Item"));
        QCOMPARE(QLatin1String(ItemRecord::PresentationOf(ItemRecord::FirstBid).heading),
                 QLatin1String("First bid"));
        QCOMPARE(QLatin1String(ItemRecord::PresentationOf(ItemRecord::FirstBid).label),
                 QLatin1String("First Bid"));
        QCOMPARE(QLatin1String(ItemRecord::PresentationOf(ItemRecord::EndTime).boxName),
                 QLatin1String("t_ends"));
        QCOMPARE(QLatin1String(ItemRecord::PresentationOf(ItemRecord::StartTime).toolTip),
                 QLatin1String("Ie Nov-25-02 10:33:39 PST"));
        const QString image =
            QString::fromLatin1(ItemRecord::PresentationOf(ItemRecord::ImageAddress).toolTip);
        QVERIFY(image.startsWith(QLatin1String("Ie https://")));
        QVERIFY(image.endsWith(QLatin1String("/images/imagename.jpg")));
        QCOMPARE(QLatin1String(ItemRecord::PresentationOf(ItemRecord::Spare).boxName),
                 QLatin1String(""));
    }
};

QTEST_APPLESS_MAIN(ItemRecordTest)
#include "ItemRecordTest.moc"
