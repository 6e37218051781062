// SPDX-License-Identifier: GPL-3.0-or-later
// The button's answers to mouse, keyboard, focus, hover and its access key, the order of
// its events, and where GoToURL sends an address.

#include "XpButtonFixtures.h"
#include "controls/xpbutton/UrlOpener.h"
#include "controls/xpbutton/XpButton.h"
#include "controls/xpbutton/XpButtonPainter.h"

#include <QApplication>
#include <QDialog>
#include <QtTest>

using namespace XpButtonFixtures;

namespace {

// Records where addresses would have gone, instead of opening them, in the event log too.
class RecordingOpener : public UrlOpener {
public:
    void ShellOpen(const QString& url, QWidget* owner) override {
        shell << url;
        owners << owner;
        if (log)
            *log << QStringLiteral("shell ") + url;
    }
    void Navigate(const QString& url) override {
        navigated << url;
        if (log)
            *log << QStringLiteral("navigate ") + url;
    }

    QStringList shell;
    QList<QWidget*> owners;
    QStringList navigated;
    QStringList* log = nullptr;
};

// A window holding one button, which records its events as texts.
struct Stage {
    QWidget window;
    XpButton* button;
    RecordingOpener opener;
    QStringList events;

    explicit Stage(const QString& caption = QStringLiteral("&Save")) {
        window.setPalette(Palette());
        window.setFont(Font());
        window.resize(200, 100);
        button = new XpButton(QStringLiteral("Save"), &window);
        button->setGeometry(10, 10, 81, 25);
        button->SetUrlOpener(&opener);
        opener.log = &events;
        button->SetCaption(caption);
        button->SetButtonStyle(XpButton::XpRounded);
        Record();
    }

    // Each event as its name followed by its arguments, "MouseUp 1 0 0 0".
    template <typename... Args>
    void Log(void (XpButton::*signal)(Args&...), const char* name) {
        QObject::connect(button, signal, [this, name](Args&... args) {
            QStringList parts{QString::fromLatin1(name)};
            (parts.append(QString::number(args)), ...);
            events << parts.join(QLatin1Char(' '));
        });
    }

    void Record() {
        Log(&XpButton::Click, "Click");
        Log(&XpButton::KeyDown, "KeyDown");
        Log(&XpButton::KeyPress, "KeyPress");
        Log(&XpButton::KeyUp, "KeyUp");
        Log(&XpButton::MouseDown, "MouseDown");
        Log(&XpButton::MouseUp, "MouseUp");
        Log(&XpButton::MouseIn, "MouseIn");
        Log(&XpButton::MouseOut, "MouseOut");
    }

    void Move(QPoint at, Qt::MouseButtons held = Qt::NoButton) {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), button->mapToGlobal(QPointF(at)),
                         Qt::NoButton, held, Qt::NoModifier);
        QApplication::sendEvent(button, &move);
    }

    // The button as it draws in a given state, painted apart from the widget.
    QImage Look(bool pressed, bool hovered, bool focus = false) const {
        ButtonFace face;
        face.ButtonStyle = 3;
        face.Caption = button->Caption();
        face.Pressed = pressed;
        face.Hovered = hovered;
        face.HasFocus = focus;
        return XpButtonPainter(face, button->size(), button->palette(), button->font()).Paint();
    }
};

}  // namespace

class XpButtonInputTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void spaceBarClicksOnceInOrder() {
        Stage stage;
        stage.button->SetURL(QStringLiteral("https://example.com/item"));
        stage.window.show();
        stage.button->setFocus();
        stage.events.clear();

        QTest::keyPress(stage.button, Qt::Key_Space);
        QVERIFY(stage.button->IsPressed());
        QVERIFY(stage.button->IsHovered());
        QCOMPARE(stage.button->Image(), stage.Look(true, true, true));
        QTest::keyRelease(stage.button, Qt::Key_Space);

        QCOMPARE(stage.events,
                 (QStringList{QStringLiteral("KeyDown 32 0"), QStringLiteral("KeyPress 32"),
                              QStringLiteral("Click"),
                              QStringLiteral("navigate https://example.com/item"),
                              QStringLiteral("MouseUp 1 0 0 0"), QStringLiteral("KeyUp 32 0")}));
        QCOMPARE(stage.opener.navigated, QStringList{QStringLiteral("https://example.com/item")});
        QVERIFY(!stage.button->IsPressed());
        QVERIFY(!stage.button->IsHovered());
    }

    void keyLatchHoldsUntilAKeyIsReleased() {
        Stage stage;
        stage.window.show();
        stage.button->setFocus();
        // Space while another key is down does not press the button.
        QTest::keyPress(stage.button, Qt::Key_A);
        QTest::keyPress(stage.button, Qt::Key_Space);
        QVERIFY(!stage.button->IsPressed());
        QTest::keyRelease(stage.button, Qt::Key_A);
        QTest::keyPress(stage.button, Qt::Key_Space);
        QVERIFY(stage.button->IsPressed());
        // A held key repeats its press without a release in between.
        QTest::keyPress(stage.button, Qt::Key_Space, Qt::NoModifier);
        QVERIFY(stage.button->IsPressed());
    }

    void keysTheButtonDoesNotUseGoOnToItsWindow() {
        // A dialog holding the focused button: Escape still closes it and Tab still moves
        // on; Space and Enter are the button's own and press it. The button raises KeyDown
        // for each of them first.
        struct Dialog : QDialog {
            int enters = 0;
            void keyPressEvent(QKeyEvent* event) override {
                if (event->key() == Qt::Key_Return)
                    ++enters;
                QDialog::keyPressEvent(event);
            }
        } dialog;
        auto* button = new XpButton(QStringLiteral("Ok"), &dialog);
        auto* other = new XpButton(QStringLiteral("Cancel"), &dialog);
        QStringList downs;
        int clicks = 0;
        QObject::connect(button, &XpButton::KeyDown,
                         [&downs](short& key, short&) { downs << QString::number(key); });
        QObject::connect(button, &XpButton::Click, [&clicks] { ++clicks; });
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        button->setFocus();

        QTest::keyClick(button, Qt::Key_Return);
        QTest::keyClick(button, Qt::Key_Enter);
        QTest::keyClick(button, Qt::Key_Space);
        QCOMPARE(clicks, 3);
        QCOMPARE(dialog.enters, 0);
        QVERIFY(dialog.isVisible());
        // The release of an Enter pressed elsewhere (the Enter that opened this dialog) is
        // no click.
        QTest::keyRelease(button, Qt::Key_Return);
        QCOMPARE(clicks, 3);
        QTest::keyClick(button, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), other);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(downs,
                 (QStringList{QStringLiteral("13"), QStringLiteral("13"), QStringLiteral("32"),
                              QStringLiteral("9"), QStringLiteral("27")}));
    }

    void leftClickPressesAndClicks() {
        Stage stage;
        stage.window.show();
        stage.events.clear();
        QTest::mousePress(stage.button, Qt::LeftButton, Qt::ControlModifier, QPoint(5, 6));
        QVERIFY(stage.button->IsPressed());
        QCOMPARE(stage.button->Image(), stage.Look(true, false, stage.button->hasFocus()));
        QTest::mouseRelease(stage.button, Qt::LeftButton, Qt::ControlModifier, QPoint(5, 6));
        QCOMPARE(stage.events,
                 (QStringList{QStringLiteral("MouseDown 1 2 5 6"), QStringLiteral("Click"),
                              QStringLiteral("MouseUp 1 2 5 6")}));
    }

    void rightClickAndReleaseOutsideGiveNoClick() {
        Stage stage;
        stage.window.show();
        const QImage before = stage.button->Image();
        stage.events.clear();
        QTest::mousePress(stage.button, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
        QVERIFY(!stage.button->IsPressed());
        QCOMPARE(stage.button->Image(), before);
        QTest::mouseRelease(stage.button, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(stage.events, (QStringList{QStringLiteral("MouseDown 2 0 5 5"),
                                            QStringLiteral("MouseUp 2 0 5 5")}));

        stage.events.clear();
        QTest::mousePress(stage.button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QTest::mouseRelease(stage.button, Qt::LeftButton, Qt::NoModifier, QPoint(81, 5));
        QCOMPARE(stage.events, (QStringList{QStringLiteral("MouseDown 1 0 5 5"),
                                            QStringLiteral("MouseUp 1 0 81 5")}));
        QVERIFY(!stage.button->IsPressed());
    }

    void doubleClickPressesAgain() {
        Stage stage;
        stage.window.show();
        stage.events.clear();
        QTest::mouseClick(stage.button, Qt::LeftButton, Qt::NoModifier, QPoint(7, 8));
        // The second press of a double click arrives as a double-click event.
        QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(9, 9),
                           stage.button->mapToGlobal(QPointF(9, 9)), Qt::LeftButton, Qt::LeftButton,
                           Qt::NoModifier);
        QApplication::sendEvent(stage.button, &second);
        QVERIFY(stage.button->IsPressed());
        QTest::mouseRelease(stage.button, Qt::LeftButton, Qt::NoModifier, QPoint(7, 8));
        // Press, release, the second press from the stored values, release.
        QCOMPARE(
            stage.events,
            (QStringList{QStringLiteral("MouseDown 1 0 7 8"), QStringLiteral("Click"),
                         QStringLiteral("MouseUp 1 0 7 8"), QStringLiteral("MouseDown 1 0 7 8"),
                         QStringLiteral("Click"), QStringLiteral("MouseUp 1 0 7 8")}));
    }

    void hoverComesAndGoesWithTheTimer() {
        Stage stage;
        stage.window.show();
        QWidget* underPointer = stage.button;
        stage.button->SetPointerProbe([&underPointer] { return underPointer; });
        const ButtonPicture normal(Bitmap(8, 8, MakeRgb(0, 0, 200), MakeRgb(0, 0, 200)));
        const ButtonPicture hover(Bitmap(8, 8, MakeRgb(0, 200, 0), MakeRgb(0, 200, 0)));
        stage.button->SetPicture(normal);
        stage.button->SetPictureHover(hover);
        stage.events.clear();

        stage.Move(QPoint(10, 10));
        QVERIFY(stage.button->IsHovered());
        QVERIFY(stage.button->IsOverTimerActive());
        QVERIFY(stage.button->Picture() == hover);
        QCOMPARE(stage.events, QStringList{QStringLiteral("MouseIn 0")});
        stage.Move(QPoint(12, 10));  // already hovered: no second MouseIn
        QCOMPARE(stage.events.size(), 1);

        // While the pointer stays over the button the tick changes nothing.
        stage.button->OverTimerTick();
        QVERIFY(stage.button->IsHovered());

        underPointer = &stage.window;
        stage.button->OverTimerTick();
        QVERIFY(!stage.button->IsHovered());
        QVERIFY(!stage.button->IsOverTimerActive());
        QVERIFY(stage.button->Picture() == normal);
        QCOMPARE(stage.events.last(), QStringLiteral("MouseOut 0"));
    }

    void heldButtonLooksReleasedWhileThePointerIsAway() {
        Stage stage;
        stage.button->setFocusPolicy(Qt::NoFocus);
        stage.window.show();
        QWidget* underPointer = stage.button;
        stage.button->SetPointerProbe([&underPointer] { return underPointer; });
        stage.Move(QPoint(10, 10));
        QTest::mousePress(stage.button, Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 10));
        QCOMPARE(stage.button->Image(), stage.Look(true, true));
        stage.events.clear();

        underPointer = nullptr;
        stage.button->OverTimerTick();
        QCOMPARE(stage.events, QStringList{QStringLiteral("MouseOut 1")});
        QVERIFY(stage.button->IsPressed());
        QCOMPARE(stage.button->Image(), stage.Look(false, false));

        underPointer = stage.button;
        stage.Move(QPoint(20, 10), Qt::LeftButton);
        QCOMPARE(stage.events.last(), QStringLiteral("MouseIn 0"));
        QCOMPARE(stage.button->Image(), stage.Look(true, true));
    }

    void focusDrawsTheRingAndLeavingReleases() {
        Stage stage;
        stage.window.show();
        QApplication::setActiveWindow(&stage.window);
        stage.button->setFocus();
        QVERIFY(stage.button->HasFocusFlag());
        QCOMPARE(stage.button->Image(), stage.Look(false, false, true));
        QTest::keyPress(stage.button, Qt::Key_Space);
        QVERIFY(stage.button->IsPressed());
        stage.button->clearFocus();
        QVERIFY(!stage.button->HasFocusFlag());
        QVERIFY(!stage.button->IsPressed());
        // Leaving with a key held forgets it: its release goes elsewhere.
        stage.button->setFocus();
        QTest::keyPress(stage.button, Qt::Key_A);
        stage.button->clearFocus();
        stage.button->setFocus();
        QTest::keyPress(stage.button, Qt::Key_Space);
        QVERIFY(stage.button->IsPressed());
    }

    void accessKeyFromTheCaption_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("key");
        QTest::newRow("one ampersand") << QStringLiteral("&Save") << QStringLiteral("s");
        QTest::newRow("lower-cased") << QStringLiteral("View &Page") << QStringLiteral("p");
        QTest::newRow("a doubled pair only") << QStringLiteral("Fish && Chips") << QString();
        QTest::newRow("three ampersands") << QStringLiteral("&&&x") << QStringLiteral("x");
        QTest::newRow("pair then one") << QStringLiteral("A&&B &Cancel") << QStringLiteral("c");
        QTest::newRow("one character") << QStringLiteral("&") << QString();
        QTest::newRow("ampersand last") << QStringLiteral("Save&") << QString();
        QTest::newRow("none") << QStringLiteral("Save") << QString();
    }
    void accessKeyFromTheCaption() {
        QFETCH(QString, caption);
        QFETCH(QString, key);
        XpButton button(QStringLiteral("b"));
        button.SetCaption(caption);
        QCOMPARE(button.AccessKey(), key);
    }

    void altAndTheAccessKeyClick() {
        Stage stage(QStringLiteral("&Update"));
        stage.button->SetURL(QStringLiteral("mailto:seller@example.com"));
        stage.window.show();
        QApplication::setActiveWindow(&stage.window);
        QVERIFY(QTest::qWaitForWindowActive(&stage.window));
        stage.events.clear();

        QTest::keyClick(&stage.window, Qt::Key_U, Qt::AltModifier);
        QCOMPARE(stage.events, (QStringList{QStringLiteral("Click"),
                                            QStringLiteral("shell mailto:seller@example.com")}));
        QVERIFY(!stage.button->IsPressed());

        // A new caption moves the key; the old one no longer reaches the button.
        stage.button->SetCaption(QStringLiteral("&Delete"));
        stage.events.clear();
        QTest::keyClick(&stage.window, Qt::Key_U, Qt::AltModifier);
        QVERIFY(stage.events.isEmpty());
        QTest::keyClick(&stage.window, Qt::Key_D, Qt::AltModifier);
        QCOMPARE(stage.events.first(), QStringLiteral("Click"));

        stage.button->SetEnabled(false);
        stage.events.clear();
        QTest::keyClick(&stage.window, Qt::Key_D, Qt::AltModifier);
        QVERIFY(stage.events.isEmpty());
    }

    void goToUrlRoutes() {
        Stage stage;
        stage.button->SetURL(QStringLiteral("mailto:seller@example.com"));
        stage.button->GoToURL();
        QCOMPARE(stage.opener.shell, QStringList{QStringLiteral("mailto:seller@example.com")});
        QCOMPARE(stage.opener.owners, QList<QWidget*>{&stage.window});
        QVERIFY(stage.opener.navigated.isEmpty());

        stage.button->SetURL(QStringLiteral("MAILTO:seller@example.com"));
        stage.button->GoToURL();
        QCOMPARE(stage.opener.navigated, QStringList{QStringLiteral("MAILTO:seller@example.com")});

        stage.button->SetURL(QString());
        stage.window.show();
        QTest::mouseClick(stage.button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(stage.events.count(QStringLiteral("Click")), 1);
        QCOMPARE(stage.opener.shell.size(), 1);
        QCOMPARE(stage.opener.navigated.size(), 1);
    }

    void transparentBackgroundShowsTheContainer() {
        Stage stage;
        QPalette green = Palette();
        green.setColor(QPalette::Window, QColor(0, 128, 0));
        stage.window.setPalette(green);
        stage.window.setAutoFillBackground(true);
        stage.button->SetButtonStyle(XpButton::Raised3D);
        stage.button->SetTransparentBG(true);
        stage.button->SetCaption(QString());
        stage.window.show();
        QCOMPARE(At(stage.button->Image(), 40, 12), MakeRgb(0, 128, 0));
        QCOMPARE(At(stage.button->Image(), 0, 12), Highlight);
    }

    void sizeAndShape() {
        Stage stage;
        stage.window.show();
        stage.button->resize(5, 30);
        QCOMPARE(stage.button->size(), QSize(10, 30));
        stage.button->resize(40, 3);
        QCOMPARE(stage.button->size(), QSize(40, 10));
        QCOMPARE(stage.button->mask(), XpButtonPainter::BuildXpRegion(40, 10));
        QCOMPARE(stage.button->Image().size(), QSize(40, 10));
        stage.button->SetButtonStyle(XpButton::FlatHot);
        QVERIFY(stage.button->mask().isEmpty());
    }
};

QTEST_MAIN(XpButtonInputTest)
#include "XpButtonInputTest.moc"
