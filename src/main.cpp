// SPDX-License-Identifier: GPL-3.0-or-later
// Lotcraft, the window program. The command line is read first, before any display is
// needed: --help and --version print and end, a wrong option is named with what is accepted.
// Then start-up loads the seller's language, fills the settings and the colour scheme table,
// the main window is created and shown, with the catalogue named on the command line opened
// in it; the program runs while a window is open.

#include "app/ProgramSettings.h"
#include "ui/Auctions.h"
#include "ui/CommandLine.h"
#include "ui/FocusFrame.h"
#include "ui/KeptSettingsFile.h"
#include "ui/PageEngine.h"
#include "ui/ProgramIcon.h"
#include "ui/ProgramLanguage.h"
#include "ui/SharpPictures.h"

#include <QApplication>
#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

constexpr int NoDisplay = 1;

bool HasDisplay() {
    // A platform chosen on purpose (offscreen, vnc) needs no display.
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return true;
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("Lotcraft"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LOTCRAFT_VERSION));

    CommandLine::Request request;
    {
        // Read with a core application of its own, which needs no display and is gone
        // before the window program's application is made.
        QCoreApplication commandLine(argc, argv);
        request = CommandLine::Read(QCoreApplication::arguments());
    }
    if (request.exitStatus)
        return *request.exitStatus;

    if (!HasDisplay()) {
        std::fputs(
            "lotcraft: there is no graphical display (DISPLAY and WAYLAND_DISPLAY are "
            "not set); start Lotcraft from a desktop session, or through xvfb-run for "
            "a virtual one.\n",
            stderr);
        return NoDisplay;
    }
    // The page preview's browser engine shares the application's OpenGL contexts, which must
    // be asked for before the application is made. As root, Chromium's sandbox is turned off,
    // since Chromium refuses to start with it there and ends the program: the preview shows
    // only the seller's own page, and its engine may fetch nothing but that page's pictures.
    PageEngine::PrepareBeforeApplication();
    QApplication application(argc, argv);
    QApplication::setWindowIcon(ProgramIcon());
    // The .desktop entry the windows belong to, for the desktop's task bar and icons.
    QGuiApplication::setDesktopFileName(QStringLiteral(LOTCRAFT_DESKTOP_ID));
    // The seller's language, before the first window is made; English where Lotcraft has no
    // translation for it.
    const ProgramLanguage language(QLocale::system(), ProgramLanguage::TranslationsFolder());
    SharpPictures sharpPictures;
    application.installEventFilter(&sharpPictures);

    ProgramSettings settings;
    // What the seller chose last time: ~/.config/lotcraft/lotcraft.conf on most desktops. The
    // file is looked at before QSettings reads it, and the store is made on that very file.
    const QString keptPath =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
        QStringLiteral("/lotcraft/lotcraft.conf");
    const KeptSettingsFile::Finding found = KeptSettingsFile::Look(keptPath);
    std::optional<QSettings> kept;
    if (found.keep)
        kept.emplace(keptPath, QSettings::NativeFormat);

    // Every window frames its focused button, which draws no focus mark of its own that a
    // seller working by keyboard could follow.
    FocusFrame focusFrame;
    Auctions window(settings);
    window.KeepSettingsIn(kept ? &*kept : nullptr, found.notice);
    window.show();
    CommandLine::Open(request, window);
    return application.exec();
}
