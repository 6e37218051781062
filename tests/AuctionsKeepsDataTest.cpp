// SPDX-License-Identifier: GPL-3.0-or-later
// The main window never loses or changes what the seller has: the highlighted row is the row
// acted on, opening and closing never drop a catalogue that could not be saved, the form
// gives back exactly what it was given, buttons are usable only where they act, saving
// behaves like a desktop save, and a very long value loads and stores whole.

#include "catalogue/CatalogueReader.h"
#include "catalogue/CatalogueWriter.h"
#include "editing/Grid.h"
#include "ui/CommandLine.h"
#include "ui/DescriptionBox.h"

#include <QHeaderView>
#include <QPlainTextEdit>
#include <QTextCursor>

#include "AuctionsFixture.h"

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QTableView* View(Window& w) {
    return w.Find<QTableView>("MSFlexGrid1");
}

QString Cell(Window& w, int row, int column) {
    return View(w)->model()->index(row - 1, column - 1).data().toString();
}

// The item rows the view highlights.
QList<int> Highlighted(Window& w) {
    QList<int> rows;
    for (const QModelIndex& index : View(w)->selectionModel()->selectedRows())
        rows << index.row() + 1;
    return rows;
}

// A folder in which no new file can be made: a read-only memory file system where the test
// may mount one (as root, whom permissions do not stop), a folder without write permission
// otherwise.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& folder) : m_folder(QFile::encodeName(folder)) {
        if (::geteuid() == 0)
            m_mounted =
                ::mount("lotcraft-test", m_folder.constData(), "tmpfs", MS_RDONLY, "size=16k") == 0;
        else
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    }
    ~ReadOnlyFolder() {
        if (m_mounted)
            ::umount2(m_folder.constData(), MNT_DETACH);
        QFile::setPermissions(QFile::decodeName(m_folder),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    bool Usable() const { return m_mounted || ::geteuid() != 0; }

private:
    QByteArray m_folder;
    bool m_mounted = false;
};

}  // namespace

// A catalogue of one item, typed in and not saved anywhere.
void TypeNewCatalogue(Window& w) {
    w.Press("Manual");
    w.Box("t_Item")->setText(QStringLiteral("4001"));
    w.Press("Update");
    QCOMPARE(w.window.CatalogueGrid().ItemCount(), 1);
}

class AuctionsKeepsDataTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theHighlightedRowIsTheRowActedOn() {
        Window w;
        w.Open(kSample);
        w.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        QTableView* view = View(w);
        w.ClickRow(1);
        // Down twice: the form follows, and Delete removes the highlighted row.
        QTest::keyClick(view, Qt::Key_Down);
        QTest::keyClick(view, Qt::Key_Down);
        QCOMPARE(w.Box("t_Item")->text(), QStringLiteral("1003"));
        QCOMPARE(Highlighted(w), QList<int>{3});
        w.messages.answers = {Yes};
        w.Press("Delete");
        QCOMPARE(Cell(w, 1, 1), QStringLiteral("1001"));
        QCOMPARE(Cell(w, 2, 1), QStringLiteral("1002"));
        QCOMPARE(Cell(w, 3, 1), QStringLiteral("1004"));
        QCOMPARE(QApplication::focusWidget(), view);

        // End, Home and Page Down move the row the form shows, and Update stores into it.
        QTest::keyClick(view, Qt::Key_End);
        QCOMPARE(w.Box("t_Item")->text(), QStringLiteral("1012"));
        QCOMPARE(Highlighted(w), QList<int>{11});
        QTest::keyClick(view, Qt::Key_Home);
        QCOMPARE(w.Box("t_Item")->text(), QStringLiteral("1001"));
        QTest::keyClick(view, Qt::Key_PageDown);
        const int shown = Highlighted(w).value(0);
        QVERIFY(shown > 1);
        QCOMPARE(w.Box("t_Item")->text(), Cell(w, shown, 1));
        w.Box("t_price")->setText(QStringLiteral("$7.00"));
        w.Press("Update");
        QCOMPARE(Cell(w, shown, 5), QStringLiteral("$7.00"));
        QCOMPARE(Highlighted(w), QList<int>{shown});

        // A click on a column heading sorts by it and shows the grid's current row, here
        // after INSERT NEW RECORD had emptied the form.
        w.ClickRow(4);
        const QString current = Cell(w, 4, 1);
        w.Press("Manual");
        QVERIFY(w.Box("t_Item")->text().isEmpty());
        QHeaderView* headings = view->horizontalHeader();
        QTest::mouseClick(headings->viewport(), Qt::LeftButton, {},
                          QPoint(headings->sectionViewportPosition(1) + 5, 5));
        QCOMPARE(w.Box("t_Item")->text(), current);
        QCOMPARE(Highlighted(w).size(), 1);
        QCOMPARE(Cell(w, Highlighted(w).front(), 1), current);
    }

    void aClickBelowTheRowsShowsTheCurrentRow() {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("two.csv"));
        WriteFile(name, "1,one,,,,,,,,\r\n2,two,,,,,,,,\r\n");
        Window w;
        w.Open(name);
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        w.ClickRow(1);
        w.Press("Manual");
        QTableView* view = View(w);
        const QRect last = view->visualRect(view->model()->index(1, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          QPoint(last.center().x(), last.bottom() + 20));
        QCOMPARE(w.Box("t_Item")->text(), QStringLiteral("1"));
        QCOMPARE(Highlighted(w), QList<int>{1});
    }

    void whatIsTypedInTheFormIsNotDroppedByAClick() {
        Window w;
        w.Open(kSample);
        w.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        const QString title = Cell(w, 2, 2);
        w.ClickRow(2);
        w.Box("t_title")->setText(QStringLiteral("Typed"));
        // Put away: the form keeps the typing and the row it belongs to.
        w.messages.answers = {Dismissed};
        w.ClickRow(4);
        QCOMPARE(w.messages.questions,
                 QStringList{QStringLiteral("Do you want to store your changes to item 1002 ?")});
        QCOMPARE(w.Box("t_title")->text(), QStringLiteral("Typed"));
        QCOMPARE(Highlighted(w), QList<int>{2});
        // No: the typing goes, as the user said.
        w.messages.answers = {No};
        QTest::keyClick(View(w), Qt::Key_Down);
        QCOMPARE(w.Box("t_Item")->text(), QStringLiteral("1003"));
        QCOMPARE(Cell(w, 2, 2), title);
        // Yes: stored into its own row, then the clicked row is shown.
        w.Box("t_price")->setText(QStringLiteral("$1.00"));
        w.messages.answers = {Yes};
        w.ClickRow(5);
        QCOMPARE(Cell(w, 3, 5), QStringLiteral("$1.00"));
        QCOMPARE(w.Box("t_Item")->text(), QStringLiteral("1005"));

        // A new record typed, then a click on a row: inserted first on Yes.
        w.Press("Manual");
        w.Box("t_Item")->setText(QStringLiteral("4001"));
        w.messages.answers = {Yes};
        w.ClickRow(1);
        QCOMPARE(w.messages.questions.last(),
                 QStringLiteral("Do you want to insert the new record ?"));
        QCOMPARE(w.Label("Label6"), QStringLiteral("13"));
        QCOMPARE(Cell(w, 13, 1), QStringLiteral("4001"));
        QCOMPARE(w.Box("t_Item")->text(), QStringLiteral("1001"));
        // Pressing INSERT NEW RECORD, then a row to copy, asks nothing: nothing was typed.
        const int asked = w.messages.questions.size();
        w.Press("Manual");
        w.ClickRow(2);
        QCOMPARE(w.messages.questions.size(), asked);
        QCOMPARE(w.Button("Update")->Caption(), QStringLiteral("Insert"));

        // Closing asks about the form before the catalogue.
        w.Press("Cancel");
        w.ClickRow(1);
        w.Box("t_cat")->setText(QStringLiteral("77"));
        w.messages.answers = {Dismissed};
        QVERIFY(!w.window.close());
        QCOMPARE(w.messages.questions.last(),
                 QStringLiteral("Do you want to store your changes to item 1001 ?"));
        QCOMPARE(w.Box("t_cat")->text(), QStringLiteral("77"));
    }

    void openingNeverEmptiesTheGridForNothing() {
        QTemporaryDir dir;
        const QString other = dir.filePath(QStringLiteral("other.csv"));
        WriteFile(other, "9,nine,,,,,,,,\r\n");
        Window w;
        TypeNewCatalogue(w);

        // Cancelling the dialog, or a file that cannot be read, keeps the catalogue and asks
        // nothing.
        w.Open(QString());
        w.Open(dir.filePath(QStringLiteral("missing.csv")));
        QCOMPARE(w.window.CatalogueGrid().ItemCount(), 1);
        QVERIFY(w.messages.questions.isEmpty());
        QCOMPARE(w.messages.messages.size(), 1);

        // With unsaved items in the grid the closing question comes first: cancelling it, or
        // a save that is cancelled or fails, stops the opening.
        w.messages.answers = {Dismissed};
        w.Open(other);
        QCOMPARE(w.messages.saveQuestions, QStringList{Auctions::ClosingQuestion()});
        QCOMPARE(w.dialogs.saves, 0);
        w.messages.answers = {Yes};
        w.Open(other);
        QCOMPARE(w.dialogs.saves, 1);
        w.messages.answers = {Yes};
        w.dialogs.saveAnswers.push_back(dir.filePath(QStringLiteral("no/such/folder.csv")));
        w.Open(other);
        QCOMPARE(w.messages.messages.size(), 2);
        QVERIFY(w.messages.messages[1].startsWith(QLatin1String("The catalogue was not saved")));
        QCOMPARE(w.window.CatalogueGrid().ItemCount(), 1);
        QCOMPARE(w.Label("Label6"), QStringLiteral("1"));

        // Yes and a save: the catalogue is saved, then the other one opened.
        const QString saved = dir.filePath(QStringLiteral("saved.csv"));
        w.messages.answers = {Yes};
        w.dialogs.saveAnswers.push_back(saved);
        w.Open(other);
        QCOMPARE(ReadAll(saved), QByteArray("4001,,,,,,,,,\r\n"));
        QCOMPARE(w.window.CatalogueGrid().ItemCount(), 1);
        QCOMPARE(w.window.CatalogueGrid().Field(1, ItemRecord::ItemNumber), QStringLiteral("9"));
        // Opened and not changed: the next opening asks nothing.
        w.Open(kSample);
        QCOMPARE(w.window.CatalogueGrid().ItemCount(), 12);
        QCOMPARE(w.messages.saveQuestions.size(), 4);
        // Changed, then No: opened without saving.
        w.ClickRow(1);
        w.Box("t_title")->setText(QStringLiteral("changed"));
        w.Press("Update");
        w.messages.answers = {No};
        w.Open(other);
        QCOMPARE(w.messages.saveQuestions.size(), 5);
        QCOMPARE(w.window.CatalogueGrid().ItemCount(), 1);
        QCOMPARE(ReadAll(w.SampleCopy()), ReadAll(kSample));
        QCOMPARE(w.dialogs.saves, 3);
    }

    void aCatalogueReadInPartIsNeverSavedOverItsFile() {
        // A 100-item file whose item 50 opens a quote it never closes.
        QTemporaryDir dir;
        const QString shop = dir.filePath(QStringLiteral("shop.csv"));
        QByteArray bytes;
        for (int item = 1; item <= 100; ++item) {
            bytes += QByteArray::number(1000 + item) +
                     (item == 50 ? ",\"Broken title,,,,,,,,\r\n" : ",Title,,,,,,,,\r\n");
        }
        WriteFile(shop, bytes);
        Window w;
        w.Open(shop);
        w.window.show();
        QCOMPARE(w.window.CatalogueGrid().ItemCount(), 49);
        QCOMPARE(w.messages.messages.size(), 1);
        QVERIFY(w.window.windowTitle().contains(QLatin1String("read in part from shop.csv")));
        // Nothing changed since the open: closing asks nothing.
        QVERIFY(w.window.close());
        QVERIFY(w.messages.questions.isEmpty());
        w.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));

        // Ctrl+S offers a new name beside the file.
        QTest::keyClick(&w.window, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(w.dialogs.saveSuggestions,
                 QStringList{dir.filePath(QStringLiteral("shop (items 1-49).csv"))});
        // Saving under the file's own name asks, naming what would be lost; No keeps it.
        w.dialogs.saveAnswers.push_back(shop);
        w.messages.answers = {No};
        w.Press("Save");
        QCOMPARE(w.messages.questions.size(), 1);
        QVERIFY2(w.messages.questions[0].startsWith(
                     QLatin1String("shop.csv holds 100 items; the grid has 49. Replacing it "
                                   "loses 51.")),
                 qPrintable(w.messages.questions[0]));
        QCOMPARE(ReadAll(shop), bytes);
        // Yes replaces it, and it is the open catalogue from then on.
        w.dialogs.saveAnswers.push_back(shop);
        w.messages.answers = {Yes};
        w.Press("Save");
        QCOMPARE(CatalogueReader::Read(shop).records.size(), size_t(49));
        QCOMPARE(w.window.windowTitle(), QStringLiteral("shop.csv[*] - Lotcraft"));
        // A new name is saved without a question.
        w.dialogs.saveAnswers.push_back(dir.filePath(QStringLiteral("other.csv")));
        w.Press("Save");
        QCOMPARE(w.messages.questions.size(), 2);
    }

    // A spreadsheet, a document or a PDF opened by mistake, through LOAD CSV or the command
    // line, is refused before anything is asked or reset: the grid keeps its catalogue,
    // unsaved changes and all, and nothing is ever saved over the file.
    void aFileThatIsNoTextIsNeverTakenForTheCatalogue_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("said");
        const QByteArray zip("PK\x03\x04\x14\0\0\0\x08\0", 10);
        QTest::newRow("ods") << QStringLiteral("stock.ods")
                             << zip + "mimetypeapplication/vnd.oasis.opendocument.spreadsheet"
                             << QStringLiteral("a spreadsheet (OpenDocument, .ods)");
        QTest::newRow("xlsx named .csv")
            << QStringLiteral("stock.csv") << zip + "[Content_Types].xmlPK\x03\x04xl/sheet1.xml"
            << QStringLiteral("a spreadsheet (Excel, .xlsx)");
        QTest::newRow("pdf") << QStringLiteral("stock.pdf")
                             << QByteArray("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n1 0 obj\n")
                             << QStringLiteral("a PDF document");
    }

    void aFileThatIsNoTextIsNeverTakenForTheCatalogue() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, said);
        QTemporaryDir dir;
        const QString file = dir.filePath(name);
        WriteFile(file, bytes);
        Window w;
        w.Open(kSample);
        w.ClickRow(1);
        w.Box("t_cat")->setText(QStringLiteral("12"));
        w.Press("Update");
        for (int way = 0; way < 2; ++way) {
            const qsizetype told = w.messages.messages.size();
            if (way == 0) {
                w.Open(file);
            } else {
                CommandLine::Open({file, std::nullopt}, w.window);
                QTRY_COMPARE(w.messages.messages.size(), told + 1);
            }
            QCOMPARE(w.messages.messages.size(), told + 1);
            QVERIFY2(
                w.messages.messages.last().contains(said) &&
                    w.messages.messages.last().contains(QLatin1String("the grid is as it was")),
                qPrintable(w.messages.messages.last()));
            QVERIFY(w.messages.questions.isEmpty());
            QCOMPARE(w.Label("Label6"), QStringLiteral("12"));
            QCOMPARE(w.window.CatalogueGrid().Record(1).Field(ItemRecord::Category),
                     QStringLiteral("12"));
        }
        // Ctrl+S saves the catalogue the grid came from, never the file refused.
        w.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        QTest::keyClick(&w.window, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(CatalogueReader::Read(w.SampleCopy()).records[0].Field(ItemRecord::Category),
                 QStringLiteral("12"));
        QCOMPARE(ReadAll(file), bytes);
    }

    void closingNeverThrowsWorkAway() {
        QTemporaryDir dir;
        Window w;
        TypeNewCatalogue(w);
        w.window.show();
        // Save, then the save dialog cancelled.
        w.messages.answers = {Yes};
        QVERIFY(!w.window.close());
        QCOMPARE(w.dialogs.saves, 1);
        // Save, then a save that fails.
        w.messages.answers = {Yes};
        w.dialogs.saveAnswers.push_back(dir.filePath(QStringLiteral("gone/shop.csv")));
        QVERIFY(!w.window.close());
        QCOMPARE(w.messages.messages.size(), 1);
        // The question cancelled: no save dialog.
        w.messages.answers = {Dismissed};
        QVERIFY(!w.window.close());
        QCOMPARE(w.dialogs.saves, 2);
        QVERIFY(w.window.isVisible());
        QCOMPARE(w.window.CatalogueGrid().ItemCount(), 1);
        QCOMPARE(w.messages.questions.size(), 3);
        // Don't Save closes.
        w.messages.answers = {No};
        QVERIFY(w.window.close());
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    void theFormWritesBackExactlyWhatItWasGiven() {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("exact.csv"));
        ItemRecord record;
        record.SetField(ItemRecord::ItemNumber, QStringLiteral("5"));
        const QString title(40000, QLatin1Char('t'));
        record.SetField(ItemRecord::Title, title);
        const QString description =
            QStringLiteral("Line one\r\nline two\rline three\nno\u00A0break\u2028soft\r\n");
        record.SetField(ItemRecord::Description, description);
        record.SetField(ItemRecord::Price, QStringLiteral("\u00A0$3\r\n"));
        CatalogueWriter::Write(name, {record});
        const QByteArray bytes = ReadAll(name);

        Window w;
        w.Open(name);
        w.window.show();
        w.ClickRow(1);
        QCOMPARE(w.Box("t_title")->text().size(), title.size());
        w.Press("Update");
        QCOMPARE(w.window.CatalogueGrid().Record(1), record);
        w.dialogs.saveAnswers.push_back(name);
        w.Press("Save");
        QCOMPARE(ReadAll(name), bytes);

        // A line typed at the end of the description ends the line before it with CR LF;
        // every other line keeps its end.
        w.ClickRow(1);
        auto* box = w.Find<DescriptionBox>("t_desc");
        box->setFocus();
        box->moveCursor(QTextCursor::End);
        QTest::keyClicks(box, QStringLiteral("more"));
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClicks(box, QStringLiteral("last"));
        w.Press("Update");
        QCOMPARE(w.window.CatalogueGrid().Record(1).Field(ItemRecord::Description),
                 description + QStringLiteral("more\r\nlast"));
    }

    void buttonsAreUsableOnlyWhereTheyAct() {
        Window w;
        w.Open(kSample);
        w.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        // Row 2 has a page.
        Grid& grid = w.window.CatalogueGrid();
        grid.SetPagePath(2, QStringLiteral("/pages/1002.html"));
        const auto usable = [&w] {
            return QList<bool>{w.Button("Delete")->isEnabled(), w.Button("viewp")->isEnabled(),
                               w.Button("viewh")->isEnabled()};
        };
        w.ClickRow(2);
        QCOMPARE(usable(), (QList<bool>{true, true, true}));
        w.Press("Manual");
        QCOMPARE(usable(), (QList<bool>{false, false, false}));
        QCOMPARE(QApplication::focusWidget(), w.Box("t_Item"));
        w.Press("Cancel");
        QCOMPARE(usable(), (QList<bool>{false, false, false}));
        w.ClickRow(2);
        w.Press("Manual");
        w.Box("t_Item")->setText(QStringLiteral("3001"));
        w.Press("Update");
        // The new row is shown and can be changed or deleted at once: its page can be
        // previewed, it has no source yet.
        QCOMPARE(usable(), (QList<bool>{true, true, false}));
        // After storing, the focus is on the grid, where Space does no harm.
        QCOMPARE(QApplication::focusWidget(), View(w));
        QTest::keyClick(View(w), Qt::Key_Space);
        QCOMPARE(w.Label("Label6"), QStringLiteral("13"));
        QCOMPARE(w.Box("t_Item")->text(), QStringLiteral("3001"));
    }

    void savingBehavesLikeADesktopSave() {
        QTemporaryDir dir;
        const QString shop = dir.filePath(QStringLiteral("shop.csv"));
        QVERIFY(QFile::copy(kSample, shop));
        Window w;
        w.Open(shop);
        // The dialog offers the open catalogue; a name without an extension gets ".csv".
        w.dialogs.saveAnswers.push_back(dir.filePath(QStringLiteral("mycatalogue")));
        w.Press("Save");
        QCOMPARE(w.dialogs.saveSuggestions, QStringList{shop});
        const QString saved = dir.filePath(QStringLiteral("mycatalogue.csv"));
        QCOMPARE(ReadAll(saved), ReadAll(kSample));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("mycatalogue"))));
        w.Press("Save");
        QCOMPARE(w.dialogs.saveSuggestions.last(), saved);
        w.Open(QString());
        QCOMPARE(w.dialogs.openStarts.last(), saved);

        // The status line of a page run goes with the catalogue it was about.
        const QString pages = dir.filePath(QStringLiteral("pages"));
        QVERIFY(QDir().mkpath(pages));
        w.window.SetOutputFolderPrompt(
            [pages](QWidget*, ProgramSettings&) -> std::optional<QString> { return pages; });
        w.Press("Htmls");
        QVERIFY(w.Label("Status").startsWith(QLatin1String("12 pages written")));
        w.messages.answers = {No};
        w.Open(shop);
        QCOMPARE(w.Label("Status"), QString());

        // A folder that takes no new file is named, with what to do.
        const QString locked = dir.filePath(QStringLiteral("locked"));
        QVERIFY(QDir().mkpath(locked));
        const ReadOnlyFolder readOnly(locked);
        if (!readOnly.Usable())
            QSKIP("no folder without write access can be made here");
        w.dialogs.saveAnswers.push_back(locked + QStringLiteral("/shop.csv"));
        w.Press("Save");
        const QString message = w.messages.messages.value(0);
        QVERIFY2(message.contains(QLatin1String("does not let it make a new file")),
                 qPrintable(message));
        QVERIFY2(message.contains(locked), qPrintable(message));
        QVERIFY2(message.contains(QLatin1String("your home folder")), qPrintable(message));
    }

    void readingNeverCrashesHangsOrGarbles() {
        QTemporaryDir dir;
        Window w;
        w.Open(kSample);
        // Not a regular file: refused at once, the grid as it was, nothing asked.
        const QString pipe = dir.filePath(QStringLiteral("pipe.csv"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        w.Open(QStringLiteral("/dev/zero"));
        w.Open(pipe);
        QCOMPARE(w.messages.messages.size(), 2);
        for (const QString& message : w.messages.messages)
            QVERIFY2(message.contains(QLatin1String("No item was read, and the grid is as it was")),
                     qPrintable(message));
        QCOMPARE(w.window.CatalogueGrid().ItemCount(), 12);
        QVERIFY(w.messages.questions.isEmpty());

        // UTF-16 is read as what it is.
        const QString utf16 = dir.filePath(QStringLiteral("utf16.csv"));
        const QString text = QStringLiteral("5,Caf\u00E9 au lait,,,\u20AC3,,,,,\r\n");
        WriteFile(utf16,
                  QByteArray("\xFF\xFE") +
                      QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2));
        w.messages.answers = {No};
        w.Open(utf16);
        QCOMPARE(Cell(w, 1, 2), QStringLiteral("Caf\u00E9 au lait"));
        QCOMPARE(Cell(w, 1, 5), QStringLiteral("\u20AC3"));

        // One stray byte spoils its own field only, and the seller is told.
        const QString mixed = dir.filePath(QStringLiteral("mixed.csv"));
        WriteFile(mixed, "6,Caf\xC3\xA9,Na\xEFve,,,,,,,\r\n");
        w.messages.answers = {No};
        w.Open(mixed);
        QCOMPARE(Cell(w, 1, 2), QStringLiteral("Caf\u00E9"));
        QCOMPARE(Cell(w, 1, 3), QStringLiteral("Na\u00EFve"));
        QVERIFY2(w.messages.messages.last().contains(QLatin1String("1 field of ")),
                 qPrintable(w.messages.messages.last()));
        QVERIFY(w.messages.messages.last().contains(QLatin1String("Windows-1252")));

        // A value that starts with U+FEFF keeps it through the form, a save and an open.
        const QString marked = dir.filePath(QStringLiteral("marked.csv"));
        WriteFile(marked, QStringLiteral("\uFEFF\uFEFF7,\uFEFFTitle,,,,,,,,\r\n").toUtf8());
        w.messages.answers = {No};
        w.Open(marked);
        QCOMPARE(Cell(w, 1, 1), QStringLiteral("\uFEFF7"));
        w.ClickRow(1);
        w.Press("Update");
        const QString saved = dir.filePath(QStringLiteral("saved.csv"));
        w.dialogs.saveAnswers.push_back(saved);
        w.Press("Save");
        w.messages.answers = {No};
        w.Open(saved);
        QCOMPARE(w.window.CatalogueGrid().Record(1).Field(ItemRecord::ItemNumber),
                 QStringLiteral("\uFEFF7"));
        QCOMPARE(Cell(w, 1, 2), QStringLiteral("\uFEFFTitle"));
    }

    void aVeryLongDescriptionLoadsAndStoresWhole() {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("long.csv"));
        QByteArray description(50 * 1000 * 1000, 'x');
        for (qsizetype at = 0; at < description.size(); at += 80)
            description[at] = ' ';
        WriteFile(name, "7,Long,x" + description + ",,,,,,,\r\n8,Short,,,,,,,,\r\n");
        Window w;
        w.Open(name);
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        // The grid shows the start of the cell; the form holds all of it.
        QCOMPARE(Cell(w, 1, 3).size(), Grid::ShownLength + 1);
        w.ClickRow(1);
        auto* box = w.Find<DescriptionBox>("t_desc");
        QVERIFY(box->Abridged());
        w.Box("t_title")->setText(QStringLiteral("Longer"));
        w.Press("Update");
        const ItemRecord stored = w.window.CatalogueGrid().Record(1);
        QCOMPARE(stored.Field(ItemRecord::Title), QStringLiteral("Longer"));
        QCOMPARE(stored.Field(ItemRecord::Description).size(), description.size() + 1);
        QVERIFY(stored.Field(ItemRecord::Description) == QLatin1String("x" + description));
    }
};

QTEST_MAIN(AuctionsKeepsDataTest)
#include "AuctionsKeepsDataTest.moc"
