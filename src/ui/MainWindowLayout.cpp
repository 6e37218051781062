// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MainWindowLayout.h"

#include "controls/xpbutton/OleColor.h"
#include "controls/xpbutton/PropertyBag.h"
#include "controls/xpbutton/SystemColors.h"
#include "controls/xpbutton/XpButton.h"
#include "pages/SellerTexts.h"
#include "ui/ColourContrast.h"
#include "ui/DescriptionBox.h"
#include "ui/FormControls.h"
#include "ui/GridView.h"
#include "ui/ListingDetailsList.h"
#include "ui/Twips.h"

#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

#include <algorithm>
#include <limits>

namespace {

// Left, top, width and height in twips.
struct Place {
    int left, top, width, height;
    QRect Pixels() const { return FormControls::Place(left, top, width, height); }
};

struct LabelPlace {
    const char* name;
    const char* caption;
    Place place;
};

constexpr LabelPlace kLabels[] = {
    {"Label1", QT_TRANSLATE_NOOP("MainWindowLayout", "Seller"), {360, 1320, 615, 255}},
    {"Label2", QT_TRANSLATE_NOOP("MainWindowLayout", "Location"), {3480, 1320, 855, 375}},
    {"Label3", QT_TRANSLATE_NOOP("MainWindowLayout", "Country/Region "), {6600, 1320, 1215, 375}},
    {"Label4", QT_TRANSLATE_NOOP("MainWindowLayout", "Items:"), {9000, 4440, 495, 255}},
    {"Label6", "0", {9600, 4440, 615, 255}},
    {"Label9", QT_TRANSLATE_NOOP("MainWindowLayout", "Htmls:"), {9000, 4800, 495, 375}},
    {"Label7", "0", {9600, 4800, 615, 255}},
    {"Label14", QT_TRANSLATE_NOOP("MainWindowLayout", "Html"), {480, 7200, 615, 255}},
    // The status line under the form: how the last page run ended.
    {"Status", "", {480, 7620, 8640, 255}},
};

// The form's boxes, by the record position they edit, with the label beside each; names,
// label captions and tooltips are the record's own.
struct FieldPlace {
    int position;
    const char* labelName;
    Place label;
    Place box;
};

constexpr FieldPlace kFields[] = {
    {ItemRecord::ItemNumber, "Label5", {480, 4440, 615, 255}, {1080, 4440, 1455, 375}},
    {ItemRecord::Title, "Tit", {480, 4920, 615, 255}, {1080, 4920, 3255, 375}},
    {ItemRecord::Description, "Label17", {480, 5400, 975, 255}, {480, 5640, 3855, 735}},
    {ItemRecord::ImageAddress, "Label13", {480, 6480, 615, 255}, {1200, 6480, 3135, 375}},
    {ItemRecord::Price, "Label12", {4560, 4440, 615, 255}, {5280, 4440, 1215, 375}},
    {ItemRecord::FirstBid, "Label11", {4560, 4920, 615, 255}, {5280, 4920, 1215, 375}},
    {ItemRecord::StartTime, "Label16", {4560, 5400, 615, 255}, {5280, 5400, 2175, 375}},
    {ItemRecord::EndTime, "Label15", {4560, 5880, 615, 255}, {5280, 5880, 2175, 375}},
    {ItemRecord::Category, "Label10", {4560, 6360, 735, 255}, {5550, 6360, 495, 375}},
};

constexpr Place kHtmlBox = {1200, 7200, 3135, 375};
constexpr Place kGridPlace = {240, 2160, 9975, 2055};

struct ButtonPlace {
    const char* name;
    // nullptr: the button shows its name.
    const char* caption;
    // A picture in the window's resources, shown alone with the border always drawn.
    const char* picture;
    const char* toolTip;
    bool enabled;
    bool faceHover;
    // The long captions of the preview buttons get a tighter font, so they stay on one line.
    bool tight;
    Place place;
};

constexpr ButtonPlace kButtons[] = {
    {"Load",
     "",
     "load.png",
     QT_TRANSLATE_NOOP("MainWindowLayout", "Open a catalogue file"),
     true,
     false,
     false,
     {3600, 240, 885, 795}},
    {"Manual",
     "",
     "manual.png",
     QT_TRANSLATE_NOOP("MainWindowLayout", "Insert a new record"),
     true,
     false,
     false,
     {4560, 240, 885, 795}},
    {"Htmls",
     "",
     "htmls.png",
     QT_TRANSLATE_NOOP("MainWindowLayout", "Write the pages of all items"),
     false,
     true,
     false,
     {5520, 240, 885, 795}},
    {"Save",
     "",
     "save.png",
     QT_TRANSLATE_NOOP("MainWindowLayout", "Save the catalogue as a file"),
     false,
     true,
     false,
     {6480, 240, 885, 795}},
    {"Export",
     "",
     "export.png",
     QT_TRANSLATE_NOOP("MainWindowLayout", "Export the catalogue as eBay's bulk listing file"),
     false,
     true,
     false,
     {7440, 240, 885, 795}},
    {"Help",
     "",
     "help.png",
     QT_TRANSLATE_NOOP("MainWindowLayout", "Show the help page"),
     true,
     false,
     false,
     {9240, 240, 885, 795}},
    {"XpButton1",
     "?",
     nullptr,
     QT_TRANSLATE_NOOP("MainWindowLayout", "Show eBay's category list"),
     true,
     false,
     false,
     {5280, 6360, 255, 375}},
    {"Update",
     QT_TRANSLATE_NOOP("MainWindowLayout", "Update"),
     nullptr,
     "",
     false,
     false,
     false,
     {6240, 6360, 735, 375}},
    {"Cancel",
     QT_TRANSLATE_NOOP("MainWindowLayout", "Cancel"),
     nullptr,
     "",
     true,
     false,
     false,
     {7080, 6360, 735, 375}},
    {"Delete",
     QT_TRANSLATE_NOOP("MainWindowLayout", "Delete"),
     nullptr,
     "",
     false,
     false,
     false,
     {7920, 6360, 735, 375}},
    {"viewh",
     QT_TRANSLATE_NOOP("MainWindowLayout", "View Html Code"),
     nullptr,
     "",
     false,
     false,
     true,
     {4680, 7200, 1335, 375}},
    {"viewp",
     QT_TRANSLATE_NOOP("MainWindowLayout", "View Page"),
     nullptr,
     "",
     false,
     false,
     true,
     {6120, 7200, 1335, 375}},
    {"Close",
     QT_TRANSLATE_NOOP("MainWindowLayout", "Close"),
     nullptr,
     "",
     true,
     false,
     false,
     {9120, 7200, 975, 375}},
};

// The etched separators: a line in the window-text colour and one pixel below it one in
// the title-bar text colour, from (left, top) to (right, top) in twips.
struct Separator {
    int left, top, right;
};
constexpr Separator kSeparators[] = {{240, 1200, 6600}, {3720, 1200, 10080}, {360, 6960, 8720}};

QString Latin(const char* text) {
    return QString::fromLatin1(text);
}

// The window's own texts, in the seller's language; the tables above hold the English ones.
QString Translated(const char* text) {
    return QCoreApplication::translate("MainWindowLayout", text);
}

// The picture drawn for the window's palette: with light words and outlines where the
// buttons are dark, so that the words stand out from the face either way. The resources
// hold each in the seller's language where it has words of its own.
QString PicturePath(const char* name, const QWidget& window) {
    const bool dark = ColourContrast::IsDark(window.palette().color(QPalette::Button));
    return QStringLiteral(":/pictures/") + (dark ? QStringLiteral("dark/") : QString()) +
           Latin(name);
}

// The words drawn on the picture buttons' faces: what screen readers and voice control call
// the buttons.
constexpr struct {
    const char* name;
    const char* words;
} kFaceWords[] = {
    {"Load", QT_TRANSLATE_NOOP("MainWindowLayout", "LOAD CSV")},
    {"Manual", QT_TRANSLATE_NOOP("MainWindowLayout", "INSERT NEW RECORD")},
    {"Htmls", QT_TRANSLATE_NOOP("MainWindowLayout", "HTMLS")},
    {"Save", QT_TRANSLATE_NOOP("MainWindowLayout", "SAVE AS")},
    {"Export", QT_TRANSLATE_NOOP("MainWindowLayout", "EXPORT")},
    {"Help", QT_TRANSLATE_NOOP("MainWindowLayout", "HELP")},
};

QString FaceWords(const char* name) {
    for (const auto& face : kFaceWords) {
        if (qstrcmp(face.name, name) == 0)
            return Translated(face.words);
    }
    return QString();
}

// What the window's designer stored for a button.
PropertyBag BagOf(const ButtonPlace& button, const QWidget& window) {
    QString text = QStringLiteral("ButtonStyle = int:%1\nMousePointer = int:%2\n")
                       .arg(int(XpButton::XpRounded))
                       .arg(XpButton::CustomPointer);
    if (button.caption)
        text += QStringLiteral("Caption = text:") + Translated(button.caption) + QLatin1Char('\n');
    if (!button.enabled)
        text += QStringLiteral("Enabled = int:0\n");
    if (button.faceHover)
        text += QStringLiteral("XPColor_Hover = int:%1\n")
                    .arg(SystemColorFlag | SystemColors::ButtonFace);
    PropertyBag bag = PropertyBag::FromText(text);
    if (button.tight) {
        QFont font(window.font());
        font.setPixelSize(10);
        font.setLetterSpacing(QFont::AbsoluteSpacing, -0.3);
        bag.Write(QStringLiteral("Font"), font, window.font());
    }
    if (button.picture) {
        const QPixmap picture(PicturePath(button.picture, window));
        bag.Write(QStringLiteral("Picture"), QIcon(picture), QVariant());
        bag.Write(QStringLiteral("PicturePosition"), int(XpButton::PictureTop), 1);
        bag.Write(QStringLiteral("PictureSize"), int(XpButton::NativeSize), 1);
        for (const char* name : {"PictureWidth", "OriginalPicSizeW"})
            bag.Write(Latin(name), picture.width(), 32);
        for (const char* name : {"PictureHeight", "OriginalPicSizeH"})
            bag.Write(Latin(name), picture.height(), 32);
        bag.Write(QStringLiteral("XPShowBorderAlways"), 1, 0);
    }
    return bag;
}

QColor SystemColor(int index, const QPalette& palette) {
    return QColor(ToQRgb(SystemColors::Lookup(index, palette)));
}

QLineEdit* LineBox(QWidget& window, const QString& name, const QString& text, const Place& place) {
    auto* box = new QLineEdit(text, &window);
    box->setObjectName(name);
    box->setGeometry(place.Pixels());
    // A box holds a value of any length: nothing is cut.
    box->setMaxLength(std::numeric_limits<int>::max());
    return box;
}

// Tab goes as the seller reads the window: the buttons of the top row, the seller's texts,
// the grid, then the form top to bottom and left to right, and the form's buttons.
void SetTabOrder(QWidget& window) {
    const QStringList order = {
        QStringLiteral("Load"),        QStringLiteral("Manual"),    QStringLiteral("Htmls"),
        QStringLiteral("Save"),        QStringLiteral("Export"),    QStringLiteral("Help"),
        QStringLiteral("Seller"),      QStringLiteral("Location"),  QStringLiteral("Country"),
        QStringLiteral("MSFlexGrid1"), QStringLiteral("t_Item"),    QStringLiteral("t_title"),
        QStringLiteral("t_desc"),      QStringLiteral("t_Image"),   QStringLiteral("t_price"),
        QStringLiteral("t_first"),     QStringLiteral("t_start"),   QStringLiteral("t_ends"),
        QStringLiteral("t_cat"),       QStringLiteral("XpButton1"), QStringLiteral("Update"),
        QStringLiteral("Cancel"),      QStringLiteral("Delete"),    QStringLiteral("t_html"),
        QStringLiteral("viewh"),       QStringLiteral("viewp"),     QStringLiteral("Close")};
    QWidget* previous = nullptr;
    for (const QString& name : order) {
        QWidget* widget = window.findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

// Each control's place at the window's first size, from which Arrange places it at any other.
const char* const kFirstPlace = "lotcraftFirstPlace";

// How a control of the form grows with the window: a box wider, the description also taller.
const char* const kGrows = "lotcraftGrows";
enum Growth { Wider = 1, WiderAndTaller = 2 };

// The grid's bottom edge at the first size: what lies below it moves down as the window grows.
int GridBottom() {
    return TwipsToPixels(kGridPlace.top + kGridPlace.height);
}

// The description box's bottom edge at the first size: what lies below it moves down by all
// the room the window gained, the rest of the form by the grid's share.
int DescriptionBottom() {
    for (const FieldPlace& field : kFields) {
        if (field.position == ItemRecord::Description)
            return TwipsToPixels(field.box.top + field.box.height);
    }
    return 0;
}

// The left edge at the first size of the form's right-hand controls, which move right as the
// boxes to their left grow wider.
int RightHandLeft() {
    return TwipsToPixels(4560);
}

}  // namespace

MainWindowLayout::Controls MainWindowLayout::Create(QWidget& window, CatalogueView& shown) {
    Controls controls;
    auto* banner = new QLabel(&window);
    banner->setObjectName(QStringLiteral("Image1"));
    banner->setAccessibleName(QStringLiteral("Lotcraft"));
    banner->setPixmap(QPixmap(QStringLiteral(":/pictures/banner.png")));
    banner->setGeometry(Place{240, 240, 2805, 810}.Pixels());

    for (const LabelPlace& place : kLabels) {
        auto* label = new QLabel(Translated(place.caption), &window);
        label->setObjectName(Latin(place.name));
        label->setGeometry(place.place.Pixels());
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    controls.itemCount = window.findChild<QLabel*>(QStringLiteral("Label6"));
    controls.pageCount = window.findChild<QLabel*>(QStringLiteral("Label7"));
    controls.status = window.findChild<QLabel*>(QStringLiteral("Status"));
    // Their texts are their names, which the labels tell the accessibility layer as they
    // change; the descriptions say what the numbers and the line are.
    controls.itemCount->setAccessibleDescription(
        Translated(QT_TRANSLATE_NOOP("MainWindowLayout", "Items in the catalogue")));
    controls.pageCount->setAccessibleDescription(
        Translated(QT_TRANSLATE_NOOP("MainWindowLayout", "Pages written")));
    controls.status->setAccessibleDescription(
        Translated(QT_TRANSLATE_NOOP("MainWindowLayout", "Status line")));

    const SellerTexts starting = SellerTexts::Starting();
    controls.seller =
        LineBox(window, QStringLiteral("Seller"), starting.seller, {360, 1560, 2775, 375});
    controls.location =
        LineBox(window, QStringLiteral("Location"), starting.location, {3480, 1560, 2775, 375});
    controls.country =
        LineBox(window, QStringLiteral("Country"), starting.country, {6600, 1560, 2775, 375});

    controls.grid = new GridView(shown, &window);
    controls.grid->setObjectName(QStringLiteral("MSFlexGrid1"));
    controls.grid->setAccessibleName(
        Translated(QT_TRANSLATE_NOOP("MainWindowLayout", "Catalogue")));
    controls.grid->setGeometry(kGridPlace.Pixels());

    for (const FieldPlace& field : kFields) {
        const ItemRecord::Presentation& shown = ItemRecord::PresentationOf(field.position);
        auto* label = new QLabel(QCoreApplication::translate("ItemRecord", shown.label), &window);
        label->setObjectName(Latin(field.labelName));
        label->setGeometry(field.label.Pixels());
        QWidget* box = nullptr;
        if (field.position == ItemRecord::Description) {
            controls.description = new DescriptionBox(&window);
            controls.description->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            controls.description->setTabChangesFocus(true);
            box = controls.description;
        } else {
            QLineEdit* line = LineBox(window, Latin(shown.boxName), QString(), field.box);
            controls.boxes[size_t(field.position)] = line;
            box = line;
        }
        box->setObjectName(Latin(shown.boxName));
        box->setGeometry(field.box.Pixels());
        box->setToolTip(QCoreApplication::translate("ItemRecord", shown.toolTip));
        label->setBuddy(box);
    }
    controls.pagePath = LineBox(window, QStringLiteral("t_html"), QString(), kHtmlBox);
    controls.pagePath->setReadOnly(true);
    // Each box is named by the label above it, for screen readers and for Alt and the
    // label's letter.
    const std::pair<const char*, QWidget*> labelled[] = {
        {"Label1", controls.seller},
        {"Label2", controls.location},
        {"Label3", controls.country},
        {"Label14", controls.pagePath},
    };
    for (const auto& [name, box] : labelled)
        window.findChild<QLabel*>(Latin(name), Qt::FindDirectChildrenOnly)->setBuddy(box);
    for (QWidget* wider :
         {static_cast<QWidget*>(controls.boxes[ItemRecord::Title]),
          static_cast<QWidget*>(controls.boxes[ItemRecord::ImageAddress]),
          static_cast<QWidget*>(controls.pagePath), static_cast<QWidget*>(controls.status)})
        wider->setProperty(kGrows, int(Wider));
    controls.description->setProperty(kGrows, int(WiderAndTaller));

    for (const ButtonPlace& place : kButtons) {
        XpButton* button = FormControls::Button(&window, Latin(place.name), BagOf(place, window),
                                                place.place.Pixels());
        button->setToolTip(Translated(place.toolTip));
        // A button with a caption is named by it as it reads now (Update reads Insert while
        // a new record is typed); a picture button by the words on its face.
        if (place.picture)
            button->setAccessibleName(FaceWords(place.name));
    }
    const auto button = [&window](const char* name) {
        return window.findChild<XpButton*>(Latin(name), Qt::FindDirectChildrenOnly);
    };
    controls.load = button("Load");
    controls.newRecord = button("Manual");
    controls.htmls = button("Htmls");
    controls.save = button("Save");
    controls.exportListings = button("Export");
    controls.help = button("Help");
    controls.categoryList = button("XpButton1");
    controls.update = button("Update");
    controls.cancel = button("Cancel");
    controls.deleteRecord = button("Delete");
    controls.viewHtml = button("viewh");
    controls.viewPage = button("viewp");
    controls.close = button("Close");
    controls.cancel->hide();
    SetTabOrder(window);
    for (QWidget* child : window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        child->setProperty(kFirstPlace, child->geometry());
    // Placed by Arrange alone, after the form in the Tab order.
    controls.details = new ListingDetailsList(&window);
    controls.details->hide();
    return controls;
}

int MainWindowLayout::DetailsWidth() {
    return TwipsToPixels(4800);
}

QSize MainWindowLayout::FirstSize() {
    return {TwipsToPixels(ClientWidthTwips), TwipsToPixels(ClientHeightTwips)};
}

int MainWindowLayout::GrowthDown(const QWidget& window) {
    return std::max(0, window.height() - FirstSize().height());
}

int MainWindowLayout::GridShareDown(const QWidget& window) {
    return GrowthDown(window) / 2;
}

int MainWindowLayout::MovedDown(const QWidget& window, int firstTop) {
    if (firstTop < GridBottom())
        return 0;
    return firstTop >= DescriptionBottom() ? GrowthDown(window) : GridShareDown(window);
}

bool MainWindowLayout::Arrange(QWidget& window, QWidget& grid, QWidget* findBar, QWidget* details,
                               QPoint offset) {
    const int wider = std::max(0, window.width() - FirstSize().width());
    const bool beside = details && wider >= DetailsWidth();
    // The grid takes the whole width; the form what the listing details leave of it.
    const int gridRight = wider;
    const int right = beside ? wider - DetailsWidth() : wider;
    const int gridDown = GridShareDown(window);
    const int formDown = GrowthDown(window) - gridDown;
    for (QWidget* child : window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        const QVariant first = child->property(kFirstPlace);
        if (!first.isValid())
            continue;
        QRect place = first.toRect();
        if (child == &grid) {
            place.adjust(0, 0, gridRight, gridDown);
            // The find bar takes the grid's top edge while it is shown.
            if (findBar && findBar->isVisible()) {
                const int height = findBar->sizeHint().height();
                findBar->setGeometry(
                    QRect(place.left(), place.top(), place.width(), height).translated(offset));
                place.setTop(place.top() + height);
            }
        } else if (place.top() >= GridBottom()) {
            place.translate(0, MovedDown(window, place.top()));
            const int growth = child->property(kGrows).toInt();
            if (growth != 0)
                place.setWidth(place.width() + right);
            if (growth == WiderAndTaller)
                place.setHeight(place.height() + formDown);
            if (growth == 0 && place.left() >= RightHandLeft())
                place.translate(right, 0);
        }
        child->setGeometry(place.translated(offset));
    }
    if (details) {
        const int margin = TwipsToPixels(120);
        const int top = GridBottom() + gridDown + margin;
        details->setGeometry(QRect(window.width() - DetailsWidth() + margin, top,
                                   DetailsWidth() - 2 * margin, window.height() - top - margin)
                                 .translated(offset));
        details->setVisible(beside);
    }
    return beside;
}

void MainWindowLayout::PaintSeparators(QPainter& painter, const QWidget& window, QPoint offset) {
    painter.translate(offset);
    const QColor dark = SystemColor(SystemColors::WindowText, window.palette());
    const QColor light = SystemColor(SystemColors::TitleText, window.palette());
    for (const Separator& line : kSeparators) {
        const int left = TwipsToPixels(line.left);
        int top = TwipsToPixels(line.top);
        int right = TwipsToPixels(line.right);
        // The form's line grows with the form.
        if (top >= GridBottom())
            right += std::max(0, window.width() - FirstSize().width());
        top += MovedDown(window, top);
        // A line stops short of its end point.
        --right;
        painter.setPen(dark);
        painter.drawLine(left, top, right, top);
        painter.setPen(light);
        painter.drawLine(left, top + 1, right, top + 1);
    }
}
