// SPDX-License-Identifier: GPL-3.0-or-later
// The seller's language: the German translation compiled beside the program is loaded for a
// German locale and the window's texts come out German, Qt's own texts too; a locale Lotcraft
// has no translation for leaves every text English. The default locale follows the texts.

#include "ui/ProgramLanguage.h"

#include <QCoreApplication>
#include <QtTest>

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
};

QTEST_GUILESS_MAIN(ProgramLanguageTest)
#include "ProgramLanguageTest.moc"
