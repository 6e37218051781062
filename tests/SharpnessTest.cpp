// SPDX-License-Identifier: GPL-3.0-or-later
// On a screen of device pixel ratio 2 (QT_SCALE_FACTOR=2, set before the application starts)
// the owner-drawn buttons and the windows' pictures are shown with their own pixels enlarged:
// no colour appears that the picture at ratio 1 does not have, as smoothing would add.

#include "controls/xpbutton/DevicePixels.h"
#include "controls/xpbutton/XpButton.h"
#include "ui/SharpPictures.h"

#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QSet>
#include <QtTest>

namespace {

QSet<QRgb> Colours(const QImage& image) {
    const QImage plain = image.convertToFormat(QImage::Format_RGB32);
    QSet<QRgb> colours;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            colours.insert(plain.pixel(x, y));
    return colours;
}

// The colours of the second image that the first does not have, as text for a message.
QString NewColours(const QImage& before, const QImage& after) {
    QStringList found;
    const QSet<QRgb> known = Colours(before);
    for (QRgb colour : Colours(after))
        if (!known.contains(colour))
            found << QString::number(colour & 0xFFFFFF, 16);
    return found.mid(0, 12).join(u' ');
}

// A picture of hard-edged stripes in four colours, which smoothing would blend.
QImage Stripes(int width, int height) {
    static const QRgb colours[] = {qRgb(200, 30, 30), qRgb(20, 20, 160), qRgb(250, 250, 250),
                                   qRgb(10, 120, 10)};
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, colours[(x + y / 3) % 4]);
    return image;
}

}  // namespace

class SharpnessTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theScreenHasRatio2() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }

    void aButtonIsItsOwnPaintingEnlarged() {
        QWidget window;
        window.resize(200, 80);
        auto* button = new XpButton(QStringLiteral("Load"), &window);
        button->SetButtonStyle(XpButton::XpRounded);
        button->SetPicture(ButtonPicture(QPixmap::fromImage(Stripes(16, 16))));
        button->SetCaption(QStringLiteral("LOAD CSV"));
        button->setGeometry(10, 10, 120, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        button->setFocus();

        const QImage painted = button->Image();
        const QImage shown = button->grab().toImage();
        QCOMPARE(shown.size(), painted.size() * 2);
        const QString added = NewColours(painted, shown);
        QVERIFY2(added.isEmpty(), qPrintable(QLatin1String("colours added: ") + added));
        // Pixel for pixel: each of the button's pixels is a 2 x 2 block on the screen (the
        // four cut corners of its shape show the window behind).
        for (int y = 3; y < painted.height() - 3; ++y)
            for (int x = 3; x < painted.width() - 3; ++x)
                for (int dy = 0; dy < 2; ++dy)
                    for (int dx = 0; dx < 2; ++dx)
                        QCOMPARE(shown.pixel(2 * x + dx, 2 * y + dy), painted.pixel(x, y));
    }

    void theWindowsPicturesAreEnlargedPixelForPixel() {
        SharpPictures sharpPictures;
        qApp->installEventFilter(&sharpPictures);
        const QImage picture = Stripes(60, 24);
        QWidget window;
        auto* label = new QLabel(&window);
        label->setPixmap(QPixmap::fromImage(picture));
        label->setGeometry(0, 0, 60, 24);
        // Made after the filter is installed, like a dialog opened later.
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        qApp->removeEventFilter(&sharpPictures);

        const QImage shown = label->grab().toImage();
        QCOMPARE(shown.size(), QSize(120, 48));
        const QString added = NewColours(picture, shown);
        QVERIFY2(added.isEmpty(), qPrintable(QLatin1String("colours added: ") + added));
        QCOMPARE(shown.pixel(119, 47), picture.pixel(59, 23));
        // The label keeps its size on the window: the picture is as large as before.
        QCOMPARE(label->pixmap().deviceIndependentSize(), QSizeF(60, 24));
    }

    void enlargingAddsNoColourAtAnyRatio() {
        const QImage picture = Stripes(31, 17);
        for (qreal ratio : {1.0, 1.25, 1.5, 2.0, 3.0}) {
            const QImage enlarged = DevicePixels::Enlarged(picture, ratio);
            QCOMPARE(enlarged.devicePixelRatio(), ratio);
            QCOMPARE(enlarged.size(), QSize(qRound(31 * ratio), qRound(17 * ratio)));
            QVERIFY(NewColours(picture, enlarged).isEmpty());
        }
    }
};

int main(int argc, char* argv[]) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    SharpnessTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "SharpnessTest.moc"
