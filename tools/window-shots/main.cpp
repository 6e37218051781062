// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the main window twice, offscreen: as it opens, and with a catalogue loaded and one
// of its rows clicked.
//   window-shots CATALOGUE.csv EMPTY.png LOADED.png

#include "app/ProgramSettings.h"
#include "controls/xpbutton/XpButton.h"
#include "editing/Grid.h"
#include "ui/Auctions.h"
#include "ui/FileDialogs.h"
#include "ui/GridView.h"
#include "ui/MessageBoxes.h"

#include <QApplication>
#include <QTableView>
#include <QTextStream>

namespace {

// The catalogue to open instead of a dialog; nothing is ever saved.
class GivenFile : public FileDialogs {
public:
    explicit GivenFile(QString path) : m_path(std::move(path)) {}
    QString OpenFileName(QWidget*, const QString&) override { return m_path; }
    QString SaveFileName(QWidget*, const QString&) override { return QString(); }

private:
    QString m_path;
};

// Answers No and shows nothing.
class Silent : public MessageBoxes {
public:
    Answer Ask(QWidget*, const QString&) override { return Answer::No; }
    void Tell(QWidget*, const QString& message) override { QTextStream(stderr) << message << '\n'; }
};

bool Save(QWidget& window, const QString& path) {
    if (window.grab().save(path, "PNG"))
        return true;
    QTextStream(stderr) << "window-shots: cannot write " << path << '\n';
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 4) {
        QTextStream(stderr) << "usage: window-shots CATALOGUE.csv EMPTY.png LOADED.png\n";
        return 2;
    }
    ProgramSettings settings;
    GivenFile dialogs(arguments[1]);
    Silent messages;
    Auctions window(settings, &messages, &dialogs);
    window.show();
    QApplication::processEvents();
    if (!Save(window, arguments[2]))
        return 1;

    window.findChild<XpButton*>(QStringLiteral("Load"))->Click();
    // The third row, clicked: the view marks it and the form shows it.
    auto* grid = window.findChild<GridView*>(QStringLiteral("MSFlexGrid1"));
    grid->selectRow(2);
    Q_EMIT grid->RowClicked(3);
    QApplication::processEvents();
    return Save(window, arguments[3]) ? 0 : 1;
}
