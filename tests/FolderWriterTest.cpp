// Files written under a hidden name and then renamed, where a file system has no unnamed
// files: replacing what has the name without writing through a link, and failures that
// leave the old file and nothing else. (Unnamed files are what every page run uses; the
// page and batch tests cover them.)

#include "app/LotcraftError.h"
#include "pages/FolderWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

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
};

QTEST_APPLESS_MAIN(FolderWriterTest)
#include "FolderWriterTest.moc"
