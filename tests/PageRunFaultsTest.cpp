// SPDX-License-Identifier: GPL-3.0-or-later
// Runs of the real lotcraft-pages into a folder that holds an older run's pages and pictures,
// killed at random moments: nothing older is ever lost, every file is the older one or the
// new one, whole, and what a killed run leaves behind the next run clears. Then runs with
// fewer and fewer file descriptors.

#include "pages/PagePictures.h"

#include "ProgramRun.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <map>

namespace {

constexpr int kItems = 300;

QByteArray ReadFile(const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& name, const QByteArray& bytes) {
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Every page and picture name of a run, with its bytes (empty when it is missing).
std::map<QString, QByteArray> Files(const QString& folder) {
    std::map<QString, QByteArray> files;
    for (int item = 1; item <= kItems; ++item)
        files[QStringLiteral("%1.html").arg(item)] =
            ReadFile(QDir(folder).filePath(QStringLiteral("%1.html").arg(item)));
    for (const QString& name : PagePictures::CopiedFiles())
        files[name] = ReadFile(QDir(folder).filePath(name));
    return files;
}

ino_t Inode(const QString& name) {
    struct stat status {};
    return ::stat(QFile::encodeName(name).constData(), &status) == 0 ? status.st_ino : 0;
}

QStringList HiddenFiles(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral(".lotcraft-*")}, QDir::Files | QDir::Hidden,
                                  QDir::Name);
}

}  // namespace

class PageRunFaultsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_catalogue;

    QStringList Arguments(const QString& seller, const QString& folder) const {
        return {
            QStringLiteral("-q"), QStringLiteral("--seller"), seller, QStringLiteral("-o"), folder,
            m_catalogue};
    }

    // A whole run into a new folder; gives its files.
    std::map<QString, QByteArray> Reference(const QString& seller, const QString& folder) {
        QDir().mkpath(folder);
        const Outcome outcome =
            RunProgram(QStringLiteral(LOTCRAFT_PAGES_PROGRAM), Arguments(seller, folder));
        if (outcome.status != 0)
            qWarning("%s", qPrintable(outcome.err));
        return Files(folder);
    }

private Q_SLOTS:
    void initTestCase() {
        // Pages of about 40 KB, so that a kill often lands while pages are being written.
        QByteArray bytes;
        for (int item = 1; item <= kItems; ++item)
            bytes += QByteArray::number(item) + ",Item " + QByteArray::number(item) + "," +
                     QByteArray(30000 + item, 'd') + ",,$1.00,$1.00,,,,\r\n";
        m_catalogue = m_dir.filePath(QStringLiteral("catalogue.csv"));
        WriteFile(m_catalogue, bytes);
    }

    void killedReRunsNeverLoseAnOlderFile() {
        // Two sellers, so that each run replaces every page with another one.
        const QString sellers[2] = {QStringLiteral("older@example.com"),
                                    QStringLiteral("newer@example.com")};
        QElapsedTimer timer;
        timer.start();
        const std::map<QString, QByteArray> runs[2] = {
            Reference(sellers[0], m_dir.filePath(QStringLiteral("older"))),
            Reference(sellers[1], m_dir.filePath(QStringLiteral("newer")))};
        const qint64 runMs = timer.elapsed() / 2;
        for (const auto& [name, bytes] : runs[0])
            QVERIFY2(!bytes.isEmpty() &&
                         (name.endsWith(QLatin1String(".gif")) || bytes != runs[1].at(name)),
                     qPrintable(name));

        // The folder holds the older run's pages, and pictures of an older Lotcraft.
        const QString folder = m_dir.filePath(QStringLiteral("pages"));
        QVERIFY(QDir().mkpath(folder));
        QCOMPARE(RunProgram(QStringLiteral(LOTCRAFT_PAGES_PROGRAM), Arguments(sellers[0], folder))
                     .status,
                 0);
        const auto olderPictures = [&] {
            for (const QString& name : PagePictures::CopiedFiles())
                WriteFile(QDir(folder).filePath(name), "an older picture " + name.toUtf8());
        };
        // A hidden file that a run still going on holds locked is never removed.
        const QString ours = QStringLiteral(".lotcraft-%1-0").arg(::getpid());
        WriteFile(QDir(folder).filePath(ours), "still being written");
        QFile held(QDir(folder).filePath(ours));
        QVERIFY(held.open(QIODevice::ReadOnly) && ::flock(held.handle(), LOCK_EX) == 0);

        QRandomGenerator random(quint32(QDateTime::currentMSecsSinceEpoch()));
        int killedWhileWriting = 0;
        int tries = 0;
        QString leftover;  // left as a killed run leaves it, before each run
        for (; tries < 60 && timer.elapsed() < 30000; ++tries) {
            olderPictures();
            const std::map<QString, QByteArray> before = Files(folder);
            QProcess process;
            process.start(QStringLiteral(LOTCRAFT_PAGES_PROGRAM),
                          Arguments(sellers[(tries + 1) % 2], folder));
            QVERIFY(process.waitForStarted());
            const qint64 pid = process.processId();
            // Every other run is killed at any moment of its run, the others once a page
            // chosen at random is replaced, a moment later.
            if (tries % 2 == 1) {
                const QString page = QDir(folder).filePath(
                    QStringLiteral("%1.html").arg(random.bounded(kItems) + 1));
                const ino_t older = Inode(page);
                while (Inode(page) == older && process.state() == QProcess::Running)
                    QThread::usleep(100);
                QThread::usleep(random.bounded(1000));
            } else {
                QThread::usleep(random.bounded(quint32(runMs * 1100)));
            }
            ::kill(pid_t(pid), SIGKILL);
            QVERIFY(process.waitForFinished(60000));

            // Every page and picture is there, the older one or the new one, whole.
            const std::map<QString, QByteArray> after = Files(folder);
            int changed = 0;
            for (const auto& [name, bytes] : after) {
                const bool older = name.endsWith(QLatin1String(".gif"))
                                       ? bytes.startsWith("an older picture")
                                       : bytes == before.at(name);
                QVERIFY2(older || bytes == runs[(tries + 1) % 2].at(name),
                         qPrintable(QStringLiteral("try %1: %2 is %3 bytes, neither the older "
                                                   "file nor the new one")
                                        .arg(tries)
                                        .arg(name)
                                        .arg(bytes.size())));
                changed += !older;
            }
            killedWhileWriting += changed > 0 && changed < int(after.size());
            // A run that wrote anything cleared the hidden file of the run killed before it.
            const QStringList hidden = HiddenFiles(folder);
            QVERIFY2(hidden.contains(ours), qPrintable(hidden.join(u' ')));
            if (changed > 0 && !leftover.isEmpty())
                QVERIFY2(!hidden.contains(leftover), qPrintable(leftover));
            leftover = QStringLiteral(".lotcraft-%1-7").arg(pid);
            WriteFile(QDir(folder).filePath(leftover), "left by a killed run");
        }
        qInfo("%d runs killed, %d of them while writing pages", tries, killedWhileWriting);
        QVERIFY2(killedWhileWriting >= 2, "too few runs were killed while writing pages");

        // A whole run afterwards: the new pages and pictures, and no leftover.
        QCOMPARE(RunProgram(QStringLiteral(LOTCRAFT_PAGES_PROGRAM), Arguments(sellers[1], folder))
                     .status,
                 0);
        QVERIFY(Files(folder) == runs[1]);
        QCOMPARE(HiddenFiles(folder), QStringList{ours});
    }

    void fewDescriptorsWriteEveryFileOrSaySo() {
        // The pages' descriptors are released before the pictures are copied: down to 8
        // descriptors every page and picture is written, into an empty folder and over an
        // older run. With fewer, a run says that the limit is too low, never that something
        // is damaged.
        const std::map<QString, QByteArray> whole =
            Reference(QStringLiteral("me@example.com"), m_dir.filePath(QStringLiteral("whole")));
        // Only standard input, output and error are open as the program starts, whatever
        // this test was given by what started it.
        for (const QString& fd :
             QDir(QStringLiteral("/proc/self/fd"))
                 .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
            if (fd.toInt() > 2)
                ::fcntl(fd.toInt(), F_SETFD, FD_CLOEXEC);
        int failed = 0;
#ifdef LOTCRAFT_SANITIZED
        // The sanitizers' own runtime needs descriptors of its own: only the usual 20 hold.
        const int lowest = 20;
#else
        const int lowest = 4;
#endif
        for (int limit = 20; limit >= lowest; --limit) {
            const QString folder = m_dir.filePath(QStringLiteral("descriptors-%1").arg(limit));
            QVERIFY(QDir().mkpath(folder));
            for (int run = 0; run < (limit % 4 == 0 ? 2 : 1); ++run) {
                const Outcome outcome = RunProgram(
                    QStringLiteral("/bin/sh"),
                    QStringList{QStringLiteral("-c"),
                                QStringLiteral("ulimit -n %1 && exec \"$@\"").arg(limit),
                                QStringLiteral("sh"), QStringLiteral(LOTCRAFT_PAGES_PROGRAM)} +
                        Arguments(QStringLiteral("me@example.com"), folder));
                // Below some limit the program cannot even be loaded.
                if (outcome.err.contains(QLatin1String("error while loading shared libraries")))
                    break;
                if (limit >= 8 || outcome.status == 0) {
                    QVERIFY2(outcome.status == 0, qPrintable(QString::number(limit) + outcome.err));
                    QVERIFY(Files(folder) == whole);
                    continue;
                }
                ++failed;
                QVERIFY2(outcome.err.contains(QLatin1String("too many files are open at once: "
                                                            "raise the limit (ulimit -n)")) &&
                             !outcome.err.contains(QLatin1String("reinstall")),
                         qPrintable(outcome.err));
            }
        }
        // Below 8 some limit is too low for a run, and says so.
        QVERIFY(lowest >= 8 || failed > 0);
    }
};

QTEST_APPLESS_MAIN(PageRunFaultsTest)
#include "PageRunFaultsTest.moc"
