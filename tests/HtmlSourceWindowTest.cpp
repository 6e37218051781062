// SPDX-License-Identifier: GPL-3.0-or-later
// The source window: reading the page when it loads and only then, pages that cannot be
// read, and the splitting of a page into lines.

#include "RecordingMessageBoxes.h"
#include "ui/HtmlSourceWindow.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString WritePage(const QTemporaryDir& folder, const QString& name, const QByteArray& bytes) {
    QFile file(folder.filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? file.fileName()
                                                                                : QString();
}

}  // namespace

class HtmlSourceWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    RecordingMessageBoxes m_messages;

private Q_SLOTS:
    void aPageIsShownLineForLineExactlyAsStored() {
        HtmlSourceWindow window(m_messages);
        QCOMPARE(window.objectName(), QStringLiteral("viewHtml"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Html Code"));
        QVERIFY(window.isWindow() && !window.parentWidget());
        // A window of its own carries the program's icon itself, in both of its sizes.
        const QList<QSize> iconSizes = window.windowIcon().availableSizes();
        QVERIFY(iconSizes.contains(QSize(48, 48)) && iconSizes.contains(QSize(256, 256)));
        QCOMPARE(window.size(), QSize(559, 392));
        QPlainTextEdit* text = window.Text1();
        QCOMPARE(text->geometry(), QRect(16, 8, 529, 369));
        QVERIFY(text->isReadOnly());
        QCOMPARE(text->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(text->toPlainText(), QStringLiteral("Text1"));

        // Commas, quotes, leading blanks, an empty line and accented letters in ISO-8859-1.
        window.ShowPage(WritePage(m_folder, QStringLiteral("1001.html"),
                                  "<HTML>\r\n"
                                  "   <TD width=\"50%\">Price, \"extras\"</TD>\r\n"
                                  "\r\n"
                                  "\tCaf\xE9 \xA3"
                                  "5</HTML>\r\n"));
        QVERIFY(window.isVisible());
        QCOMPARE(text->toPlainText(), QStringLiteral("<HTML>\n"
                                                     "   <TD width=\"50%\">Price, \"extras\"</TD>\n"
                                                     "\n"
                                                     "\tCaf\u00E9 \u00A35</HTML>\n"));
        QVERIFY(m_messages.messages.isEmpty());

        // The text box takes the room of a larger window, its margins kept.
        window.resize(800, 600);
        QCOMPARE(text->geometry(), QRect(16, 8, 800 - 16 - 14, 600 - 8 - 15));
    }

    void theOpenWindowKeepsItsPageUntilItIsOpenedAnew() {
        const QString first = WritePage(m_folder, QStringLiteral("1.html"), "first\r\n");
        HtmlSourceWindow window(m_messages);
        window.ShowPage(first);
        QCOMPARE(window.Text1()->toPlainText(), QStringLiteral("first\n"));

        // Another page asked for while it is open, and the first one changed meanwhile: the
        // window comes forward without reading again.
        const QString second = WritePage(m_folder, QStringLiteral("2.html"), "second");
        QVERIFY(!WritePage(m_folder, QStringLiteral("1.html"), "changed\r\n").isEmpty());
        window.ShowPage(second);
        QCOMPARE(window.Text1()->toPlainText(), QStringLiteral("first\n"));

        QVERIFY(window.close());
        window.ShowPage(second);
        QCOMPARE(window.Text1()->toPlainText(), QStringLiteral("second\n"));
    }

    void aPageThatCannotBeReadShowsAnEmptyTextAndAMessage() {
        HtmlSourceWindow window(m_messages);
        const QString missing = m_folder.filePath(QStringLiteral("gone.html"));
        const QStringList paths = {missing, m_folder.path(), QString()};
        for (const QString& path : paths) {
            window.ShowPage(path);
            QVERIFY(window.isVisible());
            QCOMPARE(window.Text1()->toPlainText(), QString());
            window.close();
        }
        // One message each for the missing page and the folder; none without a page.
        QCOMPARE(m_messages.messages.size(), 2);
        QVERIFY(m_messages.messages.at(0).contains(missing));
        QVERIFY(m_messages.messages.at(1).contains(QStringLiteral("folder")));
    }

    void linesEndInCrLfLfOrCr() {
        QCOMPARE(HtmlSourceWindow::PageLines("a\r\nb\nc\rd"),
                 (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                              QStringLiteral("d")}));
        // Empty lines stay, a last line end adds no line, "\n\r" is two line ends.
        QCOMPARE(HtmlSourceWindow::PageLines("\r\n\nx\n\ry\r\n"),
                 (QStringList{QString(), QString(), QStringLiteral("x"), QString(),
                              QStringLiteral("y")}));
        QVERIFY(HtmlSourceWindow::PageLines(QByteArray()).isEmpty());
    }

    void escapeAndCtrlWCloseTheWindowFromItsText() {
        const QString page = WritePage(m_folder, QStringLiteral("keys.html"), "<HTML>\r\n");
        HtmlSourceWindow window(m_messages);
        for (const QKeySequence& keys :
             {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
            window.ShowPage(page);
            QVERIFY(QTest::qWaitForWindowActive(&window));
            window.Text1()->setFocus();
            QTest::keySequence(window.Text1(), keys);
            QVERIFY2(!window.isVisible(), qPrintable(keys.toString()));
        }
        // Other keys leave it open.
        window.ShowPage(page);
        QTest::keyClick(window.Text1(), Qt::Key_W);
        QVERIFY(window.isVisible());
    }
};

QTEST_MAIN(HtmlSourceWindowTest)
#include "HtmlSourceWindowTest.moc"
