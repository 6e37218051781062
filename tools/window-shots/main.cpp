// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the main window offscreen.
//   window-shots CATALOGUE.csv EMPTY.png LOADED.png
// draws it twice: as it opens, and with a catalogue loaded and one of its rows clicked.
//   window-shots --contrast OUTDIR CATALOGUE.csv
// draws it once in a light and once in a dark palette, with the catalogue loaded and a row
// clicked, for tests/contrast_check.py: for each palette, the grid focused
// (contrast-grid-PALETTE.png) and the Load button focused (contrast-button-PALETTE.png), and
// contrast-PALETTE.txt with the rectangles whose colours the check compares. Then the dark
// window once more with the light pictures on its buttons (contrast-control-dark.png): the
// check must find their dark words unreadable there, or it could not tell.

#include "app/ProgramSettings.h"
#include "controls/xpbutton/XpButton.h"
#include "editing/Grid.h"
#include "ui/Auctions.h"
#include "ui/FileDialogs.h"
#include "ui/FocusFrame.h"
#include "ui/GridView.h"
#include "ui/MessageBoxes.h"
#include "ui/ProgramLanguage.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTableView>
#include <QTest>
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

bool Save(const QPixmap& shot, const QString& path) {
    if (shot.save(path, "PNG"))
        return true;
    QTextStream(stderr) << "window-shots: cannot write " << path << '\n';
    return false;
}

bool Save(QWidget& window, const QString& path) {
    return Save(window.grab(), path);
}

int Shots(const QString& catalogue, const QString& empty, const QString& loaded) {
    ProgramSettings settings;
    GivenFile dialogs(catalogue);
    Silent messages;
    Auctions window(settings, &messages, &dialogs);
    window.show();
    QApplication::processEvents();
    if (!Save(window, empty))
        return 1;

    window.findChild<XpButton*>(QStringLiteral("Load"))->Click();
    // The third row, clicked: the view marks it and the form shows it.
    auto* grid = window.findChild<GridView*>(QStringLiteral("MSFlexGrid1"));
    grid->selectRow(2);
    Q_EMIT grid->RowClicked(3);
    QApplication::processEvents();
    return Save(window, loaded) ? 0 : 1;
}

// The picture buttons, by object name; their pictures are the resources' NAME.png, lower case.
const char* const kPictureButtons[] = {"Load", "Manual", "Htmls", "Save", "Export", "Help"};

// The dark palette many desktops and Qt programs use: grey faces, white words, blue marks.
QPalette DarkPalette() {
    const QColor face(0x35, 0x35, 0x35);
    const QColor white(Qt::white);
    const QColor muted(0x7F, 0x7F, 0x7F);
    QPalette palette;
    palette.setColor(QPalette::Window, face);
    palette.setColor(QPalette::WindowText, white);
    palette.setColor(QPalette::Base, QColor(0x2A, 0x2A, 0x2A));
    palette.setColor(QPalette::AlternateBase, QColor(0x42, 0x42, 0x42));
    palette.setColor(QPalette::ToolTipBase, white);
    palette.setColor(QPalette::ToolTipText, face);
    palette.setColor(QPalette::Text, white);
    palette.setColor(QPalette::Button, face);
    palette.setColor(QPalette::ButtonText, white);
    palette.setColor(QPalette::BrightText, Qt::red);
    palette.setColor(QPalette::Link, QColor(0x2A, 0x82, 0xDA));
    palette.setColor(QPalette::Highlight, QColor(0x2A, 0x82, 0xDA));
    palette.setColor(QPalette::HighlightedText, white);
    palette.setColor(QPalette::PlaceholderText, muted);
    palette.setColor(QPalette::Light, QColor(0x4A, 0x4A, 0x4A));
    palette.setColor(QPalette::Midlight, QColor(0x42, 0x42, 0x42));
    palette.setColor(QPalette::Mid, QColor(0x24, 0x24, 0x24));
    palette.setColor(QPalette::Dark, QColor(0x23, 0x23, 0x23));
    palette.setColor(QPalette::Shadow, QColor(0x14, 0x14, 0x14));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, muted);
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(0x50, 0x50, 0x50));
    palette.setColor(QPalette::Disabled, QPalette::HighlightedText, muted);
    return palette;
}

// A widget's rectangle in the window's pixels, as a line of the rectangles file.
QString Line(const QString& what, const QRect& rect, qreal scale) {
    const QRect pixels(QPoint(qRound(rect.x() * scale), qRound(rect.y() * scale)),
                       QSize(qRound(rect.width() * scale), qRound(rect.height() * scale)));
    return QStringLiteral("%1 %2 %3 %4 %5\n")
        .arg(what)
        .arg(pixels.x())
        .arg(pixels.y())
        .arg(pixels.width())
        .arg(pixels.height());
}

QRect InWindow(const QWidget& widget, const QWidget& window) {
    return QRect(widget.mapTo(&window, QPoint(0, 0)), widget.size());
}

// The window as the seller leaves it after opening the catalogue and clicking its third row.
struct LoadedWindow {
    explicit LoadedWindow(const QString& catalogue)
        : dialogs(catalogue), window(settings, &messages, &dialogs) {
        window.show();
        window.activateWindow();
        ready = QTest::qWaitForWindowActive(&window);
        window.findChild<XpButton*>(QStringLiteral("Load"))->Click();
        grid = window.findChild<GridView*>(QStringLiteral("MSFlexGrid1"));
        QApplication::processEvents();
        const QModelIndex clicked = grid->model()->index(2, 2);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                          grid->visualRect(clicked).center());
        QApplication::processEvents();
    }

    ProgramSettings settings;
    GivenFile dialogs;
    Silent messages;
    Auctions window;
    GridView* grid = nullptr;
    bool ready = false;
};

bool Fail(const QString& message) {
    QTextStream(stderr) << "window-shots: " << message << '\n';
    return false;
}

bool ContrastShots(const QDir& out, const QString& catalogue, const QString& name,
                   const FocusFrame& frame) {
    LoadedWindow loaded(catalogue);
    QWidget& window = loaded.window;
    GridView* grid = loaded.grid;
    if (!loaded.ready)
        return Fail(QStringLiteral("the %1 window never became active").arg(name));
    if (grid->model()->rowCount() < 3)
        return Fail(QStringLiteral("%1 has fewer than 3 rows").arg(catalogue));

    QString rectangles = QStringLiteral(
        "# The rectangles tests/contrast_check.py compares, in the pictures' pixels.\n");
    rectangles += QStringLiteral("palette %1\n").arg(name);
    rectangles +=
        QStringLiteral("highlight %1\n").arg(window.palette().color(QPalette::Highlight).name());

    grid->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    if (!grid->hasFocus() || !grid->currentIndex().isValid() ||
        !grid->selectionModel()->isSelected(grid->currentIndex()))
        return Fail(QStringLiteral("the %1 grid has no focused, selected cell").arg(name));
    const QPixmap gridShot = window.grab();
    const qreal scale = gridShot.devicePixelRatio();
    const QRect cell = grid->visualRect(grid->currentIndex())
                           .translated(grid->viewport()->mapTo(&window, QPoint(0, 0)));
    rectangles += Line(QStringLiteral("cell"), cell, scale);
    for (const char* button : kPictureButtons) {
        const QString objectName = QLatin1String(button);
        rectangles += Line(QStringLiteral("button ") + objectName,
                           InWindow(*window.findChild<XpButton*>(objectName), window), scale);
    }

    auto* load = window.findChild<XpButton*>(QStringLiteral("Load"));
    load->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    const QPixmap buttonShot = window.grab();
    // A missing ring is written down rather than ended on here, so that the check names it
    // beside the other figures.
    if (const QWidget* ring = frame.Ring(); ring && frame.Framed() == load)
        rectangles += Line(QStringLiteral("ring"), InWindow(*ring, window), scale);
    else
        rectangles += QStringLiteral("ring none\n");

    QFile file(out.filePath(QStringLiteral("contrast-%1.txt").arg(name)));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return Fail(QStringLiteral("cannot write ") + file.fileName());
    file.write(rectangles.toUtf8());
    return Save(gridShot, out.filePath(QStringLiteral("contrast-grid-%1.png").arg(name))) &&
           Save(buttonShot, out.filePath(QStringLiteral("contrast-button-%1.png").arg(name)));
}

// The dark window with the light palette's pictures: dark words on a dark face.
bool ControlShot(const QDir& out, const QString& catalogue) {
    LoadedWindow loaded(catalogue);
    for (const char* button : kPictureButtons) {
        const QString objectName = QLatin1String(button);
        const QPixmap light(QStringLiteral(":/pictures/%1.png").arg(objectName.toLower()));
        if (light.isNull())
            return Fail(QStringLiteral("no light picture for ") + objectName);
        loaded.window.findChild<XpButton*>(objectName)->SetPicture(QIcon(light));
    }
    QApplication::processEvents();
    return Save(loaded.window, out.filePath(QStringLiteral("contrast-control-dark.png")));
}

int ContrastShots(const QString& outDir, const QString& catalogue) {
    QDir out(outDir);
    if (!out.mkpath(QStringLiteral("."))) {
        Fail(QStringLiteral("cannot make ") + outDir);
        return 1;
    }
    // The focus frame is made once for the whole application, not by its windows.
    FocusFrame frame;
    // The pictures are chosen for the palette the window has when it is made: each palette
    // is the application's before its window is.
    const QPalette light = QApplication::palette();
    QApplication::setPalette(light);
    if (!ContrastShots(out, catalogue, QStringLiteral("light"), frame))
        return 1;
    QApplication::setPalette(DarkPalette());
    if (!ContrastShots(out, catalogue, QStringLiteral("dark"), frame))
        return 1;
    return ControlShot(out, catalogue) ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // In the desktop's language, as the program speaks it: LANGUAGE=de draws the German window.
    const ProgramLanguage language(QLocale::system(), ProgramLanguage::TranslationsFolder());
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() == 4 && arguments[1] == QLatin1String("--contrast"))
        return ContrastShots(arguments[2], arguments[3]);
    if (arguments.size() != 4 || arguments[1].startsWith(QLatin1Char('-'))) {
        QTextStream(stderr) << "usage: window-shots CATALOGUE.csv EMPTY.png LOADED.png\n"
                               "       window-shots --contrast OUTDIR CATALOGUE.csv\n";
        return 2;
    }
    return Shots(arguments[1], arguments[2], arguments[3]);
}
