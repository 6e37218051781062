// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a file about to be written is the seller's catalogue: by what the file is, through
// paths of every kind, on a folder bound to another place and on an exFAT volume that ignores
// letter case (those two need root and are skipped where mounting is not allowed).

#include "app/FileIdentity.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/mount.h>
#include <unistd.h>

namespace {

void WriteFile(const QString& name) {
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("1,a,,,,,,,,\r\n") > 0);
}

// Runs a command; its standard output, or nothing when it failed.
std::optional<QString> Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return std::nullopt;
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

// While it lives, a small exFAT volume (through FUSE, as many desktops mount USB sticks) is
// mounted on a folder; Mounted() is false where that cannot be done here.
class ExfatVolume {
public:
    ExfatVolume(const QString& image, const QString& folder) : m_folder(folder) {
        QFile file(image);
        if (!file.open(QIODevice::WriteOnly) || !file.resize(8 << 20))
            return;
        file.close();
        if (!Run(QStringLiteral("mkfs.exfat"), {image}))
            return;
        const std::optional<QString> device =
            Run(QStringLiteral("losetup"), {QStringLiteral("-f"), QStringLiteral("--show"), image});
        if (!device)
            return;
        m_device = *device;
        m_mounted = Run(QStringLiteral("mount.exfat-fuse"), {m_device, folder}).has_value();
    }
    ~ExfatVolume() {
        if (m_mounted)
            Run(QStringLiteral("umount"), {m_folder});
        if (!m_device.isEmpty())
            Run(QStringLiteral("losetup"), {QStringLiteral("-d"), m_device});
    }
    bool Mounted() const { return m_mounted; }

private:
    QString m_folder;
    QString m_device;
    bool m_mounted = false;
};

}  // namespace

class FileIdentityTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aFileIsTheCatalogueByWhatItIs() {
        QTemporaryDir dir;
        const QString d = dir.path() + QLatin1Char('/');
        QVERIFY(
            QDir().mkpath(d + QStringLiteral("sub")) && QDir().mkpath(d + QStringLiteral("real")) &&
            QDir().mkpath(d + QStringLiteral("view")) && QDir().mkpath(d + QStringLiteral("usb")));
        for (const char* name : {"spring.csv", "other.csv", "real/spring.csv"})
            WriteFile(d + QLatin1String(name));
        QVERIFY(QFile::link(d + QStringLiteral("spring.csv"), d + QStringLiteral("link.csv")));
        QVERIFY(::link(QFile::encodeName(d + QStringLiteral("spring.csv")).constData(),
                       QFile::encodeName(d + QStringLiteral("hard.csv")).constData()) == 0);
        const bool bound = ::mount(QFile::encodeName(d + QStringLiteral("real")).constData(),
                                   QFile::encodeName(d + QStringLiteral("view")).constData(),
                                   nullptr, MS_BIND, nullptr) == 0;
        const ExfatVolume usb(d + QStringLiteral("usb.img"), d + QStringLiteral("usb"));
        if (usb.Mounted()) {
            WriteFile(d + QStringLiteral("usb/Spring.csv"));
            WriteFile(d + QStringLiteral("usb/gone.csv"));
            QVERIFY(QFile::remove(d + QStringLiteral("usb/gone.csv")));
        }

        // Whether writing the file replaces the catalogue (an export, written through a link
        // to the file it leads to), and whether a page or picture of that name is refused
        // (written in place of a link or a second name, which the catalogue outlives).
        struct Case {
            const char* what;
            const char* written;
            const char* kept;
            bool replaces;
            bool pageRefused;
            bool possible;
        };
        const bool onUsb = usb.Mounted();
        const Case cases[] = {
            {"the same path", "spring.csv", "spring.csv", true, true, true},
            {"through .. and .", "sub/.././spring.csv", "spring.csv", true, true, true},
            {"a link to it", "link.csv", "spring.csv", true, false, true},
            {"a second name of it", "hard.csv", "spring.csv", true, false, true},
            {"a catalogue opened through a link, by the link", "link.csv", "link.csv", true, true,
             true},
            {"a catalogue opened through a link, by its file", "spring.csv", "link.csv", true, true,
             true},
            {"another file beside it", "other.csv", "spring.csv", false, false, true},
            {"a new name beside it", "new.csv", "spring.csv", false, false, true},
            {"its name in other letter case, where case counts", "SPRING.CSV", "spring.csv", false,
             false, true},
            {"its name, once it is gone", "gone.csv", "gone.csv", true, true, true},
            {"the same name in another folder", "real/spring.csv", "spring.csv", false, false,
             true},
            {"its folder bound to another place", "view/spring.csv", "real/spring.csv", true, true,
             bound},
            {"exFAT: its name in other letter case", "usb/SPRING.CSV", "usb/Spring.csv", true, true,
             onUsb},
            {"exFAT: its name, once it is gone, in other letter case", "usb/GONE.CSV",
             "usb/gone.csv", true, true, onUsb},
            {"exFAT: a new name beside it", "usb/autumn.csv", "usb/Spring.csv", false, false,
             onUsb},
        };
        int skipped = 0;
        for (const Case& c : cases) {
            if (!c.possible) {
                ++skipped;
                continue;
            }
            const QString written = d + QLatin1String(c.written);
            const QString kept = d + QLatin1String(c.kept);
            QVERIFY2(FileIdentity::WouldReplace(written, kept) == c.replaces, c.what);
            const QFileInfo page(written);
            const FileIdentity::NamesInFolder names =
                FileIdentity::NamesIn(page.absolutePath(), kept);
            QVERIFY2(names.Match(page.fileName()).isEmpty() != c.pageRefused, c.what);
        }
        QVERIFY(!FileIdentity::WouldReplace(d + QStringLiteral("spring.csv"), QString()));
        if (bound)
            ::umount2(QFile::encodeName(d + QStringLiteral("view")).constData(), MNT_DETACH);
        if (skipped > 0)
            qWarning("%d cases skipped: %s", skipped,
                     !bound ? "a folder cannot be bound here (it needs root)"
                            : "an exFAT volume cannot be mounted here (it needs root, a loop "
                              "device, FUSE and the packages exfat-fuse and exfatprogs)");
    }
};

QTEST_APPLESS_MAIN(FileIdentityTest)
#include "FileIdentityTest.moc"
