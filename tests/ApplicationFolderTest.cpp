// SPDX-License-Identifier: GPL-3.0-or-later
// Where the programs find their pictures and help page: beside them in the build tree (or
// any folder that holds them), ../share/lotcraft from their folder once installed.

#include "app/ApplicationFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class ApplicationFolderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void installedTheDataLiesInShareBesideBin() {
        QTemporaryDir prefix;
        const QString bin = prefix.filePath(QStringLiteral("bin"));
        QVERIFY(QDir().mkpath(bin));
        QVERIFY(QDir().mkpath(prefix.filePath(QStringLiteral("share/lotcraft"))));
        QCOMPARE(ApplicationFolder::For(bin), prefix.filePath(QStringLiteral("share/lotcraft")));
        // A clean path, whatever the program's folder was called by.
        QCOMPARE(ApplicationFolder::For(bin + QStringLiteral("/")),
                 prefix.filePath(QStringLiteral("share/lotcraft")));
        QCOMPARE(ApplicationFolder::For(QStringLiteral("/usr/bin")),
                 QStringLiteral("/usr/share/lotcraft"));
    }

    void aFolderHoldingTheHelpPageOrThePicturesIsItsOwnDataFolder_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("the window's help page") << QStringLiteral("help.html");
        QTest::newRow("the pages' spacer picture") << QStringLiteral("dot_clear.gif");
    }

    void aFolderHoldingTheHelpPageOrThePicturesIsItsOwnDataFolder() {
        QFETCH(QString, file);
        QTemporaryDir prefix;
        const QString bin = prefix.filePath(QStringLiteral("bin"));
        QVERIFY(QDir().mkpath(bin));
        // Even where an installed layout lies beside it.
        QVERIFY(QDir().mkpath(prefix.filePath(QStringLiteral("share/lotcraft"))));
        QFile beside(bin + QLatin1Char('/') + file);
        QVERIFY(beside.open(QIODevice::WriteOnly));
        beside.close();
        QCOMPARE(ApplicationFolder::For(bin), bin);
        // Another file beside it does not count.
        QTemporaryDir other;
        QFile picture(other.filePath(QStringLiteral("OK.jpg")));
        QVERIFY(picture.open(QIODevice::WriteOnly));
        picture.close();
        QVERIFY(ApplicationFolder::For(other.path()) != other.path());
    }
};

QTEST_GUILESS_MAIN(ApplicationFolderTest)
#include "ApplicationFolderTest.moc"
