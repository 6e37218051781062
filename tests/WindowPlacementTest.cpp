// SPDX-License-Identifier: GPL-3.0-or-later
// The preview and the Html Code window open wholly on the screen that holds the main window,
// made smaller where the screen is smaller than they are; a dialog worked beside the main
// window opens next to it, clear of its form where the screen has room.

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

    void aDialogBesideItsOwnerTakesTheFirstSideWithRoom_data() {
        QTest::addColumn<QRect>("owner");
        QTest::addColumn<QSize>("dialog");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QRect>("placed");
        const QRect screen(0, 0, 1280, 1024);
        const QSize dialog(400, 300);
        QTest::newRow("room on both sides, the right")
            << QRect(450, 100, 400, 500) << dialog << screen << QRect(850, 100, 400, 300);
        QTest::newRow("only on the left")
            << QRect(500, 100, 700, 500) << dialog << screen << QRect(100, 100, 400, 300);
        QTest::newRow("neither side, room below and above, below")
            << QRect(200, 320, 1000, 400) << dialog << screen << QRect(200, 720, 400, 300);
        QTest::newRow("neither side nor below, above")
            << QRect(100, 600, 1100, 424) << dialog << screen << QRect(100, 300, 400, 300);
        // No side has room: the corner that covers least of the lower half, then of the rest.
        QTest::newRow("maximised owner, its upper half covered")
            << screen << QSize(640, 400) << screen << QRect(640, 0, 640, 400);
        QTest::newRow("covering the least on the left")
            << QRect(180, 100, 1000, 900) << QSize(640, 700) << screen << QRect(0, 0, 640, 700);
        QTest::newRow("owner's form at the top, the dialog at the bottom")
            << QRect(100, -900, 1000, 1500) << QSize(640, 700) << screen
            << QRect(640, 324, 640, 700);
        QTest::newRow("screen smaller than both") << QRect(0, 0, 1000, 800) << QSize(900, 700)
                                                  << QRect(0, 0, 800, 600) << QRect(0, 0, 800, 600);
        // A second screen to the right of the first, a panel at its top.
        QTest::newRow("second screen") << QRect(1400, 0, 800, 600) << QSize(640, 388)
                                       << QRect(1280, 30, 1920, 1050) << QRect(2200, 30, 640, 388);
    }
    void aDialogBesideItsOwnerTakesTheFirstSideWithRoom() {
        QFETCH(QRect, owner);
        QFETCH(QSize, dialog);
        QFETCH(QRect, screen);
        QFETCH(QRect, placed);
        QCOMPARE(WindowPlacement::Beside(owner, dialog, screen), placed);
        QVERIFY(screen.contains(placed));
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
