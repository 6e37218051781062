// SPDX-License-Identifier: GPL-3.0-or-later
// Writes one PNG sheet of the button in every style and state, each cell labelled:
//   button-gallery OUTPUT.png
// Styles 0 to 4 at 81 x 25, then style 3 with a picture in each of its four positions at
// 59 x 53, each in the states normal, hovered, pressed, focused, disabled and default.

#include "controls/xpbutton/ButtonFace.h"
#include "controls/xpbutton/OleColor.h"
#include "controls/xpbutton/XpButtonPainter.h"

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QTextStream>

#include <functional>
#include <vector>

namespace {

struct Row {
    QString label;
    int style;
    int picturePosition;  // -1: no picture
    QSize size;
};

struct State {
    QString label;
    std::function<void(ButtonFace&)> apply;
};

constexpr int LabelWidth = 150;
constexpr int CellWidth = 96;
constexpr int HeaderHeight = 28;
constexpr int Padding = 10;

QPalette SheetPalette() {
    QPalette palette;
    const auto set = [&palette](QPalette::ColorRole role, int r, int g, int b) {
        palette.setColor(role, QColor(r, g, b));
    };
    set(QPalette::Button, 236, 233, 216);
    set(QPalette::Window, 236, 233, 216);
    set(QPalette::Dark, 172, 168, 153);
    set(QPalette::ButtonText, 0, 0, 0);
    set(QPalette::Light, 255, 255, 255);
    set(QPalette::Shadow, 113, 111, 100);
    set(QPalette::Midlight, 241, 239, 226);
    set(QPalette::Highlight, 49, 106, 197);
    set(QPalette::WindowText, 0, 0, 0);
    set(QPalette::HighlightedText, 255, 255, 255);
    return palette;
}

// A small 16 x 16 picture on a magenta mask: a blue page with a yellow corner.
QPixmap Picture() {
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 255));
    for (int y = 2; y < 14; ++y)
        for (int x = 3; x < 13; ++x)
            image.setPixel(x, y, x + y > 21 ? qRgb(250, 200, 40) : qRgb(40, 90, 200));
    return QPixmap::fromImage(image);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: button-gallery OUTPUT.png\n";
        return 2;
    }

    const QSize small(81, 25);
    const QSize tall(59, 53);
    const std::vector<Row> rows = {
        {QStringLiteral("0 Raised3D"), 0, -1, small},
        {QStringLiteral("1 FlatHot"), 1, -1, small},
        {QStringLiteral("2 FlatHighlight"), 2, -1, small},
        {QStringLiteral("3 XpRounded"), 3, -1, small},
        {QStringLiteral("4 Borderless"), 4, -1, small},
        {QStringLiteral("3, picture top"), 3, 0, tall},
        {QStringLiteral("3, picture left"), 3, 1, tall},
        {QStringLiteral("3, picture right"), 3, 2, tall},
        {QStringLiteral("3, picture bottom"), 3, 3, tall},
    };
    const std::vector<State> states = {
        {QStringLiteral("normal"), [](ButtonFace&) {}},
        {QStringLiteral("hovered"), [](ButtonFace& f) { f.Hovered = true; }},
        {QStringLiteral("pressed"),
         [](ButtonFace& f) {
             f.Pressed = true;
             f.Hovered = true;
         }},
        {QStringLiteral("focused"), [](ButtonFace& f) { f.HasFocus = true; }},
        {QStringLiteral("disabled"), [](ButtonFace& f) { f.Enabled = false; }},
        {QStringLiteral("default"), [](ButtonFace& f) { f.IsDefault = true; }},
    };

    const QPalette palette = SheetPalette();
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);

    int height = HeaderHeight;
    for (const Row& row : rows)
        height += row.size.height() + Padding;
    QImage sheet(LabelWidth + CellWidth * int(states.size()), height + Padding,
                 QImage::Format_ARGB32);
    sheet.fill(QColor(250, 250, 247));
    QPainter painter(&sheet);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (std::size_t s = 0; s < states.size(); ++s)
        painter.drawText(QRect(LabelWidth + CellWidth * int(s), 0, CellWidth, HeaderHeight),
                         Qt::AlignCenter, states[s].label);

    int top = HeaderHeight;
    for (const Row& row : rows) {
        painter.drawText(QRect(Padding, top, LabelWidth - Padding, row.size.height()),
                         Qt::AlignVCenter | Qt::AlignLeft, row.label);
        for (std::size_t s = 0; s < states.size(); ++s) {
            ButtonFace face;
            face.ButtonStyle = row.style;
            face.Caption = row.picturePosition < 0 ? QStringLiteral("&Save") : QStringLiteral("Go");
            if (row.picturePosition >= 0) {
                face.Picture = Picture();
                face.PicturePosition = row.picturePosition;
                face.OriginalPicSizeW = face.OriginalPicSizeH = 16;
                face.PictureWidth = face.PictureHeight = 16;
                face.MaskColor = MakeRgb(255, 0, 255);
            }
            states[s].apply(face);
            const QImage image = XpButtonPainter(face, row.size, palette, font).Paint();
            const QPoint at(LabelWidth + CellWidth * int(s) + (CellWidth - row.size.width()) / 2,
                            top);
            painter.save();
            if (row.style == 3) {
                // Style 3 buttons are cut to their rounded window shape.
                painter.setClipRegion(
                    XpButtonPainter::BuildXpRegion(row.size.width(), row.size.height())
                        .translated(at));
            }
            painter.drawImage(at, image);
            painter.restore();
        }
        top += row.size.height() + Padding;
    }
    painter.end();

    if (!sheet.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        QTextStream(stderr) << "button-gallery: cannot write " << argv[1] << "\n";
        return 1;
    }
    QTextStream(stdout) << "button-gallery: wrote " << argv[1] << "\n";
    return 0;
}
