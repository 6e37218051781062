// SPDX-License-Identifier: GPL-3.0-or-later
// The colour scheme table as start-up leaves it, its bounds and its names.

#include "app/LotcraftError.h"
#include "app/ProgramSettings.h"
#include "pages/SchemeTable.h"

#include <QtTest>

namespace {

struct ExpectedScheme {
    int number;
    const char* name;
    const char* primary;
    const char* secondary;
    const char* text;
    bool fontTag;
};

// Written out from the scheme table the program's pages have always used.
const ExpectedScheme kExpected[] = {
    {1, "Yellow", "#F4D752", "#FFFFDB", "#000000", false},
    {2, "Aqua", "#669999", "#99CCCC", "#000000", false},
    {3, "Blue", "#006699", "#3399CC", "#000000", true},
    {4, "Navy", "#400080", "#8000FF", "#000000", true},
    {5, "Silver", "#D2D2D2", "#EFEFEF", "#000000", false},
    {6, "Grey", "#808080", "#CFCFCF", "#FFFFFF", false},
    {7, "Smoke", "#000000", "#C0C0C0", "#FFFFFF", false},
    {8, "Green", "#669900", "#99CC33", "#000000", false},
    {9, "Orange", "#FF9900", "#FFCC00", "#000000", false},
    {10, "Purple", "#666699", "#9999CC", "#FFFFFF", false},
    {11, "Red", "#996666", "#CC9999", "#FFFFFF", false},
    {12, "Bright Red", "#FF0000", "#FFFFFF", "#000000", true},
    {13, "Blue & Green", "#006699", "#669900", "#000000", true},
    {14, "Black & Orange", "#000000", "#FFCC00", "#FFFFFF", false},
    {15, "Red & Grey", "#D70000", "#C0C0C0", "#000000", false},
    {16, "Orange & Red", "#FF8000", "#B30000", "#000000", false},
    {17, "Burgundy", "#660000", "#CC0000", "#FFFFFF", true},
    {18, "Champagne", "#BB7100", "#FFE7CE", "#000000", false},
    {19, "Violet", "#E100E1", "#FFC4FF", "#000000", false},
};

const QString kFontTag = QStringLiteral("<font color='#FFFFFF'>");

}  // namespace

class SchemeTableTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theFirstChoicesAreLayoutOneAndSchemeOne() {
        const ProgramSettings settings;
        QCOMPARE(settings.LayoutIndex(), qint16(1));
        QCOMPARE(settings.SchemeIndex(), qint16(1));
        QVERIFY(settings.OutputFolder().isEmpty());
    }

    void everySchemeHasItsColours() {
        const SchemeTable& table = SchemeTable::Standard();
        for (const ExpectedScheme& expected : kExpected) {
            const QByteArray where = QByteArray("scheme ") + QByteArray::number(expected.number);
            QCOMPARE(SchemeTable::Name(expected.number), QString::fromLatin1(expected.name));
            QCOMPARE(table.SchemePrimary().At(expected.number),
                     QString::fromLatin1(expected.primary));
            QCOMPARE(table.SchemeSecondary().At(expected.number),
                     QString::fromLatin1(expected.secondary));
            QVERIFY2(table.SchemeText().At(expected.number) == QLatin1String(expected.text),
                     where.constData());
            QVERIFY2(table.SchemeFontTag().At(expected.number) ==
                         (expected.fontTag ? kFontTag : QString()),
                     where.constData());
        }
        QCOMPARE(kFontTag.size(), 22);
        QCOMPARE(SchemeTable::Names().size(), 19);
        QCOMPARE(SchemeTable::Names().first(), QStringLiteral("Yellow"));
        QCOMPARE(SchemeTable::Names().last(), QStringLiteral("Violet"));
    }

    void theEndsOfTheTableAreEmpty() {
        const SchemeTable& table = SchemeTable::Standard();
        for (int index : {0, 20}) {
            QVERIFY(table.SchemePrimary().At(index).isEmpty());
            QVERIFY(table.SchemeSecondary().At(index).isEmpty());
            QVERIFY(table.SchemeText().At(index).isEmpty());
            QVERIFY(table.SchemeFontTag().At(index).isEmpty());
        }
    }

    void anIndexOutsideTheTableIsAnError() {
        const SchemeTable& table = SchemeTable::Standard();
        for (int index : {-1, 21, 32767}) {
            QVERIFY_THROWS_EXCEPTION(LotcraftError, table.SchemePrimary().At(index));
            QVERIFY_THROWS_EXCEPTION(LotcraftError, table.SchemeSecondary().At(index));
            QVERIFY_THROWS_EXCEPTION(LotcraftError, table.SchemeText().At(index));
            QVERIFY_THROWS_EXCEPTION(LotcraftError, table.SchemeFontTag().At(index));
        }
        try {
            table.SchemeText().At(21);
            QFAIL("no error for index 21");
        } catch (const LotcraftError& error) {
            QVERIFY2(error.Reason().contains(QLatin1String("21")), qPrintable(error.Reason()));
            QVERIFY(error.Reason().contains(QLatin1String("0 to 20")));
        }
        SchemeArray array;
        QVERIFY_THROWS_EXCEPTION(LotcraftError, array.Set(21, QStringLiteral("#FFFFFF")));
        QVERIFY_THROWS_EXCEPTION(LotcraftError, SchemeTable::Name(0));
        QVERIFY_THROWS_EXCEPTION(LotcraftError, SchemeTable::Name(20));
    }

    void schemesAreFoundByNameInAnyCase() {
        QCOMPARE(SchemeTable::FindByName(QStringLiteral("bright red")), 12);
        QCOMPARE(SchemeTable::FindByName(QStringLiteral("BLUE & GREEN")), 13);
        QCOMPARE(SchemeTable::FindByName(QStringLiteral("Yellow")), 1);
        QCOMPARE(SchemeTable::FindByName(QStringLiteral("Bright")), 0);
        QCOMPARE(SchemeTable::FindByName(QString()), 0);
    }
};

QTEST_APPLESS_MAIN(SchemeTableTest)
#include "SchemeTableTest.moc"
