// SPDX-License-Identifier: GPL-3.0-or-later
// The frame a window draws around its focused button: where it lies, when it shows, that it
// stands out at least 3:1 from the window in light and dark palettes, and that the button's
// own pixels stay as the button draws them.

#include "controls/xpbutton/XpButton.h"
#include "ui/ColourContrast.h"
#include "ui/FocusFrame.h"

#include <QLineEdit>
#include <QtTest>

class FocusFrameTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void frameFollowsTheFocusedButton_data() {
        QTest::addColumn<QColor>("window");
        QTest::addColumn<QColor>("highlight");
        QTest::addColumn<QColor>("text");
        QTest::newRow("light, blue selection")
            << QColor(236, 233, 216) << QColor(49, 106, 197) << QColor(Qt::black);
        QTest::newRow("light, pale selection too faint")
            << QColor(240, 240, 240) << QColor(160, 200, 240) << QColor(Qt::black);
        QTest::newRow("dark") << QColor(53, 53, 53) << QColor(42, 130, 218) << QColor(Qt::white);
        QTest::newRow("dark, neither readable")
            << QColor(60, 60, 60) << QColor(70, 70, 70) << QColor(80, 80, 80);
    }
    void frameFollowsTheFocusedButton() {
        QFETCH(QColor, window);
        QFETCH(QColor, highlight);
        QFETCH(QColor, text);
        QWidget host;
        QPalette palette = host.palette();
        palette.setColor(QPalette::Window, window);
        palette.setColor(QPalette::Button, window);
        palette.setColor(QPalette::Highlight, highlight);
        palette.setColor(QPalette::WindowText, text);
        host.setPalette(palette);
        host.resize(240, 120);
        auto* button = new XpButton(QStringLiteral("Update"), &host);
        button->setGeometry(20, 20, 49, 25);
        auto* box = new QLineEdit(&host);
        box->setGeometry(100, 20, 80, 22);
        FocusFrame frame;
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));

        button->setFocus();
        QTRY_VERIFY(frame.Ring());
        QCOMPARE(frame.Framed(), button);
        QCOMPARE(frame.Ring()->geometry(), QRect(17, 17, 55, 31));
        const QImage shown = host.grab().toImage();
        const QColor ring = shown.pixelColor(17, 30);
        QCOMPARE(shown.pixelColor(18, 30), ring);    // 2 pixels wide
        QCOMPARE(shown.pixelColor(19, 30), window);  // then a pixel clear of the button
        QVERIFY2(ColourContrast::Ratio(ring, window) >= 3.0, qPrintable(ring.name()));
        // The button's pixels are its own.
        QCOMPARE(shown.copy(button->geometry()).convertToFormat(QImage::Format_RGB32),
                 button->Image().convertToFormat(QImage::Format_RGB32));

        button->move(30, 60);
        QCOMPARE(frame.Ring()->geometry(), QRect(27, 57, 55, 31));
        box->setFocus();
        QTRY_VERIFY(!frame.Ring());
        button->setFocus();
        QTRY_VERIFY(frame.Ring());
        button->SetEnabled(false);
        QVERIFY(!frame.Ring());
    }
};

QTEST_MAIN(FocusFrameTest)
#include "FocusFrameTest.moc"
