#include "ui/Auctions.h"

#include "app/InitialTexts.h"
#include "app/LotcraftError.h"
#include "app/ProgramSettings.h"
#include "catalogue/CatalogueReader.h"
#include "catalogue/CatalogueWriter.h"
#include "controls/xpbutton/OleColor.h"
#include "controls/xpbutton/PropertyBag.h"
#include "controls/xpbutton/SystemColors.h"
#include "controls/xpbutton/XpButton.h"
#include "pages/BatchGenerator.h"
#include "pages/PagePictures.h"
#include "ui/DesktopFileDialogs.h"
#include "ui/DesktopMessageBoxes.h"
#include "ui/FormControls.h"
#include "ui/GridView.h"
#include "ui/HtmlSourceWindow.h"
#include "ui/OutputFolderDialog.h"
#include "ui/Twips.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QShortcut>

#include <optional>

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
    {"Label1", "Seller", {360, 1320, 615, 255}},
    {"Label2", "Location", {3480, 1320, 855, 375}},
    {"Label3", "Country/Region ", {6600, 1320, 1215, 375}},
    {"Label4", "Items:", {9000, 4440, 495, 255}},
    {"Label6", "0", {9600, 4440, 615, 255}},
    {"Label9", "Htmls:", {9000, 4800, 495, 375}},
    {"Label7", "0", {9600, 4800, 615, 255}},
    {"Label14", "Html", {480, 7200, 615, 255}},
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
    {"Load", "", "load.png", "Open a catalogue file", true, false, false, {3600, 240, 885, 795}},
    {"Manual", "", "manual.png", "Insert a new record", true, false, false, {4560, 240, 885, 795}},
    {"Htmls",
     "",
     "htmls.png",
     "Write the pages of all items",
     false,
     true,
     false,
     {5520, 240, 885, 795}},
    {"Save",
     "",
     "save.png",
     "Save the catalogue as a file",
     false,
     true,
     false,
     {6480, 240, 885, 795}},
    {"Help", "", "help.png", "Show the help page", true, false, false, {9240, 240, 885, 795}},
    {"XpButton1",
     "?",
     nullptr,
     "Show eBay's category list",
     true,
     false,
     false,
     {5280, 6360, 255, 375}},
    {"Update", nullptr, nullptr, "", false, false, false, {6240, 6360, 735, 375}},
    {"Cancel", nullptr, nullptr, "", true, false, false, {7080, 6360, 735, 375}},
    {"Delete", nullptr, nullptr, "", false, false, false, {7920, 6360, 735, 375}},
    {"viewh", "View Html Code", nullptr, "", false, false, true, {4680, 7200, 1335, 375}},
    {"viewp", "View Page", nullptr, "", false, false, true, {6120, 7200, 1335, 375}},
    {"Close", nullptr, nullptr, "", true, false, false, {9120, 7200, 975, 375}},
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

QString PicturePath(const char* name) {
    return QStringLiteral(":/pictures/") + Latin(name);
}

// What the window's designer stored for a button.
PropertyBag BagOf(const ButtonPlace& button, const QWidget& window) {
    QString text = QStringLiteral("ButtonStyle = int:%1\nMousePointer = int:%2\n")
                       .arg(int(XpButton::XpRounded))
                       .arg(XpButton::CustomPointer);
    if (button.caption)
        text += QStringLiteral("Caption = text:") + Latin(button.caption) + QLatin1Char('\n');
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
        const QPixmap picture(PicturePath(button.picture));
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

}  // namespace

Auctions::Auctions(ProgramSettings& settings, MessageBoxes* messages, FileDialogs* dialogs,
                   QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_settings(settings),
      m_messages(messages ? *messages : DesktopMessageBoxes::Instance()),
      m_dialogs(dialogs ? *dialogs : DesktopFileDialogs::Instance()),
      m_editor(m_grid, m_form, *this),
      m_browser(m_messages, this),
      m_outputFolderPrompt([](QWidget* owner, ProgramSettings& folderSettings) {
          OutputFolderDialog dialog(folderSettings, owner);
          dialog.exec();
      }) {
    setObjectName(QStringLiteral("Auctions"));
    setWindowTitle(QStringLiteral("Lotcraft"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/lotcraft.png")));
    setFixedSize(TwipsToPixels(ClientWidthTwips), TwipsToPixels(ClientHeightTwips));
    // A narrow face: the window's texts were laid out for a small, narrow system font.
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setPixelSize(11);
    setFont(font);
    CreateControls();
    SetTabOrder();
    Form_Load();
}

Auctions::~Auctions() = default;

void Auctions::CreateControls() {
    auto* banner = new QLabel(this);
    banner->setObjectName(QStringLiteral("Image1"));
    banner->setPixmap(QPixmap(QStringLiteral(":/pictures/banner.png")));
    banner->setGeometry(Place{240, 240, 2805, 810}.Pixels());

    for (const LabelPlace& place : kLabels) {
        auto* label = new QLabel(Latin(place.caption), this);
        label->setObjectName(Latin(place.name));
        label->setGeometry(place.place.Pixels());
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    m_itemCount = findChild<QLabel*>(QStringLiteral("Label6"));
    m_pageCount = findChild<QLabel*>(QStringLiteral("Label7"));
    m_status = findChild<QLabel*>(QStringLiteral("Status"));

    const auto lineEdit = [this](const QString& name, const QString& text, const Place& place) {
        auto* box = new QLineEdit(text, this);
        box->setObjectName(name);
        box->setGeometry(place.Pixels());
        return box;
    };
    m_seller = lineEdit(QStringLiteral("Seller"), InitialTexts::Seller(), {360, 1560, 2775, 375});
    m_location =
        lineEdit(QStringLiteral("Location"), InitialTexts::Location(), {3480, 1560, 2775, 375});
    m_country =
        lineEdit(QStringLiteral("Country"), InitialTexts::Country(), {6600, 1560, 2775, 375});

    m_gridView = new GridView(m_grid, this);
    m_gridView->setObjectName(QStringLiteral("MSFlexGrid1"));
    m_gridView->setGeometry(Place{240, 2160, 9975, 2055}.Pixels());
    connect(&m_grid, &Grid::Clicked, this, [this] { Edit([this] { m_editor.GridClick(); }); });

    for (const FieldPlace& field : kFields) {
        const ItemRecord::Presentation& shown = ItemRecord::PresentationOf(field.position);
        auto* label = new QLabel(Latin(shown.label), this);
        label->setObjectName(Latin(field.labelName));
        label->setGeometry(field.label.Pixels());
        QWidget* box = nullptr;
        if (field.position == ItemRecord::Description) {
            m_description = new QPlainTextEdit(this);
            m_description->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            m_description->setTabChangesFocus(true);
            box = m_description;
        } else {
            QLineEdit* line = lineEdit(Latin(shown.boxName), QString(), field.box);
            m_boxes[size_t(ItemRecord::ColumnOfPosition(field.position))] = line;
            connect(line, &QLineEdit::returnPressed, this, [this] {
                if (m_form.updateEnabled)
                    Edit([this] { m_editor.Update(); });
            });
            box = line;
        }
        box->setObjectName(Latin(shown.boxName));
        box->setGeometry(field.box.Pixels());
        box->setToolTip(Latin(shown.toolTip));
        label->setBuddy(box);
    }
    QLineEdit* html = lineEdit(QStringLiteral("t_html"), QString(), kHtmlBox);
    html->setReadOnly(true);
    m_boxes[EditForm::HtmlBox] = html;

    for (const ButtonPlace& place : kButtons) {
        XpButton* button = FormControls::Button(this, Latin(place.name), BagOf(place, *this),
                                                place.place.Pixels());
        button->setToolTip(Latin(place.toolTip));
        button->setAccessibleName(place.picture ? Latin(place.toolTip) : button->Caption());
    }
    const auto button = [this](const char* name) {
        return findChild<XpButton*>(Latin(name), Qt::FindDirectChildrenOnly);
    };
    m_load = button("Load");
    m_manual = button("Manual");
    m_htmls = button("Htmls");
    m_save = button("Save");
    m_help = button("Help");
    m_category = button("XpButton1");
    m_update = button("Update");
    m_cancel = button("Cancel");
    m_delete = button("Delete");
    m_viewHtml = button("viewh");
    m_viewPage = button("viewp");
    m_close = button("Close");
    m_cancel->hide();

    connect(m_load, &XpButton::Click, this, &Auctions::Load_Click);
    connect(m_save, &XpButton::Click, this, &Auctions::Save_Click);
    connect(m_manual, &XpButton::Click, this, [this] { Edit([this] { m_editor.Manual(); }); });
    connect(m_update, &XpButton::Click, this, [this] { Edit([this] { m_editor.Update(); }); });
    connect(m_cancel, &XpButton::Click, this, [this] { Edit([this] { m_editor.Cancel(); }); });
    connect(m_delete, &XpButton::Click, this, [this] { Edit([this] { m_editor.Delete(); }); });
    connect(m_close, &XpButton::Click, this, &QWidget::close);
    connect(m_htmls, &XpButton::Click, this, &Auctions::Htmls_Click);
    connect(m_viewPage, &XpButton::Click, this, &Auctions::viewp_Click);
    connect(m_viewHtml, &XpButton::Click, this, &Auctions::viewh_Click);
    connect(m_help, &XpButton::Click, this, &Auctions::Help_Click);
    connect(m_category, &XpButton::Click, this, &Auctions::XpButton1_Click);

    // Escape leaves insert mode, as Cancel does.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] {
        if (m_form.cancelVisible)
            Edit([this] { m_editor.Cancel(); });
    });
}

void Auctions::SetTabOrder() {
    const QStringList order = {
        QStringLiteral("MSFlexGrid1"), QStringLiteral("Seller"),   QStringLiteral("Location"),
        QStringLiteral("Country"),     QStringLiteral("t_Item"),   QStringLiteral("t_ends"),
        QStringLiteral("t_price"),     QStringLiteral("t_first"),  QStringLiteral("t_start"),
        QStringLiteral("t_desc"),      QStringLiteral("t_title"),  QStringLiteral("t_Image"),
        QStringLiteral("t_cat"),       QStringLiteral("t_html"),   QStringLiteral("Help"),
        QStringLiteral("Load"),        QStringLiteral("Manual"),   QStringLiteral("Htmls"),
        QStringLiteral("Save"),        QStringLiteral("Update"),   QStringLiteral("Cancel"),
        QStringLiteral("Delete"),      QStringLiteral("viewh"),    QStringLiteral("viewp"),
        QStringLiteral("Close"),       QStringLiteral("XpButton1")};
    QWidget* previous = nullptr;
    for (const QString& name : order) {
        QWidget* widget = findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

template <typename Operation>
void Auctions::Edit(Operation operation) {
    ReadBoxes();
    operation();
    ShowForm();
}

void Auctions::ReadBoxes() {
    for (int column = ItemRecord::FirstFieldColumn; column <= ItemRecord::LastFieldColumn;
         ++column) {
        QLineEdit* box = m_boxes[size_t(column)];
        m_form.boxText[size_t(column)] = box ? box->text() : m_description->toPlainText();
    }
}

void Auctions::ShowForm() {
    for (int column = ItemRecord::FirstFieldColumn; column <= EditForm::HtmlBox; ++column) {
        const QString& text = m_form.boxText[size_t(column)];
        const bool enabled = m_form.boxEnabled[size_t(column)];
        if (QLineEdit* box = m_boxes[size_t(column)]) {
            if (box->text() != text) {
                box->setText(text);
                box->setCursorPosition(0);
            }
            box->setEnabled(enabled);
        } else {
            if (m_description->toPlainText() != text)
                m_description->setPlainText(text);
            m_description->setEnabled(enabled);
        }
    }
    if (m_update->Caption() != m_form.updateCaption)
        m_update->SetCaption(m_form.updateCaption);
    m_update->SetEnabled(m_form.updateEnabled);
    m_cancel->setVisible(m_form.cancelVisible);
    m_delete->SetEnabled(m_form.deleteEnabled);
    m_htmls->SetEnabled(m_form.htmlsEnabled);
    m_save->SetEnabled(m_form.saveEnabled);
    m_viewPage->SetEnabled(m_form.viewPageEnabled);
    m_viewHtml->SetEnabled(m_form.viewHtmlEnabled);
    m_itemCount->setText(m_form.itemCountText);
    m_pageCount->setText(m_form.pageCountText);
    // The view marks the row the form shows, and no other.
    if (m_editor.FormRow() > 0)
        m_gridView->selectRow(m_editor.FormRow() - 1);
    else
        m_gridView->clearSelection();
}

bool Auctions::Confirm(const QString& question) {
    return m_messages.AskYesNo(this, question);
}

void Auctions::Tell(const QString& message) {
    m_messages.Tell(this, message);
}

void Auctions::ShowCounters() {
    m_itemCount->setText(m_form.itemCountText);
    m_pageCount->setText(m_form.pageCountText);
    if (isVisible()) {
        m_itemCount->repaint();
        m_pageCount->repaint();
    }
}

QString Auctions::SellerText() const {
    return m_seller->text();
}

QString Auctions::LocationText() const {
    return m_location->text();
}

QString Auctions::CountryText() const {
    return m_country->text();
}

void Auctions::Form_Load() {
    m_editor.ResetWindow();
    ShowForm();
    m_settings.SetOutputFolder(QCoreApplication::applicationDirPath());
}

void Auctions::Load_Click() {
    m_editor.BeginOpening();
    ShowForm();
    const QString path = m_dialogs.OpenFileName(this);
    std::optional<LotcraftError> failure;
    int read = 0;
    if (!path.isEmpty()) {
        const CatalogueReader::Result result = CatalogueReader::Read(path);
        read = m_editor.AppendRead(result.records);
        failure = result.failure;
    }
    m_editor.EndOpening();
    ShowForm();
    if (!failure)
        return;
    const QString readItems = read == 1
                                  ? QStringLiteral("The one item read before that is")
                                  : QStringLiteral("The %1 items read before that are").arg(read);
    const QString kept = read == 0 ? QStringLiteral(
                                         "No item was read. Check the file's name and that you may "
                                         "read it, then open it again.")
                                   : readItems + QStringLiteral(
                                                     " in the grid. Correct the file and open it "
                                                     "again, or save the grid under a new name.");
    m_messages.Tell(this, QStringLiteral("Lotcraft could not read the whole catalogue.\n\n") %
                              failure->Message() % QStringLiteral(".\n\n") % kept);
}

void Auctions::Save_Click() {
    SaveCatalogue();
}

void Auctions::SaveCatalogue() {
    const QString path = m_dialogs.SaveFileName(this);
    if (path.isEmpty())
        return;
    try {
        CatalogueWriter::Write(path, m_editor.SaveRecords());
    } catch (const LotcraftError& error) {
        m_messages.Tell(this, QStringLiteral("The catalogue was not saved.\n\n") % error.Message() %
                                  QStringLiteral(".\n\nChoose another folder or file name, or "
                                                 "make room on the disk, and save again."));
    }
}

void Auctions::ShowPageCount(const QString& caption) {
    // During a run the counter is shown at the screen's pace, not once a page: each
    // repaint paints the window's pending changes too (the grid's marks), which cost more
    // than the page itself. The run shows the last count when it ends.
    if (m_generating && m_pageCountShown.isValid() &&
        m_pageCountShown.elapsed() < kPageCountFrameMs)
        return;
    m_editor.ShowPageCount(caption);
    if (!m_generating)
        return;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_pageCountShown.start();
}

void Auctions::ShowStatus(const QString& text) {
    m_status->setText(text);
    if (isVisible())
        m_status->repaint();
}

void Auctions::Htmls_Click() {
    m_settings.SetOutputFolderChosen(false);
    m_outputFolderPrompt(this, m_settings);
    if (!m_settings.OutputFolderChosen())
        return;
    const QString folder = m_settings.OutputFolder();
    const qint64 before = PageCount();
    ShowStatus(QStringLiteral("Writing the pages into %1 ...").arg(folder));
    PagePictures pictures(QCoreApplication::applicationDirPath());
    BatchGenerator generator(m_settings, *this, pictures);
    m_generating = true;
    m_pageCountShown.invalidate();
    std::optional<LotcraftError> failure;
    try {
        generator.Run(m_grid, m_editor.ItemCount(), m_editor.CurrentRecord(), m_linkTable);
    } catch (const LotcraftError& error) {
        failure = error;
    }
    m_generating = false;
    ShowPageCount(QString::number(PageCount()));
    const QString pages = BatchGenerator::PagesText(PageCount() - before);
    if (!failure) {
        ShowStatus(QStringLiteral("%1 written to %2.").arg(pages, folder));
        return;
    }
    ShowStatus(QStringLiteral("Stopped after %1 in %2.").arg(pages, folder));
    const QString kept =
        failure->Row() > 0
            ? QStringLiteral(
                  "The pages of the rows before it are written and marked. Correct the "
                  "row, or choose another folder, and press HTMLS again.")
            : QStringLiteral(
                  "The pages are written and marked, but the pictures they show are "
                  "not all beside them.");
    m_messages.Tell(this, QStringLiteral("Lotcraft could not write all the pages.\n\n") %
                              failure->Message() % QStringLiteral(".\n\n") % kept);
}

QString Auctions::FormRowPagePath() {
    const int row = m_editor.FormRow();
    if (row < 1)
        return QString();
    m_grid.SetRow(row);
    m_grid.SetCol(ItemRecord::HtmlColumn);
    return m_grid.Text();
}

void Auctions::viewp_Click() {
    m_browser.IE_View(FormRowPagePath());
}

void Auctions::viewh_Click() {
    m_settings.SetSourcePagePath(FormRowPagePath());
    if (!m_sourceWindow)
        m_sourceWindow = std::make_unique<HtmlSourceWindow>(m_settings, m_messages);
    m_sourceWindow->BringForward();
}

void Auctions::Help_Click() {
    m_browser.IE_View(QCoreApplication::applicationDirPath() + QStringLiteral("/help.html"));
}

void Auctions::XpButton1_Click() {
    m_browser.IE_View(CategoryListAddress());
}

void Auctions::Form_Unload() {
    if (m_editor.ItemCount() > 0 && m_messages.AskYesNo(this, ClosingQuestion()))
        SaveCatalogue();
}

void Auctions::closeEvent(QCloseEvent* event) {
    // A page run ends before the window may close.
    if (m_generating) {
        event->ignore();
        return;
    }
    Form_Unload();
    // The question cannot keep the window open.
    event->accept();
}

void Auctions::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    const QColor dark = SystemColor(SystemColors::WindowText, palette());
    const QColor light = SystemColor(SystemColors::TitleText, palette());
    for (const Separator& line : kSeparators) {
        const int left = TwipsToPixels(line.left);
        const int top = TwipsToPixels(line.top);
        // A line stops short of its end point.
        const int right = TwipsToPixels(line.right) - 1;
        painter.setPen(dark);
        painter.drawLine(left, top, right, top);
        painter.setPen(light);
        painter.drawLine(left, top + 1, right, top + 1);
    }
}

void Auctions::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_centred || !screen())
        return;
    // Centred on the screen the first time it is shown.
    m_centred = true;
    QRect frame = frameGeometry();
    frame.moveCenter(screen()->availableGeometry().center());
    move(frame.topLeft());
}
