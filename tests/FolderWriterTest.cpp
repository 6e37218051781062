// SPDX-License-Identifier: GPL-3.0-or-later
// Files written under a hidden name and then renamed, where a file system has no unnamed
// files: replacing what has the name without writing through a link, and failures that
// leave the old file and nothing else. Then, both ways: a file whose naming is refused at
// the last moment; two writers replacing one name while it is read, which never find it
// missing or torn, and a file that replaces another taking its permissions; the hidden
// files no writer holds cleared, those of writers still going on kept; several threads writing
// files that are named in order up to a failure of any kind; and batches that fit the descriptors
// free.

#include "app/FolderWriter.h"
#include "app/LotcraftError.h"
#include "pages/BackgroundFileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <new>
#include <optional>
#include <stdexcept>
#include <thread>
#include <vector>

#include <sys/file.h>
#include <sys/resource.h>
#include <unistd.h>

#include "FileSizeLimit.h"

Q_DECLARE_METATYPE(std::exception_ptr)

namespace {

QByteArray ReadFile(const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Touch(const QString& name) {
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

// The descriptors this process has open.
rlim_t OpenDescriptors() {
    const QStringList open =
        QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    return rlim_t(open.size() - 1);  // but the listing's own
}

// While it lives, this process may open only `spare` descriptors more than it has open.
class DescriptorLimit {
public:
    explicit DescriptorLimit(rlim_t spare) {
        getrlimit(RLIMIT_NOFILE, &m_old);
        rlimit few = m_old;
        few.rlim_cur = OpenDescriptors() + spare;
        m_active = setrlimit(RLIMIT_NOFILE, &few) == 0;
    }
    ~DescriptorLimit() { setrlimit(RLIMIT_NOFILE, &m_old); }
    bool Active() const { return m_active; }

private:
    rlimit m_old{};
    bool m_active = false;
};

// Prepares files as the page run does, but the file named `failing` throws `failure`.
class FailingWriter : public BackgroundFileWriter {
public:
    FailingWriter(const FolderWriter& folder, QString failing, std::exception_ptr failure)
        : BackgroundFileWriter(folder, 3), m_failing(std::move(failing)), m_failure(failure) {}

    QString m_failing;
    std::exception_ptr m_failure;

protected:
    FolderWriter::Pending Prepare(const File& file) const override {
        if (file.name == m_failing && m_failure)
            std::rethrow_exception(m_failure);
        return BackgroundFileWriter::Prepare(file);
    }
};

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

        // The file that replaces it takes its permissions.
        QVERIFY(QFile::setPermissions(folder + QStringLiteral("/a.html"),
                                      QFile::ReadOwner | QFile::WriteOwner));
        FolderWriter::Pending named =
            writer.Prepare(QStringLiteral("a.html"), "the new page", QStringLiteral("the page"));
        writer.Name(named, QStringLiteral("the page"));
        QCOMPARE(ReadFile(folder + QStringLiteral("/a.html")), QByteArray("the new page"));
        QCOMPARE(entries(), onlyTheOldFile);
        QCOMPARE(QFileInfo(folder + QStringLiteral("/a.html")).permissions() & 0x7077,
                 QFile::ReadOwner | QFile::WriteOwner);
    }

    void twoWritersOnOneNameNeverFailNorLeaveItMissing_data() {
        aFileRefusedItsNameLeavesTheOlderFileAsItWas_data();
    }

    void twoWritersOnOneNameNeverFailNorLeaveItMissing() {
        // Two threads replace one file over and over, each with its own bytes, while a third
        // reads it: the name always holds one of them, whole, and neither writer fails.
        QFETCH(bool, hiddenNames);
        const QString folder =
            m_dir.filePath(hiddenNames ? QStringLiteral("race-hidden") : QStringLiteral("race"));
        QVERIFY(QDir().mkpath(folder));
        FolderWriter writer(folder);
        if (hiddenNames)
            writer.UseHiddenNames();
        const QByteArray contents[2] = {QByteArray(40000, 'a'), QByteArray(50000, 'b')};
        writer.Write(QStringLiteral("a.html"), contents[0], QStringLiteral("the page"));
        std::atomic<bool> writing{true};
        std::atomic<int> failures{0};
        auto replace = [&](const QByteArray& bytes) {
            for (int k = 0; k < 300; ++k) {
                try {
                    writer.Write(QStringLiteral("a.html"), bytes, QStringLiteral("the page"));
                } catch (const LotcraftError&) {
                    ++failures;
                }
            }
        };
        std::thread first(replace, contents[0]);
        std::thread second(replace, contents[1]);
        std::thread stop([&] {
            first.join();
            second.join();
            writing = false;
        });
        int reads = 0;
        int torn = 0;
        while (writing) {
            const QByteArray bytes = ReadFile(folder + QStringLiteral("/a.html"));
            torn += bytes != contents[0] && bytes != contents[1];
            ++reads;
        }
        stop.join();
        QCOMPARE(failures.load(), 0);
        QVERIFY(reads > 0);
        QCOMPARE(torn, 0);
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QStringLiteral("a.html")});
    }

    void hiddenFilesAreClearedOnlyWhenNoWriterHoldsThem() {
        const QString folder = m_dir.filePath(QStringLiteral("leftovers"));
        QVERIFY(QDir().mkpath(folder));
        // Left by writers that are gone, whatever process ids they name: this process's own
        // too, which a writer in another process-id namespace may have had.
        const QStringList gone{QStringLiteral(".lotcraft-99999-3"),
                               QStringLiteral(".lotcraft-%1-4").arg(::getpid())};
        // Names no writer gives, and the file a writer elsewhere holds locked.
        const QString held = QStringLiteral(".lotcraft-%1-5").arg(::getppid());
        const QStringList kept{QStringLiteral(".lotcraft-99999-3.html"),
                               QStringLiteral(".lotcraft-notes"),
                               QStringLiteral("lotcraft-99999-3"), held};
        for (const QString& name : kept + gone)
            Touch(folder + QLatin1Char('/') + name);
        QFile holder(folder + QLatin1Char('/') + held);
        QVERIFY(holder.open(QIODevice::ReadOnly) && ::flock(holder.handle(), LOCK_EX) == 0);
        // A file another writer of this process is still writing under a hidden name.
        FolderWriter busy(folder);
        busy.UseHiddenNames();
        FolderWriter::Pending pending =
            busy.Prepare(QStringLiteral("b.html"), "page b", QStringLiteral("the page"));

        QCOMPARE(FolderWriter(folder).ClearLeftovers(), 2);
        for (const QString& name : gone)
            QVERIFY2(!QFile::exists(folder + QLatin1Char('/') + name), qPrintable(name));
        for (const QString& name : kept)
            QVERIFY2(QFile::exists(folder + QLatin1Char('/') + name), qPrintable(name));
        busy.Name(pending, QStringLiteral("the page"));
        QCOMPARE(ReadFile(folder + QStringLiteral("/b.html")), QByteArray("page b"));
        QCOMPARE(FolderWriter(m_dir.filePath(QStringLiteral("missing"))).ClearLeftovers(), 0);
    }

    void filesWrittenSideBySideAreNamedInOrderUpToAFailure_data() {
        QTest::addColumn<bool>("hiddenNames");
        QTest::addColumn<std::exception_ptr>("thrown");
        QTest::addColumn<QString>("reason");
        // File 150 cannot be named (a folder has its name), or its writing thread throws.
        QTest::newRow("unnamed files")
            << false << std::exception_ptr() << QStringLiteral("the page cannot be given its name");
        QTest::newRow("hidden names")
            << true << std::exception_ptr() << QStringLiteral("the page cannot be given its name");
        QTest::newRow("no memory left")
            << false << std::make_exception_ptr(std::bad_alloc())
            << QStringLiteral("the page cannot be written: there is not enough memory");
        QTest::newRow("another exception")
            << true << std::make_exception_ptr(std::runtime_error("a thread ran into trouble"))
            << QStringLiteral("the page cannot be written: a thread ran into trouble");
        QTest::newRow("a failure of its own")
            << false
            << std::make_exception_ptr(LotcraftError(QStringLiteral("the disk went away"),
                                                     QStringLiteral("/elsewhere")))
            << QStringLiteral("the disk went away");
    }

    void filesWrittenSideBySideAreNamedInOrderUpToAFailure() {
        // Three writing threads and the caller; file 150 fails. Files before it are written
        // whole; files after it may have been written already but are never named, so the
        // older files of those names stay as they were.
        QFETCH(bool, hiddenNames);
        QFETCH(std::exception_ptr, thrown);
        QFETCH(QString, reason);
        const QString folder =
            m_dir.filePath(QStringLiteral("batch-%1").arg(QLatin1String(QTest::currentDataTag())));
        QVERIFY(QDir().mkpath(folder));
        if (!thrown)
            QVERIFY(QDir().mkpath(folder + QStringLiteral("/150.html/inside")));
        else
            Touch(folder + QStringLiteral("/150.html"));
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
        FailingWriter files(writer, QStringLiteral("150.html"), thrown);
        std::optional<LotcraftError> failure;
        for (int round = 0; round < 2; ++round) {
            files.Start(batch, round == 0 ? 150 : batch.size());
            QCOMPARE(files.Finish(failure), size_t(150));
            QCOMPARE(bool(failure), round == 1);
        }
        QVERIFY2(failure->Reason().startsWith(reason), qPrintable(failure->Reason()));
        if (thrown)
            QCOMPARE(failure->File(), reason.startsWith(QLatin1String("the disk"))
                                          ? QStringLiteral("/elsewhere")
                                          : folder + QStringLiteral("/150.html"));
        else
            QCOMPARE(failure->File(), folder + QStringLiteral("/150.html"));
        if (thrown)
            QCOMPARE(ReadFile(folder + QStringLiteral("/150.html")), QByteArray());
        for (int n = 0; n < 400; ++n) {
            const QString name = folder + QStringLiteral("/%1.html").arg(n);
            if (n < 150)
                QCOMPARE(ReadFile(name), batch[size_t(n)].bytes);
            else if (n > 150)
                QCOMPARE(ReadFile(name), (n - 151) % 7 == 0 ? QByteArray("older") : QByteArray());
        }
        // Nothing else: the 150 pages, the 36 older files and what is in the way.
        QCOMPARE(entries().size(), 150 + 36 + 1);
        // A later batch starts afresh.
        QVERIFY(QDir(folder + QStringLiteral("/150.html")).removeRecursively() ||
                QFile::remove(folder + QStringLiteral("/150.html")));
        files.m_failure = nullptr;
        files.Start(batch, batch.size());
        QCOMPARE(files.Finish(failure), batch.size());
        QVERIFY(!failure);
        QCOMPARE(ReadFile(folder + QStringLiteral("/399.html")), batch[399].bytes);
        QCOMPARE(entries().size(), 400);
    }

    void batchesFitTheDescriptorsFree() {
        // Each file written and not yet closed holds a descriptor, and two batches may hold
        // theirs at once: with 12 descriptors to spare, a batch holds 3 files, and batches
        // of that size all get written.
        const QString folder = m_dir.filePath(QStringLiteral("descriptors"));
        QVERIFY(QDir().mkpath(folder));
        FolderWriter writer(folder);
        std::vector<BackgroundFileWriter::File> batch(64);
        std::optional<LotcraftError> failure;
        {
            const DescriptorLimit limit(400);
            QVERIFY(limit.Active());
            QCOMPARE(BackgroundFileWriter(writer, 3).BatchSize(), size_t(64));
        }
        {
            const DescriptorLimit limit(1);
            QVERIFY(limit.Active());
            QCOMPARE(BackgroundFileWriter(writer, 1).BatchSize(), size_t(1));
        }
        const DescriptorLimit limit(12);
        QVERIFY(limit.Active());
        BackgroundFileWriter files(writer, 3);
        QCOMPARE(files.BatchSize(), size_t(3));
        for (int first = 0; first < 300; first += int(files.BatchSize())) {
            for (size_t k = 0; k < files.BatchSize(); ++k)
                batch[k] = {QStringLiteral("%1.html").arg(first + int(k)), QByteArray(5000, 'p')};
            files.Start(batch, files.BatchSize());
            QCOMPARE(files.Finish(failure), files.BatchSize());
            QVERIFY2(!failure, qPrintable(failure ? failure->Message() : QString()));
        }
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 300);
    }
};

QTEST_APPLESS_MAIN(FolderWriterTest)
#include "FolderWriterTest.moc"
