#include "ui/Auctions.h"

#include "app/LotcraftError.h"
#include "app/ProgramSettings.h"
#include "catalogue/CatalogueReader.h"
#include "catalogue/CatalogueWriter.h"
#include "controls/xpbutton/OleColor.h"
#include "controls/xpbutton/PropertyBag.h"
#include "controls/xpbutton/SystemColors.h"
#include "controls/xpbutton/XpButton.h"
#include "pages/CatalogueCheck.h"
#include "pages/PageInputs.h"
#include "pages/PageRun.h"
#include "ui/CatalogueCheckDialog.h"
#include "ui/DescriptionBox.h"
#include "ui/DesktopFileDialogs.h"
#include "ui/DesktopMessageBoxes.h"
#include "ui/FormControls.h"
#include "ui/GridView.h"
#include "ui/HtmlSourceWindow.h"
#include "ui/InputHold.h"
#include "ui/OutputFolderDialog.h"
#include "ui/PagePreviewWindow.h"
#include "ui/ProgramIcon.h"
#include "ui/Twips.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QScreen>
#include <QShortcut>

#include <limits>
#include <optional>

#include <unistd.h>

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
      m_pictures(QCoreApplication::applicationDirPath()),
      m_browser(m_messages, this),
      m_outputFolderPrompt([](QWidget* owner, ProgramSettings& folderSettings) {
          OutputFolderDialog dialog(folderSettings, owner);
          dialog.exec();
      }),
      m_checkPrompt([](QWidget* owner, const std::vector<CatalogueFinding>& findings, int itemCount,
                       const std::function<void(int)>& showRow) {
          CatalogueCheckDialog dialog(findings, itemCount, owner);
          QObject::connect(&dialog, &CatalogueCheckDialog::ShowRow, owner, showRow);
          return dialog.exec() == QDialog::Accepted;
      }) {
    setObjectName(QStringLiteral("Auctions"));
    setWindowTitle(QStringLiteral("Lotcraft"));
    setWindowIcon(ProgramIcon());
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
        // A box holds a value of any length: nothing is cut.
        box->setMaxLength(std::numeric_limits<int>::max());
        return box;
    };
    const SellerTexts starting = SellerTexts::Starting();
    m_seller = lineEdit(QStringLiteral("Seller"), starting.seller, {360, 1560, 2775, 375});
    m_location = lineEdit(QStringLiteral("Location"), starting.location, {3480, 1560, 2775, 375});
    m_country = lineEdit(QStringLiteral("Country"), starting.country, {6600, 1560, 2775, 375});

    m_gridView = new GridView(m_grid, this);
    m_gridView->setObjectName(QStringLiteral("MSFlexGrid1"));
    m_gridView->setGeometry(Place{240, 2160, 9975, 2055}.Pixels());
    connect(m_gridView, &GridView::RowClicked, this, &Auctions::GridClicked);

    for (const FieldPlace& field : kFields) {
        const ItemRecord::Presentation& shown = ItemRecord::PresentationOf(field.position);
        auto* label = new QLabel(Latin(shown.label), this);
        label->setObjectName(Latin(field.labelName));
        label->setGeometry(field.label.Pixels());
        QWidget* box = nullptr;
        if (field.position == ItemRecord::Description) {
            m_description = new DescriptionBox(this);
            m_description->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            m_description->setTabChangesFocus(true);
            box = m_description;
        } else {
            QLineEdit* line = lineEdit(Latin(shown.boxName), QString(), field.box);
            m_boxes[size_t(field.position)] = line;
            connect(line, &QLineEdit::returnPressed, this, [this] {
                if (m_form.updateEnabled)
                    StoreForm();
            });
            box = line;
        }
        box->setObjectName(Latin(shown.boxName));
        box->setGeometry(field.box.Pixels());
        box->setToolTip(Latin(shown.toolTip));
        label->setBuddy(box);
    }
    m_pagePath = lineEdit(QStringLiteral("t_html"), QString(), kHtmlBox);
    m_pagePath->setReadOnly(true);

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
    connect(m_manual, &XpButton::Click, this, [this] {
        if (!MayLeaveForm())
            return;
        Edit([this] { m_editor.StartNewRecord(); });
        m_boxes[ItemRecord::ItemNumber]->setFocus();
    });
    connect(m_update, &XpButton::Click, this, &Auctions::StoreForm);
    connect(m_cancel, &XpButton::Click, this, [this] { Edit([this] { m_editor.Cancel(); }); });
    connect(m_delete, &XpButton::Click, this, [this] {
        Edit([this] { m_editor.DeleteFormRow(); });
        m_gridView->setFocus();
    });
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
    // The desktop's usual keys, each a click on its button where that button is usable.
    const struct {
        QKeySequence keys;
        XpButton* button;
        QWidget* within;
    } keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_O), m_load, this},
        {QKeySequence(Qt::CTRL | Qt::Key_S), m_save, this},
        {QKeySequence(Qt::CTRL | Qt::Key_N), m_manual, this},
        {QKeySequence(Qt::Key_F1), m_help, this},
        {QKeySequence(Qt::Key_F5), nullptr, this},
        {QKeySequence(Qt::CTRL | Qt::Key_W), m_close, this},
        {QKeySequence(Qt::CTRL | Qt::Key_Q), m_close, this},
        // Delete removes the row only where the grid has the focus; in a box it deletes text.
        {QKeySequence(Qt::Key_Delete), m_delete, m_gridView},
    };
    for (const auto& key : keys) {
        auto* shortcut = new QShortcut(key.keys, key.within);
        shortcut->setContext(key.within == this ? Qt::WindowShortcut : Qt::WidgetShortcut);
        XpButton* button = key.button;
        if (!button) {
            connect(shortcut, &QShortcut::activated, this, &Auctions::ShowPreview);
            continue;
        }
        connect(shortcut, &QShortcut::activated, button, [button] {
            if (button->isEnabled() && button->isVisibleTo(button->window()))
                Q_EMIT button->Click();
        });
    }
    // The preview follows the form and the seller's texts, a moment after the last key.
    m_previewTimer.setSingleShot(true);
    m_previewTimer.setInterval(PreviewDelayMs);
    connect(&m_previewTimer, &QTimer::timeout, this, &Auctions::UpdatePreview);
    for (QLineEdit* box : {m_seller, m_location, m_country})
        connect(box, &QLineEdit::textChanged, this, &Auctions::SchedulePreview);
    for (QLineEdit* box : m_boxes) {
        if (box)
            connect(box, &QLineEdit::textChanged, this, &Auctions::SchedulePreview);
    }
    connect(m_description, &QPlainTextEdit::textChanged, this, &Auctions::SchedulePreview);
    // A catalogue dropped anywhere on the window is opened, as LOAD CSV opens one; the
    // boxes and the grid pass such a drop on rather than take the file's name as text.
    setAcceptDrops(true);
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

QString Auctions::DroppedCatalogue(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return QString();
    const QUrl url = data->urls().constFirst();
    if (!url.isLocalFile())
        return QString();
    const QString path = url.toLocalFile();
    return QFileInfo(path).suffix().compare(FileDialogs::Suffix(), Qt::CaseInsensitive) == 0
               ? path
               : QString();
}

bool Auctions::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            if (HandleDrop(static_cast<QDropEvent*>(event)))
                return true;
            break;
        default: break;
    }
    return QWidget::eventFilter(watched, event);
}

bool Auctions::HandleDrop(QDropEvent* event) {
    const QString path = DroppedCatalogue(event->mimeData());
    if (path.isEmpty())
        return false;
    event->setDropAction(Qt::CopyAction);
    event->accept();
    if (event->type() == QEvent::Drop)
        OpenCatalogue(path);
    return true;
}

void Auctions::dragEnterEvent(QDragEnterEvent* event) {
    HandleDrop(event);
}

void Auctions::dragMoveEvent(QDragMoveEvent* event) {
    HandleDrop(event);
}

void Auctions::dropEvent(QDropEvent* event) {
    HandleDrop(event);
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

ItemRecord Auctions::BoxesRecord() const {
    ItemRecord record = m_form.record;
    for (int position = 1; position <= ItemRecord::FieldCount; ++position) {
        if (const QLineEdit* box = m_boxes[size_t(position)])
            record.SetField(position, box->text());
    }
    record.SetField(ItemRecord::Description, m_description->Value());
    return record;
}

void Auctions::ReadBoxes() {
    m_form.record = BoxesRecord();
}

void Auctions::ShowForm() {
    const auto show = [](QLineEdit* box, const QString& text, bool enabled) {
        if (box->text() != text) {
            box->setText(text);
            box->setCursorPosition(0);
        }
        box->setEnabled(enabled);
    };
    for (int position = 1; position <= ItemRecord::FieldCount; ++position) {
        if (QLineEdit* box = m_boxes[size_t(position)])
            show(box, m_form.record.Field(position), m_form.fieldsEnabled);
    }
    m_description->SetValue(m_form.record.Field(ItemRecord::Description));
    m_description->setEnabled(m_form.fieldsEnabled);
    show(m_pagePath, m_form.pagePathText, m_form.pagePathEnabled);
    if (m_update->Caption() != m_form.updateCaption)
        m_update->SetCaption(m_form.updateCaption);
    m_update->SetEnabled(m_form.updateEnabled);
    m_cancel->setVisible(m_form.cancelVisible);
    m_delete->SetEnabled(m_form.deleteEnabled);
    m_htmls->SetEnabled(m_form.htmlsEnabled);
    m_save->SetEnabled(m_form.saveEnabled);
    m_viewPage->SetEnabled(m_form.viewPageEnabled);
    m_viewHtml->SetEnabled(m_form.viewHtmlEnabled);
    m_itemCount->setText(QString::number(m_form.itemCount));
    m_pageCount->setText(QString::number(m_form.pageCount));
    HighlightFormRow();
    SchedulePreview();
}

void Auctions::HighlightFormRow() {
    // The view marks the row the form shows, and no other.
    if (m_editor.FormRow() > 0)
        m_gridView->selectRow(m_editor.FormRow() - 1);
    else
        m_gridView->clearSelection();
}

void Auctions::StoreForm() {
    Edit([this] { m_editor.StoreForm(); });
    m_gridView->setFocus();
}

bool Auctions::Confirm(const QString& question) {
    return m_messages.AskYesNo(this, question);
}

void Auctions::Tell(const QString& message) {
    m_messages.Tell(this, message);
}

void Auctions::ShowCounters() {
    m_itemCount->setText(QString::number(m_form.itemCount));
    m_pageCount->setText(QString::number(m_form.pageCount));
    if (isVisible()) {
        m_itemCount->repaint();
        m_pageCount->repaint();
    }
}

SellerTexts Auctions::Seller() const {
    return {m_seller->text(), m_location->text(), m_country->text()};
}

void Auctions::Form_Load() {
    m_editor.Reset();
    ShowStatus(QString());
    ShowForm();
    m_settings.SetOutputFolder(QCoreApplication::applicationDirPath());
}

void Auctions::Load_Click() {
    const QString path = m_dialogs.OpenFileName(this, m_cataloguePath);
    if (!path.isEmpty())
        OpenCatalogue(path);
}

void Auctions::OpenCatalogue(const QString& path) {
    CatalogueReader::Result result = CatalogueReader::Read(path);
    if (result.records.empty() && result.failure) {
        // Nothing could be read: the grid keeps the catalogue it holds.
        m_messages.Tell(this, QStringLiteral("Lotcraft could not open the catalogue.\n\n") %
                                  result.failure->Message() %
                                  QStringLiteral(".\n\nNo item was read, and the grid is as it "
                                                 "was. Check the file, then open it again."));
        return;
    }
    if (!MayLeaveForm() || !MayPutCatalogueAway())
        return;
    m_editor.BeginOpening();
    ShowStatus(QString());
    ShowForm();
    const int read = m_editor.AppendRead(std::move(result.records));
    m_editor.EndOpening();
    ShowForm();
    m_cataloguePath = path;
    // What the reader noticed on the way (fields read as Windows-1252, short lines) comes
    // with the failure, or alone.
    const QString noticed =
        result.notices.isEmpty()
            ? QString()
            : QStringLiteral("\n\n") + result.notices.join(QStringLiteral("\n\n"));
    if (!result.failure) {
        if (!noticed.isEmpty())
            m_messages.Tell(this, QStringLiteral("The catalogue is open.") + noticed);
        return;
    }
    const QString readItems = read == 1
                                  ? QStringLiteral("The one item read before that is")
                                  : QStringLiteral("The %1 items read before that are").arg(read);
    m_messages.Tell(this, QStringLiteral("Lotcraft could not read the whole catalogue.\n\n") %
                              result.failure->Message() % QStringLiteral(".\n\n") % readItems %
                              QStringLiteral(" in the grid. Correct the file and open it again, "
                                             "or save the grid under a new name.") %
                              noticed);
}

void Auctions::GridClicked(int row) {
    // The form's changes are stored into the form's own row first, if the user wants them.
    if (!MayLeaveForm()) {
        HighlightFormRow();
        return;
    }
    Edit([this, row] { m_editor.ShowRow(row); });
}

bool Auctions::FormEdited() const {
    if (!m_form.updateEnabled)
        return false;
    return BoxesRecord() != m_form.record;
}

bool Auctions::MayLeaveForm() {
    if (!FormEdited())
        return true;
    const QString question =
        m_editor.Inserting() ? QStringLiteral("Do you want to insert the new record ?")
                             : QStringLiteral("Do you want to store your changes to item %1 ?")
                                   .arg(m_grid.Field(m_editor.FormRow(), ItemRecord::ItemNumber));
    switch (m_messages.Ask(this, question)) {
        case MessageBoxes::Answer::Yes:
            StoreForm();
            // An insert into a full grid is refused: the typed record stays in the form.
            return !m_editor.Inserting();
        case MessageBoxes::Answer::No: return true;
        case MessageBoxes::Answer::Dismissed: break;
    }
    return false;
}

bool Auctions::MayPutCatalogueAway() {
    if (m_grid.ItemCount() == 0)
        return true;
    switch (m_messages.Ask(this, ClosingQuestion())) {
        case MessageBoxes::Answer::Yes: return SaveCatalogue();
        case MessageBoxes::Answer::No: return true;
        case MessageBoxes::Answer::Dismissed: break;
    }
    return false;
}

void Auctions::Save_Click() {
    SaveCatalogue();
}

bool Auctions::SaveCatalogue() {
    QString path = m_dialogs.SaveFileName(this, m_cataloguePath);
    if (path.isEmpty())
        return false;
    // A name typed without an extension is a catalogue all the same.
    if (QFileInfo(path).suffix().isEmpty() && !path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('.') + FileDialogs::Suffix();
    try {
        CatalogueWriter::Write(path, m_grid.Records());
    } catch (const LotcraftError& error) {
        m_messages.Tell(this, QStringLiteral("The catalogue was not saved.\n\n") %
                                  SaveFailureAdvice(path, error));
        return false;
    }
    m_cataloguePath = path;
    return true;
}

QString Auctions::SaveFailureAdvice(const QString& path, const LotcraftError& error) {
    const QString folder = QFileInfo(path).absolutePath();
    const QByteArray folderName = QFile::encodeName(folder);
    if (QFileInfo(folder).isDir() && ::access(folderName.constData(), W_OK | X_OK) != 0) {
        // The save writes a new file beside the old one and then puts it in its place.
        const QString kept = QFileInfo::exists(path)
                                 ? QStringLiteral("The file %1 is as it was.").arg(path)
                                 : QStringLiteral("Nothing was written.");
        return QStringLiteral(
                   "Lotcraft saves a catalogue by writing a new file in its folder "
                   "and then putting it in place of the old one, and the folder %1 "
                   "does not let it make a new file. %2\n\nSave the catalogue into "
                   "a folder of your own, your home folder for instance, or ask "
                   "whoever looks after %1 to let you write there.")
            .arg(folder, kept);
    }
    return error.Message() % QStringLiteral(
                                 ".\n\nChoose another folder or file name, or make "
                                 "room on the disk, and save again.");
}

void Auctions::ShowPageCount() {
    // During a run the counter is shown at the screen's pace, not once a page: each
    // repaint paints the window's pending changes too (the grid's marks), which cost more
    // than the page itself. The run shows the last count when it ends.
    if (m_generating && m_pageCountShown.isValid() &&
        m_pageCountShown.elapsed() < kPageCountFrameMs)
        return;
    ShowCounters();
    if (!m_generating)
        return;
    // Input is held during a run: repaints and timers go on, clicks and keys are let go.
    QCoreApplication::processEvents();
    m_pageCountShown.start();
}

void Auctions::ShowStatus(const QString& text) {
    m_status->setText(text);
    if (isVisible())
        m_status->repaint();
}

void Auctions::Htmls_Click() {
    // The catalogue is checked before anything is asked or written: rows whose pages would be
    // lost or wrong are skipped, once the seller has seen why.
    std::vector<int> skipped;
    const std::vector<CatalogueFinding> findings = CheckCatalogue();
    if (!findings.empty()) {
        if (!m_checkPrompt(this, findings, m_grid.ItemCount(),
                           [this](int row) { ShowRowInForm(row); }))
            return;
        skipped = CatalogueCheck::RowsInError(findings);
    }
    m_settings.SetOutputFolderChosen(false);
    m_outputFolderPrompt(this, m_settings);
    if (!m_settings.OutputFolderChosen())
        return;
    const QString folder = m_settings.OutputFolder();
    const qint64 before = m_form.pageCount;
    ShowStatus(QStringLiteral("Writing the pages into %1 ...").arg(folder));
    std::optional<LotcraftError> failure;
    {
        // Clicks and keys made during the run are let go, not carried out after it.
        const InputHold hold;
        m_generating = true;
        m_pageCountShown.invalidate();
        try {
            // Each row is counted, then shows its page's path, then its marks.
            PageRun::Run(m_grid.Records(), PageInputs::Take(m_settings, Seller(), m_pictures),
                         m_pictures, skipped, [this](int row, const QString& pagePath) {
                             ++m_form.pageCount;
                             ShowPageCount();
                             m_grid.SetPagePath(row, pagePath);
                             m_grid.MarkRow(row, m_pictures.PageMark(), m_pictures.DoneMark());
                         });
        } catch (const LotcraftError& error) {
            failure = error;
        }
        m_generating = false;
        ShowPageCount();
    }
    ReportRun(folder, m_form.pageCount - before, failure, findings, skipped);
    SchedulePreview();
    // A close asked for during the run is carried out now, with its questions.
    if (m_closeRequested) {
        m_closeRequested = false;
        close();
    }
}

std::vector<CatalogueFinding> Auctions::CheckCatalogue() {
    // The grid's own texts are checked, not copies of its records. The output folder is not
    // chosen yet: names are held to the usual limit.
    return CatalogueCheck::Run(m_grid.Records(), Seller(), QString());
}

void Auctions::ShowRowInForm(int row) {
    if (row < 1 || row > m_grid.ItemCount() || !MayLeaveForm())
        return;
    Edit([this, row] { m_editor.ShowRow(row); });
    m_gridView->scrollTo(m_grid.index(row - 1, 0));
}

void Auctions::ReportRun(const QString& folder, qint64 written,
                         const std::optional<LotcraftError>& failure,
                         const std::vector<CatalogueFinding>& findings,
                         const std::vector<int>& skipped) {
    const QString pages = PageRun::PagesText(written);
    QString skippedText;
    if (!skipped.empty()) {
        QStringList rows;
        for (int row : skipped)
            rows << QString::number(row);
        skippedText = (skipped.size() == 1 ? QStringLiteral(" Row %1 was skipped.")
                                           : QStringLiteral(" Rows %1 were skipped."))
                          .arg(rows.join(QStringLiteral(", ")));
    }
    if (!failure) {
        ShowStatus(QStringLiteral("%1 written to %2.").arg(pages, folder) + skippedText);
    } else {
        ShowStatus(QStringLiteral("Stopped after %1 in %2.").arg(pages, folder) + skippedText);
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
    if (skipped.empty())
        return;
    // Which rows were left out, and why: their errors, as the check found them.
    constexpr int kListed = 20;
    QStringList lines;
    int errors = 0;
    for (const CatalogueFinding& finding : findings) {
        if (!finding.IsError())
            continue;
        if (++errors <= kListed)
            lines << finding.Line();
    }
    if (errors > kListed)
        lines << QStringLiteral("... and %1 more.").arg(errors - kListed);
    m_messages.Tell(this, QStringLiteral("No page was written for these rows, since their pages "
                                         "would have been lost or wrong:\n\n") %
                              lines.join(QLatin1Char('\n')) %
                              QStringLiteral("\n\nCorrect them and press HTMLS again."));
}

QString Auctions::FormRowPagePath() const {
    const int row = m_editor.FormRow();
    return row > 0 ? m_grid.PagePath(row) : QString();
}

void Auctions::viewp_Click() {
    // A row whose page is not written yet is shown as it would be written.
    const QString page = FormRowPagePath();
    if (page.isEmpty())
        ShowPreview();
    else
        m_browser.IE_View(page);
}

void Auctions::ShowPreview() {
    if (!m_preview)
        m_preview = std::make_unique<PagePreviewWindow>(QCoreApplication::applicationDirPath());
    UpdatePreview();
    m_preview->BringForward();
}

void Auctions::SchedulePreview() {
    if (m_preview && m_preview->isVisible())
        m_previewTimer.start();
}

void Auctions::UpdatePreview() {
    if (m_editor.FormRow() == 0 && !m_form.cancelVisible) {
        m_preview->ShowNote(
            QStringLiteral("Click a row of the grid, or press INSERT NEW RECORD, "
                           "and its page is shown here as you type."));
        return;
    }
    try {
        m_preview->ShowRecord(BoxesRecord(), PageInputs::Take(m_settings, Seller(), m_pictures));
    } catch (const LotcraftError& error) {
        m_preview->ShowNote(
            QStringLiteral("No page can be made for this record: %1.").arg(error.Message()));
    }
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

bool Auctions::Form_Unload() {
    return MayPutCatalogueAway();
}

void Auctions::closeEvent(QCloseEvent* event) {
    // A page run ends before the window may close; and the window stays open with everything
    // in it unless the catalogue was saved or the user chose not to save it.
    if (m_generating) {
        // Kept, and carried out when the run has ended.
        m_closeRequested = true;
        event->ignore();
        return;
    }
    if (!MayLeaveForm() || !Form_Unload()) {
        event->ignore();
        return;
    }
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
