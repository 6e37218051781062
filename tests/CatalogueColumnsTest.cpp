// SPDX-License-Identifier: GPL-3.0-or-later
// Catalogues with a heading: columns in any order matched to the fields by name, the others
// kept with each record, saved back byte for byte, and the columns changed with their values.

#include "catalogue/CatalogueReader.h"
#include "catalogue/CatalogueWriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kName = QStringLiteral("stock.csv");

QStringList Fields(const ItemRecord& record) {
    QStringList fields;
    for (int position = 1; position <= ItemRecord::FieldCount; ++position)
        fields << record.Field(position);
    return fields;
}

QStringList Split(const char* text) {
    return QString::fromUtf8(text).split(QLatin1Char('|'));
}

QByteArray Saved(const QTemporaryDir& folder, const CatalogueColumns& columns,
                 const std::vector<ItemRecord>& records) {
    const QString path = folder.filePath(QStringLiteral("saved.csv"));
    CatalogueWriter::Write(path, columns, records);
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class CatalogueColumnsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void headingsAreMatchedByName_data() {
        QTest::addColumn<QByteArray>("file");
        // The first record's ten fields, its kept values and the kept columns' names.
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QStringList>("extras");
        QTest::addColumn<QStringList>("kept");
        QTest::addColumn<QString>("notice");

        QTest::newRow("another order, columns beyond the ten")
            << QByteArray(
                   "Title,SKU,Notes,*Price,Quantity\r\nBrass clock,1001,\"old, wound\","
                   "$45,2\r\n")
            << Split("1001|Brass clock|||$45|||||") << Split("old, wound|2")
            << Split("Notes|Quantity")
            << QStringLiteral(
                   "\"Title\" as Title, \"SKU\" as Item, \"*Price\" as Price. No "
                   "column holds Description, Image, First bid, Started, Ends, "
                   "Category: they are read empty. Kept as they stand: \"Notes\", "
                   "\"Quantity\".");
        QTest::newRow("eBay's names; the second picture column kept")
            << QByteArray(
                   "CustomLabel,*Title,*Description,PicURL,*StartPrice,BuyItNowPrice,"
                   "*Category,Image,C:Brand\r\nA7,Pen,\"Gold\r\nnib\",p.jpg,$1,$9,550,"
                   "q.jpg,Parker\r\n")
            << Split("A7|Pen|Gold\r\nnib|p.jpg|$9|$1||||550") << Split("q.jpg|Parker")
            << Split("Image|C:Brand")
            << QStringLiteral("Kept as they stand: \"Image\", \"C:Brand\".");
        QTest::newRow("case, blanks and stars ignored")
            << QByteArray(
                   "ITEM NUMBER,*title ,Start time,End time,Spare\r\n7,Lamp,Nov-25-02,"
                   "Dec-02-02,s\r\n")
            << Split("7|Lamp|||||s|Nov-25-02|Dec-02-02|") << QStringList() << QStringList()
            << QStringLiteral("\"ITEM NUMBER\" as Item");
        QTest::newRow("an item on the first line is no heading")
            << QByteArray("1001,Title,Description,Image,Price,First bid,,Started,Ends,Category\r\n")
            << Split("1001|Title|Description|Image|Price|First bid||Started|Ends|Category")
            << QStringList() << QStringList() << QString();
    }

    void headingsAreMatchedByName() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, fields);
        QFETCH(QStringList, extras);
        QFETCH(QStringList, kept);
        QFETCH(QString, notice);
        const CatalogueReader::Result result = CatalogueReader::ReadBytes(file, kName);
        QVERIFY(result.Complete());
        QCOMPARE(result.records.size(), size_t(1));
        QCOMPARE(Fields(result.records.front()), fields);
        QCOMPARE(result.records.front().Extras(), extras);
        QCOMPARE(result.columns.ExtraNames(), kept);
        QCOMPARE(result.columns.HasHeading(), !notice.isEmpty());
        if (!notice.isEmpty())
            QVERIFY2(result.notices.value(0).contains(notice), qPrintable(result.notices.value(0)));

        // Saved unchanged, the file is the same bytes, heading and all.
        QTemporaryDir folder;
        QCOMPARE(Saved(folder, result.columns, result.records), file);
    }

    void aHeadingWithoutItemNumberOrTitleIsRefused() {
        const CatalogueReader::Result result = CatalogueReader::ReadBytes(
            "Title,Description,Price,Category\r\nClock,Brass,$5,13850\r\n", kName);
        QVERIFY(result.records.empty());
        QVERIFY(result.failure);
        QVERIFY(
            result.failure->Message().contains(QLatin1String("no column holds the item number")));
    }

    void columnsChangeWithTheirValues() {
        CatalogueReader::Result result = CatalogueReader::ReadBytes(
            "Item,Title,Listed,Notes\r\n1,Clock,Nov-25-02,keep\r\n2,Pen,,\r\n", kName);
        std::vector<ItemRecord>& records = result.records;
        CatalogueColumns columns = result.columns;
        QCOMPARE(columns.ExtraNames(), Split("Listed|Notes"));

        // "Listed" chosen as the start time: its values move into the field.
        columns.MatchField(ItemRecord::StartTime, 0, records);
        QCOMPARE(records[0].Field(ItemRecord::StartTime), QStringLiteral("Nov-25-02"));
        QCOMPARE(columns.ExtraNames(), QStringList{QStringLiteral("Notes")});
        QCOMPARE(records[0].Extras(), QStringList{QStringLiteral("keep")});

        // A value typed into a field without a column gets one at the end.
        records[1].SetField(ItemRecord::Price, QStringLiteral("$3"));
        columns.AddExtra(QStringLiteral("C:Brand"));
        records[1].SetExtra(1, QStringLiteral("Parker"));
        QTemporaryDir folder;
        QCOMPARE(Saved(folder, columns, records),
                 QByteArray("Item,Title,Listed,Notes,C:Brand,Price\r\n1,Clock,Nov-25-02,keep,,\r\n"
                            "2,Pen,,,Parker,$3\r\n"));

        columns.RemoveExtra(0, records);
        QCOMPARE(columns.ExtraNames(), QStringList{QStringLiteral("C:Brand")});
        QCOMPARE(records[1].Extras(), QStringList{QStringLiteral("Parker")});

        // A catalogue without a heading is given one when a column is added to it; without,
        // it is written as before.
        CatalogueColumns plain;
        std::vector<ItemRecord> one(1);
        QCOMPARE(Saved(folder, plain, one), QByteArray(",,,,,,,,,\r\n"));
        // Unless its first item would be read as a heading: it is given one of its own.
        one[0].SetField(ItemRecord::ItemNumber, QStringLiteral("SKU"));
        one[0].SetField(ItemRecord::Title, QStringLiteral("Title"));
        const CatalogueReader::Result named =
            CatalogueReader::ReadBytes(Saved(folder, plain, one), kName);
        QCOMPARE(named.records, one);
        one[0] = ItemRecord();
        plain.AddExtra(QStringLiteral("Quantity"));
        const QByteArray withHeading = Saved(folder, plain, one);
        QCOMPARE(withHeading, QByteArray("Item,Title,Description,Image,Price,First bid,Spare,"
                                         "Started,Ends,Category,Quantity\r\n,,,,,,,,,,\r\n"));
        QCOMPARE(CatalogueReader::ReadBytes(withHeading, kName).columns, plain);
    }
};

QTEST_GUILESS_MAIN(CatalogueColumnsTest)
#include "CatalogueColumnsTest.moc"
