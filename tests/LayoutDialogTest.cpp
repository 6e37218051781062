// The layout dialog on its own: what it shows when it opens, the options, "Ok", the close
// box and the keyboard.

#include "app/ProgramSettings.h"
#include "app/SchemeTable.h"
#include "app/Startup.h"
#include "controls/xpbutton/XpButton.h"
#include "ui/LayoutDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QtTest>

namespace {

ProgramSettings StartedSettings() {
    ProgramSettings settings;
    Startup::Run(settings);
    return settings;
}

void Click(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
}

QStringList Captions(const LayoutDialog& dialog) {
    QStringList captions;
    for (int index = 0; index < LayoutDialog::LayoutCount; ++index)
        captions.append(dialog.Option1(index)->text());
    return captions;
}

int CheckedOption(const LayoutDialog& dialog) {
    int checked = -1;
    for (int index = 0; index < LayoutDialog::LayoutCount; ++index) {
        if (dialog.Option1(index)->isChecked()) {
            if (checked != -1)
                return -2;  // more than one on
            checked = index;
        }
    }
    return checked;
}

}  // namespace

class LayoutDialogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theWindowAndItsControlsStandAtTheirPlaces() {
        ProgramSettings settings = StartedSettings();
        LayoutDialog dialog(settings);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.objectName(), QStringLiteral("layout"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Auction Layout"));
        // 8115 x 5295 twips, fixed, without minimise or maximise.
        QCOMPARE(dialog.size(), QSize(541, 353));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        QVERIFY(!(dialog.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(dialog.windowFlags() & Qt::WindowMinimizeButtonHint));
        const QRect screen = dialog.screen()->availableGeometry();
        QVERIFY(qAbs(dialog.geometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(dialog.geometry().center().y() - screen.center().y()) <= 1);

        const auto place = [&dialog](const char* name) {
            const QWidget* control = dialog.findChild<QWidget*>(QLatin1String(name));
            return control ? control->geometry() : QRect();
        };
        QCOMPARE(place("Frame2"), QRect(8, 16, 521, 65));
        QCOMPARE(place("Label1"), QRect(24, 24, 81, 17));
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("Label1"))->parentWidget()->objectName(),
                 QStringLiteral("Frame2"));
        QCOMPARE(place("ImageCombo1"), QRect(120, 40, 129, 22));
        QCOMPARE(place("Frame1"), QRect(8, 88, 521, 201));
        QCOMPARE(place("Picture1"), QRect(24, 112, 105, 125));
        QCOMPARE(place("Picture4"), QRect(408, 112, 105, 125));
        // The options stand at their places, each wide enough for its whole caption, side
        // by side inside Frame1.
        const int lefts[] = {40, 152, 288, 408};
        const int widths[] = {73, 105, 97, 105};
        for (int index = 0; index < LayoutDialog::LayoutCount; ++index) {
            const QRect option = dialog.Option1(index)->geometry();
            QCOMPARE(option.topLeft(), QPoint(lefts[index], 256));
            QCOMPARE(option.height(), 17);
            QVERIFY(option.width() >= widths[index]);
            QVERIFY(option.width() >= dialog.Option1(index)->sizeHint().width());
            const int next = index + 1 < LayoutDialog::LayoutCount ? lefts[index + 1] : 529;
            QVERIFY(option.right() < next);
        }
        QCOMPARE(dialog.OKButton()->geometry(), QRect(440, 304, 81, 25));
        QCOMPARE(dialog.OKButton()->Caption(), QStringLiteral("Ok"));
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                 QStringLiteral("Color options"));
        QCOMPARE(
            Captions(dialog),
            (QStringList{QStringLiteral("Default"), QStringLiteral("Default Mirrored"),
                         QStringLiteral("Horizontal Top"), QStringLiteral("Horizontal Botton")}));
        // The controls over the frames are in front of them, so the seller sees them.
        QCOMPARE(dialog.childAt(dialog.Option1(2)->geometry().center()), dialog.Option1(2));
        QCOMPARE(dialog.childAt(dialog.ImageCombo1()->geometry().center()), dialog.ImageCombo1());
    }

    void thePreviewsAreDrawnAndDiffer() {
        ProgramSettings settings = StartedSettings();
        LayoutDialog dialog(settings);
        QList<QImage> previews;
        for (int number = 1; number <= LayoutDialog::LayoutCount; ++number) {
            const auto* picture =
                dialog.findChild<QLabel*>(QStringLiteral("Picture%1").arg(number));
            QVERIFY(picture);
            const QImage image = picture->pixmap().toImage();
            QVERIFY(image.width() >= 95 && image.width() <= 105);
            QVERIFY(image.height() >= 115 && image.height() <= 125);
            // Not a blank picture: at least the frame of a block is drawn.
            QVERIFY(image.pixel(image.width() / 2, 6) != image.pixel(image.width() / 2, 2));
            QVERIFY(!previews.contains(image));
            previews.append(image);
        }
        // "Default" has its narrow column on the left, "Default Mirrored" on the right: the
        // gap between the columns lies a third of the way across in one, two thirds in the
        // other.
        const QRgb white = qRgb(255, 255, 255);
        const int y = previews.at(0).height() * 2 / 3;
        const int third = previews.at(0).width() / 3 + 2;
        const int twoThirds = previews.at(0).width() * 2 / 3 - 2;
        QCOMPARE(previews.at(0).pixel(third, y), white);
        QVERIFY(previews.at(0).pixel(twoThirds, y) != white);
        QCOMPARE(previews.at(1).pixel(twoThirds, y), white);
        QVERIFY(previews.at(1).pixel(third, y) != white);
    }

    void theFirstOpeningShowsYellowAndDefault() {
        ProgramSettings settings = StartedSettings();
        LayoutDialog dialog(settings);
        QComboBox* combo = dialog.ImageCombo1();
        QVERIFY(!combo->isEditable());
        QCOMPARE(combo->count(), 19);
        QStringList names;
        for (int entry = 0; entry < combo->count(); ++entry)
            names.append(combo->itemText(entry));
        QCOMPARE(names, SchemeTable::Names());
        QCOMPARE(combo->currentText(), QStringLiteral("Yellow"));
        QCOMPARE(CheckedOption(dialog), 0);
        QCOMPARE(settings.LayoutIndex(), qint16(1));
        QCOMPARE(settings.SchemeIndex(), qint16(1));
    }

    void eachEntryShowsItsSwatch() {
        ProgramSettings settings = StartedSettings();
        LayoutDialog dialog(settings);
        // The swatches of the scheme box; Silver and Grey differ from their pages' colour.
        const char* const swatches[] = {"#F4D752", "#669999", "#006699", "#400080", "#669999",
                                        "#D2D2D2", "#000000", "#669900", "#FF9900", "#666699",
                                        "#996666", "#FF0000", "#006699", "#000000", "#D70000",
                                        "#FF8000", "#660000", "#BB7100", "#E100E1"};
        QComboBox* combo = dialog.ImageCombo1();
        QCOMPARE(combo->iconSize(), QSize(14, 14));
        for (int entry = 0; entry < 19; ++entry) {
            const QImage swatch = combo->itemIcon(entry).pixmap(QSize(14, 14)).toImage();
            QCOMPARE(swatch.size(), QSize(14, 14));
            const QColor expected(QLatin1String(swatches[entry]));
            QCOMPARE(QColor(swatch.pixel(0, 0)), expected);
            QCOMPARE(QColor(swatch.pixel(13, 13)), expected);
        }
    }

    void aClickedOptionChangesTheLayoutAtOnceAndTheCloseBoxKeepsTheScheme() {
        ProgramSettings settings = StartedSettings();
        LayoutDialog dialog(settings);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        Click(dialog.Option1(2));
        QCOMPARE(CheckedOption(dialog), 2);
        QCOMPARE(settings.LayoutIndex(), qint16(3));
        Click(dialog.Option1(1));
        QCOMPARE(CheckedOption(dialog), 1);
        QCOMPARE(settings.LayoutIndex(), qint16(2));
        Click(dialog.Option1(2));
        dialog.ImageCombo1()->setCurrentIndex(18);
        QVERIFY(dialog.close());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(settings.LayoutIndex(), qint16(3));
        QCOMPARE(settings.SchemeIndex(), qint16(1));
    }

    void okStoresTheChoiceAndTheNextOpeningShowsIt() {
        ProgramSettings settings = StartedSettings();
        {
            LayoutDialog dialog(settings);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            dialog.ImageCombo1()->setCurrentIndex(
                dialog.ImageCombo1()->findText(QStringLiteral("Violet")));
            Click(dialog.Option1(3));
            Click(dialog.OKButton());
            QVERIFY(!dialog.isVisible());
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        QCOMPARE(settings.SchemeIndex(), qint16(19));
        QCOMPARE(settings.LayoutIndex(), qint16(4));

        LayoutDialog again(settings);
        QCOMPARE(again.ImageCombo1()->currentText(), QStringLiteral("Violet"));
        QCOMPARE(CheckedOption(again), 3);
    }

    void okWithoutChangesKeepsBothValues() {
        ProgramSettings settings = StartedSettings();
        settings.SetLayoutIndex(2);
        settings.SetSchemeIndex(13);
        LayoutDialog dialog(settings);
        dialog.show();
        QCOMPARE(dialog.ImageCombo1()->currentText(), QStringLiteral("Blue & Green"));
        Click(dialog.OKButton());
        QCOMPARE(settings.LayoutIndex(), qint16(2));
        QCOMPARE(settings.SchemeIndex(), qint16(13));
    }

    void valuesOutsideTheirRangesLeaveNoOptionOnAndStillAnEntry() {
        ProgramSettings settings = StartedSettings();
        settings.SetLayoutIndex(0);
        settings.SetSchemeIndex(25);
        LayoutDialog dialog(settings);
        dialog.show();
        QCOMPARE(CheckedOption(dialog), -1);
        // "Ok" must find an entry selected: the first stands in for an unknown scheme.
        QCOMPARE(dialog.ImageCombo1()->currentIndex(), 0);
        Click(dialog.OKButton());
        QCOMPARE(settings.LayoutIndex(), qint16(0));
        QCOMPARE(settings.SchemeIndex(), qint16(1));
    }

    void theKeyboardReachesEveryChoice() {
        ProgramSettings settings = StartedSettings();
        LayoutDialog dialog(settings);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        // The focus chain among the controls that take the focus. Tab stops at the option
        // that is on; the arrow keys move among the options.
        QList<QWidget*> chain;
        QWidget* widget = dialog.Option1(0);
        do {
            if (widget->focusPolicy() != Qt::NoFocus)
                chain.append(widget);
            widget = widget->nextInFocusChain();
        } while (widget != dialog.Option1(0));
        const QList<QWidget*> expected = {dialog.Option1(0), dialog.OKButton(),
                                          dialog.Option1(1), dialog.Option1(2),
                                          dialog.Option1(3), dialog.ImageCombo1()};
        QCOMPARE(chain, expected);
        QVERIFY(dialog.Option1(0)->hasFocus());
        QTest::keyClick(dialog.Option1(0), Qt::Key_Right);
        QVERIFY(dialog.Option1(1)->hasFocus());
        QCOMPARE(CheckedOption(dialog), 1);
        QCOMPARE(settings.LayoutIndex(), qint16(2));
        QTest::keyClick(dialog.Option1(1), Qt::Key_Tab);
        QVERIFY(dialog.ImageCombo1()->hasFocus());

        // Enter confirms from any control; the scheme chosen with the keyboard is stored.
        dialog.ImageCombo1()->setFocus();
        QTest::keyClick(dialog.ImageCombo1(), Qt::Key_Down);
        QCOMPARE(dialog.ImageCombo1()->currentText(), QStringLiteral("Aqua"));
        QTest::keyClick(dialog.ImageCombo1(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(settings.SchemeIndex(), qint16(2));
    }

    void escapeIsTheCloseBox() {
        ProgramSettings settings = StartedSettings();
        LayoutDialog dialog(settings);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.ImageCombo1()->setCurrentIndex(4);
        dialog.Option1(3)->setFocus();
        QTest::keyClick(dialog.Option1(3), Qt::Key_Space);
        QCOMPARE(settings.LayoutIndex(), qint16(4));
        QTest::keyClick(dialog.Option1(3), Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(settings.SchemeIndex(), qint16(1));
        QCOMPARE(settings.LayoutIndex(), qint16(4));
    }
};

QTEST_MAIN(LayoutDialogTest)
#include "LayoutDialogTest.moc"
