// SPDX-License-Identifier: GPL-3.0-or-later
// The button as screen readers, switch access and voice control see it: a push button named
// as its face reads, described with its key, pressed by its Press action as by its access
// key, and telling the accessibility layer when its caption changes.

#include "XpButtonFixtures.h"
#include "controls/xpbutton/XpButton.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QtTest>

using namespace XpButtonFixtures;

class XpButtonAccessibleTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void nameAndDescription_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("accessibleName");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("keyText");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::newRow("access key in the caption")
            << QStringLiteral("&Update") << QString() << QString() << QString()
            << QStringLiteral("Update") << QStringLiteral("Alt+U");
        QTest::newRow("doubled ampersand shown once")
            << QStringLiteral("Fish && Chips") << QString() << QStringLiteral("Orders food")
            << QString() << QStringLiteral("Fish & Chips") << QStringLiteral("Orders food");
        QTest::newRow("picture button: the word on its face")
            << QString() << QStringLiteral("LOAD CSV") << QStringLiteral("Open a catalogue file")
            << QStringLiteral("Ctrl+O") << QStringLiteral("LOAD CSV")
            << QStringLiteral("Open a catalogue file (Ctrl+O)");
        QTest::newRow("key given by the window, already in the tool tip")
            << QStringLiteral("Insert") << QString() << QStringLiteral("Store the item (Alt+U)")
            << QStringLiteral("Alt+U") << QStringLiteral("Insert")
            << QStringLiteral("Store the item (Alt+U)");
    }
    void nameAndDescription() {
        QFETCH(QString, caption);
        QFETCH(QString, accessibleName);
        QFETCH(QString, toolTip);
        QFETCH(QString, keyText);
        QWidget window;
        auto* button = new XpButton(QStringLiteral("b"), &window);
        button->SetCaption(caption);
        button->setAccessibleName(accessibleName);
        button->setToolTip(toolTip);
        if (!keyText.isEmpty())
            button->SetKeyText(keyText);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(button);
        QVERIFY(face);
        QCOMPARE(face->role(), QAccessible::Button);
        QTEST(face->text(QAccessible::Name), "name");
        QTEST(face->text(QAccessible::Description), "description");
        QCOMPARE(face->text(QAccessible::Accelerator), button->KeyText());
    }

    void pressActionClicksAsTheAccessKeyDoes() {
        QWidget window;
        window.setPalette(Palette());
        window.resize(200, 100);
        auto* button = new XpButton(QStringLiteral("Manual"), &window);
        button->setGeometry(10, 10, 81, 25);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        int clicks = 0;
        connect(button, &XpButton::Click, [&clicks] { ++clicks; });
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(button);
        QAccessibleActionInterface* actions = face->actionInterface();
        QVERIFY(actions);
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        const QImage before = button->Image();
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicks, 0);  // after the tool's call has returned
        QTRY_COMPARE(clicks, 1);
        QCOMPARE(button->Image(), before);  // no pressed look, as with the access key
        QVERIFY(!face->state().disabled);
        QVERIFY(face->state().focusable);

        button->setFocus();
        button->SetDefaultButton(true);
        QVERIFY(face->state().focused);
        QVERIFY(face->state().defaultButton);

        button->SetEnabled(false);
        QVERIFY(face->state().disabled);
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCoreApplication::processEvents();
        QCOMPARE(clicks, 1);
    }
};

QTEST_MAIN(XpButtonAccessibleTest)
#include "XpButtonAccessibleTest.moc"
