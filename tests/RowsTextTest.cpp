// SPDX-License-Identifier: GPL-3.0-or-later
// Rows carried by the clipboard: what is put on it, what a spreadsheet's rows make when
// pasted, and the rows refused.

#include "editing/RowsText.h"

#include <QtTest>

namespace {

// A record whose title is `title`, every other field telling its position.
ItemRecord WithTitle(const QString& title) {
    ItemRecord record;
    for (int position = 1; position <= ItemRecord::FieldCount; ++position)
        record.SetField(position, QString::number(position));
    record.SetField(ItemRecord::Title, title);
    return record;
}

// A row of ten cells as a spreadsheet gives it, the second cell being `title`.
QString Row(const QString& title, const QString& end = QStringLiteral("\n")) {
    return QStringLiteral("1\t%1\t3\t4\t5\t6\t7\t8\t9\t10").arg(title) + end;
}

}  // namespace

class RowsTextTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A value as a cell of each form holds it, and the tab-separated row read back.
    void valuesAreCellsThatReadBackUnchanged_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("tabCell");
        QTest::addColumn<QString>("csvCell");
        QTest::newRow("plain") << QStringLiteral("Oak box") << QStringLiteral("Oak box")
                               << QStringLiteral("Oak box");
        QTest::newRow("leading blanks, kept")
            << QStringLiteral("  Oak") << QStringLiteral("  Oak") << QStringLiteral("\"  Oak\"");
        QTest::newRow("a comma, quoted only in the file")
            << QStringLiteral("Oak, carved") << QStringLiteral("Oak, carved")
            << QStringLiteral("\"Oak, carved\"");
        QTest::newRow("a tab") << QStringLiteral("a\tb") << QStringLiteral("\"a\tb\"")
                               << QStringLiteral("a\tb");
        QTest::newRow("CR LF") << QStringLiteral("a\r\nb") << QStringLiteral("\"a\r\nb\"")
                               << QStringLiteral("\"a\r\nb\"");
        QTest::newRow("a lone CR")
            << QStringLiteral("a\rb") << QStringLiteral("\"a\rb\"") << QStringLiteral("\"a\rb\"");
        QTest::newRow("quotes") << QStringLiteral("5\" \"tall\"")
                                << QStringLiteral("\"5\"\" \"\"tall\"\"\"")
                                << QStringLiteral("\"5\"\" \"\"tall\"\"\"");

        QTest::newRow("empty") << QString() << QString() << QString();
    }

    void valuesAreCellsThatReadBackUnchanged() {
        QFETCH(QString, value);
        QFETCH(QString, tabCell);
        QFETCH(QString, csvCell);
        // The value among empty fields and ones of every kind, so a neighbour's quotes or
        // breaks would show.
        std::vector<ItemRecord> records = {WithTitle(value), WithTitle(QStringLiteral("x\ty\"")),
                                           ItemRecord(), WithTitle(value)};
        records[0].SetField(ItemRecord::Category, value);
        const QString tabs = RowsText::TabSeparated(records);
        QVERIFY(tabs.startsWith(QStringLiteral("1\t%1\t3\t4\t5\t6\t7\t8\t9\t%1\n").arg(tabCell)));
        QVERIFY(tabs.endsWith(Row(tabCell)));
        QVERIFY(RowsText::Csv(records).endsWith(
            QStringLiteral("1,%1,3,4,5,6,7,8,9,10\r\n").arg(csvCell)));
        const RowsText::Pasted pasted = RowsText::FromTabSeparated(tabs);
        QCOMPARE(pasted.problem, QString());
        QVERIFY(!pasted.headingSkipped);
        QVERIFY(pasted.records == records);
    }

    // The values of the kept columns travel after the ten fields, both ways; rows of the ten
    // alone still paste, and a row of another count is refused naming both.
    void keptColumnsTravelWithTheirRows() {
        std::vector<ItemRecord> records = {WithTitle(QStringLiteral("a")),
                                           WithTitle(QStringLiteral("b"))};
        records[0].SetExtras({QStringLiteral("Parker"), QStringLiteral("tab\there")});
        const QString tabs = RowsText::TabSeparated(records, 2);
        QCOMPARE(tabs, Row(QStringLiteral("a"), QStringLiteral("\tParker\t\"tab\there\"\n")) +
                           Row(QStringLiteral("b"), QStringLiteral("\t\t\n")));
        QCOMPARE(RowsText::Csv(records, 2).section(QLatin1Char('\n'), 0, 0),
                 QStringLiteral("1,a,3,4,5,6,7,8,9,10,Parker,tab\there\r"));
        QVERIFY(RowsText::FromTabSeparated(tabs, 2).records == records);
        QCOMPARE(RowsText::FromTabSeparated(Row(QStringLiteral("c")), 2).records.size(), size_t(1));
        QVERIFY(
            RowsText::FromTabSeparated(tabs + Row(QStringLiteral("d"), QStringLiteral("\tx\n")), 2)
                .problem.endsWith(QLatin1String("Category; or those and the 2 kept after them.")));
    }

    // Rows as spreadsheets put them on the clipboard, and the rows that cannot be pasted.
    void spreadsheetRowsPasteOrAreRefused_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<bool>("headingSkipped");
        QTest::addColumn<QString>("problem");
        const QString ten = QStringLiteral(
            "rows to paste need the catalogue's ten, in its order: Item, Title, Description, "
            "Image, Price, First bid, an unused one, Started, Ends, Category.");
        QTest::newRow("CR LF, no line end last")
            << Row(QStringLiteral("a"), QStringLiteral("\r\n")) + Row(QStringLiteral("b"), {})
            << QStringList{QStringLiteral("a"), QStringLiteral("b")} << false << QString();
        QTest::newRow("a cell of lines and a tab")
            << Row(QStringLiteral("\"one\r\ntwo\tthree \"\"x\"\"\""))
            << QStringList{QStringLiteral("one\r\ntwo\tthree \"x\"")} << false << QString();
        QTest::newRow("a cell that only starts with a quote")
            << Row(QStringLiteral("\"5\" inch")) << QStringList{QStringLiteral("\"5\" inch")}
            << false << QString();
        QTest::newRow("blanks kept") << Row(QStringLiteral(" a "))
                                     << QStringList{QStringLiteral(" a ")} << false << QString();
        QTest::newRow("the columns' names first")
            << QStringLiteral(
                   "Item Number\tTitle\tDescription\tImage\tPrice\tFirst Bid\t\t"
                   "Started\tEnds\tCategory\n") +
                   Row(QStringLiteral("a"))
            << QStringList{QStringLiteral("a")} << true << QString();
        QTest::newRow("seven columns on line 3")
            << Row(QStringLiteral("a")) + Row(QStringLiteral("b")) +
                   QStringLiteral("1\t2\t3\t4\t5\t6\t7\n")
            << QStringList() << false << QStringLiteral("Line 3 has 7 columns; ") + ten;
        QTest::newRow("eleven, lines counted as rows")
            << Row(QStringLiteral("\"a\nb\"")) + Row(QStringLiteral("b\t11")) << QStringList()
            << false << QStringLiteral("Line 2 has 11 columns; ") + ten;
        QTest::newRow("a blank line")
            << Row(QStringLiteral("a")) + QStringLiteral("\n") + Row(QStringLiteral("b"))
            << QStringList() << false << QStringLiteral("Line 2 has 1 column; ") + ten;
        QTest::newRow("more columns than the ten, the catalogue keeping none")
            << QStringLiteral("1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t12\n") << QStringList() << false
            << QStringLiteral("Line 1 has 12 columns; ") + ten;
        QTest::newRow("nothing") << QString() << QStringList() << false
                                 << QStringLiteral("The clipboard holds no rows to paste.");
    }

    void spreadsheetRowsPasteOrAreRefused() {
        QFETCH(QString, text);
        QFETCH(QStringList, titles);
        QFETCH(bool, headingSkipped);
        QFETCH(QString, problem);
        const RowsText::Pasted pasted = RowsText::FromTabSeparated(text);
        QCOMPARE(pasted.problem, problem);
        QCOMPARE(pasted.headingSkipped, headingSkipped);
        std::vector<ItemRecord> expected;
        for (const QString& title : titles)
            expected.push_back(WithTitle(title));
        QVERIFY(pasted.records == expected);
    }
};

QTEST_APPLESS_MAIN(RowsTextTest)
#include "RowsTextTest.moc"
