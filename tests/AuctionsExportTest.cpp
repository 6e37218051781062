// SPDX-License-Identifier: GPL-3.0-or-later
// Export for eBay from the main window, through prepared answers for its check, its values
// and its file, the "Export for eBay" dialog itself, and a listing's description copied.

#include "editing/Grid.h"
#include "pages/PageBuilder.h"
#include "pages/PageInputs.h"
#include "pages/PagePictures.h"
#include "ui/DescriptionBox.h"
#include "ui/ExportListingsDialog.h"

#include <QClipboard>
#include <QComboBox>
#include <QMimeData>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>

#include "AuctionsFixture.h"

namespace {

// A window whose export values and check are answered as prepared.
struct ExportWindow : Window {
    ExportWindow() {
        window.SetListingOptionsPrompt(
            [this](QWidget*, const ListingOptions& start) -> std::optional<ListingOptions> {
                starts.push_back(start);
                return answer;
            });
        window.SetExportCheckPrompt([this](QWidget*, const std::vector<CatalogueFinding>& found,
                                           int, const std::function<void(int)>&) {
            exportChecks.push_back(found);
            return exportAfterCheck;
        });
    }
    // The window's keys, once it is shown and active.
    void Keys(Qt::Key key, Qt::KeyboardModifiers modifiers) {
        if (!window.isVisible()) {
            window.show();
            QVERIFY(QTest::qWaitForWindowActive(&window));
        }
        QTest::keyClick(&window, key, modifiers);
    }
    void Export() { Keys(Qt::Key_E, Qt::ControlModifier); }
    void CopyDescription() { Keys(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier); }
    // The listing file's rows, the heading row first, by its lines that start a row.
    QStringList Rows(const QString& path) const {
        QStringList rows;
        for (const QString& line : QString::fromUtf8(ReadAll(path)).split(QStringLiteral("\r\n")))
            if (line.startsWith(QLatin1String("Add,")) || line.startsWith(QLatin1String("*Action")))
                rows << line;
        return rows;
    }

    std::optional<ListingOptions> answer = [] {
        ListingOptions options;
        options.shippingService = QStringLiteral("USPSPriority");
        options.shippingCost = QStringLiteral("$4.95");
        return options;
    }();
    std::vector<ListingOptions> starts;
    std::vector<std::vector<CatalogueFinding>> exportChecks;
    bool exportAfterCheck = true;
};

QString CatalogueWithAnError(const QTemporaryDir& scratch) {
    const QString path = scratch.filePath(QStringLiteral("shop.csv"));
    WriteFile(path,
              "7,Lamp,Brass.,https://a.example/l.jpg,$20.00,$5.00,,Nov-25-02 10:00:00 PST,"
              "Dec-02-02 10:00:00 PST,1234\r\n"
              "8,Vase,<iframe src=x>,https://a.example/v.jpg,$20.00,$5.00,,"
              "Nov-25-02 10:00:00 PST,Dec-02-02 10:00:00 PST,1234\r\n"
              "9,Jug,Blue.,https://a.example/j.jpg,$20.00,$5.00,,Nov-25-02 10:00:00 PST,"
              "Dec-02-02 10:00:00 PST,1234\r\n");
    return path;
}

}  // namespace

class AuctionsExportTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void ctrlEExportsTheGridAsTheSellerSeesIt() {
        ExportWindow w;
        QVERIFY(!w.Button("Export")->isEnabled());
        w.Open(kSample);
        QVERIFY(w.Button("Export")->isEnabled());
        w.Box("Seller")->setText(QStringLiteral("sam@example.com"));
        w.Box("Location")->setText(QStringLiteral("Leeds, UK"));
        w.ClickRow(2);
        w.Box("t_title")->setText(QStringLiteral("Crystal glasses, boxed pair"));
        w.messages.answers = {MessageBoxes::Answer::Yes};
        w.answer->conditionId = QStringLiteral("1000");
        const QString path = w.scratch.filePath(QStringLiteral("upload"));
        w.dialogs.saveAnswers = {path};
        w.Export();
        // The edit on screen was asked about and stored before anything was written.
        QCOMPARE(w.messages.questions.size(), 1);
        QCOMPARE(w.dialogs.saveSuggestions,
                 QStringList{w.scratch.filePath(QStringLiteral("sample-catalogue-ebay.csv"))});
        const QStringList rows = w.Rows(path + QStringLiteral(".csv"));
        QCOMPARE(rows.size(), 13);
        QVERIFY(
            rows[2].startsWith(QLatin1String("Add,1002,20715,\"Crystal glasses, boxed pair\","
                                             "1000,")));
        // The sample's auctions started in 2002: the check says each starts when uploaded.
        QCOMPARE(w.exportChecks.size(), size_t(1));
        for (const CatalogueFinding& finding : w.exportChecks[0])
            QCOMPARE(int(finding.kind), int(CatalogueFinding::Kind::StartPast));
        QCOMPARE(w.messages.messages.size(), 1);
        QVERIFY(w.messages.messages[0].startsWith(
            QStringLiteral("Wrote 12 listings for eBay US to %1.csv.").arg(path)));
        QVERIFY(w.Label("Status").contains(QLatin1String("Exported 12 listings")));
        // The next export starts from the values given to this one, on the site of the
        // country the Country box names.
        w.Box("Country")->setText(QStringLiteral(" Deutschland "));
        w.dialogs.saveAnswers = {QString()};
        w.Export();
        QCOMPARE(w.starts.size(), size_t(2));
        QCOMPARE(w.starts[1].conditionId, QStringLiteral("1000"));
        QCOMPARE(w.starts[1].site, QStringLiteral("DE"));
    }

    void theValuesAreKeptBetweenRuns() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("lotcraft.conf"));
        ListingOptions given;
        given.conditionId = QStringLiteral("2750");
        given.dispatchDays = 10;
        given.shippingProfile = QStringLiteral("Royal Mail");
        given.returnProfile = QStringLiteral("30 days");
        given.paymentProfile = QStringLiteral("Managed");
        {
            QSettings store(file, QSettings::IniFormat);
            ExportWindow w;
            w.window.KeepSettingsIn(&store);
            w.Open(kSample);
            w.answer = given;
            w.Export();
            QCOMPARE(w.starts.size(), size_t(1));
        }
        {
            QSettings store(file, QSettings::IniFormat);
            ExportWindow w;
            w.window.KeepSettingsIn(&store);
            w.Open(kSample);
            w.Export();
            QCOMPARE(w.starts.size(), size_t(1));
            const ListingOptions kept = w.starts[0];
            QCOMPARE(kept.conditionId, given.conditionId);
            QCOMPARE(kept.dispatchDays, 10);
            QCOMPARE(kept.paymentProfile, given.paymentProfile);
            QVERIFY(kept.UsesProfiles());
            // A kept value eBay would not take is left for the first one.
            store.setValue(QStringLiteral("listings/dispatchDays"), 99);
            w.Export();
            QCOMPARE(w.starts[1].dispatchDays, ListingOptions().dispatchDays);
        }
    }

    void rowsInErrorAreShownFirstThenLeftOutAndNamed() {
        ExportWindow w;
        w.Open(CatalogueWithAnError(w.scratch));
        const QString path = w.scratch.filePath(QStringLiteral("out.csv"));
        // The values come first, the site's rules depending on them; cancelled at the check,
        // nothing is asked further, nothing written.
        w.exportAfterCheck = false;
        w.Export();
        QCOMPARE(w.starts.size(), size_t(1));
        QCOMPARE(w.exportChecks.size(), size_t(1));
        QCOMPARE(w.dialogs.saves, 0);
        w.exportAfterCheck = true;
        w.dialogs.saveAnswers = {path};
        w.Export();
        QCOMPARE(w.exportChecks.size(), size_t(2));
        const QStringList rows = w.Rows(path);
        QCOMPARE(rows.size(), 3);
        QVERIFY(rows[1].startsWith(QLatin1String("Add,7,")));
        QVERIFY(rows[2].startsWith(QLatin1String("Add,9,")));
        QVERIFY(w.messages.messages.last().contains(QLatin1String("Wrote 2 listings")));
        QVERIFY(w.messages.messages.last().contains(QLatin1String("Row 2, item \"8\": error:")));
    }

    void theCatalogueReadIsNeverReplacedAndAFailedWriteLeavesNoFile() {
        ExportWindow w;
        // The open catalogue, and one read only in part (its third item opens a quote never
        // closed), which is no open file but the seller's all the same: the save dialog
        // offers a name beside it, and its own name is refused, the file kept.
        const QString inPart = w.scratch.filePath(QStringLiteral("big.csv"));
        const QByteArray item =
            ",Lamp,Brass.,https://a.example/l.jpg,$20.00,$5.00,,"
            "Nov-25-02 10:00:00 PST,Dec-02-02 10:00:00 PST,1234\r\n";
        WriteFile(inPart, "1" + item + "2" + item + "3,\"c" + item);
        for (const QString& catalogue : {kSample, inPart}) {
            w.Open(catalogue);
            const QString file = catalogue == kSample ? w.SampleCopy() : inPart;
            const QByteArray before = ReadAll(file);
            w.dialogs.saveAnswers = {file};
            w.Export();
            QCOMPARE(w.dialogs.saveSuggestions.last(),
                     QFileInfo(file).dir().filePath(QFileInfo(file).completeBaseName() +
                                                    QStringLiteral("-ebay.csv")));
            QCOMPARE(ReadAll(file), before);
            QVERIFY2(w.messages.messages.last().contains(
                         QStringLiteral("would replace the catalogue %1").arg(file)),
                     qPrintable(w.messages.messages.last()));
        }
        const QString missing = w.scratch.filePath(QStringLiteral("gone/listings.csv"));
        w.dialogs.saveAnswers = {missing};
        w.Export();
        QVERIFY(!QFile::exists(missing));
        QVERIFY(w.messages.messages.last().startsWith(
            QLatin1String("Lotcraft could not export the listings.")));
        QCOMPARE(w.Label("Status"), QStringLiteral("Nothing was exported."));
    }

    void ctrlShiftCCopiesTheDescriptionTheFormShows() {
        ExportWindow w;
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText(QStringLiteral("before"));
        // No row in the form: nothing to copy, and the status line says what to do.
        w.CopyDescription();
        QCOMPARE(clipboard->text(), QStringLiteral("before"));
        QVERIFY(w.Label("Status").startsWith(QLatin1String("Click a row")));

        w.Open(kSample);
        w.ClickRow(3);
        w.Find<DescriptionBox>("t_desc")->setPlainText(QStringLiteral("Typed, not stored: 東京"));
        w.CopyDescription();
        ItemRecord shown = w.window.CatalogueGrid().Record(3);
        shown.SetField(ItemRecord::Description, QStringLiteral("Typed, not stored: 東京"));
        const PagePictures pictures{QString()};
        const QString section = PageBuilder::DescriptionSection(
            shown, PageInputs::Take(w.settings, w.window.Seller(), pictures));
        QCOMPARE(clipboard->mimeData()->html(), section);
        QCOMPARE(clipboard->text(), section);
        QVERIFY(section.contains(QStringLiteral("東京")));
    }

    void theExportDialogTakesOnlyValuesEBayTakes() {
        ListingOptions start;
        start.site = QStringLiteral("UK");
        start.conditionId = QStringLiteral("7000");
        start.dispatchDays = 5;
        start.returnsAccepted = false;
        ExportListingsDialog dialog(start);
        QCOMPARE(dialog.ConditionChoice()->currentIndex(), 2);
        QVERIFY(dialog.ReturnsNotAccepted()->isChecked());
        QVERIFY(!dialog.ShippingProfile()->isEnabled());
        // A number of the list selects its entry; any other, "Another number".
        dialog.ConditionId()->setText(QStringLiteral("2750"));
        QCOMPARE(dialog.ConditionChoice()->currentText(), QStringLiteral("Another number"));
        dialog.ConditionChoice()->setCurrentIndex(0);
        Q_EMIT dialog.ConditionChoice()->activated(0);
        QCOMPARE(dialog.ConditionId()->text(), QStringLiteral("1000"));
        // Policies named in part are refused, with the reason in the note.
        dialog.Policies()->setChecked(true);
        QVERIFY(dialog.ShippingProfile()->isEnabled());
        dialog.ShippingProfile()->setText(QStringLiteral("Royal Mail"));
        QTest::keyClick(&dialog, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(dialog.Note()->text().startsWith(QLatin1String("Name all three")));
        dialog.ReturnProfile()->setText(QStringLiteral("30 days"));
        dialog.PaymentProfile()->setText(QStringLiteral("Managed"));
        QTest::keyClick(&dialog, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const ListingOptions chosen = dialog.Options();
        QCOMPARE(chosen.conditionId, QStringLiteral("1000"));
        QCOMPARE(chosen.dispatchDays, 5);
        QCOMPARE(chosen.paymentProfile, QStringLiteral("Managed"));
        // Names set aside by choosing returns are not given; without policies a shipping
        // service of the site and its cost are needed, in the site's currency.
        dialog.ReturnsAccepted()->setChecked(true);
        QVERIFY(!dialog.Options().UsesProfiles());
        QVERIFY(dialog.ReturnsWithin()->isEnabled() && dialog.ShippingService()->isEnabled());
        QCOMPARE(dialog.SiteChoice()->currentData().toString(), QStringLiteral("UK"));
        QCOMPARE(dialog.ShippingService()->itemText(0),
                 QStringLiteral("UK_RoyalMailSecondClassStandard"));
        dialog.setResult(QDialog::Rejected);
        QTest::keyClick(&dialog, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY2(dialog.Note()->text().startsWith(QLatin1String("eBay needs a shipping service")),
                 qPrintable(dialog.Note()->text()));
        dialog.ShippingService()->setCurrentIndex(0);
        dialog.ShippingCost()->setText(QStringLiteral("$3.20"));
        QTest::keyClick(&dialog, Qt::Key_Return);
        QVERIFY2(dialog.Note()->text().contains(QLatin1String("not an amount in pounds")),
                 qPrintable(dialog.Note()->text()));
        dialog.ShippingCost()->setText(QStringLiteral("\u00A33.20"));
        dialog.ReturnsWithin()->setCurrentIndex(2);
        QTest::keyClick(&dialog, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const ListingOptions shipped = dialog.Options();
        QCOMPARE(shipped.shippingService, QStringLiteral("UK_RoyalMailSecondClassStandard"));
        QCOMPARE(shipped.ShippingCost(), QStringLiteral("3.20"));
        QCOMPARE(shipped.returnsWithinDays, 60);
        // Another site offers its own services in place of the last one's.
        dialog.SiteChoice()->setCurrentIndex(dialog.SiteChoice()->findData(QStringLiteral("DE")));
        QCOMPARE(dialog.ShippingService()->currentText(), QString());
        QCOMPARE(dialog.ShippingService()->itemText(0), QStringLiteral("DE_DHLPaket"));
    }
};

QTEST_MAIN(AuctionsExportTest)
#include "AuctionsExportTest.moc"
