// SPDX-License-Identifier: GPL-3.0-or-later
// Times the window's page run: the real main window, shown offscreen, loads a catalogue
// through a prepared open dialog, its output folder prompt answers with the given folder,
// and HTMLS is clicked. Prints the time from the click until the run has ended, which
// covers checking the catalogue, writing the pages, marking the rows, the counter and
// copying the pictures.
//   window-pages-bench CATALOGUE OUTPUT_FOLDER [SCHEME]

#include "app/ProgramSettings.h"
#include "controls/xpbutton/XpButton.h"
#include "ui/Auctions.h"
#include "ui/MessageBoxes.h"

#include "OneFileDialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>

#include <cstdio>

namespace {

// Any message ends the bench with a failure: a run that is measured must not have failed.
class FailingMessageBoxes : public MessageBoxes {
public:
    Answer Ask(QWidget*, const QString&) override { return Answer::No; }
    void Tell(QWidget*, const QString& message) override {
        std::fprintf(stderr, "the window said: %s\n", qPrintable(message));
        told = true;
    }
    bool told = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: window-pages-bench CATALOGUE OUTPUT_FOLDER [SCHEME]\n");
        return 2;
    }
    ProgramSettings settings;
    OneFileDialogs dialogs(arguments[1]);
    FailingMessageBoxes messages;
    Auctions window(settings, &messages, &dialogs);
    window.show();
    QApplication::processEvents();

    const QString folder = arguments[2];
    const qint16 scheme = qint16(arguments.size() > 3 ? arguments[3].toInt() : 1);
    window.SetOutputFolderPrompt(
        [&folder, scheme](QWidget*, ProgramSettings& chosen) -> std::optional<QString> {
            chosen.SetSchemeIndex(scheme);
            return folder;
        });
    // The check runs as part of HTMLS, as it does in lotcraft-pages; what it finds (the
    // seller's texts left as they start) is passed over as the seller would.
    window.SetCheckPrompt([](QWidget*, const std::vector<CatalogueFinding>&, int,
                             const std::function<void(int)>&) { return true; });
    auto* load = window.findChild<XpButton*>(QStringLiteral("Load"));
    auto* htmls = window.findChild<XpButton*>(QStringLiteral("Htmls"));
    Q_EMIT load->Click();
    QApplication::processEvents();
    const int items = window.CatalogueGrid().ItemCount();

    QElapsedTimer timer;
    timer.start();
    Q_EMIT htmls->Click();
    const double ms = timer.nsecsElapsed() / 1e6;
    QApplication::processEvents();

    const QString counter = window.findChild<QLabel*>(QStringLiteral("Label7"))->text();
    if (messages.told || counter != QString::number(items)) {
        std::fprintf(stderr, "the run did not write all %d pages (the counter shows %s)\n", items,
                     qPrintable(counter));
        return 1;
    }
    std::printf("%d pages from the window, %.1f ms\n", items, ms);
    return 0;
}
