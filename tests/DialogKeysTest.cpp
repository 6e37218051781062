// SPDX-License-Identifier: GPL-3.0-or-later
// Every button of a dialog gets an Alt+letter from its caption, clear of the letters the
// dialog already uses, told in its tool tip; the key presses the button.

#include "controls/xpbutton/XpButton.h"
#include "ui/DialogKeys.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

class DialogKeysTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void mnemonic_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("letter");
        QTest::newRow("marked") << QStringLiteral("Dispatch &within") << QStringLiteral("w");
        QTest::newRow("after an ampersand pair")
            << QStringLiteral("P&&P &costs") << QStringLiteral("c");
        QTest::newRow("none") << QStringLiteral("Fish && Chips") << QString();
        QTest::newRow("last") << QStringLiteral("Ok&") << QString();
    }
    void mnemonic() {
        QFETCH(QString, text);
        QFETCH(QString, letter);
        const QChar found = DialogKeys::Mnemonic(text);
        QCOMPARE(found.isNull() ? QString() : QString(found), letter);
    }

    void everyButtonGetsAFreeLetter() {
        QDialog dialog;
        auto* layout = new QVBoxLayout(&dialog);
        auto* label = new QLabel(QStringLiteral("&Name:"), &dialog);
        auto* box = new QLineEdit(&dialog);
        label->setBuddy(box);
        layout->addWidget(label);
        layout->addWidget(box);
        const struct {
            const char* caption;
            const char* tip;
            const char* key;
            const char* shownTip;
        } buttons[] = {
            {"Ok", "", "Alt+O", "Ok (Alt+O)"},
            {"Cancel", "", "Alt+C", "Cancel (Alt+C)"},
            {"Check again", "Read the catalogue again", "Alt+H",
             "Read the catalogue again (Alt+H)"},
            {"New", "", "Alt+E", "New (Alt+E)"},  // N is the label's
            {"&Layout", "", "Alt+L", ""},         // its own access key, left as it is
        };
        QList<XpButton*> made;
        for (const auto& b : buttons) {
            auto* button = new XpButton(QString::fromLatin1(b.caption), &dialog);
            button->SetCaption(QString::fromLatin1(b.caption));
            button->setToolTip(QString::fromLatin1(b.tip));
            layout->addWidget(button);
            made << button;
        }
        DialogKeys::GiveEveryButtonAKey(&dialog);
        for (int i = 0; i < made.size(); ++i) {
            QCOMPARE(made[i]->KeyText(), QString::fromLatin1(buttons[i].key));
            QCOMPARE(made[i]->toolTip(), QString::fromLatin1(buttons[i].shownTip));
        }

        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        int clicks = 0;
        connect(made[2], &XpButton::Click, [&clicks] { ++clicks; });
        QTest::keyClick(&dialog, Qt::Key_H, Qt::AltModifier);
        QCOMPARE(clicks, 1);
        made[2]->SetEnabled(false);
        QTest::keyClick(&dialog, Qt::Key_H, Qt::AltModifier);
        QCOMPARE(clicks, 1);
    }
};

QTEST_MAIN(DialogKeysTest)
#include "DialogKeysTest.moc"
