// SPDX-License-Identifier: GPL-3.0-or-later
// The grid's marks stand out from a dark grid as from a light one.

#include "ui/ColourContrast.h"
#include "ui/GridMarks.h"

#include <QPainter>
#include <QtTest>

class GridMarksTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void marksStandOutFromTheGrid_data() {
        QTest::addColumn<QColor>("base");
        QTest::newRow("light grid") << QColor(Qt::white);
        QTest::newRow("dark grid") << QColor(42, 42, 42);
    }
    void marksStandOutFromTheGrid() {
        QFETCH(QColor, base);
        // A navy outline on a transparent ground, as the page's picture is drawn.
        QImage mark(16, 14, QImage::Format_ARGB32);
        mark.fill(Qt::transparent);
        const QColor navy(0x1b, 0x2a, 0x4a);
        for (int x = 2; x < 14; ++x)
            mark.setPixelColor(x, 7, navy);
        QPalette palette;
        palette.setColor(QPalette::Base, base);
        const QImage shown = GridMarks::ForPalette(mark, palette);
        QCOMPARE(shown.size(), mark.size());
        // What the grid shows around the outline: the mark's own ground, else the grid.
        QImage cell(mark.size(), QImage::Format_RGB32);
        cell.fill(base);
        QPainter(&cell).drawImage(0, 0, shown);
        QCOMPARE(cell.pixelColor(8, 7), navy);
        QVERIFY2(ColourContrast::Ratio(cell.pixelColor(8, 7), cell.pixelColor(8, 5)) >= 3.0,
                 qPrintable(cell.pixelColor(8, 5).name()));
        if (base == QColor(Qt::white))
            QCOMPARE(shown, mark);  // a light grid shows the picture as it is
    }
};

QTEST_MAIN(GridMarksTest)
#include "GridMarksTest.moc"
