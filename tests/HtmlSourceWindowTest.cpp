// The source window: its place, reading the page when it loads and only then, pages that
// cannot be read, and the splitting of a page into lines.

#include "RecordingMessageBoxes.h"
#include "app/ProgramSettings.h"
#include "ui/HtmlSourceWindow.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString WritePage(const QTemporaryDir& folder, const QString& name, const QByteArray& bytes) {
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

}  // namespace

class HtmlSourceWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theWindowHasItsCaptionAndItsTextBox() {
        ProgramSettings settings;
        RecordingMessageBoxes messages;
        HtmlSourceWindow window(settings, messages);
        QCOMPARE(window.objectName(), QStringLiteral("viewHtml"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Html Code"));
        QVERIFY(window.isWindow());
        QVERIFY(!window.parentWidget());
        QCOMPARE(window.size(), QSize(559, 392));
        QPlainTextEdit* text = window.Text1();
        QCOMPARE(text->objectName(), QStringLiteral("Text1"));
        QCOMPARE(text->geometry(), QRect(16, 8, 529, 369));
        QCOMPARE(text->toPlainText(), QStringLiteral("Text1"));
        QVERIFY(text->isReadOnly());
        QCOMPARE(text->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(text->lineWrapMode(), QPlainTextEdit::NoWrap);

        // A larger window gives the text box the room, its margins kept.
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.resize(800, 600);
        QCOMPARE(text->geometry(), QRect(16, 8, 800 - 16 - 14, 600 - 8 - 15));
    }

    void aPageIsShownLineForLineExactlyAsStored() {
        QTemporaryDir folder;
        // Commas, quotes, leading blanks, an empty line and accented letters in ISO-8859-1.
        const QByteArray page =
            "<HTML>\r\n"
            "   <TD width=\"50%\">Price, postage, \"extras\"</TD>\r\n"
            "\r\n"
            "\tCaf\xE9 cr\xE8me \xA3"
            "5</HTML>\r\n";
        ProgramSettings settings;
        settings.SetSourcePagePath(WritePage(folder, QStringLiteral("1001.html"), page));
        RecordingMessageBoxes messages;
        HtmlSourceWindow window(settings, messages);
        window.BringForward();
        QVERIFY(window.isVisible());
        QCOMPARE(window.Text1()->toPlainText(),
                 QStringLiteral("<HTML>\n"
                                "   <TD width=\"50%\">Price, postage, \"extras\"</TD>\n"
                                "\n"
                                "\tCaf\u00E9 cr\u00E8me \u00A35</HTML>\n"));
        QCOMPARE(window.Text1()->document()->blockCount(), 5);
        QVERIFY(messages.Messages().isEmpty());
    }

    void theOpenWindowKeepsItsPageUntilItIsOpenedAnew() {
        QTemporaryDir folder;
        ProgramSettings settings;
        const QString first = WritePage(folder, QStringLiteral("1.html"), "first page\r\n");
        const QString second = WritePage(folder, QStringLiteral("2.html"), "second page\r\n");
        settings.SetSourcePagePath(first);
        RecordingMessageBoxes messages;
        HtmlSourceWindow window(settings, messages);
        window.BringForward();
        QCOMPARE(window.Text1()->toPlainText(), QStringLiteral("first page\n"));

        // Another page asked for while the window is open: brought forward, not read again,
        // even when the first page changed meanwhile.
        settings.SetSourcePagePath(second);
        QVERIFY(!WritePage(folder, QStringLiteral("1.html"), "changed\r\n").isEmpty());
        window.BringForward();
        window.show();
        QCOMPARE(window.Text1()->toPlainText(), QStringLiteral("first page\n"));

        // Closed and opened again, it loads the page asked for last.
        QVERIFY(window.close());
        window.BringForward();
        QCOMPARE(window.Text1()->toPlainText(), QStringLiteral("second page\n"));
    }

    void aPageThatCannotBeReadShowsAnEmptyTextAndAMessage() {
        QTemporaryDir folder;
        ProgramSettings settings;
        RecordingMessageBoxes messages;
        HtmlSourceWindow window(settings, messages);

        const QString missing = folder.filePath(QStringLiteral("gone.html"));
        settings.SetSourcePagePath(missing);
        window.BringForward();
        QVERIFY(window.isVisible());
        QCOMPARE(window.Text1()->toPlainText(), QString());
        QCOMPARE(messages.Messages().size(), 1);
        QVERIFY(messages.Messages().at(0).contains(missing));

        window.close();
        settings.SetSourcePagePath(folder.path());
        window.BringForward();
        QCOMPARE(window.Text1()->toPlainText(), QString());
        QCOMPARE(messages.Messages().size(), 2);
        QVERIFY(messages.Messages().at(1).contains(QStringLiteral("folder")));

        // No page named at all: an empty text and nothing to tell.
        window.close();
        settings.SetSourcePagePath(QString());
        window.BringForward();
        QCOMPARE(window.Text1()->toPlainText(), QString());
        QCOMPARE(messages.Messages().size(), 2);
    }

    void linesEndInCrLfLfOrCr() {
        QCOMPARE(HtmlSourceWindow::PageLines("a\r\nb\nc\rd"),
                 (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                              QStringLiteral("d")}));
        // Empty lines stay, a last line end adds no line, "\n\r" is two line ends.
        QCOMPARE(HtmlSourceWindow::PageLines("\r\n\r\nx\r\n"),
                 (QStringList{QString(), QString(), QStringLiteral("x")}));
        QCOMPARE(HtmlSourceWindow::PageLines("x\n\ry"),
                 (QStringList{QStringLiteral("x"), QString(), QStringLiteral("y")}));
        QVERIFY(HtmlSourceWindow::PageLines(QByteArray()).isEmpty());
        QCOMPARE(HtmlSourceWindow::PageLines("\xFF"), QStringList{QStringLiteral("\u00FF")});
    }
};

QTEST_MAIN(HtmlSourceWindowTest)
#include "HtmlSourceWindowTest.moc"
