// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as a desktop program: the usual keys do what the buttons do, and a
// catalogue dropped on the window is opened as LOAD CSV opens one.

#include "editing/RecordEditor.h"
#include "ui/CommandLine.h"

#include <QMimeData>
#include <QPlainTextEdit>

#include "AuctionsFixture.h"

namespace {

// Drags a file over a widget and drops it there; true when the widget took the drop.
bool Drop(QWidget* target, const QString& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    data.setText(QUrl::fromLocalFile(path).toString());
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::LinkAction, &data, Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::LinkAction, &data, Qt::LeftButton,
                    Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

}  // namespace

class AuctionsDesktopTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theUsualKeysPressTheButtons() {
        QTemporaryDir dir;
        Window w;
        w.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        // Ctrl+S does nothing while there is nothing to save; Ctrl+O opens.
        QTest::keyClick(&w.window, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(w.dialogs.saves, 0);
        w.dialogs.openAnswers.push_back(kSample);
        QTest::keyClick(&w.window, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(w.Label("Label6"), QStringLiteral("12"));
        QTest::keyClick(&w.window, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(w.dialogs.saves, 1);

        // Delete in the grid asks, and removes the row it shows.
        auto* view = w.Find<QTableView>("MSFlexGrid1");
        w.ClickRow(2);
        view->setFocus();
        w.messages.answers = {Yes};
        QTest::keyClick(view, Qt::Key_Delete);
        QCOMPARE(w.messages.questions, QStringList{RecordEditor::DeleteQuestion()});
        QCOMPARE(w.Label("Label6"), QStringLiteral("11"));
        // ... but in a box it only deletes text.
        w.ClickRow(1);
        w.Box("t_title")->setFocus();
        w.Box("t_title")->setCursorPosition(0);
        QTest::keyClick(w.Box("t_title"), Qt::Key_Delete);
        QCOMPARE(w.Label("Label6"), QStringLiteral("11"));
        QCOMPARE(w.messages.questions.size(), 1);

        // Ctrl+N starts a new record; F1 opens the help page.
        QTest::keyClick(&w.window, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(w.Button("Update")->Caption(), QStringLiteral("Insert"));
        QList<QUrl> opened;
        w.window.PreviewBrowser().SetOpener([&opened](const QUrl& url, Browser::Outcome outcome) {
            opened << url;
            outcome(true);
        });
        QTest::keyClick(&w.window, Qt::Key_F1);
        QCOMPARE(opened.size(), 1);
        QVERIFY(opened[0].toLocalFile().endsWith(QLatin1String("/help.html")));

        // Ctrl+W and Ctrl+Q close the window, with the question.
        w.messages.answers = {Dismissed};
        QTest::keyClick(&w.window, Qt::Key_W, Qt::ControlModifier);
        QVERIFY(w.window.isVisible());
        w.messages.answers = {No};
        QTest::keyClick(&w.window, Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!w.window.isVisible());
        QCOMPARE(w.messages.questions.last(), Auctions::ClosingQuestion());
        // No caption or tooltip changed for it.
        QCOMPARE(w.Button("Load")->toolTip(), QStringLiteral("Open a catalogue file"));
    }

    void theCommandLinesCatalogueIsOpened() {
        QTemporaryDir dir;
        QVERIFY(QFile::copy(kSample, dir.filePath(QStringLiteral("shop.csv"))));
        const QString before = QDir::currentPath();
        QDir::setCurrent(dir.path());
        const CommandLine::Request request =
            CommandLine::Read({QStringLiteral("lotcraft"), QStringLiteral("shop.csv")});
        QDir::setCurrent(before);
        QVERIFY(!request.exitStatus);
        QCOMPARE(request.catalogue, dir.filePath(QStringLiteral("shop.csv")));
        Window w;
        w.window.show();
        CommandLine::Open(request, w.window);
        QTRY_COMPARE(w.Label("Label6"), QStringLiteral("12"));
        w.dialogs.saveAnswers.push_back(QString());
        w.Press("Save");
        QCOMPARE(w.dialogs.saveSuggestions, QStringList{request.catalogue});

        // Two catalogues are one too many.
        QCOMPARE(CommandLine::Read(
                     {QStringLiteral("lotcraft"), QStringLiteral("a.csv"), QStringLiteral("b.csv")})
                     .exitStatus,
                 std::optional<int>(2));
    }

    void aDroppedCatalogueIsOpened() {
        QTemporaryDir dir;
        const QString other = dir.filePath(QStringLiteral("Other.CSV"));
        WriteFile(other, "9,nine,,,,,,,,\r\n");
        const QString text = dir.filePath(QStringLiteral("notes.txt"));
        WriteFile(text, "9,nine,,,,,,,,\r\n");
        Window w;
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        QVERIFY(!Drop(&w.window, text));
        QVERIFY(Drop(&w.window, kSample));
        QCOMPARE(w.Label("Label6"), QStringLiteral("12"));
        // Dropped on a box it is opened too, not typed in as a name; the grid's items come
        // with the question first.
        w.messages.answers = {No};
        QVERIFY(Drop(w.Box("Seller"), other));
        QCOMPARE(w.Label("Label6"), QStringLiteral("1"));
        QCOMPARE(w.messages.questions, QStringList{Auctions::ClosingQuestion()});
        QVERIFY(!w.Box("Seller")->text().contains(QLatin1String("file:")));
        w.messages.answers = {No};
        QVERIFY(Drop(w.Find<QPlainTextEdit>("t_desc")->viewport(), kSample));
        QCOMPARE(w.Label("Label6"), QStringLiteral("12"));
    }
};

QTEST_MAIN(AuctionsDesktopTest)
#include "AuctionsDesktopTest.moc"
