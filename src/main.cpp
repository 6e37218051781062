// Lotcraft, the window program. The command line is read first, before any display is
// needed: --help and --version print and end, a wrong option is named with what is accepted.
// Then start-up fills the settings and the colour scheme table, the main window is created
// and shown, with the catalogue named on the command line opened in it; the program runs
// while a window is open.

#include "app/ProgramSettings.h"
#include "app/Startup.h"
#include "ui/Auctions.h"
#include "ui/ProgramIcon.h"
#include "ui/SharpPictures.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

enum ExitStatus { Success = 0, NoDisplay = 1, Usage = 2 };

void PrintLine(FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
}

bool HasDisplay() {
    // A platform chosen on purpose (offscreen, vnc) needs no display.
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return true;
    }
    return false;
}

// What the command line asks for: the catalogue to open (empty for none), or the status to
// end with at once, the help or the version having been printed or the mistake named.
struct Request {
    QString catalogue;
    std::optional<int> exitStatus;
};

// Reads the command line with a core application of its own, which needs no display and is
// gone before the window program's application is made.
Request ReadCommandLine(int argc, char* argv[]) {
    QCoreApplication commandLine(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Keeps a catalogue of items to sell in a grid and a form, and writes one "
                       "eBay-style listing page per item."));
    // Our own help option: the generic one also offers --help-all for Qt's options, which
    // this program does not take on its command line (their environment variables work).
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help and exits."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Displays the version and exits."));
    const QList<QCommandLineOption> options = {help, version};
    parser.addOptions(options);
    parser.addPositionalArgument(QStringLiteral("CATALOGUE"),
                                 QStringLiteral("A catalogue file (.csv) to open, as LOAD CSV "
                                                "opens one."),
                                 QStringLiteral("[CATALOGUE]"));

    if (!parser.parse(QCoreApplication::arguments())) {
        PrintLine(stderr, QStringLiteral("lotcraft: %1").arg(parser.errorText()));
        QStringList accepted;
        for (const QCommandLineOption& option : options) {
            QStringList names = option.names();
            for (QString& name : names)
                name.prepend(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"));
            accepted << names.join(QStringLiteral(", "));
        }
        PrintLine(stderr, QStringLiteral("Accepted: %1, and one catalogue file; try 'lotcraft "
                                         "--help' for more.")
                              .arg(accepted.join(QStringLiteral("; "))));
        return {QString(), Usage};
    }
    if (parser.isSet(help)) {
        std::fputs(parser.helpText().toLocal8Bit().constData(), stdout);
        return {QString(), Success};
    }
    if (parser.isSet(version)) {
        PrintLine(stdout,
                  QStringLiteral("lotcraft %1").arg(QCoreApplication::applicationVersion()));
        return {QString(), Success};
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) {
        PrintLine(stderr, QStringLiteral("lotcraft: name one catalogue file only; %1 were given.")
                              .arg(positional.size()));
        PrintLine(stderr, QStringLiteral("Try 'lotcraft --help' for more."));
        return {QString(), Usage};
    }
    // The path is made absolute while the folder it was given in is known.
    return {positional.isEmpty() ? QString() : QFileInfo(positional.first()).absoluteFilePath(),
            std::nullopt};
}

// Opens the catalogue named on the command line in the window, as LOAD CSV opens one: a
// file that cannot be read is told there, over the window.
void OpenCatalogueInWindow(Auctions& window, const QString& path) {
    // THE LEAD WIRES HERE: window.OpenCatalogue(path);
    Q_UNUSED(window);
    PrintLine(stderr,
              QStringLiteral("lotcraft: %1 is not opened yet; open it with LOAD CSV.").arg(path));
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("Lotcraft"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LOTCRAFT_VERSION));

    const Request request = ReadCommandLine(argc, argv);
    if (request.exitStatus)
        return *request.exitStatus;

    if (!HasDisplay()) {
        PrintLine(stderr,
                  QStringLiteral("lotcraft: there is no graphical display (DISPLAY and "
                                 "WAYLAND_DISPLAY are not set); start Lotcraft from a desktop "
                                 "session, or through xvfb-run for a virtual one."));
        return NoDisplay;
    }
    QApplication application(argc, argv);
    QApplication::setWindowIcon(ProgramIcon());
    // The .desktop entry the windows belong to, for the desktop's task bar and icons.
    QGuiApplication::setDesktopFileName(QStringLiteral(LOTCRAFT_DESKTOP_ID));
    SharpPictures sharpPictures;
    application.installEventFilter(&sharpPictures);

    ProgramSettings settings;
    Startup::Run(settings);

    Auctions window(settings);
    window.show();
    if (!request.catalogue.isEmpty())
        OpenCatalogueInWindow(window, request.catalogue);
    return application.exec();
}
