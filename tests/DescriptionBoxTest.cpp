// SPDX-License-Identifier: GPL-3.0-or-later
// The description box gives back exactly what it was given, keeps the line ends the user did
// not touch, stores a typed line break as CR LF, and shows only the start of a value too
// long to edit.

#include "ui/DescriptionBox.h"

#include <QRandomGenerator>
#include <QTextCursor>
#include <QtTest>

namespace {

const QString kMixed = QStringLiteral("one\r\ntwo\rthree\nfour\u00A0five\u2028six\u2029seven");

// Puts text at a place of the box as typing would.
void TypeAt(DescriptionBox& box, int position, const QString& text) {
    QTextCursor cursor(box.document());
    cursor.setPosition(position);
    box.setTextCursor(cursor);
    QTest::keyClicks(&box, text);
}

}  // namespace

class DescriptionBoxTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void anUntouchedValueComesBackUnchanged() {
        DescriptionBox box;
        for (const QString& value : QStringList{
                 kMixed, QStringLiteral("\r\n\r\n"), QStringLiteral("\r"), QStringLiteral("end\n"),
                 QStringLiteral("\uFEFFsigned"), QStringLiteral("a\uFDD0b\uFDD1c"),
                 QString(QChar(0)) + QStringLiteral("nul"), QString()}) {
            box.SetValue(value);
            QCOMPARE(box.Value(), value);
        }
        // Random runs of the characters a text box treats specially.
        const QString special = QStringLiteral("\r\n\u00A0\u2028\u2029\uFDD0\uFDD1\t x\uFEFF");
        QRandomGenerator random(20261208);
        for (int round = 0; round < 200; ++round) {
            QString value;
            for (int n = random.bounded(30); n > 0; --n)
                value += special[random.bounded(int(special.size()))];
            box.SetValue(value);
            QCOMPARE(box.Value(), value);
        }
    }

    void anEditKeepsTheLineEndsAroundIt() {
        DescriptionBox box;
        box.SetValue(kMixed);
        // "two" is the second line: a word typed at its end changes nothing else.
        TypeAt(box, 7, QStringLiteral(" more"));
        QCOMPARE(box.Value(),
                 QStringLiteral("one\r\ntwo more\rthree\nfour\u00A0five\u2028six\u2029seven"));

        // A line break typed by the user is CR LF, whichever way the lines around it end.
        box.SetValue(kMixed);
        TypeAt(box, 9, QStringLiteral("X"));
        QTest::keyClick(&box, Qt::Key_Return);
        QCOMPARE(box.Value(),
                 QStringLiteral("one\r\ntwo\rtX\r\nhree\nfour\u00A0five\u2028six\u2029seven"));
        // Shift+Enter is a line break too.
        box.SetValue(QStringLiteral("a\nb"));
        TypeAt(box, 1, QString());
        QTest::keyClick(&box, Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(box.Value(), QStringLiteral("a\r\n\nb"));

        // Lines removed take their ends with them; the rest keep theirs.
        box.SetValue(QStringLiteral("a\rb\nc\r\nd"));
        QTextCursor cursor(box.document());
        cursor.setPosition(2);
        cursor.setPosition(4, QTextCursor::KeepAnchor);  // "b" and its line end
        cursor.removeSelectedText();
        QCOMPARE(box.Value(), QStringLiteral("a\rc\r\nd"));

        // Text pasted with a no-break space keeps it.
        box.SetValue(QStringLiteral("x"));
        box.moveCursor(QTextCursor::End);
        box.insertPlainText(QStringLiteral("\u00A0y"));
        QCOMPARE(box.Value(), QStringLiteral("x\u00A0y"));
    }

    void aValueTooLongToEditIsShownInPartAndKeptWhole() {
        DescriptionBox box;
        const QString line(DescriptionBox::EditableLineLength + 1, QLatin1Char('w'));
        box.SetValue(line);
        QVERIFY(box.Abridged());
        QVERIFY(box.isReadOnly());
        QVERIFY(box.toPlainText().size() < DescriptionBox::ShownLength + 200);
        QVERIFY(box.toPlainText().contains(QLatin1String("too long to be edited here")));
        QCOMPARE(box.Value(), line);

        // Many short lines are editable up to the total.
        QString lines;
        while (lines.size() < DescriptionBox::EditableLength - 100)
            lines += QStringLiteral("a line of text\r\n");
        box.SetValue(lines);
        QVERIFY(!box.Abridged());
        QVERIFY(!box.isReadOnly());
        QCOMPARE(box.Value(), lines);
        box.SetValue(lines + lines);
        QVERIFY(box.Abridged());
        QCOMPARE(box.Value(), lines + lines);
    }
};

QTEST_MAIN(DescriptionBoxTest)
#include "DescriptionBoxTest.moc"
