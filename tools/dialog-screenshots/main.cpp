// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the dialogs and the source window into PNG pictures, offscreen:
//   dialog-screenshots OUTPUT-FOLDER FOLDER-TO-BROWSE PAGE.html
// The output folder dialog offers FOLDER-TO-BROWSE; the source window shows PAGE.html; the
// catalogue check's dialog shows what it finds in a small faulty catalogue; the export for
// eBay's dialog shows the values it starts with, at the usual font and at 16 points.

#include "app/ProgramSettings.h"
#include "catalogue/ItemRecord.h"
#include "pages/CatalogueCheck.h"
#include "pages/SellerTexts.h"
#include "ui/CatalogueCheckDialog.h"
#include "ui/ExportListingsDialog.h"
#include "ui/HtmlSourceWindow.h"
#include "ui/LayoutDialog.h"
#include "ui/MessageBoxes.h"
#include "ui/OutputFolderDialog.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace {

// Nobody is there to answer a message box: messages go to the error output.
class PrintedMessages : public MessageBoxes {
public:
    void Tell(QWidget*, const QString& text) override {
        QTextStream(stderr) << "dialog-screenshots: " << text << '\n';
        m_told = true;
    }
    Answer Ask(QWidget* parent, const QString& text) override {
        Tell(parent, text);
        return Answer::No;
    }
    bool Told() const { return m_told; }

private:
    bool m_told = false;
};

// A small catalogue with the faults sellers meet most: a heading row, a repeated item
// number, an empty one, a picture on a plain http address and a long title.
std::vector<ItemRecord> FaultyCatalogue() {
    const char* rows[][5] = {
        {"Item", "Title", "Description", "Image", "Price"},
        {"1001", "Victorian brass carriage clock", "Eight-day movement.",
         "https://i.ebayimg.com/images/clock.jpg", "$145.00"},
        {"1002", "Pair of crystal wine glasses", "Hand-cut lead crystal.",
         "http://example.com/glasses.jpg", "$38.50"},
        {"1001", "Oak bookends, owl pattern", "Carved by hand.",
         "https://i.ebayimg.com/images/owls.jpg", "$32.00"},
        {"", "Vintage fountain pen", "Gold nib.", "https://i.ebayimg.com/images/pen.jpg", "$85.00"},
        {"1004",
         "Wool travel rug, tartan, warm and heavy, 150 x 120 cm, from a smoke-free home, "
         "never used",
         "Warm.", "https://i.ebayimg.com/images/rug.jpg", "$27.00"},
    };
    std::vector<ItemRecord> records;
    for (const auto& row : rows) {
        ItemRecord record;
        for (int position = ItemRecord::ItemNumber; position <= ItemRecord::Price; ++position)
            record.SetField(position, QString::fromUtf8(row[position - 1]));
        records.push_back(record);
    }
    return records;
}

bool Save(QWidget& window, const QString& path) {
    window.show();
    QApplication::processEvents();
    const bool saved = window.grab().save(path);
    QTextStream(stderr) << (saved ? "wrote " : "could not write ") << path << '\n';
    return saved;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 4) {
        QTextStream(stderr) << "usage: dialog-screenshots OUTPUT-FOLDER FOLDER-TO-BROWSE "
                               "PAGE.html\n";
        return 2;
    }
    const QDir output(QDir(arguments.at(1)).absolutePath());
    const QString page = QDir(arguments.at(3)).absolutePath();
    ProgramSettings settings;
    bool saved = true;

    LayoutDialog layout(settings);
    saved &= Save(layout, output.filePath(QStringLiteral("layout-dialog.png")));

    const std::vector<ItemRecord> catalogue = FaultyCatalogue();
    const SellerTexts sellerTexts = {QStringLiteral("seller@example.com"), QStringLiteral("Leeds"),
                                     QStringLiteral("Your Country")};
    CatalogueCheckDialog check(CatalogueCheck::Run(catalogue, sellerTexts, QString()),
                               int(catalogue.size()));
    saved &= Save(check, output.filePath(QStringLiteral("check-dialog.png")));

    // The export for eBay's dialog with the values it starts with.
    ExportListingsDialog exportListings{ListingOptions()};
    saved &= Save(exportListings, output.filePath(QStringLiteral("export-dialog.png")));
    // And at a desktop font of 16 points, where the dialog grows with its texts.
    {
        const QFont usual = QApplication::font();
        QFont large = usual;
        large.setPointSize(16);
        QApplication::setFont(large);
        ExportListingsDialog exportLarge{ListingOptions()};
        saved &= Save(exportLarge, output.filePath(QStringLiteral("export-dialog-16pt.png")));
        QApplication::setFont(usual);
    }
    // The output folder dialog offers the folder used last, as the window's settings hold it,
    // with the pages of the faulty catalogue as the run's.
    const QString browsed = QDir(arguments.at(2)).absolutePath();
    if (!QFileInfo(browsed).isDir()) {
        QTextStream(stderr) << "dialog-screenshots: no folder " << arguments.at(2) << '\n';
        return 1;
    }
    settings.SetOutputFolder(browsed);
    OutputFolderDialog folders(settings);
    QStringList pageNames;
    for (const ItemRecord& record : catalogue)
        pageNames << record.Field(ItemRecord::ItemNumber) + QStringLiteral(".html");
    folders.SetPageFileNames(pageNames);
    saved &= Save(folders, output.filePath(QStringLiteral("output-folder-dialog.png")));

    PrintedMessages messages;
    HtmlSourceWindow source(messages);
    source.ShowPage(page);
    saved &= Save(source, output.filePath(QStringLiteral("html-code.png")));
    return saved && !messages.Told() ? 0 : 1;
}
