// SPDX-License-Identifier: GPL-3.0-or-later
// The seller's language: the German translation compiled beside the program is loaded for a
// German locale and the window's texts come out German, Qt's own texts too; a locale Lotcraft
// has no translation for leaves every text English. The default locale follows the texts.
// The engine's messages follow too, while the pages and listing files it writes do not.

#include "app/ProgramSettings.h"
#include "catalogue/CatalogueColumns.h"
#include "catalogue/ItemRecord.h"
#include "listings/ListingExport.h"
#include "listings/ListingOptions.h"
#include "listings/ListingSite.h"
#include "pages/CatalogueCheck.h"
#include "pages/PageBuilder.h"
#include "pages/PageInputs.h"
#include "pages/PagePictures.h"
#include "pages/SchemeTable.h"
#include "ui/ProgramLanguage.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <map>

namespace {

const QDateTime kNow(QDate(2002, 11, 20), QTime(0, 0), Qt::UTC);

ItemRecord Item() {
    ItemRecord item;
    const QStringList fields = {QStringLiteral("1001"),
                                QStringLiteral("Brass lamp"),
                                QStringLiteral("Works."),
                                QStringLiteral("https://i.ebayimg.com/a.jpg"),
                                QStringLiteral("$20.00"),
                                QStringLiteral("$5.00"),
                                QString(),
                                QStringLiteral("Nov-25-02 10:33:39 PST"),
                                QStringLiteral("Dec-02-02 10:33:39 PST"),
                                QStringLiteral("13850")};
    for (int position = 1; position <= ItemRecord::FieldCount; ++position)
        item.SetField(position, fields[position - 1]);
    return item;
}

// The engine's messages as the window shows them.
const std::map<QString, std::function<QString()>>& Messages() {
    static const std::map<QString, std::function<QString()>> messages = {
        {QStringLiteral("refusal"),
         [] {
             ListingOptions options;
             options.site = QStringLiteral("XX");
             return options.Problem();
         }},
        {QStringLiteral("finding"),
         [] {
             ItemRecord item = Item();
             item.SetField(ItemRecord::Title, QString());
             ProgramSettings settings;
             const PagePictures pictures{QString()};
             const PageInputs inputs = PageInputs::Take(
                 settings, {QStringLiteral("me"), QStringLiteral("Leeds"), QStringLiteral("UK")},
                 pictures);
             return CatalogueCheck::Run({item}, inputs, 0).front().what;
         }},
        {QStringLiteral("site"), [] { return ListingSite::All().front().ShownChoice(); }},
        {QStringLiteral("scheme"), [] { return SchemeTable::ShownName(12); }},
    };
    return messages;
}

// What the engine writes into files, which eBay and browsers read as they are.
QByteArray Written(const QString& what, const QString& folder) {
    ProgramSettings settings;
    settings.SetOutputFolder(folder);
    const PagePictures pictures{QString()};
    const PageInputs inputs = PageInputs::Take(
        settings, {QStringLiteral("me"), QStringLiteral("Leeds"), QStringLiteral("UK")}, pictures);
    if (what == QLatin1String("page"))
        return PageBuilder::Build(Item(), inputs);
    ListingOptions options;
    options.site = QStringLiteral("DE");
    options.shippingService = QStringLiteral("DE_DHLPaket");
    options.shippingCost = QStringLiteral("4,95");
    const QString path = folder + QStringLiteral("/listings.csv");
    ListingExport::Write(path, {Item()}, {}, inputs, options, CatalogueColumns(), kNow);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

}  // namespace

class ProgramLanguageTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theTextsComeInTheLanguageLoaded_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("translated");
        QTest::addColumn<QLocale::Language>("language");
        QTest::addColumn<QStringList>("texts");
        // Context, English text and what the window shows, by threes.
        const QStringList german = {
            QStringLiteral("MainWindowLayout"), QStringLiteral("Seller"), QStringLiteral("Händler"),
            QStringLiteral("Auctions"), QStringLiteral("&Open catalogue..."),
            QStringLiteral("Katalog ö&ffnen..."), QStringLiteral("ItemRecord"),
            QStringLiteral("Category"), QStringLiteral("Kategorie"),
            QStringLiteral("WindowPageRun"), QStringLiteral("%1 written to %2."),
            QStringLiteral("%1 in %2 geschrieben."),
            // Qt's own, for the buttons of the standard dialogs.
            QStringLiteral("QPlatformTheme"), QStringLiteral("&Yes"), QStringLiteral("&Ja")};
        QStringList english = german;
        for (qsizetype index = 2; index < english.size(); index += 3)
            english[index] = english[index - 1];
        QTest::newRow("German, Germany")
            << QStringLiteral("de_DE") << true << QLocale::German << german;
        QTest::newRow("German, Austria")
            << QStringLiteral("de_AT") << true << QLocale::German << german;
        QTest::newRow("French: none")
            << QStringLiteral("fr_FR") << false << QLocale::AnyLanguage << english;
        QTest::newRow("English") << QStringLiteral("en_GB") << false << QLocale::AnyLanguage
                                 << english;
    }

    void theTextsComeInTheLanguageLoaded() {
        QFETCH(QString, locale);
        QFETCH(bool, translated);
        QFETCH(QLocale::Language, language);
        QFETCH(QStringList, texts);
        const QLocale before;
        {
            const ProgramLanguage loaded(QLocale(locale), ProgramLanguage::TranslationsFolder());
            QCOMPARE(loaded.Translated(), translated);
            // Untranslated (AnyLanguage here), the default locale stays as it was.
            QCOMPARE(QLocale().language(),
                     language == QLocale::AnyLanguage ? before.language() : language);
            QCOMPARE(loaded.Language().language(),
                     language == QLocale::AnyLanguage ? QLocale::English : language);
            for (qsizetype index = 0; index + 2 < texts.size(); index += 3)
                QCOMPARE(QCoreApplication::translate(qPrintable(texts[index]),
                                                     qPrintable(texts[index + 1])),
                         texts[index + 2]);
        }
        // Gone with the object: English again, and the default locale as it was.
        QCOMPARE(QCoreApplication::translate("MainWindowLayout", "Seller"),
                 QStringLiteral("Seller"));
        QCOMPARE(QLocale(), before);
    }

    // With the German translation loaded the engine's messages come out German.
    void theEngineSpeaksTheSellersLanguage_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("german");
        QTest::newRow("export refusal")
            << QStringLiteral("refusal")
            << QStringLiteral(
                   "The site \"XX\" is not one Lotcraft exports for; give US, UK, DE, "
                   "AU, CA, FR, IT or ES.")
            << QStringLiteral(
                   "F\u00FCr die Website \"XX\" exportiert Lotcraft nicht; geben Sie "
                   "US, UK, DE, AU, CA, FR, IT oder ES an.");
        QTest::newRow("catalogue check finding")
            << QStringLiteral("finding")
            << QStringLiteral("The title is empty; the page would have no title.")
            << QStringLiteral("Der Titel ist leer; die Seite h\u00E4tte keinen Titel.");
        QTest::newRow("site") << QStringLiteral("site") << QStringLiteral("eBay US (US dollars)")
                              << QStringLiteral("eBay USA (US-Dollar)");
        QTest::newRow("colour scheme") << QStringLiteral("scheme") << QStringLiteral("Bright Red")
                                       << QStringLiteral("Leuchtend Rot");
    }

    void theEngineSpeaksTheSellersLanguage() {
        QFETCH(QString, message);
        QFETCH(QString, english);
        QFETCH(QString, german);
        const auto& make = Messages().at(message);
        QCOMPARE(make(), english);
        {
            const ProgramLanguage loaded(QLocale(QStringLiteral("de_DE")),
                                         ProgramLanguage::TranslationsFolder());
            QVERIFY(loaded.Translated());
            QCOMPARE(make(), german);
        }
        QCOMPARE(make(), english);
    }

    // The pages and listing files stay byte for byte as eBay takes them, whatever the
    // window's language.
    void theFilesStayAsTheyAre_data() {
        QTest::addColumn<QString>("what");
        QTest::newRow("page") << QStringLiteral("page");
        QTest::newRow("listing file") << QStringLiteral("listing file");
    }

    void theFilesStayAsTheyAre() {
        QFETCH(QString, what);
        // One folder for both: the listing file written again replaces the first.
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QByteArray written = Written(what, folder.path());
        QVERIFY(written.size() > 100);
        const ProgramLanguage loaded(QLocale(QStringLiteral("de_DE")),
                                     ProgramLanguage::TranslationsFolder());
        QVERIFY(loaded.Translated());
        QCOMPARE(Written(what, folder.path()), written);
    }
};

QTEST_GUILESS_MAIN(ProgramLanguageTest)
#include "ProgramLanguageTest.moc"
