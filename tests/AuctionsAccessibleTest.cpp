// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as screen readers and the keyboard alone reach it: every button a push
// button named as its face reads, with a Press action and a key given in its tool tip, every
// box named by its label, and a window on a small screen that scrolls its controls into view.

#include "AuctionsFixture.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QtTest>

class AuctionsAccessibleTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyButtonIsNamedAndHasAKey_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("key");
        const struct {
            const char* button;
            const char* name;
            const char* key;
        } buttons[] = {
            {"Load", "LOAD CSV", "Ctrl+O"},        {"Manual", "INSERT NEW RECORD", "Ctrl+N"},
            {"Htmls", "HTMLS", "Alt+P"},           {"Save", "SAVE AS", "Ctrl+Shift+S"},
            {"Export", "EXPORT", "Ctrl+E"},        {"Help", "HELP", "F1"},
            {"XpButton1", "?", "Alt+G"},           {"Update", "Update", "Alt+U"},
            {"Cancel", "Cancel", "Alt+C"},         {"Delete", "Delete", "Del"},
            {"viewh", "View Html Code", "Ctrl+U"}, {"viewp", "View Page", "Alt+V"},
            {"Close", "Close", "Ctrl+W"},
        };
        for (const auto& b : buttons)
            QTest::newRow(b.button) << QString::fromLatin1(b.button) << QString::fromLatin1(b.name)
                                    << QString::fromLatin1(b.key);
    }
    void everyButtonIsNamedAndHasAKey() {
        QFETCH(QString, button);
        Window w;
        auto* control = w.window.findChild<XpButton*>(button);
        QVERIFY(control);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
        QCOMPARE(face->role(), QAccessible::Button);
        QTEST(face->text(QAccessible::Name), "name");
        QTEST(control->KeyText(), "key");
        QVERIFY2(control->toolTip().endsWith(QStringLiteral(" (") + control->KeyText() +
                                             QLatin1Char(')')),
                 qPrintable(control->toolTip()));
        QVERIFY(face->text(QAccessible::Description).contains(control->KeyText()));
    }

    void pressingThroughTheAccessibilityLayerActs() {
        Window w;
        w.window.show();
        QAccessibleInterface* manual = QAccessible::queryAccessibleInterface(w.Button("Manual"));
        manual->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(w.Button("Cancel")->isVisible());
        // Update is named as its face now reads.
        QCOMPARE(QAccessible::queryAccessibleInterface(w.Button("Update"))->text(QAccessible::Name),
                 w.Button("Update")->Caption());
        QCOMPARE(w.Button("Update")->Caption(), QStringLiteral("Insert"));
    }

    void everyBoxIsNamed() {
        Window w;
        QList<QWidget*> boxes;
        for (QWidget* box : w.window.findChildren<QLineEdit*>())
            boxes << box;
        for (QWidget* box : w.window.findChildren<QPlainTextEdit*>())
            boxes << box;
        QVERIFY(boxes.size() >= 13);
        for (QWidget* box : boxes) {
            if (box->parentWidget() && box->parentWidget()->inherits("QAbstractSpinBox"))
                continue;
            const QString name =
                QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name);
            QVERIFY2(!name.trimmed().isEmpty(), qPrintable(box->objectName()));
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(w.Box("Seller"))->text(QAccessible::Name),
                 w.Label("Label1"));
    }

    void aSmallWindowScrollsTheFocusIntoView() {
        Window w;
        auto* right = w.window.findChild<QScrollBar*>(QStringLiteral("WindowScrollRight"));
        auto* down = w.window.findChild<QScrollBar*>(QStringLiteral("WindowScrollDown"));
        w.window.show();
        const QRect closeAtFirstSize = w.Button("Close")->geometry();
        QVERIFY(!right->isVisible() && !down->isVisible());

        w.window.setMinimumSize(320, 240);
        w.window.resize(500, 400);
        QTRY_VERIFY(right->isVisible() && down->isVisible());
        QCOMPARE(right->maximum(), MainWindowLayout::FirstSize().height() - (400 - down->height()));
        w.Button("Close")->setFocus();
        QTRY_VERIFY(QRect(0, 0, 500 - right->width(), 400 - down->height())
                        .contains(w.Button("Close")->geometry()));
        QCOMPARE(w.Button("Close")->geometry().size(), closeAtFirstSize.size());

        w.window.resize(MainWindowLayout::FirstSize());
        QTRY_VERIFY(!right->isVisible() && !down->isVisible());
        QCOMPARE(w.Button("Close")->geometry(), closeAtFirstSize);
    }
};

QTEST_MAIN(AuctionsAccessibleTest)
#include "AuctionsAccessibleTest.moc"
