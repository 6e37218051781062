// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CommandLine.h"

#include "ui/Auctions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>

#include <cstdio>

namespace {

enum ExitStatus { Success = 0, Usage = 2 };

void PrintLine(FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
}

}  // namespace

CommandLine::Request CommandLine::Read(const QStringList& arguments) {
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

    if (!parser.parse(arguments)) {
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

void CommandLine::Open(const Request& request, Auctions& window) {
    if (request.catalogue.isEmpty())
        return;
    // Once the window is up: a file that cannot be read is told there, over the window.
    const QString catalogue = request.catalogue;
    QTimer::singleShot(0, &window, [&window, catalogue] { window.OpenCatalogue(catalogue); });
}
