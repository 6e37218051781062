// SPDX-License-Identifier: GPL-3.0-or-later
// Times how soon the page preview follows the form: the real main window, shown offscreen,
// loads a catalogue through a prepared open dialog, a row is clicked and F5 opens the preview;
// then, round after round, three letters are typed into the title box and the time from the
// last key until the preview's engine has shown the changed page counts. Beside it, in the
// same rounds, the reference: the preview handed the same kind of changed page directly, timed
// until the engine has shown it (the engine's own load, without the window's wait for the
// typing to pause). Prints the best and the median of each.
//   preview-follow-bench CATALOGUE [ROUNDS]

#include "app/ProgramSettings.h"
#include "pages/PagePictures.h"
#include "pages/SellerTexts.h"
#include "ui/Auctions.h"
#include "ui/MessageBoxes.h"
#include "ui/PageEngine.h"
#include "ui/PagePreviewWindow.h"

#include "OneFileDialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

class SilentMessageBoxes : public MessageBoxes {
public:
    Answer Ask(QWidget*, const QString&) override { return Answer::No; }
    void Tell(QWidget*, const QString& message) override {
        std::fprintf(stderr, "the window said: %s\n", qPrintable(message));
    }
};

// Waits until the preview has shown the page whose title is title; the time since the clock
// started, or -1 when that page has not been shown within 10 s.
double WaitShown(PagePreviewWindow& preview, const QString& title, const QElapsedTimer& since) {
    const QByteArray line = " - " + title.toLatin1() + "</TITLE>";
    const auto shown = [&] { return preview.PageIsShown() && preview.PageBytes().contains(line); };
    if (!shown()) {
        QEventLoop loop;
        QObject::connect(&preview, &PagePreviewWindow::PageShown, &loop, [&] {
            if (shown())
                loop.quit();
        });
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return shown() ? since.nsecsElapsed() / 1e6 : -1;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    PageEngine::PrepareBeforeApplication();
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: preview-follow-bench CATALOGUE [ROUNDS]\n");
        return 2;
    }
    const int rounds = arguments.size() > 2 ? arguments[2].toInt() : 15;
    QTemporaryDir output;
    ProgramSettings settings;
    settings.SetOutputFolder(output.path());
    OneFileDialogs dialogs(arguments[1]);
    SilentMessageBoxes messages;
    Auctions window(settings, &messages, &dialogs);
    window.show();
    QApplication::processEvents();
    auto* load = window.findChild<QWidget*>(QStringLiteral("Load"));
    QTest::mouseClick(load, Qt::LeftButton, {}, load->rect().center());
    auto* grid = window.findChild<QTableView*>(QStringLiteral("MSFlexGrid1"));
    const QRect cell = grid->visualRect(grid->model()->index(0, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    window.activateWindow();
    QTest::keyClick(&window, Qt::Key_F5);
    PagePreviewWindow* preview = window.Preview();
    auto* title = window.findChild<QLineEdit*>(QStringLiteral("t_title"));
    if (!preview || !title || preview->PageBytes().isEmpty()) {
        std::fprintf(stderr, "the preview did not open on the first row: %s\n",
                     preview ? qPrintable(preview->Caption()) : "no preview");
        return 1;
    }
    QElapsedTimer first;
    first.start();
    if (WaitShown(*preview, title->text(), first) < 0) {
        std::fprintf(stderr, "the preview did not show the first page\n");
        return 1;
    }

    const PagePictures pictures(QCoreApplication::applicationDirPath());
    const SellerTexts seller = SellerTexts::Starting();
    ItemRecord direct = window.CatalogueGrid().Record(1);
    const QString directTitle = direct.Field(ItemRecord::Title);
    std::vector<double> typing;
    std::vector<double> engine;
    title->setFocus();
    for (int round = 0; round < rounds; ++round) {
        // Typing: three letters, a different ending each round.
        const QString typed = QStringLiteral(" r%1").arg(round % 10);
        QTest::keyClick(title, Qt::Key_End);
        QTest::keyClicks(title, typed);
        QElapsedTimer sinceKey;
        sinceKey.start();
        const double typedMs = WaitShown(*preview, title->text(), sinceKey);
        // The reference: the page with a changed title handed straight to the preview.
        direct.SetField(ItemRecord::Title, directTitle + QStringLiteral(" d%1").arg(round));
        QElapsedTimer sinceGiven;
        sinceGiven.start();
        preview->ShowRecord(direct, settings, seller, pictures);
        const double engineMs = WaitShown(*preview, direct.Field(ItemRecord::Title), sinceGiven);
        if (typedMs < 0 || engineMs < 0) {
            std::fprintf(stderr, "round %d: the preview did not show the page within 10 s\n",
                         round);
            return 1;
        }
        typing.push_back(typedMs);
        engine.push_back(engineMs);
        // Back to the form's record, untimed, so that the next round types into it again.
        title->setText(title->text().left(title->text().size() - typed.size()));
        QElapsedTimer back;
        back.start();
        WaitShown(*preview, title->text(), back);
    }
    std::printf(
        "preview after typing (delay %d ms): best %.1f ms, median %.1f ms; engine load "
        "alone: best %.1f ms, median %.1f ms; %d rounds\n",
        Auctions::PreviewDelayMs, *std::min_element(typing.begin(), typing.end()), Median(typing),
        *std::min_element(engine.begin(), engine.end()), Median(engine), rounds);
    return 0;
}
