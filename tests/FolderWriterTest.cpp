// Files written under a hidden name and then renamed, where a file system has no unnamed
// files: replacing what has the name without writing through a link, and failures that
// leave the old file and nothing else. (Unnamed files are what every page run uses; the
// page and batch tests cover them.) Then, both ways, a file whose naming is refused at the
// last moment, and several threads writing files that are named in order.

#include "app/LotcraftError.h"
#include "pages/BackgroundFileWriter.h"
#include "pages/FolderWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>
#include <vector>

#include <unistd.h>

#include "FileSizeLimit.h"

namespace {

QByteArray ReadFile(const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class FolderWriterTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString Failure(const FolderWriter& writer, const QString& name, const QByteArray& bytes) {
        try {
            writer.Write(name, bytes, QStringLiteral("the page"));
        } catch (const LotcraftError& error) {
            return error.File() + QStringLiteral(": ") + error.Reason();
        }
        return QStringLiteral("no failure");
    }

private Q_SLOTS:
    void hiddenNamesReplaceWholeFilesAndLeaveNothingBehind() {
        const QString folder = m_dir.filePath(QStringLiteral("out"));
        QVERIFY(QDir().mkpath(folder));
        FolderWriter writer(folder);
        writer.UseHiddenNames();
        writer.Write(QStringLiteral("a.html"), "the old page", QStringLiteral("the page"));

        // A symbolic link named like the file is replaced; what it led to stays.
        const QString outside = m_dir.filePath(QStringLiteral("outside"));
        QFile file(outside);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("keep me") == 7);
        file.close();
        QVERIFY(QFile::link(outside, folder + QStringLiteral("/s.html")));
        writer.Write(QStringLiteral("s.html"), "page s", QStringLiteral("the page"));
        QCOMPARE(ReadFile(outside), QByteArray("keep me"));
        QVERIFY(!QFileInfo(folder + QStringLiteral("/s.html")).isSymLink());
        QCOMPARE(ReadFile(folder + QStringLiteral("/s.html")), QByteArray("page s"));

        // A write that stops part way, and a folder that has the name: the old file stays.
        {
            const FileSizeLimit limit(1000);
            QVERIFY(limit.Active());
            const QString failure =
                Failure(writer, QStringLiteral("a.html"), QByteArray(5000, 'x'));
            QVERIFY2(failure.startsWith(folder + QStringLiteral("/a.html: the page cannot be "
                                                                "written: ")),
                     qPrintable(failure));
        }
        QCOMPARE(ReadFile(folder + QStringLiteral("/a.html")), QByteArray("the old page"));
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/b.html/inside")));
        const QString failure = Failure(writer, QStringLiteral("b.html"), "page b");
        QVERIFY2(failure.contains(QLatin1String("cannot be given its name")), qPrintable(failure));

        // No hidden file is left.
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                                        QDir::Name),
                 (QStringList{QStringLiteral("a.html"), QStringLiteral("b.html"),
                              QStringLiteral("s.html")}));
    }

    void aFileRefusedItsNameLeavesTheOlderFileAsItWas_data() {
        QTest::addColumn<bool>("hiddenNames");
        QTest::newRow("unnamed files") << false;
        QTest::newRow("hidden names") << true;
    }

    void aFileRefusedItsNameLeavesTheOlderFileAsItWas() {
        QFETCH(bool, hiddenNames);
        const QString folder = m_dir.filePath(hiddenNames ? QStringLiteral("refused-hidden")
                                                          : QStringLiteral("refused-unnamed"));
        QVERIFY(QDir().mkpath(folder));
        FolderWriter writer(folder);
        if (hiddenNames)
            writer.UseHiddenNames();
        writer.Write(QStringLiteral("a.html"), "the old page", QStringLiteral("the page"));
        const QStringList onlyTheOldFile{QStringLiteral("a.html")};
        const auto entries = [&] {
            return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        };
        {
            // Written whole, then dropped without a name.
            FolderWriter::Pending dropped = writer.Prepare(QStringLiteral("a.html"), "the new page",
                                                           QStringLiteral("the page"));
            QCOMPARE(ReadFile(folder + QStringLiteral("/a.html")), QByteArray("the old page"));
            // Moved, it is still one file, dropped once.
            FolderWriter::Pending moved = std::move(dropped);
            dropped = std::move(moved);
        }
        QCOMPARE(entries(), onlyTheOldFile);
        QCOMPARE(ReadFile(folder + QStringLiteral("/a.html")), QByteArray("the old page"));

        FolderWriter::Pending named =
            writer.Prepare(QStringLiteral("a.html"), "the new page", QStringLiteral("the page"));
        writer.Name(named, QStringLiteral("the page"));
        QCOMPARE(ReadFile(folder + QStringLiteral("/a.html")), QByteArray("the new page"));
        QCOMPARE(entries(), onlyTheOldFile);
    }

    void filesWrittenSideBySideAreNamedInOrderUpToAFailure_data() {
        aFileRefusedItsNameLeavesTheOlderFileAsItWas_data();
    }

    void filesWrittenSideBySideAreNamedInOrderUpToAFailure() {
        // Three writing threads and the caller; file 150 cannot be named (a folder has its
        // name). Files before it are written whole; files after it may have been written
        // already but are never named, so the older files of those names stay as they were.
        QFETCH(bool, hiddenNames);
        const QString folder =
            m_dir.filePath(hiddenNames ? QStringLiteral("batch-hidden") : QStringLiteral("batch"));
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/150.html/inside")));
        FolderWriter writer(folder);
        if (hiddenNames)
            writer.UseHiddenNames();
        const auto entries = [&] {
            return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        };
        for (int n = 151; n < 400; n += 7)
            writer.Write(QStringLiteral("%1.html").arg(n), "older", QStringLiteral("the page"));
        std::vector<BackgroundFileWriter::File> batch(400);
        for (int n = 0; n < 400; ++n)
            batch[size_t(n)] = {QStringLiteral("%1.html").arg(n),
                                QByteArray(1000 + n * 37, char('a' + n % 26))};
        BackgroundFileWriter files(writer, 3);
        std::optional<LotcraftError> failure;
        for (int round = 0; round < 2; ++round) {
            files.Start(batch, round == 0 ? 150 : batch.size());
            QCOMPARE(files.Finish(failure), size_t(150));
            QCOMPARE(bool(failure), round == 1);
        }
        QVERIFY(failure->Reason().contains(QLatin1String("cannot be given its name")));
        QCOMPARE(failure->File(), folder + QStringLiteral("/150.html"));
        for (int n = 0; n < 400; ++n) {
            const QString name = folder + QStringLiteral("/%1.html").arg(n);
            if (n < 150)
                QCOMPARE(ReadFile(name), batch[size_t(n)].bytes);
            else if (n > 150)
                QCOMPARE(ReadFile(name), (n - 151) % 7 == 0 ? QByteArray("older") : QByteArray());
        }
        // Nothing else: the 150 pages, the 36 older files and the folder in the way.
        QCOMPARE(entries().size(), 150 + 36 + 1);
        // A later batch starts afresh.
        QVERIFY(QDir(folder + QStringLiteral("/150.html")).removeRecursively());
        files.Start(batch, batch.size());
        QCOMPARE(files.Finish(failure), batch.size());
        QVERIFY(!failure);
        QCOMPARE(ReadFile(folder + QStringLiteral("/399.html")), batch[399].bytes);
        QCOMPARE(entries().size(), 400);
    }
};

QTEST_APPLESS_MAIN(FolderWriterTest)
#include "FolderWriterTest.moc"
