// The main window as start-up shows it.

#include "app/ProgramSettings.h"
#include "app/Startup.h"
#include "ui/Auctions.h"

#include <QApplication>
#include <QtTest>

class AuctionsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theWindowHasItsCaptionAndFixedSize() {
        ProgramSettings settings;
        Startup::Run(settings);
        Auctions window(settings);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.objectName(), QStringLiteral("Auctions"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Lotcraft"));
        // 10470 x 7935 twips at 15 twips a pixel.
        QCOMPARE(window.size(), QSize(698, 529));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    }

    void loadingTheWindowSendsPagesToTheApplicationFolder() {
        ProgramSettings settings;
        Startup::Run(settings);
        QVERIFY(settings.OutputFolder().isEmpty());
        Auctions window(settings);
        QCOMPARE(settings.OutputFolder(), QCoreApplication::applicationDirPath());
        QVERIFY(!settings.OutputFolder().endsWith(QLatin1Char('/')));
    }
};

QTEST_MAIN(AuctionsTest)
#include "AuctionsTest.moc"
