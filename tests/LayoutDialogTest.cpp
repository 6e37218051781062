// SPDX-License-Identifier: GPL-3.0-or-later
// The layout dialog on its own: what it shows when it opens, the options, "Ok", the close
// box and the keyboard.

#include "WindowTesting.h"
#include "app/ProgramSettings.h"
#include "controls/xpbutton/XpButton.h"
#include "pages/SchemeTable.h"
#include "ui/LayoutDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QtTest>

namespace {

ProgramSettings StartedSettings() {
    ProgramSettings settings;
    return settings;
}

// The option that is on, -1 for none, -2 for more than one.
int CheckedOption(const LayoutDialog& dialog) {
    int checked = -1;
    for (int index = 0; index < LayoutDialog::LayoutCount; ++index) {
        if (dialog.Option1(index)->isChecked())
            checked = checked == -1 ? index : -2;
    }
    return checked;
}

}  // namespace

class LayoutDialogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theWindowShowsEveryControlAtItsPlace() {
        ProgramSettings settings = StartedSettings();
        LayoutDialog dialog(settings);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.objectName(), QStringLiteral("layout"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Auction Layout"));
        // As large as its contents ask for, and no larger or smaller for the seller.
        QCOMPARE(dialog.size(), dialog.sizeHint());
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        QVERIFY(!(dialog.windowFlags() & Qt::WindowMaximizeButtonHint));
        const QPoint offCentre =
            dialog.geometry().center() - dialog.screen()->availableGeometry().center();
        QVERIFY(offCentre.manhattanLength() <= 2);

        // The scheme list beside its label in the upper frame; the pictures in the lower one,
        // each with its option under it; Ok under them at the right.
        const auto placeOf = [&dialog](const QWidget* control) {
            return QRect(control->mapTo(&dialog, QPoint()), control->size());
        };
        const QRect frame2 = placeOf(dialog.findChild<QWidget*>(QStringLiteral("Frame2")));
        const QRect frame1 = placeOf(dialog.findChild<QWidget*>(QStringLiteral("Frame1")));
        const QRect combo = placeOf(dialog.ImageCombo1());
        QVERIFY(frame2.contains(combo));
        QVERIFY(placeOf(dialog.findChild<QLabel*>(QStringLiteral("Label1"))).right() <
                combo.left());
        QVERIFY(frame2.bottom() < frame1.top());
        const QRect ok = placeOf(dialog.OKButton());
        QVERIFY(ok.top() > frame1.bottom());
        QVERIFY(ok.right() > frame1.center().x());
        QCOMPARE(dialog.OKButton()->Caption(), QStringLiteral("Ok"));
        QCOMPARE(dialog.findChild<QWidget*>(QStringLiteral("Picture4"))->size(), QSize(105, 125));
        // Each option shows its whole caption under its picture, left of the next, inside
        // Frame1, and in front of the frame.
        const char* const captions[] = {"Default", "Default Mirrored", "Horizontal Top",
                                        "Horizontal Botton"};
        int rightOfLast = -1;
        for (int index = 0; index < LayoutDialog::LayoutCount; ++index) {
            QRadioButton* option = dialog.Option1(index);
            const QRect place = placeOf(option);
            const QRect picture =
                placeOf(dialog.findChild<QWidget*>(QStringLiteral("Picture%1").arg(index + 1)));
            QCOMPARE(option->text(), QLatin1String(captions[index]));
            QVERIFY(place.top() > picture.bottom());
            QVERIFY(place.left() <= picture.center().x() && picture.center().x() <= place.right());
            QVERIFY(option->width() >= option->sizeHint().width());
            QVERIFY(place.left() > rightOfLast);
            QVERIFY(frame1.contains(place));
            QCOMPARE(dialog.childAt(place.center()), option);
            rightOfLast = place.right();
        }
    }

    void thePreviewsShowTheirLayouts() {
        ProgramSettings settings = StartedSettings();
        LayoutDialog dialog(settings);
        QList<QImage> previews;
        for (int number = 1; number <= LayoutDialog::LayoutCount; ++number) {
            const auto* picture =
                dialog.findChild<QLabel*>(QStringLiteral("Picture%1").arg(number));
            const QImage image = picture->pixmap().toImage();
            QCOMPARE(image.size(), QSize(101, 121));
            QVERIFY(!previews.contains(image));
            previews.append(image);
        }
        // "Default" has its narrow column left, "Default Mirrored" right: the gap between the
        // columns lies a third of the way across in one, two thirds in the other.
        const QRgb white = qRgb(255, 255, 255);
        const int y = 80;
        QCOMPARE(previews.at(0).pixel(35, y), white);
        QVERIFY(previews.at(0).pixel(65, y) != white);
        QCOMPARE(previews.at(1).pixel(65, y), white);
        QVERIFY(previews.at(1).pixel(35, y) != white);
    }

    void theFirstOpeningShowsYellowDefaultAndTheSwatches() {
        ProgramSettings settings = StartedSettings();
        LayoutDialog dialog(settings);
        QComboBox* combo = dialog.ImageCombo1();
        QVERIFY(!combo->isEditable());
        QCOMPARE(combo->currentText(), QStringLiteral("Yellow"));
        QCOMPARE(CheckedOption(dialog), 0);
        QCOMPARE(settings.LayoutIndex(), qint16(1));
        // Silver and Grey show swatches other than their pages' main colour.
        const char* const swatches[] = {"#F4D752", "#669999", "#006699", "#400080", "#669999",
                                        "#D2D2D2", "#000000", "#669900", "#FF9900", "#666699",
                                        "#996666", "#FF0000", "#006699", "#000000", "#D70000",
                                        "#FF8000", "#660000", "#BB7100", "#E100E1"};
        QCOMPARE(combo->count(), 19);
        for (int entry = 0; entry < 19; ++entry) {
            QCOMPARE(combo->itemText(entry), SchemeTable::Name(entry + 1));
            const QImage swatch = combo->itemIcon(entry).pixmap(QSize(14, 14)).toImage();
            QCOMPARE(swatch.size(), QSize(14, 14));
            QCOMPARE(QColor(swatch.pixel(0, 0)), QColor(QLatin1String(swatches[entry])));
            QCOMPARE(swatch.pixel(13, 13), swatch.pixel(0, 0));
        }
    }

    void aClickedOptionCountsAtOnceAndTheCloseBoxKeepsTheScheme() {
        ProgramSettings settings = StartedSettings();
        LayoutDialog dialog(settings);
        dialog.show();
        Click(dialog.Option1(1));
        QCOMPARE(settings.LayoutIndex(), qint16(2));
        Click(dialog.Option1(2));
        QCOMPARE(CheckedOption(dialog), 2);
        QCOMPARE(settings.LayoutIndex(), qint16(3));
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

    void valuesOutsideTheirRangesLeaveNoOptionOnAndStillAnEntry() {
        ProgramSettings settings = StartedSettings();
        settings.SetLayoutIndex(0);
        settings.SetSchemeIndex(25);
        LayoutDialog dialog(settings);
        dialog.show();
        QCOMPARE(CheckedOption(dialog), -1);
        // "Ok" must find an entry: the first stands in for an unknown scheme.
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
        // Tab stops at the option that is on; the arrow keys move among the options.
        const QList<QWidget*> expected = {dialog.Option1(0), dialog.OKButton(),
                                          dialog.Option1(1), dialog.Option1(2),
                                          dialog.Option1(3), dialog.ImageCombo1()};
        QCOMPARE(FocusChain(dialog.Option1(0)), expected);
        QVERIFY(dialog.Option1(0)->hasFocus());
        QTest::keyClick(dialog.Option1(0), Qt::Key_Right);
        QCOMPARE(settings.LayoutIndex(), qint16(2));
        QTest::keyClick(dialog.Option1(1), Qt::Key_Tab);
        QVERIFY(dialog.ImageCombo1()->hasFocus());
        QTest::keyClick(dialog.ImageCombo1(), Qt::Key_Down);
        QCOMPARE(dialog.ImageCombo1()->currentText(), QStringLiteral("Aqua"));

        // Escape is the close box; Enter, from any control, is "Ok".
        LayoutDialog escaped(settings);
        escaped.show();
        escaped.ImageCombo1()->setCurrentIndex(4);
        QTest::keyClick(escaped.ImageCombo1(), Qt::Key_Escape);
        QCOMPARE(escaped.result(), int(QDialog::Rejected));
        QCOMPARE(settings.SchemeIndex(), qint16(1));
        QTest::keyClick(dialog.ImageCombo1(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(settings.SchemeIndex(), qint16(2));
    }
};

QTEST_MAIN(LayoutDialogTest)
#include "LayoutDialogTest.moc"
