// Writing files into a folder so that each appears under its name only when whole: replacing
// what has the name without writing through a link, failures that leave nothing behind, and
// two writers of one name at once; with unnamed files and with hidden names alike.

#include "app/LotcraftError.h"
#include "pages/FolderWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <thread>

#include "FileSizeLimit.h"

namespace {

QByteArray ReadFile(const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void MakeFile(const QString& name, const QByteArray& bytes) {
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

}  // namespace

class FolderWriterTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_folder;

    // A writer of the test's folder, using hidden names where the data row says so.
    std::unique_ptr<FolderWriter> Writer(const QString& folder) const {
        QFETCH_GLOBAL(bool, hiddenNames);
        auto writer = std::make_unique<FolderWriter>(folder);
        if (hiddenNames)
            writer->UseHiddenNames();
        return writer;
    }

    QStringList Entries() const {
        return QDir(m_folder).entryList(
            QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
    }

    QString Failure(const FolderWriter& writer, const QString& name, const QByteArray& bytes) {
        try {
            writer.Write(name, bytes, QStringLiteral("the page"));
        } catch (const LotcraftError& error) {
            if (error.File() != FolderWriter::PathIn(writer.Folder(), name))
                return QStringLiteral("wrong file: ") + error.File();
            return error.Reason();
        }
        return QStringLiteral("no failure");
    }

private Q_SLOTS:
    void initTestCase_data() {
        QTest::addColumn<bool>("hiddenNames");
        QTest::newRow("unnamed files") << false;
        QTest::newRow("hidden names") << true;
    }

    void init() {
        QDir(m_dir.path()).removeRecursively();
        m_folder = m_dir.filePath(QStringLiteral("out"));
        QVERIFY(QDir().mkpath(m_folder));
    }

    void filesAreWrittenAndReplacedNeverThroughALink() {
        const auto writer = Writer(m_folder);
        writer->Write(QStringLiteral("a.html"), "first", QStringLiteral("the page"));
        QCOMPARE(ReadFile(m_folder + QStringLiteral("/a.html")), QByteArray("first"));
        writer->Write(QStringLiteral("a.html"), "second, longer", QStringLiteral("the page"));
        QCOMPARE(ReadFile(m_folder + QStringLiteral("/a.html")), QByteArray("second, longer"));

        // A symbolic and a hard link named like the file: each name gets a file of its own,
        // and what the links led to stays as it was.
        const QString outside = m_dir.filePath(QStringLiteral("outside"));
        const QString outsideToo = m_dir.filePath(QStringLiteral("outside-too"));
        MakeFile(outside, "keep me");
        MakeFile(outsideToo, "keep me too");
        QVERIFY(QFile::link(outside, m_folder + QStringLiteral("/s.html")));
        QCOMPARE(::link(QFile::encodeName(outsideToo).constData(),
                        QFile::encodeName(m_folder + QStringLiteral("/h.html")).constData()),
                 0);
        writer->Write(QStringLiteral("s.html"), "page s", QStringLiteral("the page"));
        writer->Write(QStringLiteral("h.html"), "page h", QStringLiteral("the page"));
        QCOMPARE(ReadFile(outside), QByteArray("keep me"));
        QCOMPARE(ReadFile(outsideToo), QByteArray("keep me too"));
        QVERIFY(!QFileInfo(m_folder + QStringLiteral("/s.html")).isSymLink());
        QCOMPARE(ReadFile(m_folder + QStringLiteral("/s.html")), QByteArray("page s"));
        QCOMPARE(ReadFile(m_folder + QStringLiteral("/h.html")), QByteArray("page h"));

        // An empty file is a file too; and nothing else was left in the folder.
        writer->Write(QStringLiteral(".html"), QByteArray(), QStringLiteral("the page"));
        QVERIFY(QFileInfo(m_folder + QStringLiteral("/.html")).isFile());
        QCOMPARE(Entries(), (QStringList{QStringLiteral(".html"), QStringLiteral("a.html"),
                                         QStringLiteral("h.html"), QStringLiteral("s.html")}));
    }

    void failuresLeaveTheOldFileAndNothingElse() {
        const auto writer = Writer(m_folder);
        writer->Write(QStringLiteral("a.html"), "the old page", QStringLiteral("the page"));
        {
            // Files may grow to 1000 bytes only: the write stops part way.
            const FileSizeLimit limit(1000);
            QVERIFY(limit.Active());
            const QString reason =
                Failure(*writer, QStringLiteral("a.html"), QByteArray(5000, 'x'));
            QVERIFY2(reason.startsWith(QLatin1String("the page cannot be written: ")),
                     qPrintable(reason));
        }
        QCOMPARE(ReadFile(m_folder + QStringLiteral("/a.html")), QByteArray("the old page"));

        // A folder that has the name is not removed.
        QVERIFY(QDir().mkpath(m_folder + QStringLiteral("/b.html/inside")));
        const QString reason = Failure(*writer, QStringLiteral("b.html"), "page b");
        QVERIFY2(reason.contains(QLatin1String("cannot be given its name")), qPrintable(reason));
        QVERIFY(QFileInfo(m_folder + QStringLiteral("/b.html/inside")).isDir());
        QCOMPARE(Entries(), (QStringList{QStringLiteral("a.html"), QStringLiteral("b.html")}));

        // A folder that does not exist: the reason is the system's, nothing is made.
        const auto nowhere = Writer(m_dir.filePath(QStringLiteral("missing")));
        const QString missing = Failure(*nowhere, QStringLiteral("c.html"), "page c");
        QVERIFY2(missing.startsWith(QLatin1String("the page cannot be created: ")),
                 qPrintable(missing));
        QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("missing"))));
    }

    void twoWritersOfOneNameBothSucceed() {
        // Each writer gives the name to its own files again and again while the other does
        // the same; neither may fail, and the name always holds one writer's whole file.
        const auto writer = Writer(m_folder);
        const QByteArray one(3000, '1');
        const QByteArray two(5000, '2');
        QStringList failures;
        std::mutex failuresMutex;
        auto writeMany = [&](const QByteArray& bytes) {
            for (int k = 0; k < 300; ++k) {
                try {
                    writer->Write(QStringLiteral("same.gif"), bytes, QStringLiteral("the copy"));
                } catch (const LotcraftError& error) {
                    std::lock_guard<std::mutex> lock(failuresMutex);
                    failures << error.Message();
                }
            }
        };
        std::thread first(writeMany, one);
        std::thread second(writeMany, two);
        first.join();
        second.join();
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(u'\n')));
        const QByteArray last = ReadFile(m_folder + QStringLiteral("/same.gif"));
        QVERIFY(last == one || last == two);
        QCOMPARE(Entries(), QStringList{QStringLiteral("same.gif")});
    }
};

QTEST_APPLESS_MAIN(FolderWriterTest)
#include "FolderWriterTest.moc"
