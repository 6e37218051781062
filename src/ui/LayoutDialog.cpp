// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/LayoutDialog.h"

#include "app/ProgramSettings.h"
#include "controls/xpbutton/XpButton.h"
#include "pages/SchemeTable.h"
#include "ui/FormControls.h"
#include "ui/Twips.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The wireframe previews: a sketch of where a layout puts the page's blocks.
constexpr int PreviewWidth = 101;
constexpr int PreviewHeight = 121;
constexpr int Margin = 6;
constexpr int Gap = 5;
// The framed pictures, and the distance from one picture's left edge to the next one's.
constexpr int PictureWidthTwips = 1575;
constexpr int PictureHeightTwips = 1880;
constexpr int PicturePitchTwips = 1920;

// A block of the page: a framed area with a few lines standing for its text.
void DrawBlock(QPainter& painter, const QRect& block) {
    painter.setPen(QColor(0x40, 0x40, 0x40));
    painter.setBrush(QColor(0xDD, 0xE4, 0xEE));
    painter.drawRect(block.adjusted(0, 0, -1, -1));
    painter.setPen(QColor(0x90, 0x9C, 0xAC));
    for (int y = block.top() + 4; y + 3 < block.bottom(); y += 5)
        painter.drawLine(block.left() + 3, y, block.right() - 3, y);
}

QPixmap PreviewPicture(int layout) {
    QPixmap picture(PreviewWidth, PreviewHeight);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    const int left = Margin;
    const int width = PreviewWidth - 2 * Margin;
    const int top = Margin;
    const int bottom = PreviewHeight - Margin;
    const int thinBar = 12;
    const int bar = 20;
    const int narrow = (width - Gap) / 3;
    const int wide = width - Gap - narrow;
    switch (layout) {
        case 1:
        case 2: {
            DrawBlock(painter, QRect(left, top, width, bar));
            const int columnsTop = top + bar + Gap;
            const int columnsHeight = bottom - columnsTop;
            const int firstWidth = layout == 1 ? narrow : wide;
            DrawBlock(painter, QRect(left, columnsTop, firstWidth, columnsHeight));
            DrawBlock(painter, QRect(left + firstWidth + Gap, columnsTop, width - Gap - firstWidth,
                                     columnsHeight));
            break;
        }
        case 3: {
            DrawBlock(painter, QRect(left, top, width, thinBar));
            DrawBlock(painter, QRect(left, top + thinBar + Gap, width, thinBar));
            const int areaTop = top + 2 * (thinBar + Gap);
            DrawBlock(painter, QRect(left, areaTop, width, bottom - areaTop));
            break;
        }
        default: {
            DrawBlock(painter, QRect(left, top, width, thinBar));
            const int areaTop = top + thinBar + Gap;
            const int barTop = bottom - bar;
            DrawBlock(painter, QRect(left, areaTop, width, barTop - Gap - areaTop));
            DrawBlock(painter, QRect(left, barTop, width, bar));
            break;
        }
    }
    return picture;
}

QGroupBox* Frame(QWidget* window, const char* name) {
    auto* frame = new QGroupBox(window);
    frame->setObjectName(QLatin1String(name));
    return frame;
}

}  // namespace

LayoutDialog::LayoutDialog(ProgramSettings& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(TwipsToPixels(120), TwipsToPixels(240), TwipsToPixels(180),
                               TwipsToPixels(180));

    // The colour scheme, its label beside it.
    m_frame2 = Frame(this, "Frame2");
    auto* colours = new QHBoxLayout(m_frame2);
    m_label1 = new QLabel(tr("Color options"), m_frame2);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_imageCombo1 = new QComboBox(m_frame2);
    m_imageCombo1->setObjectName(QStringLiteral("ImageCombo1"));
    m_imageCombo1->setEditable(false);
    m_imageCombo1->setAccessibleName(tr("Color options"));
    m_label1->setBuddy(m_imageCombo1);
    colours->addWidget(m_label1);
    colours->addWidget(m_imageCombo1);
    colours->addStretch(1);
    layout->addWidget(m_frame2);

    // The layouts: each picture with its option under it.
    m_frame1 = Frame(this, "Frame1");
    auto* layouts = new QGridLayout(m_frame1);
    layouts->setHorizontalSpacing(TwipsToPixels(PicturePitchTwips - PictureWidthTwips));
    m_options = new QButtonGroup(this);
    for (int index = 0; index < LayoutCount; ++index) {
        auto* picture = new QLabel(m_frame1);
        picture->setObjectName(QStringLiteral("Picture%1").arg(index + 1));
        picture->setFixedSize(TwipsToPixels(PictureWidthTwips), TwipsToPixels(PictureHeightTwips));
        picture->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
        picture->setAlignment(Qt::AlignCenter);
        picture->setPixmap(PreviewPicture(index + 1));
        m_picture[size_t(index)] = picture;
        layouts->addWidget(picture, 0, index, Qt::AlignHCenter);

        auto* button = new QRadioButton(PageChoiceLists::LayoutName(index + 1), m_frame1);
        button->setObjectName(QStringLiteral("Option1"));
        button->setProperty("Index", index);
        m_options->addButton(button, index);
        m_option1[size_t(index)] = button;
        layouts->addWidget(button, 1, index, Qt::AlignHCenter);
    }
    layout->addWidget(m_frame1);
    connect(m_options, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            TakeCheckedLayout();
    });

    m_okButton = FormControls::DialogButton(this, QStringLiteral("OKButton"), tr("Ok"), 1215);
    m_okButton->SetDefaultButton(true);
    connect(m_okButton, &XpButton::Click, this, &LayoutDialog::Confirm);
    layout->addSpacing(TwipsToPixels(120));
    layout->addLayout(FormControls::ButtonRow({m_okButton}));
    FormControls::MakeLaidOutDialog(this, QStringLiteral("layout"), tr("Auction Layout"));

    // The pictures and frames take no focus; among the rest the keyboard goes this way.
    setTabOrder(m_option1[0], m_okButton);
    setTabOrder(m_okButton, m_option1[1]);
    setTabOrder(m_option1[1], m_option1[2]);
    setTabOrder(m_option1[2], m_option1[3]);
    setTabOrder(m_option1[3], m_imageCombo1);

    FormControls::CentreOnScreen(this);
    ShowSettings();
}

void LayoutDialog::ShowSettings() {
    PageChoiceLists::FillSchemes(m_imageCombo1);
    // A scheme outside the table selects the first, so that "Ok" always finds an entry.
    const int scheme = m_settings.SchemeIndex();
    const bool known = scheme >= SchemeTable::FirstScheme && scheme <= SchemeTable::LastScheme;
    m_imageCombo1->setCurrentIndex(known ? scheme - SchemeTable::FirstScheme : 0);

    const int layout = m_settings.LayoutIndex();
    if (layout >= 1 && layout <= LayoutCount)
        m_option1[size_t(layout - 1)]->setChecked(true);
    m_option1[size_t(layout >= 1 && layout <= LayoutCount ? layout - 1 : 0)]->setFocus();
}

void LayoutDialog::TakeCheckedLayout() {
    for (int index = 0; index < LayoutCount; ++index) {
        if (m_option1[size_t(index)]->isChecked())
            m_settings.SetLayoutIndex(qint16(index + 1));
    }
}

void LayoutDialog::Confirm() {
    TakeCheckedLayout();
    m_settings.SetSchemeIndex(qint16(m_imageCombo1->currentIndex() + SchemeTable::FirstScheme));
    accept();
}

void LayoutDialog::keyPressEvent(QKeyEvent* event) {
    // Enter confirms wherever the focus is; Escape is the close box (QDialog's own).
    if (FormControls::IsEnterKey(event)) {
        Confirm();
        return;
    }
    QDialog::keyPressEvent(event);
}
