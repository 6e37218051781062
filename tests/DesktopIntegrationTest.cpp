// SPDX-License-Identifier: GPL-3.0-or-later
// Lotcraft as a program of the desktop: the window program's command line without a display,
// the manual pages (no roff warnings, the same options as --help), and the desktop entry
// and metainfo as the desktop's own validators judge them.

#include "ProgramRun.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QtTest>

namespace {

// Runs a program without any display: no X or Wayland display, no platform chosen.
Outcome Run(const QString& program, const QStringList& arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    return RunProgram(program, arguments, QString(), environment);
}

const QString kWindowProgram = QStringLiteral(LOTCRAFT_PROGRAM);
const QString kPagesProgram = QStringLiteral(LOTCRAFT_PAGES_PROGRAM);
const QString kManualPages = QStringLiteral(LOTCRAFT_SOURCE_DIR "/data/man");

// The path of a tool the checks need. `make test` installs every one of them; a Debian
// machine without one fails, a system where the tool cannot be had skips.
#define REQUIRE_TOOL(variable, name, package)                                      \
    const QString variable = QStandardPaths::findExecutable(QStringLiteral(name)); \
    if (variable.isEmpty()) {                                                      \
        if (QFile::exists(QStringLiteral("/usr/bin/dpkg")))                        \
            QFAIL(name " is missing: install the Debian package " package          \
                       " (make test "                                              \
                       "installs it).");                                           \
        QSKIP(name " does not exist on this system.");                             \
    }

// The options a --help text lists ("-o", "--output", ...).
QSet<QString> HelpOptions(const QString& help) {
    QSet<QString> options;
    static const QRegularExpression line(QStringLiteral("^  (-[^ ].*?)(  |$)"),
                                         QRegularExpression::MultilineOption);
    static const QRegularExpression name(QStringLiteral("(--?[A-Za-z?][A-Za-z-]*)"));
    for (auto lines = line.globalMatch(help); lines.hasNext();)
        for (auto names = name.globalMatch(lines.next().captured(1)); names.hasNext();)
            options.insert(names.next().captured(1));
    return options;
}

// The options a manual page describes: the names on the tag line of each paragraph of its
// OPTIONS section.
QSet<QString> ManualOptions(const QString& page) {
    const qsizetype start = page.indexOf(QLatin1String("\n.SH OPTIONS\n"));
    const qsizetype end = page.indexOf(QLatin1String("\n.SH "), start + 1);
    const QStringList lines = page.mid(start, end - start).split(QLatin1Char('\n'));
    QSet<QString> options;
    static const QRegularExpression name(
        QStringLiteral("(\\\\-(?:\\\\-)?[A-Za-z?][A-Za-z\\\\-]*)"));
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        if (lines.at(i) != QLatin1String(".TP"))
            continue;
        for (auto names = name.globalMatch(lines.at(i + 1)); names.hasNext();) {
            QString option = names.next().captured(1);
            options.insert(option.remove(QLatin1Char('\\')));
        }
    }
    return options;
}

QString ReadText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

class DesktopIntegrationTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void helpAndVersionNeedNoDisplay() {
        const Outcome help = Run(kWindowProgram, {QStringLiteral("--help")});
        QCOMPARE(help.status, 0);
        QVERIFY2(help.out.startsWith(QLatin1String("Usage: ")), qPrintable(help.out));
        QVERIFY(help.out.contains(QLatin1String("[CATALOGUE]")));
        QVERIFY(help.err.isEmpty());
        QCOMPARE(Run(kWindowProgram, {QStringLiteral("-h")}).out, help.out);

        const Outcome version = Run(kWindowProgram, {QStringLiteral("--version")});
        QCOMPARE(version.status, 0);
        QCOMPARE(version.out, QStringLiteral("lotcraft " LOTCRAFT_VERSION "\n"));
    }

    void wrongCommandLinesSayWhatIsAcceptedAndEndWithStatus2() {
        const Outcome unknown = Run(kWindowProgram, {QStringLiteral("--bogus")});
        QCOMPARE(unknown.status, 2);
        QVERIFY(unknown.out.isEmpty());
        QVERIFY2(unknown.err.contains(QLatin1String("'bogus'")), qPrintable(unknown.err));
        QVERIFY(unknown.err.contains(QLatin1String("-h, --help")));
        QVERIFY(unknown.err.contains(QLatin1String("-v, --version")));

        const Outcome two = Run(kWindowProgram, {QStringLiteral("a.csv"), QStringLiteral("b.csv")});
        QCOMPARE(two.status, 2);
        QVERIFY(two.err.contains(QLatin1String("one catalogue file")));
    }

    void withoutADisplayTheWindowStopsAtOnceAndSaysSo() {
        // The catalogue is accepted; it is the missing display that ends the program.
        const Outcome outcome = Run(kWindowProgram, {QStringLiteral("catalogue.csv")});
        QCOMPARE(outcome.status, 1);
        QVERIFY2(outcome.err.contains(QLatin1String("no graphical display")),
                 qPrintable(outcome.err));
        QVERIFY(outcome.err.contains(QLatin1String("xvfb-run")));
    }

    void manualPagesHaveNoRoffWarnings() {
        REQUIRE_TOOL(groff, "groff", "groff-base");
        for (const QString& page :
             {QStringLiteral("lotcraft.1"), QStringLiteral("lotcraft-pages.1")}) {
            QProcess process;
            process.start(groff, {QStringLiteral("-man"), QStringLiteral("-ww"),
                                  QStringLiteral("-z"), QDir(kManualPages).filePath(page)});
            QVERIFY(process.waitForFinished(30000));
            const QString warnings = QString::fromLocal8Bit(process.readAllStandardError());
            QVERIFY2(warnings.isEmpty(), qPrintable(page + QLatin1String(": ") + warnings));
            QCOMPARE(process.exitCode(), 0);
        }
    }

    void manualPagesDescribeTheOptionsOfTheHelp_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("page");
        QTest::newRow("lotcraft") << kWindowProgram << QStringLiteral("lotcraft.1");
        QTest::newRow("lotcraft-pages") << kPagesProgram << QStringLiteral("lotcraft-pages.1");
    }

    void manualPagesDescribeTheOptionsOfTheHelp() {
        QFETCH(QString, program);
        QFETCH(QString, page);
        const Outcome help = Run(program, {QStringLiteral("--help")});
        QCOMPARE(help.status, 0);
        const QSet<QString> helpOptions = HelpOptions(help.out);
        QVERIFY2(helpOptions.contains(QStringLiteral("--help")), qPrintable(help.out));
        const QSet<QString> manualOptions =
            ManualOptions(ReadText(QDir(kManualPages).filePath(page)));
        const QStringList missing = QStringList((helpOptions - manualOptions).values());
        const QStringList extra = QStringList((manualOptions - helpOptions).values());
        QVERIFY2(missing.isEmpty(),
                 qPrintable(QLatin1String("not in the manual page: ") + missing.join(u' ')));
        QVERIFY2(extra.isEmpty(), qPrintable(QLatin1String("not in --help: ") + extra.join(u' ')));
    }

    void theDesktopEntryOpensCsvFilesAndValidates() {
        REQUIRE_TOOL(validator, "desktop-file-validate", "desktop-file-utils");
        const QString entry = QStringLiteral(LOTCRAFT_DESKTOP_FILE);
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(validator, {entry});
        QVERIFY(process.waitForFinished(30000));
        const QString report = QString::fromLocal8Bit(process.readAll());
        QVERIFY2(process.exitCode() == 0 && report.isEmpty(), qPrintable(report));

        const QStringList lines = ReadText(entry).split(QLatin1Char('\n'));
        QVERIFY(lines.contains(QStringLiteral("Exec=lotcraft %f")));
        QVERIFY(lines.contains(QStringLiteral("TryExec=lotcraft")));
        QVERIFY(lines.contains(QStringLiteral("MimeType=text/csv;")));
        QVERIFY(lines.contains(QStringLiteral("StartupWMClass=" LOTCRAFT_WINDOW_CLASS)));
        // The icon is named by the desktop id, as the file of the entry is.
        const QString id = QFileInfo(entry).completeBaseName();
        QVERIFY(lines.contains(QLatin1String("Icon=") + id));
    }

    void theIconComesAtEveryThemeSizeAndScalable() {
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const QString file =
                QStringLiteral(LOTCRAFT_SOURCE_DIR "/data/icons/lotcraft-%1.png").arg(size);
            QImageReader reader(file);
            QCOMPARE(reader.size(), QSize(size, size));
            QVERIFY2(reader.read().pixelColor(size / 2, size / 2).alpha() > 0, qPrintable(file));
        }
        const QString svg =
            ReadText(QStringLiteral(LOTCRAFT_SOURCE_DIR "/data/icons/lotcraft.svg"));
        QVERIFY(svg.contains(QLatin1String("viewBox=\"0 0 256 256\"")));
    }

    void theMetainfoValidatesAndNamesTheDesktopEntry() {
        REQUIRE_TOOL(appstreamcli, "appstreamcli", "appstream");
        const QString metainfo = QStringLiteral(LOTCRAFT_METAINFO_FILE);
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(appstreamcli, {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                     QStringLiteral("--pedantic"), metainfo});
        QVERIFY(process.waitForFinished(60000));
        const QString report = QString::fromLocal8Bit(process.readAll());
        QVERIFY2(process.exitCode() == 0, qPrintable(report));
        // Not even a pedantic note: no line of the report names a finding.
        static const QRegularExpression finding(QStringLiteral("^\\s*[EWIP]: "),
                                                QRegularExpression::MultilineOption);
        QVERIFY2(!finding.match(report).hasMatch(), qPrintable(report));

        const QString text = ReadText(metainfo);
        const QString entryName = QFileInfo(QStringLiteral(LOTCRAFT_DESKTOP_FILE)).fileName();
        QVERIFY(text.contains(
            QStringLiteral("<launchable type=\"desktop-id\">%1</launchable>").arg(entryName)));
        // Its screenshots are pictures the repository ships, of the sizes it gives.
        static const QRegularExpression image(
            QStringLiteral("<image type=\"source\" width=\"(\\d+)\" "
                           "height=\"(\\d+)\">[^<]*/(docs/[^<]+)</image>"));
        int shots = 0;
        for (auto images = image.globalMatch(text); images.hasNext(); ++shots) {
            const QRegularExpressionMatch shot = images.next();
            const QString file = QStringLiteral(LOTCRAFT_SOURCE_DIR "/") + shot.captured(3);
            QCOMPARE(QImageReader(file).size(),
                     QSize(shot.captured(1).toInt(), shot.captured(2).toInt()));
        }
        QCOMPARE(shots, 2);
        // What a software centre shows beside the description.
        QVERIFY(
            text.contains(QLatin1String("<project_license>GPL-3.0-or-later</project_license>")));
        QVERIFY(ReadText(QStringLiteral(LOTCRAFT_SOURCE_DIR "/data/copyright"))
                    .contains(QLatin1String("License: GPL-3.0-or-later")));
        QVERIFY(text.contains(QLatin1String("<binary>lotcraft</binary>")));
        QVERIFY(text.contains(QLatin1String("<binary>lotcraft-pages</binary>")));
        for (const char* type : {"homepage", "bugtracker", "help", "vcs-browser"})
            QVERIFY2(text.contains(QStringLiteral("<url type=\"%1\">").arg(QLatin1String(type))),
                     type);
        static const QRegularExpression release(QStringLiteral(
            "<release version=\"" LOTCRAFT_VERSION "\" date=\"[-0-9]+\">\\s*<description>"));
        QVERIFY2(release.match(text).hasMatch(), "no release notes for " LOTCRAFT_VERSION);
    }
};

QTEST_MAIN(DesktopIntegrationTest)
#include "DesktopIntegrationTest.moc"
