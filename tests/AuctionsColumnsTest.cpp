// SPDX-License-Identifier: GPL-3.0-or-later
// The window with a catalogue kept as sellers keep it: a heading in their order, columns of
// their own, a field's column chosen on opening, the listing details edited, columns added
// and removed, and every change undone and saved back byte for byte.

#include "AuctionsFixture.h"
#include "SpreadsheetFiles.h"

#include "ui/GridView.h"
#include "ui/ListingDetailsList.h"

#include <QApplication>
#include <QTableWidget>

namespace {

const QByteArray kStock =
    "Title,Item number,Notes,Price,Listed,Quantity,C:Brand\r\n"
    "Brass clock,1001,\"wound, keeps time\",$45,Nov-25-02,1,Smiths\r\n"
    "Fountain pen,1002,,$9,,5,Parker\r\n";

QStringList Headings(Window& w) {
    QStringList headings;
    QAbstractItemModel* model = w.Find<GridView>("MSFlexGrid1")->model();
    for (int column = 0; column < model->columnCount(); ++column)
        headings << model->headerData(column, Qt::Horizontal).toString();
    return headings;
}

}  // namespace

class AuctionsColumnsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aSellersOwnCatalogueIsEditedAndSavedBack() {
        Window w;
        const QString path = w.scratch.filePath(QStringLiteral("stock.csv"));
        WriteFile(path, kStock);
        // No column is named for six fields: "Listed" is chosen for the start time.
        w.messages.choices.push_back({0, 0, 0, 2, 0, 0});
        w.Open(path);
        QCOMPARE(w.messages.choiceLabels,
                 QString::fromLatin1("Description|Image|First bid|Started|Ends|Category")
                     .split(QLatin1Char('|')));
        const Grid& grid = w.window.CatalogueGrid();
        QCOMPARE(grid.ItemCount(), 2);
        QCOMPARE(grid.Field(1, ItemRecord::StartTime), QStringLiteral("Nov-25-02"));
        QCOMPARE(Headings(w).mid(9),
                 QString::fromLatin1("Html|Notes|Quantity|C:Brand").split(QLatin1Char('|')));
        QVERIFY2(w.Label("Status").contains(QLatin1String("\"Listed\" as Started")),
                 qPrintable(w.Label("Status")));

        // Wide enough, the listing details stand beside the form.
        w.window.resize(w.window.size() + QSize(MainWindowLayout::DetailsWidth(), 0));
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        auto* details = w.Find<ListingDetailsList>("ListingDetails");
        QVERIFY(details->isVisible());
        w.ClickRow(2);
        auto* table = w.Find<QTableWidget>("ListingDetailsTable");
        QCOMPARE(table->item(1, 0)->text(), QStringLiteral("Quantity"));
        QCOMPARE(table->item(1, 1)->text(), QStringLiteral("5"));
        table->item(1, 1)->setText(QStringLiteral("7"));
        w.Press("Update");
        QCOMPARE(grid.Record(2).Extra(1), QStringLiteral("7"));

        // A column added and one removed, each a step of its own.
        w.messages.texts.push_back(QStringLiteral("C:Colour"));
        w.Press("AddColumn");
        QCOMPARE(grid.Columns().ExtraNames().last(), QStringLiteral("C:Colour"));
        table->setCurrentCell(0, 1);
        w.messages.answers.push_back(Yes);
        w.Press("RemoveColumn");
        QCOMPARE(grid.Columns().ExtraNames(),
                 QString::fromLatin1("Quantity|C:Brand|C:Colour").split(QLatin1Char('|')));
        QCOMPARE(grid.Record(1).Extras().value(0), QStringLiteral("1"));

        // Undone step by step, back to the file as it was; the value edited done again.
        QAction* undo = w.window.Command(WindowCommands::Undo);
        QCOMPARE(undo->text(), QStringLiteral("&Undo removal of column Notes"));
        undo->trigger();
        undo->trigger();
        QCOMPARE(grid.Columns().ExtraNames(),
                 QString::fromLatin1("Notes|Quantity|C:Brand").split(QLatin1Char('|')));
        QCOMPARE(grid.Record(1).Extra(0), QStringLiteral("wound, keeps time"));
        undo->trigger();
        QCOMPARE(grid.Record(2).Extra(1), QStringLiteral("5"));
        w.window.Command(WindowCommands::Save)->trigger();
        QCOMPARE(ReadAll(path), kStock);
        w.window.Command(WindowCommands::Redo)->trigger();
        w.window.Command(WindowCommands::Save)->trigger();
        QByteArray edited = kStock;
        edited.replace(",5,Parker", ",7,Parker");
        QCOMPARE(ReadAll(path), edited);

        // The next file of the same heading offers the same choice first.
        w.messages.choices.push_back({0, 0, 0, 0, 0, 0});
        w.Open(path);
        QCOMPARE(w.messages.choiceStarts, (std::vector<int>{0, 0, 0, 2, 0, 0}));
        QCOMPARE(grid.Field(1, ItemRecord::StartTime), QString());

        // An eBay category template adds the item specifics the catalogue lacks, stars and all.
        const QString categoryTemplate = w.scratch.filePath(QStringLiteral("template.csv"));
        WriteFile(categoryTemplate,
                  "#INFO,Version=1.0.0,Template=fx_category_template_EBAY_US\r\n"
                  "*Action(SiteID=US|Country=US|Currency=USD|Version=1193),"
                  "CustomLabel,*Category,*Title,*C:Brand,C:Colour,*C:Type\r\n"
                  "#INFO,,,,Enter the brand,,\r\n");
        w.dialogs.openAnswers.push_back(categoryTemplate);
        w.Press("TemplateColumns");
        QCOMPARE(grid.Columns().ExtraNames().mid(4),
                 QString::fromLatin1("C:Colour|*C:Type").split(QLatin1Char('|')));
        QVERIFY2(w.Label("Status").contains(QLatin1String("Added 2 columns from template.csv")),
                 qPrintable(w.Label("Status")));

        // A kept column changed in every selected row at once (Ctrl+H), as a field is.
        const int brand = ItemRecord::FirstExtraPosition + grid.Columns().ExtraNamed(u"C:Brand");
        w.window.SetChangeFieldPrompt([brand](QWidget*, int, int) {
            RecordEditor::FieldChange change;
            change.position = brand;
            change.value = QStringLiteral("Acme");
            return std::optional<RecordEditor::FieldChange>(change);
        });
        w.Find<GridView>("MSFlexGrid1")->SelectRows({1, 2});
        w.window.Command(WindowCommands::ChangeField)->trigger();
        QCOMPARE(grid.Record(1).Value(brand), QStringLiteral("Acme"));
        QCOMPARE(grid.Record(2).Value(brand), QStringLiteral("Acme"));
        QCOMPARE(w.window.Command(WindowCommands::Undo)->text(),
                 QStringLiteral("&Undo change of C:Brand in 2 items"));
    }

    void aSpreadsheetIsOpenedAndNeverWrittenOver() {
        Window w;
        const auto row = [](const char* cells) -> QString {
            QString row = QStringLiteral("<table:table-row>");
            for (const QString& cell : QString::fromUtf8(cells).split(QLatin1Char('|')))
                row += QStringLiteral("<table:table-cell><text:p>%1</text:p></table:table-cell>")
                           .arg(cell);
            return row + QStringLiteral("</table:table-row>");
        };
        const QByteArray sheet = OpenDocument(
            QStringLiteral("<table:table table:name=\"Stock\">") + row("SKU|Title|Price|Notes") +
            row("A1|Brass clock|$45|wound") + row("A2|Café poster|€120|") +
            QStringLiteral("</table:table><table:table table:name=\"Sold\"/>"));
        const QString path = w.scratch.filePath(QStringLiteral("stock.ods"));
        WriteFile(path, sheet);
        // Neither field to be matched to Notes: both left empty.
        w.messages.choices.push_back(std::vector<int>(6, 0));
        w.Open(path);
        const Grid& grid = w.window.CatalogueGrid();
        QCOMPARE(grid.ItemCount(), 2);
        QCOMPARE(grid.Field(2, ItemRecord::Title), QStringLiteral("Café poster"));
        QCOMPARE(grid.Record(1).Extras(), QStringList{QStringLiteral("wound")});
        QVERIFY2(w.messages.messages.value(0).contains(
                     QLatin1String("stock.ods holds 2 sheets: the first, \"Stock\", was read.")),
                 qPrintable(w.messages.messages.join(QLatin1Char('|'))));

        // Ctrl+S offers a CSV file beside it; the spreadsheet itself is refused.
        w.dialogs.saveAnswers = {path, w.scratch.filePath(QStringLiteral("stock.csv"))};
        w.window.Command(WindowCommands::Save)->trigger();
        QCOMPARE(w.dialogs.saveSuggestions.value(0),
                 w.scratch.filePath(QStringLiteral("stock.csv")));
        QVERIFY(w.messages.messages.last().contains(QLatin1String("stock.ods is a spreadsheet")));
        QCOMPARE(ReadAll(path), sheet);
        w.window.Command(WindowCommands::Save)->trigger();
        QCOMPARE(ReadAll(w.scratch.filePath(QStringLiteral("stock.csv"))),
                 QByteArray("SKU,Title,Price,Notes\r\nA1,Brass clock,$45,wound\r\n"
                            "A2,Caf\xC3\xA9 poster,\xE2\x82\xAC"
                            "120,\r\n"));
        QCOMPARE(ReadAll(path), sheet);
    }
};

QTEST_MAIN(AuctionsColumnsTest)
#include "AuctionsColumnsTest.moc"
