// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class Auctions;

// The window program's command line: lotcraft [--help] [--version] [CATALOGUE]. It is read
// before any display is needed: the help and the version are printed, a mistake is named
// with what is accepted.
class CommandLine {
public:
    // What the command line asks for: the catalogue to open (empty for none), or the status
    // to end with at once, the help or the version having been printed or the mistake named.
    struct Request {
        QString catalogue;
        std::optional<int> exitStatus;
    };

    // Reads the arguments, the program's name first; a catalogue's path is made absolute
    // while the folder it was given in is known.
    static Request Read(const QStringList& arguments);
    // Opens the requested catalogue in the window as LOAD CSV opens one, once the window's
    // event loop runs.
    static void Open(const Request& request, Auctions& window);
};
