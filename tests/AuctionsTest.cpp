// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: its controls, states and tab order, opening and saving catalogues through
// prepared dialog answers, failure messages, and the closing prompt. No real dialog or
// message box is ever shown.

#include "app/ProgramSettings.h"
#include "controls/xpbutton/XpButton.h"
#include "editing/Grid.h"
#include "ui/Auctions.h"
#include "ui/FileDialogs.h"
#include "ui/MessageBoxes.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>
#include <QtTest>

#include "AuctionsFixture.h"
#include "FileSizeLimit.h"

class AuctionsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theWindowOpensAtItsFirstSizeAndTheGridAndFormShareAnyMoreRoom() {
        Window w;
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        QCOMPARE(w.window.objectName(), QStringLiteral("Auctions"));
        QCOMPARE(w.window.windowTitle().remove(QStringLiteral("[*]")), QStringLiteral("Lotcraft"));
        QVERIFY(!w.window.windowIcon().isNull());
        // 10470 x 7935 twips at 15 twips a pixel, and never smaller.
        QCOMPARE(w.window.size(), QSize(698, 529));
        QCOMPARE(w.window.minimumSize(), QSize(698, 529));
        QVERIFY(w.window.maximumWidth() > 2000 && w.window.maximumHeight() > 2000);
        QVERIFY(w.window.windowFlags() & Qt::WindowMaximizeButtonHint);

        w.Open(kSample);
        auto* grid = w.Find<QTableView>("MSFlexGrid1");
        const auto rowsShown = [grid] { return grid->rowAt(grid->viewport()->height() - 1); };
        const int firstRows = rowsShown();
        const QRect firstGrid = grid->geometry();
        const QRect firstClose = w.Find("Close")->geometry();
        const QRect firstItem = w.Find("t_Item")->geometry();
        const QRect firstHelp = w.Find("Help")->geometry();
        const QRect firstSeller = w.Box("Seller")->geometry();
        const QRect firstTitle = w.Box("t_title")->geometry();
        const QRect firstDescription = w.Find("t_desc")->geometry();
        const QRect firstPrice = w.Box("t_price")->geometry();
        const QRect firstImage = w.Box("t_Image")->geometry();
        w.window.resize(698 + 300, 529 + 200);
        // The grid takes half the height gained, the description box the other half; the
        // form's boxes widen, its other controls keep their places beside them.
        QCOMPARE(grid->geometry(), firstGrid.adjusted(0, 0, 300, 100));
        QVERIFY(rowsShown() > firstRows || rowsShown() == -1);
        QCOMPARE(w.Find("t_Item")->geometry(), firstItem.translated(0, 100));
        QCOMPARE(w.Box("t_title")->geometry(),
                 firstTitle.translated(0, 100).adjusted(0, 0, 300, 0));
        QCOMPARE(w.Find("t_desc")->geometry(),
                 firstDescription.translated(0, 100).adjusted(0, 0, 300, 100));
        QCOMPARE(w.Box("t_Image")->geometry(),
                 firstImage.translated(0, 200).adjusted(0, 0, 300, 0));
        QCOMPARE(w.Box("t_price")->geometry(), firstPrice.translated(300, 100));
        QCOMPARE(w.Find("Close")->geometry(), firstClose.translated(300, 200));
        QCOMPARE(w.Find("Label6")->geometry().top(), grid->geometry().bottom() + 1 + 15);
        // What lies above the grid stays where it was.
        QCOMPARE(w.Find("Help")->geometry(), firstHelp);
        QCOMPARE(w.Box("Seller")->geometry(), firstSeller);
        // Back to the first size, everything is where the tables put it.
        w.window.resize(698, 529);
        QCOMPARE(grid->geometry(), firstGrid);
        QCOMPARE(w.Find("Close")->geometry(), firstClose);
    }

    void theProgramsOwnFolderIsNeverTheOutputFolder() {
        // Until the seller chooses a folder, the output folder dialog offers one of their own.
        ProgramSettings settings;
        Auctions window(settings);
        QVERIFY(settings.OutputFolder().isEmpty());
    }

    void controlsStandAtTheirPlaces() {
        Window w;
        // Twips over 15, truncated.
        QCOMPARE(w.Find("Image1")->geometry(), QRect(16, 16, 187, 54));
        QCOMPARE(w.Find("MSFlexGrid1")->geometry(), QRect(16, 144, 665, 137));
        QCOMPARE(w.Find("t_desc")->geometry(), QRect(32, 376, 257, 49));
        QCOMPARE(w.Find("t_cat")->geometry(), QRect(370, 424, 33, 25));
        QCOMPARE(w.Find("Label6")->geometry(), QRect(640, 296, 41, 17));
        QCOMPARE(w.Find("Help")->geometry(), QRect(616, 16, 59, 53));
        QCOMPARE(w.Find("Close")->geometry(), QRect(608, 480, 65, 25));
        for (const char* name :
             {"Label1", "Label2", "Label3", "Label4", "Label9", "Label14", "Label5", "Tit",
              "Label17", "Label13", "Label12", "Label11", "Label16", "Label15", "Label10"})
            QVERIFY(!w.Find<QLabel>(name)->text().isEmpty());
        QCOMPARE(w.Label("Label3"), QStringLiteral("Country/Region "));
        QCOMPARE(w.Label("Label11"), QStringLiteral("First Bid"));
        QCOMPARE(w.Label("Label6"), QStringLiteral("0"));
        QCOMPARE(w.Label("Label7"), QStringLiteral("0"));
        QCOMPARE(w.Box("Location")->text(), QStringLiteral("Your Location"));
        QCOMPARE(w.Box("Country")->text(), QStringLiteral("Your Country"));
        QVERIFY(w.Box("Seller")->text().contains(QLatin1String("e-mail")));
        QCOMPARE(w.Box("t_price")->toolTip(), QStringLiteral("Ie $29.99"));
        QCOMPARE(w.Box("t_ends")->toolTip(), QStringLiteral("Ie Nov-25-02 10:33:39 PST"));
        QVERIFY(w.Box("t_Image")->toolTip().endsWith(QLatin1String("/images/imagename.jpg")));
        QVERIFY(w.Box("t_html")->isReadOnly());
    }

    void buttonsAreRestoredWithTheirLooksAndStates() {
        Window w;
        for (const char* name : {"Load", "Manual", "Htmls", "Save", "Help"}) {
            XpButton* button = w.Button(name);
            QVERIFY(button->Caption().isEmpty());
            QVERIFY(!button->Picture().IsNone());
            QCOMPARE(button->PictureWidth(), 55);
            QVERIFY(button->PictureHeight() == 46 || button->PictureHeight() == 47);
            QVERIFY(button->XPShowBorderAlways());
        }
        const char* all[] = {"Load",   "Manual", "Htmls",  "Save",  "Help",  "XpButton1",
                             "Update", "Cancel", "Delete", "viewh", "viewp", "Close"};
        for (const char* name : all) {
            QCOMPARE(w.Button(name)->ButtonStyle(), XpButton::XpRounded);
            QCOMPARE(w.Button(name)->MousePointer(), XpButton::CustomPointer);
            const bool faceHover = qstrcmp(name, "Htmls") == 0 || qstrcmp(name, "Save") == 0;
            QCOMPARE(w.Button(name)->XPColor_Hover() == 0x8000000Fu, faceHover);
        }
        QCOMPARE(w.Button("Update")->Caption(), QStringLiteral("Update"));
        QCOMPARE(w.Button("Close")->Caption(), QStringLiteral("Close"));
        QCOMPARE(w.Button("viewh")->Caption(), QStringLiteral("View Html Code"));
        QCOMPARE(w.Button("viewp")->Caption(), QStringLiteral("View Page"));
        QCOMPARE(w.Button("XpButton1")->Caption(), QStringLiteral("?"));
        for (const char* name : {"Htmls", "Save", "Update", "Delete", "viewh", "viewp"})
            QVERIFY2(!w.Button(name)->isEnabled(), name);
        for (const char* name : {"Load", "Manual", "Help", "Close", "XpButton1"})
            QVERIFY2(w.Button(name)->isEnabled(), name);
        QVERIFY(w.Button("Cancel")->isHidden());
        for (const char* name : {"t_Item", "t_title", "t_Image", "t_price", "t_first", "t_start",
                                 "t_ends", "t_cat", "t_html"})
            QVERIFY2(!w.Box(name)->isEnabled(), name);
        QVERIFY(!w.Find("t_desc")->isEnabled());
    }

    void tabGoesThroughTheFormAsItIsRead() {
        Window w;
        w.Open(kSample);
        w.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        // A whole record typed with Tab between the fields, then Enter.
        QTest::keyClick(&w.window, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("t_Item"));
        const struct {
            const char* box;
            int position;
            const char* typed;
        } fields[] = {
            {"t_Item", ItemRecord::ItemNumber, "5001"},
            {"t_title", ItemRecord::Title, "Test brass lamp"},
            {"t_desc", ItemRecord::Description, "First line"},
            {"t_Image", ItemRecord::ImageAddress, "https://example.com/lamp.jpg"},
            {"t_price", ItemRecord::Price, "$40.00"},
            {"t_first", ItemRecord::FirstBid, "$10.00"},
            {"t_start", ItemRecord::StartTime, "Nov-25-02 10:33:39 PST"},
            {"t_ends", ItemRecord::EndTime, "Dec-02-02 10:33:39 PST"},
            {"t_cat", ItemRecord::Category, "1234"},
        };
        for (const auto& field : fields) {
            QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(field.box));
            QTest::keyClicks(QApplication::focusWidget(), QLatin1String(field.typed));
            if (field.position != ItemRecord::Category)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(w.Label("Label6"), QStringLiteral("13"));
        const ItemRecord stored = w.window.CatalogueGrid().Record(13);
        for (const auto& field : fields)
            QCOMPARE(stored.Field(field.position), QLatin1String(field.typed));
        // Past the form, Tab goes on through its buttons, then the page path and views.
        w.Box("t_cat")->setFocus();
        for (const char* next : {"XpButton1", "Update", "Delete", "t_html", "viewp"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(next));
        }
        // The top of the window reads left to right too.
        w.Button("Load")->setFocus();
        for (const char* next : {"Manual", "Htmls", "Save", "Export", "Help", "Seller", "Location",
                                 "Country", "MSFlexGrid1"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(next));
        }
    }

    void loadingShowsTheRowsAndTheCount() {
        Window w;
        w.Open(kSample);
        QCOMPARE(w.dialogs.opens, 1);
        QCOMPARE(w.window.CatalogueGrid().ItemCount(), 12);
        QCOMPARE(w.Label("Label6"), QStringLiteral("12"));
        auto* view = w.Find<QTableView>("MSFlexGrid1");
        QCOMPARE(view->model()->rowCount(), 12);
        QCOMPARE(view->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Item"));
        QCOMPARE(view->model()->index(0, 0).data().toString(), QStringLiteral("1001"));
        QCOMPARE(view->columnWidth(2), 200);  // Description: 3000 twips
        QVERIFY(w.Button("Htmls")->isEnabled());
        QVERIFY(w.Button("Save")->isEnabled());
        QVERIFY(w.messages.messages.isEmpty());

        // A click on a row fills the form.
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        w.ClickRow(3);
        QCOMPARE(w.Box("t_Item")->text(), QStringLiteral("1003"));
        QCOMPARE(w.Box("t_html")->text(), QStringLiteral("< html not generated >"));
        QVERIFY(w.Box("t_title")->isEnabled());
        QVERIFY(w.Button("Update")->isEnabled() && w.Button("Delete")->isEnabled());
    }

    void theItemCountIsShownOnceTheCatalogueIsIn() {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("big.csv"));
        QByteArray bytes;
        for (int n = 0; n < 3000; ++n)
            bytes += QByteArray::number(n) + ",t,d,i,p,f,,s,e,c\r\n";
        WriteFile(name, bytes);
        Window w;
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        PaintedTexts painted(w.Find<QLabel>("Label6"));
        w.Open(name);
        // The reset's 0, then the count of the rows appended in one block.
        QCOMPARE(painted.texts.first(), QStringLiteral("0"));
        QCOMPARE(painted.texts.last(), QStringLiteral("3000"));
        QCOMPARE(w.Label("Label6"), QStringLiteral("3000"));
    }

    void openingAnotherCatalogueShowsItsFirstRow() {
        QTemporaryDir dir;
        const QString other = dir.filePath(QStringLiteral("other.csv"));
        WriteFile(other, "9,nine,,,,,,,,\r\n");
        Window w;
        w.Open(kSample);
        w.ClickRow(1);
        w.messages.answers = {No};
        w.Open(other);
        QCOMPARE(w.window.CatalogueGrid().ItemCount(), 1);
        QCOMPARE(w.Label("Label6"), QStringLiteral("1"));
        QVERIFY(w.Button("Htmls")->isEnabled() && w.Button("Save")->isEnabled());
        // The form of the earlier catalogue is gone: the new one's first row is in it, and
        // nothing was asked, since nothing had changed.
        QCOMPARE(w.Box("t_Item")->text(), QStringLiteral("9"));
        QCOMPARE(w.Box("t_title")->text(), QStringLiteral("nine"));
        QVERIFY(w.Box("t_Item")->isEnabled());
        QVERIFY(w.Button("Update")->isEnabled() && w.Button("Delete")->isEnabled());
        auto* view = w.Find<QTableView>("MSFlexGrid1");
        QCOMPARE(view->currentIndex().row(), 0);
        QVERIFY(w.messages.messages.isEmpty());
        QVERIFY(w.messages.questions.isEmpty());
    }

    void aLoadFailureIsShownWithTheRecordsBeforeIt() {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("cut.csv"));
        WriteFile(name, "1,a,,,,,,,,\r\n2,b,,,,,,,,\r\n3,c,d\r\n");
        Window w;
        w.Open(name);
        QCOMPARE(w.window.CatalogueGrid().ItemCount(), 2);
        QCOMPARE(w.Label("Label6"), QStringLiteral("2"));
        QCOMPARE(w.messages.messages.size(), 1);
        const QString message = w.messages.messages[0];
        QVERIFY2(message.contains(name), qPrintable(message));
        QVERIFY2(message.contains(QLatin1String("record 3 is cut short")), qPrintable(message));
        QVERIFY2(message.contains(QLatin1String("The 2 items")), qPrintable(message));
        QVERIFY(w.Button("Htmls")->isEnabled() && w.Button("Save")->isEnabled());

        // A file of which nothing can be read leaves the grid as it is, and asks nothing.
        const QString missing = dir.filePath(QStringLiteral("missing.csv"));
        w.Open(missing);
        QCOMPARE(w.messages.messages.size(), 2);
        QVERIFY(w.messages.messages[1].contains(missing));
        QVERIFY(w.messages.messages[1].contains(QLatin1String("No item was read")));
        QVERIFY(w.messages.questions.isEmpty());
        QCOMPARE(w.window.CatalogueGrid().ItemCount(), 2);
    }

    void savingWritesEveryRecord() {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("saved.csv"));
        Window w;
        w.Open(kSample);
        w.dialogs.saveAnswers.push_back(name);
        w.Press("Save");
        QCOMPARE(ReadAll(name), ReadAll(kSample));

        // A record entered in the form is saved as typed, its Spare from the buffer.
        w.Press("Manual");
        w.Box("t_Item")->setText(QStringLiteral("2001"));
        w.Box("t_title")->setText(QStringLiteral("Tin toy"));
        w.Box("t_cat")->setText(QStringLiteral("45"));
        w.Find<QPlainTextEdit>("t_desc")->setPlainText(QStringLiteral("Wind-up, works"));
        w.Press("Update");
        QCOMPARE(w.Label("Label6"), QStringLiteral("13"));
        // The new row is the one the form shows, and the view marks it.
        const QModelIndexList marked =
            w.Find<QTableView>("MSFlexGrid1")->selectionModel()->selectedRows();
        QCOMPARE(marked.size(), 1);
        QCOMPARE(marked[0].row(), 12);
        w.dialogs.saveAnswers.push_back(name);
        w.Press("Save");
        QVERIFY(ReadAll(name).endsWith("\r\n2001,Tin toy,\"Wind-up, works\",,,,,,,45\r\n"));
        QVERIFY(w.messages.messages.isEmpty());
    }

    void cancellingTheSaveDialogWritesNothing() {
        QTemporaryDir dir;
        Window w;
        w.Open(kSample);
        w.Press("Save");
        QCOMPARE(w.dialogs.saves, 1);
        QVERIFY(QDir(dir.path()).isEmpty());
        QVERIFY(w.messages.messages.isEmpty());
    }

    void aFailedSaveIsShownAndKeepsTheOldFile() {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("shop.csv"));
        WriteFile(name, "old,,,,,,,,,\r\n");
        Window w;
        w.Open(kSample);
        // Files may grow to 1000 bytes only: the catalogue of 2229 bytes cannot be written.
        {
            const FileSizeLimit limit(1000);
            QVERIFY(limit.Active());
            w.dialogs.saveAnswers.push_back(name);
            w.Press("Save");
        }

        QCOMPARE(ReadAll(name), QByteArray("old,,,,,,,,,\r\n"));
        QCOMPARE(w.messages.messages.size(), 1);
        const QString message = w.messages.messages[0];
        QVERIFY2(message.startsWith(QLatin1String("The catalogue was not saved")),
                 qPrintable(message));
        QVERIFY2(message.contains(name), qPrintable(message));
        QVERIFY2(message.contains(QLatin1String("save again")), qPrintable(message));
    }

    void closingAnEmptyGridAsksNothing() {
        Window w;
        w.window.show();
        QVERIFY(w.window.close());
        QVERIFY(w.messages.questions.isEmpty());
        QCOMPARE(w.dialogs.saves, 0);
    }

    void closingAsksOnlyWhenSomethingIsUnsaved() {
        {
            // Just opened: nothing to ask.
            Window w;
            w.Open(kSample);
            w.window.show();
            w.Press("Close");
            QVERIFY(!w.window.isVisible());
            QVERIFY(w.messages.questions.isEmpty());
        }
        const auto changed = [](Window& w) {
            w.Open(kSample);
            w.window.show();
            w.ClickRow(2);
            w.Box("t_title")->setText(QStringLiteral("Changed title"));
            w.Press("Update");
        };
        {
            // Don't Save: nothing is written.
            Window w;
            changed(w);
            w.messages.answers = {No};
            w.Press("Close");
            QVERIFY(!w.window.isVisible());
            QCOMPARE(w.messages.saveQuestions, QStringList{Auctions::ClosingQuestion()});
            QCOMPARE(ReadAll(w.SampleCopy()), ReadAll(kSample));
            QCOMPARE(w.dialogs.saves, 0);
        }
        {
            // Save: the open catalogue is saved on the way out, with no dialog.
            Window w;
            changed(w);
            w.messages.answers = {Yes};
            QVERIFY(w.window.close());
            QCOMPARE(w.dialogs.saves, 0);
            QVERIFY(ReadAll(w.SampleCopy()).contains("\r\n1002,Changed title,"));
        }
        {
            // Cancel: the window stays with everything in it.
            Window w;
            changed(w);
            w.messages.answers = {Dismissed};
            QVERIFY(!w.window.close());
            QVERIFY(w.window.isVisible());
            QCOMPARE(w.window.CatalogueGrid().Field(2, ItemRecord::Title),
                     QStringLiteral("Changed title"));
        }
    }

    void cancelIsVisibleOnlyInInsertMode() {
        Window w;
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        XpButton* cancel = w.Button("Cancel");
        QVERIFY(!cancel->isVisible());
        w.Press("Manual");
        QVERIFY(cancel->isVisible());
        QCOMPARE(w.Button("Update")->Caption(), QStringLiteral("Insert"));
        w.Press("Cancel");
        QVERIFY(!cancel->isVisible());
        QCOMPARE(w.Button("Update")->Caption(), QStringLiteral("Update"));
        w.Press("Manual");
        w.Press("Update");
        QVERIFY(!cancel->isVisible());
        QCOMPARE(w.Label("Label6"), QStringLiteral("1"));
        // Escape leaves insert mode as Cancel does.
        w.Press("Manual");
        w.Box("t_title")->setFocus();
        QTest::keyClick(w.Box("t_title"), Qt::Key_Escape);
        QVERIFY(!cancel->isVisible());
        QVERIFY(!w.Box("t_title")->isEnabled());
        // The focus goes back to the grid, not to a button.
        QCOMPARE(QApplication::focusWidget(), w.Find("MSFlexGrid1"));
    }

    void deletingAsksAndRemovesTheShownRow() {
        Window w;
        w.Open(kSample);
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        w.ClickRow(1);
        w.messages.answers = {No};
        w.Press("Delete");
        QCOMPARE(w.messages.questions,
                 QStringList{QStringLiteral("Are you sure you want to delete this record ?\n\n"
                                            "Item 1001: Victorian brass carriage clock")});
        QCOMPARE(w.Label("Label6"), QStringLiteral("12"));
        w.messages.answers = {Yes};
        w.Press("Delete");
        QCOMPARE(w.Label("Label6"), QStringLiteral("11"));
        auto* view = w.Find<QTableView>("MSFlexGrid1");
        QCOMPARE(view->model()->index(0, 0).data().toString(), QStringLiteral("1002"));
        QVERIFY(!view->selectionModel()->hasSelection());
        QVERIFY(w.Box("t_Item")->text().isEmpty());
        QVERIFY(!w.Button("Delete")->isEnabled());
    }

    void theKeyboardReachesTheGridAndTheForm() {
        Window w;
        w.Open(kSample);
        w.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        auto* view = w.Find<QTableView>("MSFlexGrid1");
        // Opening showed the first row, so the first Down goes to the second.
        QCOMPARE(w.Box("t_Item")->text(), QStringLiteral("1001"));
        QCOMPARE(QApplication::focusWidget(), view);
        QTest::keyClick(view, Qt::Key_Down);
        QCOMPARE(w.Box("t_Item")->text(), QStringLiteral("1002"));
        // Enter in a box stores the form, as Update does.
        w.Box("t_price")->setFocus();
        w.Box("t_price")->setText(QStringLiteral("$1.23"));
        QTest::keyClick(w.Box("t_price"), Qt::Key_Return);
        QCOMPARE(view->model()->index(1, 4).data().toString(), QStringLiteral("$1.23"));
        // The stored row stays in the form, ready for the next change.
        QCOMPARE(w.Box("t_Item")->text(), QStringLiteral("1002"));
        QVERIFY(w.Box("t_price")->isEnabled() && w.Button("Update")->isEnabled());
        QCOMPARE(view->currentIndex().row(), 1);
    }
};

QTEST_MAIN(AuctionsTest)
#include "AuctionsTest.moc"
