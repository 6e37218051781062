// SPDX-License-Identifier: GPL-3.0-or-later
// Inputs the catalogue fuzzer has been given or has found, kept so that none breaks again:
// each must read without crashing and survive the round trip through the writer.

#include "fuzz/CatalogueRoundTrip.h"

#include <QDir>
#include <QFile>
#include <QtTest>

class CatalogueFuzzRegressionTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyKeptInputRoundTrips_data() {
        QTest::addColumn<QString>("path");
        const QDir folder(QStringLiteral(LOTCRAFT_TEST_DATA "/fuzz-regressions"));
        const QStringList names = folder.entryList(QDir::Files);
        QVERIFY(!names.isEmpty());
        for (const QString& name : names)
            QTest::newRow(qPrintable(name)) << folder.filePath(name);
    }
    void everyKeptInputRoundTrips() {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString problem = CheckCatalogueRoundTrip(file.readAll());
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }
};

QTEST_APPLESS_MAIN(CatalogueFuzzRegressionTest)
#include "CatalogueFuzzRegressionTest.moc"
