// SPDX-License-Identifier: GPL-3.0-or-later
// The question box: Yes and No are answers, Escape and the close button are none.

#include "ui/QuestionBox.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QtTest>

class QuestionBoxTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void yesNoOrPutAway() {
        const QString question = QStringLiteral("Do you want to save changes ?");
        {
            QuestionBox box(question, nullptr);
            QCOMPARE(box.windowTitle(), QStringLiteral("Lotcraft"));
            QCOMPARE(box.text(), question);
            QCOMPARE(box.icon(), QMessageBox::NoIcon);
            QCOMPARE(box.buttons().size(), 2);
            box.show();
            QTest::mouseClick(box.button(QMessageBox::Yes), Qt::LeftButton);
            QCOMPARE(box.Answer(), MessageBoxes::Answer::Yes);
        }
        {
            QuestionBox box(question, nullptr);
            box.show();
            QTest::mouseClick(box.button(QMessageBox::No), Qt::LeftButton);
            QCOMPARE(box.Answer(), MessageBoxes::Answer::No);
        }
        {
            QuestionBox box(question, nullptr);
            box.show();
            QVERIFY(QTest::qWaitForWindowExposed(&box));
            QTest::keyClick(&box, Qt::Key_Escape);
            QVERIFY(!box.isVisible());
            QCOMPARE(box.Answer(), MessageBoxes::Answer::Dismissed);
        }
        {
            QuestionBox box(question, nullptr);
            box.show();
            QVERIFY(box.close());
            QCOMPARE(box.Answer(), MessageBoxes::Answer::Dismissed);
        }
    }

    void saveDontSaveOrCancel() {
        const QString question = QStringLiteral("Do you want to save changes ?");
        const auto answerTo = [&question](QMessageBox::StandardButton clicked) {
            QuestionBox box(question, nullptr, QuestionBox::Buttons::SaveDiscardCancel);
            box.show();
            QTest::mouseClick(box.button(clicked), Qt::LeftButton);
            return box.Answer();
        };
        {
            QuestionBox box(question, nullptr, QuestionBox::Buttons::SaveDiscardCancel);
            QCOMPARE(box.text(), question);
            QCOMPARE(box.buttons().size(), 3);
            QCOMPARE(box.button(QMessageBox::Save)->text(), QStringLiteral("Save"));
            QCOMPARE(box.button(QMessageBox::Discard)->text(), QStringLiteral("Don't Save"));
            QCOMPARE(box.defaultButton(), box.button(QMessageBox::Save));
        }
        QCOMPARE(answerTo(QMessageBox::Save), MessageBoxes::Answer::Yes);
        QCOMPARE(answerTo(QMessageBox::Discard), MessageBoxes::Answer::No);
        QCOMPARE(answerTo(QMessageBox::Cancel), MessageBoxes::Answer::Dismissed);
    }
};

QTEST_MAIN(QuestionBoxTest)
#include "QuestionBoxTest.moc"
