// SPDX-License-Identifier: GPL-3.0-or-later
// Restoring buttons from property bags and saving them back, the bag's text form, and the
// setters whose effects reach beyond their own field.

#include "XpButtonFixtures.h"
#include "app/LotcraftError.h"
#include "controls/xpbutton/PropertyBag.h"
#include "controls/xpbutton/XpButton.h"

#include <QApplication>
#include <QtTest>

using namespace XpButtonFixtures;

namespace {

PropertyBag Saved(const XpButton& button) {
    PropertyBag bag;
    button.WriteProperties(bag);
    return bag;
}

}  // namespace

class XpButtonPersistenceTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aNewButtonTakesItsNameAndTheAmbientFont() {
        QWidget window;
        window.setFont(Font());
        XpButton button(QStringLiteral("Load"), &window);
        QCOMPARE(button.Caption(), QStringLiteral("Load"));
        QCOMPARE(button.Font(), window.font());
        QVERIFY(button.Picture().IsNone());
        // Nothing differs from the defaults, so nothing is saved.
        QCOMPARE(Saved(button).Count(), 0);
    }

    void anEmptyBagRestoresTheDefaults() {
        XpButton button(QStringLiteral("Htmls"));
        button.SetShowFocusRect(false);
        button.SetXPDefaultColors(false);
        button.ReadProperties(PropertyBag());
        QVERIFY(button.ShowFocusRect());
        QVERIFY(button.XPDefaultColors());
        QVERIFY(button.DefCurHand());
        QCOMPARE(button.Caption(), QStringLiteral("Htmls"));
        // DefCurHand true is only a field on restore: the cursor is left alone.
        QCOMPARE(button.MousePointer(), short(0));
        QCOMPARE(button.cursor().shape(), Qt::ArrowCursor);
    }

    void namesAreComparedWithoutCase() {
        PropertyBag bag;
        bag.Write(QStringLiteral("caption"), QStringLiteral("&View Page"), QString());
        bag.Write(QStringLiteral("BUTTONSTYLE"), 3, 2);
        bag.Write(QStringLiteral("xpdefaultcolors"), 0, 1);
        QVERIFY(bag.Contains(QStringLiteral("ButtonStyle")));
        XpButton button(QStringLiteral("viewp"));
        button.ReadProperties(bag);
        QCOMPARE(button.Caption(), QStringLiteral("&View Page"));
        QCOMPARE(button.AccessKey(), QStringLiteral("v"));
        QCOMPARE(button.ButtonStyle(), XpButton::XpRounded);
        QVERIFY(!button.XPDefaultColors());
        QVERIFY(!button.mask().isEmpty());

        // Writing a name again in another case replaces the value; the default removes it.
        bag.Write(QStringLiteral("ButtonStyle"), 0, 2);
        QCOMPARE(bag.Count(), 3);
        QCOMPARE(bag.Read(QStringLiteral("buttonstyle"), 2).toInt(), 0);
        bag.Write(QStringLiteral("buttonStyle"), 2, 2);
        QCOMPARE(bag.Count(), 2);
        QCOMPARE(bag.Read(QStringLiteral("ButtonStyle"), 2).toInt(), 2);
    }

    void saveThenRestoreGivesAnEqualButton() {
        QWidget window;
        window.setFont(Font());
        XpButton original(QStringLiteral("Save"), &window);
        QFont bold = Font();
        bold.setBold(true);
        bold.setItalic(true);
        original.SetFont(bold);
        original.SetCaption(QStringLiteral("Save\\all\nnow"));
        original.SetButtonStyle(XpButton::Raised3D);
        original.SetPicturePosition(XpButton::PictureTop);
        original.SetPicture(Bitmap(6, 4, MakeRgb(0, 0, 200), MakeRgb(255, 0, 255)));
        original.SetPictureHover(QIcon(Bitmap(8, 8, MakeRgb(0, 200, 0), MakeRgb(0, 200, 0))));
        original.SetPictureSize(XpButton::NativeSize);
        original.SetURL(QStringLiteral("https://example.com/?a=1"));
        original.SetXPColor_Pressed(MakeRgb(1, 2, 3));
        original.SetXPColor_Hover(0x80000010);
        original.SetXPDefaultColors(false);
        original.SetBackColor(MakeRgb(10, 20, 30));
        original.SetForeColor(MakeRgb(200, 100, 0));
        original.SetDefCurHand(true);
        original.SetXPShowBorderAlways(true);
        original.SetMaskColor(MakeRgb(255, 0, 255));
        original.SetTransparentBG(true);
        original.SetBEVEL(3);
        original.SetBEVELDEPTH(-5);
        original.SetShowFocusRect(false);
        original.SetEnabled(false);

        const PropertyBag bag = PropertyBag::FromText(Saved(original).ToText());
        XpButton restored(QStringLiteral("Save"), &window);
        restored.ReadProperties(bag);

        QCOMPARE(Saved(restored).ToText(), Saved(original).ToText());
        const QMetaObject& meta = XpButton::staticMetaObject;
        for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
            const QMetaProperty property = meta.property(i);
            if (property.name() == QByteArray("hWnd") || property.name() == QByteArray("MouseIcon"))
                continue;
            QVERIFY2(property.read(&restored) == property.read(&original), property.name());
        }
        QCOMPARE(restored.Caption(), QStringLiteral("Save\\all\nnow"));
        QCOMPARE(restored.PictureWidth(), 6);
        QCOMPARE(restored.PictureHeight(), 4);
        QVERIFY(!restored.isEnabled());
        QCOMPARE(restored.cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(restored.Image(), original.Image());
    }

    void valuesEqualToTheirDefaultsAreNotWritten() {
        XpButton button(QStringLiteral("Delete"));
        button.SetBEVEL(1);
        button.SetCaption(QStringLiteral("Delete"));
        button.SetButtonStyle(XpButton::FlatHighlight);
        QCOMPARE(Saved(button).Count(), 0);
        button.SetBEVEL(2);
        button.SetCaption(QString());
        const PropertyBag bag = Saved(button);
        QCOMPARE(bag.Count(), 2);
        QCOMPARE(bag.Read(QStringLiteral("bevel"), 1).toInt(), 2);
        // An empty caption differs from the name, so it is kept, and restores empty.
        QVERIFY(bag.Contains(QStringLiteral("Caption")));
        XpButton restored(QStringLiteral("Delete"));
        restored.ReadProperties(PropertyBag::FromText(bag.ToText()));
        QCOMPARE(restored.Caption(), QString());
    }

    void theTextFormIsOneReadablePropertyALine() {
        XpButton button(QStringLiteral("Manual"));
        button.SetCaption(QStringLiteral("&New"));
        button.SetButtonStyle(XpButton::XpRounded);
        const QString text = Saved(button).ToText();
        QCOMPARE(text, QStringLiteral("Caption = text:&New\nButtonStyle = int:3\n"));

        // A hand-written bag, with comments and blank lines, restores a button.
        const PropertyBag bag = PropertyBag::FromText(
            QStringLiteral("# the Load button\n\ncaption = text:&Load  \nBEVEL = int:2\n"));
        QCOMPARE(bag.Read(QStringLiteral("Caption"), QString()).toString(),
                 QStringLiteral("&Load  "));
        QCOMPARE(bag.Read(QStringLiteral("bevel"), 1).toInt(), 2);

        QVERIFY_THROWS_EXCEPTION(LotcraftError,
                                 PropertyBag::FromText(QStringLiteral("Caption text")));
        QVERIFY_THROWS_EXCEPTION(LotcraftError,
                                 PropertyBag::FromText(QStringLiteral("BEVEL = int:two")));
        QVERIFY_THROWS_EXCEPTION(LotcraftError,
                                 PropertyBag::FromText(QStringLiteral("Picture = colour:1")));
    }

    void defCurHandSetsTheHandCursor() {
        XpButton button(QStringLiteral("b"));
        button.SetDefCurHand(true);
        QCOMPARE(button.MousePointer(), XpButton::CustomPointer);
        QCOMPARE(button.cursor().shape(), Qt::PointingHandCursor);
        button.SetDefCurHand(false);
        QCOMPARE(button.MousePointer(), XpButton::CustomPointer);  // left as it was
        QVERIFY(!button.MouseIcon().isValid());
        QCOMPARE(button.cursor().shape(), Qt::ArrowCursor);
        button.SetMousePointer(3);
        QCOMPARE(button.cursor().shape(), Qt::IBeamCursor);
    }

    void buttonStyle3ClearsTransparentBackground() {
        XpButton button(QStringLiteral("b"));
        button.SetTransparentBG(true);
        button.SetButtonStyle(XpButton::Raised3D);
        QVERIFY(button.TransparentBG());
        button.SetButtonStyle(XpButton::XpRounded);
        QVERIFY(!button.TransparentBG());
        QVERIFY(!button.mask().isEmpty());
    }

    void pictureSizes() {
        XpButton button(QStringLiteral("b"));
        button.SetPictureSize(XpButton::Size16);
        QCOMPARE(QSize(button.PictureWidth(), button.PictureHeight()), QSize(16, 16));
        button.SetPictureSize(XpButton::NativeSize);  // no picture: 32 x 32
        QCOMPARE(QSize(button.PictureWidth(), button.PictureHeight()), QSize(32, 32));
        // With the native size chosen, a new picture brings its own size.
        button.SetPicture(Bitmap(20, 10, 0, 0));
        QCOMPARE(QSize(button.PictureWidth(), button.PictureHeight()), QSize(20, 10));
        button.SetPictureSize(XpButton::Size32);
        button.SetPictureSize(XpButton::NativeSize);
        QCOMPARE(QSize(button.PictureWidth(), button.PictureHeight()), QSize(20, 10));
        // Any other value leaves the size as it stands.
        button.SetPictureWidth(7);
        button.SetPictureSize(XpButton::PictureSizeKind(5));
        QCOMPARE(QSize(button.PictureWidth(), button.PictureHeight()), QSize(7, 10));
        // Taking the picture away resets its own size.
        button.SetPicture(ButtonPicture());
        PropertyBag bag;
        button.WriteProperties(bag);
        QVERIFY(!bag.Contains(QStringLiteral("OriginalPicSizeW")));
    }

    void settersReportTheirChange() {
        XpButton button(QStringLiteral("b"));
        QStringList changed;
        QObject::connect(&button, &XpButton::PropertyChanged,
                         [&changed](const QString& name) { changed << name; });
        button.SetURL(QStringLiteral("x"));
        button.SetFont(Font());
        button.SetVersion(QStringLiteral("ignored"));
        QCOMPARE(changed, (QStringList{QStringLiteral("URL"), QStringLiteral("Font")}));
        QCOMPARE(button.font().pixelSize(), 11);
    }
};

QTEST_MAIN(XpButtonPersistenceTest)
#include "XpButtonPersistenceTest.moc"
