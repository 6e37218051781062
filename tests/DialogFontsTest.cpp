// SPDX-License-Identifier: GPL-3.0-or-later
// Every dialog made at the desktop fonts sellers use, from 9 to 16 points: each text shows
// whole and every control stands inside its dialog; and every control has a name a screen
// reader says. Dialogs(), with DialogFits::TextsThatDoNotFitAt, checks them again with a
// translator loaded.

#include "DialogFits.h"
#include "RecordingMessageBoxes.h"
#include "app/ProgramSettings.h"
#include "catalogue/ItemRecord.h"
#include "controls/xpbutton/XpButton.h"
#include "pages/CatalogueCheck.h"
#include "pages/SellerTexts.h"
#include "ui/CatalogueCheckDialog.h"
#include "ui/ChangeFieldDialog.h"
#include "ui/DesktopMessageBoxes.h"
#include "ui/ExportListingsDialog.h"
#include "ui/HtmlSourceWindow.h"
#include "ui/LayoutDialog.h"
#include "ui/OutputFolderDialog.h"
#include "ui/PageEngine.h"
#include "ui/PagePreviewWindow.h"
#include "ui/QuestionBox.h"
#include "ui/VolumeSource.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

namespace {

class OneVolume : public VolumeSource {
public:
    QStringList RootPaths() const override { return {QStringLiteral("/")}; }
    bool IsReady(const QString&) const override { return true; }
};

// A catalogue with a repeated item number, an empty one and a picture on a plain http address.
std::vector<CatalogueFinding> Findings() {
    const char* rows[][3] = {
        {"1001", "Victorian brass carriage clock", "https://i.ebayimg.com/images/clock.jpg"},
        {"1002", "Pair of crystal wine glasses", "http://example.com/glasses.jpg"},
        {"1001", "Oak bookends, owl pattern", "https://i.ebayimg.com/images/owls.jpg"},
        {"", "Vintage fountain pen", "https://i.ebayimg.com/images/pen.jpg"},
    };
    std::vector<ItemRecord> records;
    for (const auto& row : rows) {
        ItemRecord record;
        record.SetField(ItemRecord::ItemNumber, QString::fromUtf8(row[0]));
        record.SetField(ItemRecord::Title, QString::fromUtf8(row[1]));
        record.SetField(ItemRecord::ImageAddress, QString::fromUtf8(row[2]));
        record.SetField(ItemRecord::Price, QStringLiteral("$10.00"));
        records.push_back(record);
    }
    return CatalogueCheck::Run(
        records,
        {QStringLiteral("seller@example.com"), QStringLiteral("Leeds"), QStringLiteral("UK")},
        QString());
}

void ShowTo(QWidget& dialog, const DialogFits::Look& look) {
    DialogFits::Settle(dialog);
    look(dialog);
}

// A dialog the code shows with exec(): looked at once it is the modal one, then cancelled.
void LookAtModal(const std::function<void()>& open, const DialogFits::Look& look) {
    QTimer::singleShot(0, [look] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        ShowTo(*dialog, look);
        dialog->reject();
    });
    open();
}

// What the dialogs are shown with; lives as long as the program.
struct Surroundings {
    QTemporaryDir folder;
    ProgramSettings settings;
    OneVolume volumes;
    RecordingMessageBoxes messages;
};

Surroundings& Around() {
    static Surroundings around;
    return around;
}

// The dialogs, each showing its longest texts: a note after a refused Ok, the finding with the
// most to say, a folder not made yet.
std::vector<DialogFits::Dialog> Dialogs() {
    using Look = DialogFits::Look;
    return {
        {QStringLiteral("export"),
         [](const Look& look) {
             ExportListingsDialog dialog{ListingOptions()};
             ShowTo(dialog, look);
         }},
        {QStringLiteral("export, refused"),
         [](const Look& look) {
             ExportListingsDialog dialog{ListingOptions()};
             dialog.Policies()->setChecked(true);
             DialogFits::Settle(dialog);
             QTest::keyClick(dialog.OKButton(), Qt::Key_Return);
             ShowTo(dialog, look);
         }},
        {QStringLiteral("catalogue check"),
         [](const Look& look) {
             const std::vector<CatalogueFinding> findings = Findings();
             CatalogueCheckDialog dialog(findings, 4);
             QTreeWidget* list = dialog.List1();
             QTreeWidgetItem* longest = list->topLevelItem(0);
             for (int line = 0; line < list->topLevelItemCount(); ++line) {
                 QTreeWidgetItem* item = list->topLevelItem(line);
                 const auto length = [](const QTreeWidgetItem* finding) {
                     return finding->text(CatalogueCheckDialog::WhatColumn).size() +
                            finding->text(CatalogueCheckDialog::WhatToDoColumn).size();
                 };
                 if (length(item) > length(longest))
                     longest = item;
             }
             list->setCurrentItem(longest);
             ShowTo(dialog, look);
         }},
        {QStringLiteral("catalogue check, every row in error"),
         [](const Look& look) {
             CatalogueCheckDialog dialog(Findings(), 1, nullptr,
                                         CatalogueCheckDialog::Purpose::Listings);
             ShowTo(dialog, look);
         }},
        {QStringLiteral("layout"),
         [](const Look& look) {
             LayoutDialog dialog(Around().settings);
             ShowTo(dialog, look);
         }},
        {QStringLiteral("output folder"),
         [](const Look& look) {
             Around().settings.SetOutputFolder(Around().folder.path());
             OutputFolderDialog dialog(Around().settings, Around().volumes);
             dialog.SetMessageBoxes(Around().messages);
             dialog.PathBox()->setText(Around().folder.filePath(QStringLiteral("Spring")));
             ShowTo(dialog, look);
         }},
        {QStringLiteral("change field"),
         [](const Look& look) {
             ChangeFieldDialog dialog(3, ItemRecord::ImageAddress, {QStringLiteral("Brand")});
             ShowTo(dialog, look);
         }},
        {QStringLiteral("question"),
         [](const Look& look) {
             QuestionBox box(QStringLiteral("Remove the 3 rows selected?"), nullptr);
             ShowTo(box, look);
         }},
        {QStringLiteral("question before unsaved work goes"),
         [](const Look& look) {
             QuestionBox box(QStringLiteral("Save the changes to the catalogue?"), nullptr,
                             QuestionBox::Buttons::SaveDiscardCancel);
             ShowTo(box, look);
         }},
        {QStringLiteral("asking for a text"),
         [](const Look& look) {
             LookAtModal(
                 [] {
                     DesktopMessageBoxes::Instance().AskText(
                         nullptr, QStringLiteral("Name of the new column:"),
                         QStringLiteral("Brand"));
                 },
                 look);
         }},
        {QStringLiteral("asking for choices"),
         [](const Look& look) {
             LookAtModal(
                 [] {
                     DesktopMessageBoxes::Instance().AskChoices(
                         nullptr, QStringLiteral("Which column holds each field?"),
                         {QStringLiteral("Item number"), QStringLiteral("Title")},
                         {QStringLiteral("A: Item"), QStringLiteral("B: Title")}, {0, 1},
                         QStringLiteral("Open"));
                 },
                 look);
         }},
        {QStringLiteral("source window"),
         [](const Look& look) {
             HtmlSourceWindow window(Around().messages);
             ShowTo(window, look);
         }},
        {QStringLiteral("page preview without its engine"),
         [](const Look& look) {
             PageEngine::SetStartProblemForTests(QStringLiteral("there is no display for it"));
             PagePreviewWindow window(QCoreApplication::applicationDirPath());
             window.ShowNote(QStringLiteral("Click a row of the catalogue to see its page."));
             PageEngine::SetStartProblemForTests(QString());
             ShowTo(window, look);
         }},
    };
}

}  // namespace

class DialogFontsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theChecksFindWhatIsCut() {
        QDialog dialog;
        dialog.resize(300, 200);
        auto* label = new QLabel(QStringLiteral("Dispatch within:"), &dialog);
        const int labelWidth = label->fontMetrics().horizontalAdvance(label->text());
        label->setGeometry(0, 0, labelWidth - 10, 20);
        auto* wrapped = new QLabel(QStringLiteral("one two three four five six seven"), &dialog);
        wrapped->setWordWrap(true);
        wrapped->setGeometry(0, 30, 60, wrapped->fontMetrics().height());
        auto* box = new QLineEdit(QStringLiteral("For parts or not working"), &dialog);
        box->setGeometry(0, 60, 40, 22);
        auto* button = new XpButton(QStringLiteral("Check again"), &dialog);
        button->setGeometry(250, 100, 60, 25);
        DialogFits::Settle(dialog);
        // The label, the wrapped label, the box, and the button: too narrow and outside.
        QCOMPARE(DialogFits::TextsThatDoNotFit(dialog).size(), 5);
        QCOMPARE(DialogFits::ControlsWithoutNames(dialog).size(), 2);
        label->resize(labelWidth + 2, 20);
        wrapped->resize(60, 160);
        box->resize(300, 22);
        button->setGeometry(100, 100, 160, 25);
        button->setAccessibleName(QStringLiteral("Check again"));
        label->setBuddy(box);
        const QStringList cut = DialogFits::TextsThatDoNotFit(dialog);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
        const QStringList unnamed = DialogFits::ControlsWithoutNames(dialog);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char('\n'))));
    }

    void everyTextFitsAtEveryFontSize_data() {
        QTest::addColumn<int>("dialog");
        QTest::addColumn<int>("pointSize");
        const std::vector<DialogFits::Dialog> dialogs = Dialogs();
        for (size_t index = 0; index < dialogs.size(); ++index) {
            for (const int size : {9, 12, 16})
                QTest::addRow("%s at %d pt", qPrintable(dialogs[index].name), size)
                    << int(index) << size;
        }
    }

    void everyTextFitsAtEveryFontSize() {
        QFETCH(int, dialog);
        QFETCH(int, pointSize);
        const QStringList cut =
            DialogFits::TextsThatDoNotFitAt(Dialogs()[size_t(dialog)], pointSize);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    }

    void everyControlHasAName_data() {
        QTest::addColumn<int>("dialog");
        const std::vector<DialogFits::Dialog> dialogs = Dialogs();
        for (size_t index = 0; index < dialogs.size(); ++index)
            QTest::addRow("%s", qPrintable(dialogs[index].name)) << int(index);
    }

    void everyControlHasAName() {
        QFETCH(int, dialog);
        QStringList unnamed = {QStringLiteral("the dialog did not open")};
        Dialogs()[size_t(dialog)].make(
            [&unnamed](QWidget& shown) { unnamed = DialogFits::ControlsWithoutNames(shown); });
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char('\n'))));
    }
};

int main(int argc, char* argv[]) {
    PageEngine::PrepareBeforeApplication();
    QApplication application(argc, argv);
    DialogFontsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "DialogFontsTest.moc"
