// SPDX-License-Identifier: GPL-3.0-or-later
// Every dialog made at the desktop fonts sellers use, from 9 to 16 points: each text shows
// whole and every control stands inside its dialog; and every control has a name a screen
// reader says. So in English and in each language Lotcraft is translated into, from the .qm
// files beside the test program, or those in the folder LOTCRAFT_TRANSLATIONS_FOLDER names
// (an installed package's). The questions asked in the dialogs are the program's own, so that
// they come translated as the seller sees them. LOTCRAFT_DIALOG_SHOTS=FOLDER keeps a picture of
// each dialog as checked there, named after the test's row.

#include "DialogFits.h"
#include "RecordingMessageBoxes.h"
#include "app/ProgramSettings.h"
#include "catalogue/CatalogueColumns.h"
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
#include "ui/ProgramLanguage.h"
#include "ui/QuestionBox.h"
#include "ui/VolumeSource.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

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
        {QStringLiteral("export, refused for the policies' names"),
         [](const Look& look) {
             ExportListingsDialog dialog{ListingOptions()};
             dialog.ShippingService()->setCurrentText(QStringLiteral("USPSGroundAdvantage"));
             dialog.ShippingCost()->setText(QStringLiteral("0"));
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
             QuestionBox box(QCoreApplication::translate("Auctions",
                                                         "Remove the column %1, and its value in "
                                                         "every item ? Ctrl+Z brings it back.")
                                 .arg(QStringLiteral("C:Brand")),
                             nullptr);
             ShowTo(box, look);
         }},
        {QStringLiteral("question before unsaved work goes"),
         [](const Look& look) {
             QuestionBox box(
                 QCoreApplication::translate("CatalogueFiles", "Do you want to save changes ?"),
                 nullptr, QuestionBox::Buttons::SaveDiscardCancel);
             ShowTo(box, look);
         }},
        {QStringLiteral("asking for a text"),
         [](const Look& look) {
             LookAtModal(
                 [] {
                     DesktopMessageBoxes::Instance().AskText(
                         nullptr,
                         QCoreApplication::translate(
                             "Auctions",
                             "The new column's name (an item specific as eBay names it: "
                             "C:Brand, C:Colour; or Quantity, Format, Duration, ConditionID):"),
                         QStringLiteral("C:Brand"));
                 },
                 look);
         }},
        {QStringLiteral("asking for choices"),
         [](const Look& look) {
             LookAtModal(
                 [] {
                     DesktopMessageBoxes::Instance().AskChoices(
                         nullptr,
                         QCoreApplication::translate(
                             "CatalogueFiles",
                             "The first line of %1 names its columns, but none of them is one "
                             "of these fields. Choose the column that holds each field, or "
                             "leave it empty; the columns not chosen are kept as they stand.")
                             .arg(QStringLiteral("spring-stock.csv")),
                         {CatalogueColumns::NameOfField(ItemRecord::ItemNumber),
                          CatalogueColumns::NameOfField(ItemRecord::Title)},
                         {QCoreApplication::translate("CatalogueFiles", "(no column: left empty)"),
                          QStringLiteral("Lot"), QStringLiteral("Headline")},
                         {0, 1}, QCoreApplication::translate("CatalogueFiles", "Open"));
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
             window.ShowNote(QCoreApplication::translate(
                 "Auctions",
                 "Click a row of the grid, or press INSERT NEW RECORD, and its page "
                 "is shown here as you type."));
             PageEngine::SetStartProblemForTests(QString());
             ShowTo(window, look);
         }},
    };
}

// The languages the dialogs are checked in: the locale, and the export dialog's title in it,
// so that a translation not loaded does not pass for one that fits.
void AddLanguageColumns() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("exportTitle");
}

struct Language {
    const char* name;
    QString locale;
    QString exportTitle;
};

std::vector<Language> Languages() {
    return {{"English", QStringLiteral("C"), QStringLiteral("Export for eBay")},
            {"German", QStringLiteral("de_DE"), QStringLiteral("Für eBay exportieren")}};
}

// The seller's language for as long as it lives, checked to be the one asked for.
std::unique_ptr<ProgramLanguage> Speak(const QString& locale, const QString& exportTitle) {
    auto language = std::make_unique<ProgramLanguage>(
        QLocale(locale), qEnvironmentVariable("LOTCRAFT_TRANSLATIONS_FOLDER",
                                              ProgramLanguage::TranslationsFolder()));
    const bool english = locale == QLatin1String("C");
    if (language->Translated() == english)
        return nullptr;
    if (QCoreApplication::translate("ExportListingsDialog", "Export for eBay") != exportTitle)
        return nullptr;
    return language;
}

// The dialog, kept as a picture in the folder LOTCRAFT_DIALOG_SHOTS names, if any, when looked at.
DialogFits::Dialog Pictured(const DialogFits::Dialog& dialog) {
    const QString folder = qEnvironmentVariable("LOTCRAFT_DIALOG_SHOTS");
    if (folder.isEmpty())
        return dialog;
    const QString file = QDir(folder).filePath(
        QString::fromUtf8(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('_')) +
        QLatin1String(".png"));
    const DialogFits::Maker make = dialog.make;
    return {dialog.name, [make, file](const DialogFits::Look& look) {
                make([look, file](QWidget& shown) {
                    shown.grab().save(file);
                    look(shown);
                });
            }};
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
        // Named otherwise than its face reads, which a voice command could not reach.
        button->setAccessibleName(QStringLiteral("Again"));
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

    void theChecksFindAHeadingCut() {
        QDialog dialog;
        dialog.resize(400, 200);
        auto* list = new QTreeWidget(&dialog);
        list->setGeometry(0, 0, 400, 200);
        list->setHeaderLabels({QStringLiteral("Row number"), QStringLiteral("Item")});
        list->header()->setStretchLastSection(true);
        list->setColumnWidth(0, 20);
        DialogFits::Settle(dialog);
        const QStringList cut = DialogFits::TextsThatDoNotFit(dialog);
        QCOMPARE(cut.size(), 1);
        QVERIFY2(cut.front().contains(QLatin1String("\"Row number\"")), qPrintable(cut.front()));
        list->setColumnWidth(0, 200);
        const QStringList fits = DialogFits::TextsThatDoNotFit(dialog);
        QVERIFY2(fits.isEmpty(), qPrintable(fits.join(QLatin1Char('\n'))));
    }

    void theLanguageIsTheOneAskedFor() {
        // The check of Speak itself: a translation that is not there is found missing.
        QVERIFY(!Speak(QStringLiteral("xx_XX"), QStringLiteral("Export for eBay")));
        QVERIFY(!Speak(QStringLiteral("de_DE"), QStringLiteral("Export for eBay")));
        QVERIFY(Speak(QStringLiteral("de_DE"), QStringLiteral("Für eBay exportieren")));
        QVERIFY(Speak(QStringLiteral("C"), QStringLiteral("Export for eBay")));
    }

    void everyTextFitsAtEveryFontSize_data() {
        AddLanguageColumns();
        QTest::addColumn<int>("dialog");
        QTest::addColumn<int>("pointSize");
        const std::vector<DialogFits::Dialog> dialogs = Dialogs();
        for (const Language& language : Languages()) {
            for (size_t index = 0; index < dialogs.size(); ++index) {
                for (const int size : {9, 12, 16})
                    QTest::addRow("%s, %s at %d pt", language.name, qPrintable(dialogs[index].name),
                                  size)
                        << language.locale << language.exportTitle << int(index) << size;
            }
        }
    }

    void everyTextFitsAtEveryFontSize() {
        QFETCH(QString, locale);
        QFETCH(QString, exportTitle);
        QFETCH(int, dialog);
        QFETCH(int, pointSize);
        const std::unique_ptr<ProgramLanguage> language = Speak(locale, exportTitle);
        QVERIFY2(language, qPrintable(locale + QLatin1String(" is not what the dialogs speak")));
        const QStringList cut =
            DialogFits::TextsThatDoNotFitAt(Pictured(Dialogs()[size_t(dialog)]), pointSize);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    }

    void everyControlHasAName_data() {
        AddLanguageColumns();
        QTest::addColumn<int>("dialog");
        const std::vector<DialogFits::Dialog> dialogs = Dialogs();
        for (const Language& language : Languages()) {
            for (size_t index = 0; index < dialogs.size(); ++index)
                QTest::addRow("%s, %s", language.name, qPrintable(dialogs[index].name))
                    << language.locale << language.exportTitle << int(index);
        }
    }

    void everyControlHasAName() {
        QFETCH(QString, locale);
        QFETCH(QString, exportTitle);
        QFETCH(int, dialog);
        const std::unique_ptr<ProgramLanguage> language = Speak(locale, exportTitle);
        QVERIFY2(language, qPrintable(locale + QLatin1String(" is not what the dialogs speak")));
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
