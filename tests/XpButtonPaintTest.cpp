// SPDX-License-Identifier: GPL-3.0-or-later
// The button's drawing, pixel by pixel, with a fixed palette and font: the colour
// arithmetic, the line and box rules, every style's border, the style 3 face, the layout
// of caption and picture and how they move with the state.

#include "XpButtonFixtures.h"
#include "controls/xpbutton/ButtonFace.h"
#include "controls/xpbutton/GdiCanvas.h"
#include "controls/xpbutton/OleColor.h"
#include "controls/xpbutton/XpButtonPainter.h"

#include <QtTest>

#include <cmath>

using namespace XpButtonFixtures;

namespace {

QImage Render(const ButtonFace& face, QSize size = QSize(81, 25)) {
    return XpButtonPainter(face, size, Palette(), Font()).Paint();
}

ButtonFace Style(int style) {
    ButtonFace face;
    face.ButtonStyle = style;
    return face;
}

// Whether every pixel of the image has the colour.
bool AllOf(const QImage& image, OleColor color) {
    QImage plain(image.size(), image.format());
    plain.fill(ToQRgb(color));
    return image == plain;
}

// The style 3 shade of row i for a button of height h, worked out independently:
// round(-25 / h x i) with halves going to the even neighbour.
int ExpectedRowShift(int h, int i) {
    const double exact = -25.0 * i / h;
    const double lower = std::floor(exact);
    const double fraction = exact - lower;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(lower, 2.0) != 0))
        return int(lower + 1);
    return int(lower);
}

}  // namespace

class XpButtonPaintTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void colourArithmetic() {
        QCOMPARE(ShiftColor(MakeRgb(255, 255, 255), -24), MakeRgb(231, 231, 224));
        QCOMPARE(ShiftColor(MakeRgb(0, 0, 0), 48), MakeRgb(48, 48, 0));
        QCOMPARE(ShiftColor(MakeRgb(192, 192, 192), 48), MakeRgb(240, 240, 240));
        // Blue's share truncates toward zero: 100 x -10 / 192 is -5.2, so -5.
        QCOMPARE(ShiftColor(MakeRgb(10, 20, 100), -10), MakeRgb(0, 10, 95));
        QCOMPARE(AddToAll(MakeRgb(250, 10, 128), 10), MakeRgb(255, 20, 138));
        // System colours come from the palette; RGB values pass unchanged.
        QImage image(1, 1, QImage::Format_ARGB32);
        GdiCanvas canvas(image, Palette());
        QCOMPARE(canvas.ToRgb(0x80000015), Dark);
        QCOMPARE(canvas.ToRgb(0x00FFFFFF), OleColor(0x00FFFFFF));
    }

    void linesLeaveTheirEndPointAndBoxesLieInside() {
        QImage image(6, 6, QImage::Format_ARGB32);
        GdiCanvas canvas(image, Palette());
        canvas.Fill(0);
        const OleColor red = MakeRgb(255, 0, 0);
        canvas.DrawLine(1, 1, 4, 1, red);
        QCOMPARE(At(image, 1, 1), red);
        QCOMPARE(At(image, 3, 1), red);
        QCOMPARE(At(image, 4, 1), OleColor(0));
        canvas.DrawLine(2, 2, 2, 2, red);  // no length, nothing drawn
        QCOMPARE(At(image, 2, 2), OleColor(0));

        canvas.Fill(0);
        canvas.DrawBox(0, 0, 6, 6, red, false);
        QCOMPARE(BoundsOf(image, red), QRect(0, 0, 6, 6));
        QCOMPARE(At(image, 5, 5), red);
        QCOMPARE(At(image, 1, 1), OleColor(0));
        // A box larger than the image keeps only its top and left edges on it.
        canvas.Fill(0);
        canvas.DrawBox(0, 0, 7, 7, red, false);
        QCOMPARE(At(image, 0, 5), red);
        QCOMPARE(At(image, 5, 0), red);
        QCOMPARE(At(image, 5, 5), OleColor(0));
    }

    void style3CutsThreePixelsOffEachCorner_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("81 x 25") << QSize(81, 25);
        QTest::newRow("10 x 10") << QSize(10, 10);
    }
    void style3CutsThreePixelsOffEachCorner() {
        QFETCH(QSize, size);
        const int w = size.width();
        const int h = size.height();
        const QRegion region = XpButtonPainter::BuildXpRegion(w, h);
        for (const QPoint& corner :
             {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)}) {
            const int dx = corner.x() == 0 ? 1 : -1;
            const int dy = corner.y() == 0 ? 1 : -1;
            QVERIFY(!region.contains(corner));
            QVERIFY(!region.contains(corner + QPoint(dx, 0)));
            QVERIFY(!region.contains(corner + QPoint(0, dy)));
            QVERIFY(region.contains(corner + QPoint(dx, dy)));
            QVERIFY(region.contains(corner + QPoint(2 * dx, 0)));
            QVERIFY(region.contains(corner + QPoint(0, 2 * dy)));
        }
        QCOMPARE(region.boundingRect(), QRect(0, 0, w, h));

        // The inner corner pixels take the outline's colour.
        const QImage image = Render(Style(3), size);
        for (const QPoint& inner :
             {QPoint(1, 1), QPoint(w - 2, 1), QPoint(1, h - 2), QPoint(w - 2, h - 2)})
            QCOMPARE(At(image, inner.x(), inner.y()), Dark);
        QCOMPARE(At(image, w / 2, 0), Dark);
        QCOMPARE(At(image, 0, h / 2), Dark);
    }

    void style3GradientRows_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("81 x 25") << QSize(81, 25);
        QTest::newRow("10 x 10, halves to even") << QSize(10, 10);
        QTest::newRow("59 x 53") << QSize(59, 53);
    }
    void style3GradientRows() {
        QFETCH(QSize, size);
        const int h = size.height();
        ButtonFace face = Style(3);
        const QImage image = Render(face, size);
        const OleColor u = ShiftColor(Face, 48);
        // Rows 3 to h - 4 between columns 3 and w - 4 show the gradient alone.
        for (int i = 3; i <= h - 4; ++i)
            QCOMPARE(At(image, size.width() / 2, i), ShiftColor(u, ExpectedRowShift(h, i)));
        // At 10 pixels, row 3 is -7.5 and row 5 -12.5: the even neighbours -8 and -12.
        if (h == 10) {
            QCOMPARE(At(image, 4, 3), ShiftColor(u, -8));
            QCOMPARE(At(image, 4, 5), ShiftColor(u, -12));
        }
    }

    void style3PressedGradientRunsTheOtherWay() {
        ButtonFace face = Style(3);
        face.Pressed = true;
        const QImage image = Render(face, QSize(40, 15));
        const OleColor u = ShiftColor(ShiftColor(Face, 48), -32);
        // Row h - i has shift -i (15 / 15 = 1 a row): lightest at the bottom.
        QCOMPARE(At(image, 20, 11), ShiftColor(u, -4));
        QCOMPARE(At(image, 20, 4), ShiftColor(u, -11));
        QCOMPARE(At(image, 1, 7), ShiftColor(u, -32));
        QCOMPARE(At(image, 2, 7), ShiftColor(u, -22));
    }

    void style3FocusAndHoverRings_data() {
        QTest::addColumn<bool>("focus");
        QTest::addColumn<bool>("defaultColors");
        QTest::addColumn<OleColor>("ring");
        const OleColor pressedColour = MakeRgb(10, 200, 30);
        QTest::newRow("focus, default colours") << true << true << MakeRgb(140, 170, 230);
        QTest::newRow("focus, own colour") << true << false << pressedColour;
        QTest::newRow("hover, default colours") << false << true << MakeRgb(225, 153, 71);
        QTest::newRow("hover, own system colour") << false << false << Light;
    }
    void style3FocusAndHoverRings() {
        QFETCH(bool, focus);
        QFETCH(bool, defaultColors);
        QFETCH(OleColor, ring);
        ButtonFace face = Style(3);
        face.XPDefaultColors = defaultColors;
        face.XPColor_Pressed = MakeRgb(10, 200, 30);
        face.XPColor_Hover = 0x80000016;  // 3D light, through the palette
        face.HasFocus = focus;
        face.Hovered = !focus;
        const QImage image = Render(face);
        QCOMPARE(At(image, 1, 10), ring);
        QCOMPARE(At(image, 79, 10), ring);
        const int top = focus ? 65 : 90;
        const int side = focus ? 31 : 20;
        QCOMPARE(At(image, 40, 1), ShiftColor(ring, top));
        QCOMPARE(At(image, 2, 10), ShiftColor(ring, side));
        QCOMPARE(At(image, 78, 10), ShiftColor(ring, side));
        QCOMPARE(At(image, 40, 23), ShiftColor(ring, focus ? -33 : -40));
    }

    void style3PressedBeatsHoverAndShowsNoDottedFocus() {
        ButtonFace pressed = Style(3);
        pressed.Pressed = true;
        ButtonFace both = pressed;
        both.Hovered = true;
        QCOMPARE(Render(both), Render(pressed));

        ButtonFace focused = Style(3);
        focused.HasFocus = true;
        ButtonFace withoutRect = focused;
        withoutRect.ShowFocusRect = false;
        QCOMPARE(Render(focused), Render(withoutRect));
        // Style 0 does draw it: the pixel (4, 4) is inverted.
        ButtonFace classic = Style(0);
        classic.HasFocus = true;
        QCOMPARE(At(Render(classic), 4, 4), OleColor(0xFFFFFF) ^ Face);
        classic.ShowFocusRect = false;
        QCOMPARE(At(Render(classic), 4, 4), Face);
    }

    void style3Disabled() {
        ButtonFace face = Style(3);
        face.Enabled = false;
        face.HasFocus = true;
        const QImage image = Render(face);
        const OleColor t = ShiftColor(Face, 48);
        QCOMPARE(At(image, 40, 12), ShiftColor(t, -24));
        QCOMPARE(At(image, 0, 12), ShiftColor(t, -84));
        QCOMPARE(At(image, 1, 1), ShiftColor(t, -72));
        QCOMPARE(At(image, 79, 23), ShiftColor(t, -72));
    }

    void flatStylesBorders() {
        // Style 1 at rest, and style 4 in every state, show no border at all.
        QVERIFY(AllOf(Render(Style(1)), Face));
        for (bool pressed : {false, true}) {
            ButtonFace face = Style(4);
            face.Hovered = true;
            face.Pressed = pressed;
            face.IsDefault = true;
            QVERIFY(AllOf(Render(face), Face));
        }
        // Style 1 hovered: highlight top and left, shadow right and bottom.
        ButtonFace hovered = Style(1);
        hovered.Hovered = true;
        const QImage raised = Render(hovered);
        QCOMPARE(At(raised, 0, 10), Highlight);
        QCOMPARE(At(raised, 40, 0), Highlight);
        QCOMPARE(At(raised, 80, 10), Shadow);
        QCOMPARE(At(raised, 40, 24), Shadow);
        // Pressed: the other way round.
        hovered.Pressed = true;
        const QImage sunken = Render(hovered);
        QCOMPARE(At(sunken, 0, 10), Shadow);
        QCOMPARE(At(sunken, 80, 10), Highlight);
        // Styles outside 0..4 draw like style 1.
        ButtonFace odd = Style(7);
        odd.Hovered = true;
        QCOMPARE(Render(odd), raised);
        QVERIFY(AllOf(Render(Style(-1)), Face));
    }

    void defaultFrameAndStyle0Focus() {
        ButtonFace face = Style(1);
        face.IsDefault = true;
        const QImage image = Render(face);
        QCOMPARE(At(image, 79, 10), Shadow);
        QCOMPARE(At(image, 40, 23), Shadow);
        QCOMPARE(At(image, 0, 10), Highlight);
        QCOMPARE(At(image, 80, 10), Face);

        // Style 0 draws the frame for focus, but not while pressed.
        ButtonFace classic = Style(0);
        classic.HasFocus = true;
        classic.ShowFocusRect = false;
        QCOMPARE(At(Render(classic), 79, 10), Shadow);
        classic.Pressed = true;
        QCOMPARE(At(Render(classic), 79, 10), Face);
        ButtonFace flat = Style(1);
        flat.HasFocus = true;
        flat.ShowFocusRect = false;
        QVERIFY(AllOf(Render(flat), Face));
    }

    void bevelsAboveOne() {
        ButtonFace face = Style(0);
        face.BEVEL = 2;
        face.BEVELDEPTH = 8;
        const QImage raised = Render(face);
        // Each ring and line applies its step once more than the one inside it.
        const auto repeated = [](OleColor (*step)(OleColor, int), int amount, int times) {
            OleColor c = Face;
            for (int i = 0; i < times; ++i)
                c = step(c, amount);
            return c;
        };
        const auto darker = [&](int times) { return repeated(ShiftColor, -8, times); };
        const auto lighter = [&](int times) { return repeated(AddToAll, 8, times); };
        // Rings from k = 2 inwards to k = 0 outermost: the outermost is the darkest.
        QCOMPARE(At(raised, 80, 12), darker(3));
        QCOMPARE(At(raised, 79, 12), darker(2));
        QCOMPARE(At(raised, 78, 12), darker(1));
        // Top and left lines, the outermost the brightest; a line stops short of its end.
        QCOMPARE(At(raised, 0, 12), lighter(3));
        QCOMPARE(At(raised, 1, 12), lighter(2));
        QCOMPARE(At(raised, 79, 0), lighter(3));
        QCOMPARE(At(raised, 80, 0), darker(3));

        face.Pressed = true;
        const QImage sunken = Render(face);
        QCOMPARE(At(sunken, 80, 12), lighter(3));
        QCOMPARE(At(sunken, 0, 12), darker(3));
        QCOMPARE(At(sunken, 2, 12), darker(1));

        // The default frame is a raised bevel three steps deeper.
        ButtonFace framed = Style(1);
        framed.BEVEL = 2;
        framed.IsDefault = true;
        QCOMPARE(At(Render(framed), 80, 12), repeated(ShiftColor, -11, 3));
    }

    void style2Backgrounds_data() {
        QTest::addColumn<bool>("pressed");
        QTest::addColumn<bool>("defaultColors");
        QTest::addColumn<OleColor>("background");
        // Selection (49, 106, 197) plus the tints, above 255 taken as 255.
        QTest::newRow("hovered") << false << true << MakeRgb(220, 255, 255);
        QTest::newRow("pressed") << true << true << MakeRgb(205, 245, 255);
        QTest::newRow("hovered, own colour") << false << false << Light;
        QTest::newRow("pressed, own colour") << true << false << MakeRgb(1, 2, 3);
    }
    void style2Backgrounds() {
        QFETCH(bool, pressed);
        QFETCH(bool, defaultColors);
        QFETCH(OleColor, background);
        ButtonFace face = Style(2);
        face.Hovered = true;
        face.Pressed = pressed;
        face.XPDefaultColors = defaultColors;
        face.XPColor_Pressed = MakeRgb(1, 2, 3);
        face.XPColor_Hover = 0x80000016;
        const QImage image = Render(face);
        QCOMPARE(At(image, 40, 12), background);
        // Hovered: a thin border in the caption colour.
        QCOMPARE(At(image, 0, 0), Text);
        QCOMPARE(At(image, 80, 24), Text);
    }

    void style2BorderAlwaysAndTransparentBackground() {
        ButtonFace face = Style(2);
        QCOMPARE(At(Render(face), 0, 0), Face);
        face.XPShowBorderAlways = true;
        QCOMPARE(At(Render(face), 0, 0), Text);

        // Transparent, the container shows through unless pressed.
        QImage parent(81, 25, QImage::Format_ARGB32);
        parent.fill(QColor(0, 128, 0));
        ButtonFace see = Style(2);
        see.TransparentBG = true;
        see.ParentBackground = parent;
        QCOMPARE(At(Render(see), 40, 12), MakeRgb(0, 128, 0));
        see.Pressed = true;
        QCOMPARE(At(Render(see), 40, 12), MakeRgb(205, 245, 255));
    }

    void layoutExample() {
        // A 32 x 32 picture left of a caption measured 40 wide on a button 100 wide.
        const XpButtonPainter::Placement left = XpButtonPainter::PlaceContent(
            100, 50, QSize(40, 13), QSize(32, 32), 1, true, true, GdiRect());
        QCOMPARE(left.picture.left, 12);
        QCOMPARE(left.caption.left, 48);

        const auto right = XpButtonPainter::PlaceContent(100, 50, QSize(40, 13), QSize(32, 32), 2,
                                                         true, true, GdiRect());
        QCOMPARE(right.caption.left, 12);
        QCOMPARE(right.picture.left, 56);
        const auto top = XpButtonPainter::PlaceContent(59, 53, QSize(30, 13), QSize(16, 16), 0,
                                                       true, true, GdiRect());
        QCOMPARE(top.picture, (GdiRect{21, 10, 37, 26}));
        QCOMPARE(top.caption.top, 30);
        const auto bottom = XpButtonPainter::PlaceContent(59, 53, QSize(30, 13), QSize(16, 16), 3,
                                                          true, true, GdiRect());
        QCOMPARE(bottom.caption.top, 10);
        QCOMPARE(bottom.picture.top, 27);

        // No caption: the picture alone, centred; an unknown position keeps the old place.
        const auto alone = XpButtonPainter::PlaceContent(100, 50, QSize(8, 13), QSize(32, 32), 1,
                                                         true, false, GdiRect());
        QCOMPARE(alone.picture, (GdiRect{34, 9, 66, 41}));
        const GdiRect before{1, 2, 3, 4};
        const auto odd = XpButtonPainter::PlaceContent(100, 50, QSize(40, 13), QSize(32, 32), 9,
                                                       true, true, before);
        QCOMPARE(odd.picture, before);
        QCOMPARE(odd.caption.left, 4 + (92 - 40) / 2);
    }

    void pressedContentMovesOnePixel() {
        const OleColor red = MakeRgb(200, 0, 0);
        const OleColor blue = MakeRgb(0, 0, 200);
        for (int style : {0, 1, 3}) {
            ButtonFace face = Style(style);
            face.Caption = QStringLiteral("Go");
            face.ForeColor = red;
            face.Picture = Bitmap(8, 8, blue, blue);
            face.OriginalPicSizeW = face.OriginalPicSizeH = 8;
            face.PictureWidth = face.PictureHeight = 8;
            face.Hovered = true;
            const QImage rest = Render(face);
            face.Pressed = true;
            const QImage pressed = Render(face);
            QCOMPARE(BoundsOf(pressed, red), BoundsOf(rest, red).translated(1, 1));
            QCOMPARE(BoundsOf(pressed, blue), BoundsOf(rest, blue).translated(1, 1));
        }
        // Style 2 keeps caption and picture in place when pressed.
        ButtonFace flat = Style(2);
        flat.Caption = QStringLiteral("Go");
        flat.ForeColor = red;
        flat.Picture = Bitmap(8, 8, blue, blue);
        flat.OriginalPicSizeW = flat.OriginalPicSizeH = 8;
        flat.PictureWidth = flat.PictureHeight = 8;
        const QImage before = Render(flat);
        flat.Pressed = true;
        const QImage pressed = Render(flat);
        QCOMPARE(BoundsOf(pressed, red), BoundsOf(before, red));
        QCOMPARE(BoundsOf(pressed, blue), BoundsOf(before, blue));
    }

    void style2PictureLiftsOverItsSilhouette() {
        const OleColor blue = MakeRgb(0, 0, 200);
        ButtonFace face = Style(2);
        face.Picture = Bitmap(8, 8, blue, blue);
        face.OriginalPicSizeW = face.OriginalPicSizeH = 8;
        face.PictureWidth = face.PictureHeight = 8;
        const QRect rest = BoundsOf(Render(face), blue);
        QCOMPARE(rest.size(), QSize(8, 8));
        face.Hovered = true;
        const QImage lifted = Render(face);
        QCOMPARE(BoundsOf(lifted, blue), rest.translated(-3, -3));
        const QRect grey = BoundsOf(lifted, MakeRgb(146, 146, 146));
        QCOMPARE(grey, rest);
        QCOMPARE(At(lifted, rest.left(), rest.top()), blue);  // the lifted one lies on top
    }

    void bitmapMaskColour() {
        const OleColor blue = MakeRgb(0, 0, 200);
        const OleColor magenta = MakeRgb(255, 0, 255);
        ButtonFace face = Style(4);
        face.Picture = Bitmap(8, 8, blue, magenta);
        face.OriginalPicSizeW = face.OriginalPicSizeH = 8;
        face.PictureWidth = face.PictureHeight = 16;  // stretched to twice its size
        face.MaskColor = magenta;
        const QImage masked = Render(face);
        QCOMPARE(BoundsOf(masked, blue), QRect(40, 4, 8, 16));
        QVERIFY(BoundsOf(masked, magenta).isNull());
        QCOMPARE(At(masked, 35, 12), Face);

        // Disabled: an opaque rectangle whose mask-colour pixels show white.
        face.Enabled = false;
        const QImage disabled = Render(face);
        QCOMPARE(BoundsOf(disabled, blue), QRect(40, 4, 8, 16));
        QCOMPARE(BoundsOf(disabled, MakeRgb(255, 255, 255)), QRect(32, 4, 8, 16));
    }

    void iconPictures() {
        QImage square(8, 8, QImage::Format_ARGB32);
        square.fill(Qt::transparent);
        for (int y = 2; y < 6; ++y)
            for (int x = 2; x < 6; ++x)
                square.setPixel(x, y, qRgb(0, 0, 200));
        ButtonFace face = Style(4);
        face.Picture = QIcon(QPixmap::fromImage(square));
        face.OriginalPicSizeW = face.OriginalPicSizeH = 8;
        face.PictureWidth = face.PictureHeight = 16;
        const QImage scaled = Render(face);
        QCOMPARE(BoundsOf(scaled, MakeRgb(0, 0, 200)), QRect(32 + 4, 4 + 4, 8, 8));
        QCOMPARE(At(scaled, 33, 5), Face);

        // Disabled: drawn in the disabled rendering, never in the icon's own colour, and
        // its transparent parts still show the button.
        face.Enabled = false;
        const QImage disabled = Render(face);
        QVERIFY(BoundsOf(disabled, MakeRgb(0, 0, 200)).isNull());
        QCOMPARE(At(disabled, 33, 5), Face);
        QVERIFY(At(disabled, 40, 12) != Face);
    }

    void disabledCaptionIsEmbossed() {
        ButtonFace face = Style(4);
        face.Caption = QStringLiteral("Save");
        face.ForeColor = MakeRgb(200, 0, 0);
        face.Enabled = false;
        const QImage image = Render(face);
        QVERIFY(BoundsOf(image, MakeRgb(200, 0, 0)).isNull());
        const QRect shadow = BoundsOf(image, Shadow);
        const QRect highlight = BoundsOf(image, Highlight);
        QVERIFY(!shadow.isNull());
        QCOMPARE(highlight.bottomRight(), shadow.bottomRight() + QPoint(1, 1));
        // Every shadow pixel has highlight or shadow one pixel down and right of it.
        for (int y = 0; y < image.height() - 1; ++y)
            for (int x = 0; x < image.width() - 1; ++x)
                if (At(image, x, y) == Shadow) {
                    const OleColor below = At(image, x + 1, y + 1);
                    QVERIFY(below == Shadow || below == Highlight);
                }
    }
};

QTEST_MAIN(XpButtonPaintTest)
#include "XpButtonPaintTest.moc"
