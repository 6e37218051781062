// Lotcraft, the window program: start-up fills the settings and the colour scheme table,
// then the main window is created and shown; the program runs while a window is open.

#include "app/ProgramSettings.h"
#include "app/Startup.h"
#include "ui/Auctions.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

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
    if (!HasDisplay()) {
        std::fprintf(stderr,
                     "lotcraft: there is no graphical display (DISPLAY and WAYLAND_DISPLAY are "
                     "not set); start Lotcraft from a desktop session.\n");
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lotcraft"));

    ProgramSettings settings;
    Startup::Run(settings);

    Auctions window(settings);
    window.show();
    return application.exec();
}
