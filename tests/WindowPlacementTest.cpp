// SPDX-License-Identifier: GPL-3.0-or-later
// The preview and the Html Code window open wholly on the screen that holds the main window,
// made smaller where the screen is smaller than they are.

#include "RecordingMessageBoxes.h"
#include "ui/HtmlSourceWindow.h"
#include "ui/PagePreviewWindow.h"
#include "ui/WindowPlacement.h"

#include <QScreen>

#include "PreviewTesting.h"

class WindowPlacementTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aFrameIsMovedTheLeastAndShrunkOnlyWhereTheAreaIsSmaller_data() {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("placed");
        const QRect screen(0, 0, 1280, 1024);
        QTest::newRow("inside") << QRect(100, 100, 600, 400) << screen << QRect(100, 100, 600, 400);
        QTest::newRow("below the bottom")
            << QRect(300, 800, 820, 700) << screen << QRect(300, 324, 820, 700);
        QTest::newRow("past the right")
            << QRect(1000, 10, 600, 400) << screen << QRect(680, 10, 600, 400);
        QTest::newRow("above and left")
            << QRect(-50, -20, 600, 400) << screen << QRect(0, 0, 600, 400);
        QTest::newRow("taller than the screen")
            << QRect(100, 100, 820, 1100) << screen << QRect(100, 0, 820, 1024);
        QTest::newRow("larger than the screen")
            << QRect(-10, -10, 1400, 1100) << screen << QRect(0, 0, 1280, 1024);
        // A second screen to the right of the first, a panel at its top.
        QTest::newRow("second screen") << QRect(3000, 900, 820, 700) << QRect(1280, 30, 1920, 1050)
                                       << QRect(2380, 380, 820, 700);
    }
    void aFrameIsMovedTheLeastAndShrunkOnlyWhereTheAreaIsSmaller() {
        QFETCH(QRect, frame);
        QFETCH(QRect, available);
        QFETCH(QRect, placed);
        QCOMPARE(WindowPlacement::FitInside(frame, available), placed);
        QVERIFY(available.contains(placed));
    }

    void bothWindowsOpenWhollyOnTheOwnersScreen() {
        QWidget owner;
        QScreen* screen = owner.screen();
        const QRect available = screen->availableGeometry();
        owner.resize(400, 300);
        // The main window in the lower right corner, half past the screen's edge.
        owner.move(available.right() - 200, available.bottom() - 150);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));

        RecordingMessageBoxes messages;
        HtmlSourceWindow source(messages);
        source.SetOwnerWindow(&owner);
        const QSize sourceSize = source.size();
        source.ShowPage(QString());
        QVERIFY(source.isVisible());
        QVERIFY2(available.contains(source.frameGeometry()),
                 qPrintable(QStringLiteral("%1,%2 %3x%4")
                                .arg(source.x())
                                .arg(source.y())
                                .arg(source.width())
                                .arg(source.height())));
        QCOMPARE(source.size(), sourceSize.boundedTo(available.size()));

        // The preview is made taller than the screen: it is shrunk to fit.
        PagePreviewWindow preview(QCoreApplication::applicationDirPath());
        preview.SetOwnerWindow(&owner);
        preview.resize(available.width() / 2, available.height() + 200);
        preview.BringForward();
        QVERIFY(available.contains(preview.frameGeometry()));
        QCOMPARE(preview.frameGeometry().height(), available.height());
        QCOMPARE(preview.width(), available.width() / 2);

        // Once open, a window the seller moved stays where it is.
        preview.move(available.topLeft() + QPoint(10, 10));
        const QPoint moved = preview.pos();
        preview.BringForward();
        QCOMPARE(preview.pos(), moved);

        // Without an owner, the window is centred on its screen.
        preview.close();
        preview.SetOwnerWindow(nullptr);
        preview.resize(200, 100);
        preview.BringForward();
        QCOMPARE(preview.frameGeometry().center(), available.center());
    }
};

LOTCRAFT_PREVIEW_TEST_MAIN(WindowPlacementTest)
#include "WindowPlacementTest.moc"
