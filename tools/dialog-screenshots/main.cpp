// Draws the dialogs and the source window into PNG pictures, offscreen:
//   dialog-screenshots OUTPUT-FOLDER FOLDER-TO-BROWSE PAGE.html
// The output folder dialog opens on FOLDER-TO-BROWSE; the source window shows PAGE.html.

#include "app/ProgramSettings.h"
#include "app/Startup.h"
#include "ui/HtmlSourceWindow.h"
#include "ui/LayoutDialog.h"
#include "ui/MessageBoxes.h"
#include "ui/OutputFolderDialog.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>

namespace {

// Nobody is there to answer a message box: messages go to the error output.
class PrintedMessages : public MessageBoxes {
public:
    void Tell(QWidget*, const QString& text) override {
        QTextStream(stderr) << "dialog-screenshots: " << text << '\n';
        m_told = true;
    }
    Answer Ask(QWidget* parent, const QString& text) override {
        Tell(parent, text);
        return Answer::No;
    }
    bool Told() const { return m_told; }

private:
    bool m_told = false;
};

bool Save(QWidget& window, const QString& path) {
    window.show();
    QApplication::processEvents();
    const bool saved = window.grab().save(path);
    QTextStream(stderr) << (saved ? "wrote " : "could not write ") << path << '\n';
    return saved;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 4) {
        QTextStream(stderr) << "usage: dialog-screenshots OUTPUT-FOLDER FOLDER-TO-BROWSE "
                               "PAGE.html\n";
        return 2;
    }
    const QDir output(QDir(arguments.at(1)).absolutePath());
    const QString page = QDir(arguments.at(3)).absolutePath();
    ProgramSettings settings;
    Startup::Run(settings);
    bool saved = true;

    LayoutDialog layout(settings);
    saved &= Save(layout, output.filePath(QStringLiteral("layout-dialog.png")));

    if (!QDir::setCurrent(arguments.at(2))) {
        QTextStream(stderr) << "dialog-screenshots: no folder " << arguments.at(2) << '\n';
        return 1;
    }
    OutputFolderDialog folders(settings);
    saved &= Save(folders, output.filePath(QStringLiteral("output-folder-dialog.png")));

    settings.SetSourcePagePath(page);
    PrintedMessages messages;
    HtmlSourceWindow source(settings, messages);
    saved &= Save(source, output.filePath(QStringLiteral("html-code.png")));
    return saved && !messages.Told() ? 0 : 1;
}
