// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/xpbutton/XpButton.h"

#include "controls/xpbutton/ButtonFace.h"
#include "controls/xpbutton/DesktopUrlOpener.h"
#include "controls/xpbutton/DevicePixels.h"
#include "controls/xpbutton/PropertyBag.h"
#include "controls/xpbutton/XpButtonAccessible.h"
#include "controls/xpbutton/XpButtonPainter.h"

#include <QAccessible>

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>

#include <algorithm>
#include <map>

namespace {

// The smallest width or height a button keeps; a smaller one is raised to 150 twips, which
// are 10 pixels at 15 twips a pixel.
constexpr int MinimumPixels = 10;
constexpr int RaisedSizePixels = 10;
constexpr int HoverIntervalMs = 10;
constexpr short SpaceKey = 32;
constexpr short EnterKey = 13;
constexpr short LeftButton = 1;
constexpr short RightButton = 2;

short ButtonCode(Qt::MouseButtons buttons) {
    short code = 0;
    if (buttons & Qt::LeftButton)
        code |= 1;
    if (buttons & Qt::RightButton)
        code |= 2;
    if (buttons & Qt::MiddleButton)
        code |= 4;
    return code;
}

short ShiftCode(Qt::KeyboardModifiers modifiers) {
    short code = 0;
    if (modifiers & Qt::ShiftModifier)
        code |= 1;
    if (modifiers & Qt::ControlModifier)
        code |= 2;
    if (modifiers & Qt::AltModifier)
        code |= 4;
    return code;
}

// The key codes the events carry: printable keys by their upper-case character, the usual
// named keys by the codes desktop programs know them by, the rest as 0.
short KeyCode(int key) {
    if (key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde)
        return short(key);
    static const std::map<int, short> named = {
        {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},       {Qt::Key_Return, 13}, {Qt::Key_Enter, 13},
        {Qt::Key_Shift, 16},    {Qt::Key_Control, 17},  {Qt::Key_Alt, 18},    {Qt::Key_Escape, 27},
        {Qt::Key_PageUp, 33},   {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},    {Qt::Key_Home, 36},
        {Qt::Key_Left, 37},     {Qt::Key_Up, 38},       {Qt::Key_Right, 39},  {Qt::Key_Down, 40},
        {Qt::Key_Insert, 45},   {Qt::Key_Delete, 46},
    };
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return short(112 + key - Qt::Key_F1);
    const auto found = named.find(key);
    return found == named.end() ? short(0) : found->second;
}

// The cursors of the mouse pointer codes; 0 and unknown codes leave the default.
std::optional<Qt::CursorShape> PointerShape(short pointer) {
    static const std::map<short, Qt::CursorShape> shapes = {
        {1, Qt::ArrowCursor},      {2, Qt::CrossCursor},      {3, Qt::IBeamCursor},
        {5, Qt::SizeAllCursor},    {6, Qt::SizeBDiagCursor},  {7, Qt::SizeVerCursor},
        {8, Qt::SizeFDiagCursor},  {9, Qt::SizeHorCursor},    {10, Qt::UpArrowCursor},
        {11, Qt::WaitCursor},      {12, Qt::ForbiddenCursor}, {13, Qt::BusyCursor},
        {14, Qt::WhatsThisCursor}, {15, Qt::SizeAllCursor},
    };
    const auto found = shapes.find(pointer);
    if (found == shapes.end())
        return std::nullopt;
    return found->second;
}

QVariant Number(qlonglong value) {
    return QVariant(value);
}

}  // namespace

XpButton::XpButton(const QString& name, QWidget* parent)
    : QWidget(parent),
      m_pointerProbe([] { return QApplication::widgetAt(QCursor::pos()); }),
      m_urlOpener(&DesktopUrlOpener::Instance()) {
    setObjectName(name);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_overTimer.setInterval(HoverIntervalMs);
    connect(&m_overTimer, &QTimer::timeout, this, &XpButton::OverTimerTick);

    // A new instance: the ambient font and the container's name for it as caption; the
    // other initial values are the members' own.
    m_font = AmbientFont();
    QWidget::setFont(m_font);
    m_caption = objectName();
    UpdateAccessKey();
    XpButtonAccessible::Install();
}

XpButton::~XpButton() = default;

void XpButton::Changed(const char* name) {
    Q_EMIT PropertyChanged(QString::fromLatin1(name));
}

template <typename T>
void XpButton::Assign(T& field, T value, const char* name, Redrawing redrawing) {
    field = value;
    Changed(name);
    if (redrawing == Redraw)
        Refresh();
}

QFont XpButton::AmbientFont() const {
    return parentWidget() ? parentWidget()->font() : QApplication::font();
}

// ---- Properties -------------------------------------------------------------------------

void XpButton::SetEnabled(bool enabled) {
    QWidget::setEnabled(enabled);
    Changed("Enabled");
    Refresh();
}

void XpButton::ApplyFont() {
    QWidget::setFont(m_font);
    Refresh();
}

void XpButton::SetFont(const QFont& font) {
    // Attribute by attribute, each making the result the drawing font.
    m_font.setFamily(font.family());
    ApplyFont();
    if (font.pixelSize() > 0)
        m_font.setPixelSize(font.pixelSize());
    else
        m_font.setPointSizeF(font.pointSizeF());
    ApplyFont();
    m_font.setBold(font.bold());
    ApplyFont();
    m_font.setItalic(font.italic());
    ApplyFont();
    m_font.setUnderline(font.underline());
    ApplyFont();
    m_font.setStrikeOut(font.strikeOut());
    ApplyFont();
    Changed("Font");
}

void XpButton::ApplyCursor() {
    if (m_mousePointer == CustomPointer && m_mouseIcon) {
        setCursor(*m_mouseIcon);
        return;
    }
    if (const auto shape = PointerShape(m_mousePointer))
        setCursor(*shape);
    else
        unsetCursor();
}

void XpButton::SetMousePointer(short pointer) {
    m_mousePointer = pointer;
    ApplyCursor();
    Changed("MousePointer");
}

QVariant XpButton::MouseIcon() const {
    return m_mouseIcon ? QVariant::fromValue(*m_mouseIcon) : QVariant();
}

void XpButton::SetMouseIcon(const QVariant& icon) {
    if (icon.metaType() == QMetaType::fromType<QCursor>())
        m_mouseIcon = icon.value<QCursor>();
    else if (icon.metaType() == QMetaType::fromType<QPixmap>() && !icon.value<QPixmap>().isNull())
        m_mouseIcon = QCursor(icon.value<QPixmap>());
    else
        m_mouseIcon.reset();
    ApplyCursor();
    Changed("MouseIcon");
}

void XpButton::SetShowFocusRect(bool show) {
    Assign(m_showFocusRect, show, "ShowFocusRect", Redraw);
}

void XpButton::SetURL(const QString& url) {
    m_url = url;
    Changed("URL");
}

void XpButton::SetCaption(const QString& caption) {
    m_caption = caption;
    Changed("Caption");
    UpdateAccessKey();
    Refresh();
    TellAccessibility(QAccessible::NameChanged);
}

void XpButton::SetButtonStyle(ButtonStyleKind style) {
    m_buttonStyle = style;
    Changed("ButtonStyle");
    if (style == XpRounded)
        m_transparentBG = false;
    ApplyResize();
}

void XpButton::SetPicturePosition(PicturePositionKind position) {
    Assign(m_picturePosition, position, "PicturePosition", Redraw);
}

void XpButton::SetPicture(const ButtonPicture& picture) {
    m_currentPicture = picture;
    m_normalPicture = picture;
    const QSize native = picture.NativeSize();
    m_originalPicSizeW = native.width();
    m_originalPicSizeH = native.height();
    Changed("Picture");
    if (m_pictureSize == NativeSize) {
        m_pictureWidth = m_originalPicSizeW;
        m_pictureHeight = m_originalPicSizeH;
    }
    Refresh();
}

void XpButton::SetPictureWidth(qint32 width) {
    Assign(m_pictureWidth, width, "PictureWidth", Redraw);
}

void XpButton::SetPictureHeight(qint32 height) {
    Assign(m_pictureHeight, height, "PictureHeight", Redraw);
}

void XpButton::SetPictureSize(PictureSizeKind size) {
    m_pictureSize = size;
    Changed("PictureSize");
    switch (size) {
        case Size16: m_pictureWidth = m_pictureHeight = 16; break;
        case Size32: m_pictureWidth = m_pictureHeight = 32; break;
        case NativeSize:
            m_pictureWidth = m_currentPicture.IsNone() ? 32 : m_originalPicSizeW;
            m_pictureHeight = m_currentPicture.IsNone() ? 32 : m_originalPicSizeH;
            break;
        default: break;
    }
    Refresh();
}

void XpButton::SetPictureHover(const ButtonPicture& picture) {
    m_hoverPicture = picture;
    Changed("PictureHover");
}

void XpButton::SetXPColor_Pressed(OleColor color) {
    Assign(m_colorPressed, color, "XPColor_Pressed", NoRedraw);
}

void XpButton::SetXPColor_Hover(OleColor color) {
    Assign(m_colorHover, color, "XPColor_Hover", NoRedraw);
}

void XpButton::SetXPDefaultColors(bool useDefaults) {
    Assign(m_defaultColors, useDefaults, "XPDefaultColors", NoRedraw);
}

void XpButton::SetBackColor(OleColor color) {
    Assign(m_backColor, color, "BackColor", Redraw);
}

void XpButton::SetForeColor(OleColor color) {
    Assign(m_foreColor, color, "ForeColor", Redraw);
}

QString XpButton::version() const {
    return QStringLiteral("Lotcraft.XpButton 1.0");
}

void XpButton::SetDefCurHand(bool hand) {
    m_defCurHand = hand;
    Changed("DefCurHand");
    if (hand) {
        m_mouseIcon = QCursor(Qt::PointingHandCursor);
        m_mousePointer = CustomPointer;
    } else {
        m_mouseIcon.reset();
    }
    ApplyCursor();
}

void XpButton::SetXPShowBorderAlways(bool always) {
    Assign(m_showBorderAlways, always, "XPShowBorderAlways", NoRedraw);
}

void XpButton::SetMaskColor(OleColor color) {
    Assign(m_maskColor, color, "MaskColor", Redraw);
}

void XpButton::SetTransparentBG(bool transparent) {
    Assign(m_transparentBG, transparent, "TransparentBG", Redraw);
}

void XpButton::SetBEVEL(short bevel) {
    Assign(m_bevel, bevel, "BEVEL", Redraw);
}

void XpButton::SetBEVELDEPTH(short depth) {
    Assign(m_bevelDepth, depth, "BEVELDEPTH", Redraw);
}

void XpButton::SetDefaultButton(bool isDefault) {
    m_isDefault = isDefault;
    Refresh();
}

void XpButton::SetPointerProbe(PointerProbe probe) {
    m_pointerProbe = std::move(probe);
}

void XpButton::SetUrlOpener(UrlOpener* opener) {
    m_urlOpener = opener;
}

// ---- Persistence ------------------------------------------------------------------------

void XpButton::ReadProperties(const PropertyBag& bag) {
    const auto number = [&bag](const char* name, qlonglong defaultValue) {
        return bag.Read(QLatin1String(name), Number(defaultValue)).toLongLong();
    };
    const auto flag = [&number](const char* name, bool defaultValue) {
        return number(name, defaultValue ? 1 : 0) != 0;
    };
    const auto picture = [&bag](const char* name) {
        return ButtonPicture::FromVariant(bag.Read(QLatin1String(name), QVariant()));
    };

    m_backColor = OleColor(number("BackColor", 0x8000000F));
    m_foreColor = OleColor(number("ForeColor", 0x80000012));
    m_showFocusRect = flag("ShowFocusRect", true);
    m_caption = bag.Read(QStringLiteral("Caption"), objectName()).toString();
    m_picturePosition = PicturePositionKind(number("PicturePosition", 1));
    m_buttonStyle = ButtonStyleKind(number("ButtonStyle", 2));
    m_currentPicture = picture("Picture");
    m_pictureWidth = qint32(number("PictureWidth", 32));
    m_pictureHeight = qint32(number("PictureHeight", 32));
    m_pictureSize = PictureSizeKind(number("PictureSize", 1));
    m_originalPicSizeW = qint32(number("OriginalPicSizeW", 32));
    m_originalPicSizeH = qint32(number("OriginalPicSizeH", 32));
    const QVariant font = bag.Read(QStringLiteral("Font"), AmbientFont());
    QWidget::setFont(font.value<QFont>());
    m_font = font.value<QFont>();
    m_hoverPicture = picture("PictureHover");
    m_normalPicture = picture("Picture");
    SetMouseIcon(bag.Read(QStringLiteral("MouseIcon"), QVariant()));
    QWidget::setEnabled(flag("Enabled", true));
    m_mousePointer = short(number("MousePointer", 0));
    ApplyCursor();
    m_url = bag.Read(QStringLiteral("URL"), QString()).toString();
    m_colorPressed = OleColor(number("XPColor_Pressed", 0x80000014));
    m_colorHover = OleColor(number("XPColor_Hover", 0x80000016));
    m_defaultColors = flag("XPDefaultColors", true);
    m_defCurHand = flag("DefCurHand", true);
    m_showBorderAlways = flag("XPShowBorderAlways", false);
    m_maskColor = OleColor(number("MaskColor", 0));
    m_transparentBG = flag("TransparentBG", false);
    m_bevel = short(number("BEVEL", 1));
    m_bevelDepth = short(number("BEVELDEPTH", 8));

    UpdateAccessKey();
    TellAccessibility(QAccessible::NameChanged);
    ApplyResize();
}

void XpButton::WriteProperties(PropertyBag& bag) const {
    const auto number = [&bag](const char* name, qlonglong value, qlonglong defaultValue) {
        bag.Write(QLatin1String(name), Number(value), Number(defaultValue));
    };
    bag.Write(QStringLiteral("Caption"), m_caption, objectName());
    number("PicturePosition", m_picturePosition, 1);
    number("ButtonStyle", m_buttonStyle, 2);
    bag.Write(QStringLiteral("Picture"), m_currentPicture.ToVariant(), QVariant());
    number("PictureWidth", m_pictureWidth, 32);
    number("PictureHeight", m_pictureHeight, 32);
    number("PictureSize", m_pictureSize, 1);
    number("OriginalPicSizeW", m_originalPicSizeW, 32);
    number("OriginalPicSizeH", m_originalPicSizeH, 32);
    bag.Write(QStringLiteral("PictureHover"), m_hoverPicture.ToVariant(), QVariant());
    number("Enabled", isEnabled(), 1);
    bag.Write(QStringLiteral("Font"), font(), AmbientFont());
    bag.Write(QStringLiteral("MouseIcon"), MouseIcon(), QVariant());
    number("MousePointer", m_mousePointer, 0);
    number("ShowFocusRect", m_showFocusRect, 1);
    bag.Write(QStringLiteral("URL"), m_url, QString());
    number("XPColor_Pressed", m_colorPressed, 0x80000014);
    number("XPColor_Hover", m_colorHover, 0x80000016);
    number("XPDefaultColors", m_defaultColors, 1);
    number("BackColor", m_backColor, 0x8000000F);
    number("ForeColor", m_foreColor, 0x80000012);
    number("DefCurHand", m_defCurHand, 1);
    number("XPShowBorderAlways", m_showBorderAlways, 0);
    number("MaskColor", m_maskColor, 0);
    number("TransparentBG", m_transparentBG, 0);
    number("BEVEL", m_bevel, 1);
    number("BEVELDEPTH", m_bevelDepth, 8);
}

// ---- Drawing ----------------------------------------------------------------------------

ButtonFace XpButton::Face() {
    ButtonFace face;
    face.ButtonStyle = m_buttonStyle;
    face.PicturePosition = m_picturePosition;
    face.PictureWidth = m_pictureWidth;
    face.PictureHeight = m_pictureHeight;
    face.OriginalPicSizeW = m_originalPicSizeW;
    face.OriginalPicSizeH = m_originalPicSizeH;
    face.BackColor = m_backColor;
    face.ForeColor = m_foreColor;
    face.XPColor_Pressed = m_colorPressed;
    face.XPColor_Hover = m_colorHover;
    face.MaskColor = m_maskColor;
    face.XPDefaultColors = m_defaultColors;
    face.XPShowBorderAlways = m_showBorderAlways;
    face.TransparentBG = m_transparentBG;
    face.ShowFocusRect = m_showFocusRect;
    face.BEVEL = m_bevel;
    face.BEVELDEPTH = m_bevelDepth;
    face.Caption = m_caption;
    face.Picture = m_currentPicture;
    face.Enabled = isEnabled();
    face.HasFocus = m_hasFocus;
    face.Pressed = m_pressed;
    face.Hovered = m_hovered;
    face.IsDefault = m_isDefault;
    face.PreviousPictureRect = m_pictureRect;
    if (m_transparentBG && parentWidget() && !size().isEmpty() && !m_readingParent) {
        // The container's own drawing under the button, without its other children.
        // Rendering the container first delivers the pending resize events of its children,
        // this button's among them, which redraw it; they do so without the background.
        m_readingParent = true;
        QImage under(size(), QImage::Format_ARGB32);
        under.fill(Qt::transparent);
        parentWidget()->render(&under, QPoint(), QRegion(geometry()),
                               QWidget::DrawWindowBackground);
        m_readingParent = false;
        face.ParentBackground = under;
    }
    return face;
}

void XpButton::Refresh() {
    XpButtonPainter painter(Face(), size(), palette(), font());
    m_image = painter.Paint();
    m_shownImage = QImage();
    m_pictureRect = painter.Layout().picture;
    update();
}

void XpButton::ApplyResize() {
    if (width() < MinimumPixels)
        resize(RaisedSizePixels, height());
    if (height() < MinimumPixels)
        resize(width(), RaisedSizePixels);
    if (m_buttonStyle == XpRounded)
        setMask(XpButtonPainter::BuildXpRegion(width(), height()));
    else
        clearMask();
    Refresh();
}

void XpButton::paintEvent(QPaintEvent*) {
    // The button is painted in its own pixels; a screen with more device pixels shows each
    // of them as a block, never smoothed (the window may move to a screen of another ratio).
    const qreal ratio = devicePixelRatioF();
    if (m_shownImage.isNull() || m_shownImage.devicePixelRatio() != std::max(ratio, 1.0))
        m_shownImage = DevicePixels::Enlarged(m_image, ratio);
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), m_shownImage);
}

void XpButton::resizeEvent(QResizeEvent*) {
    ApplyResize();
}

void XpButton::changeEvent(QEvent* event) {
    // The container's palette, font or enabled state changed: draw with the new ones.
    switch (event->type()) {
        case QEvent::PaletteChange:
        case QEvent::FontChange:
        case QEvent::EnabledChange: Refresh(); break;
        default: break;
    }
    QWidget::changeEvent(event);
}

// ---- Mouse ------------------------------------------------------------------------------

bool XpButton::Contains(float x, float y) const {
    return x >= 0 && x < width() && y >= 0 && y < height();
}

void XpButton::MouseDownHandling(short button, short shift, float x, float y) {
    m_lastButton = button;
    m_lastShift = shift;
    m_lastX = x;
    m_lastY = y;
    if (button != RightButton) {
        m_pressed = true;
        Refresh();
    }
    Q_EMIT MouseDown(button, shift, x, y);
}

void XpButton::MouseMoveHandling(short button, short shift, float x, float y) {
    if (Contains(x, y) && !m_hovered) {
        m_overTimer.start();
        m_hovered = true;
        if (!m_hoverPicture.IsNone())
            m_currentPicture = m_hoverPicture;
        short inShift = shift;
        Q_EMIT MouseIn(inShift);
        Refresh();
    }
    Q_EMIT MouseMove(button, shift, x, y);
}

void XpButton::MouseUpHandling(short button, short shift, float x, float y) {
    m_pressed = false;
    if (button != RightButton) {
        Refresh();
        if (Contains(x, y)) {
            Q_EMIT Click();
            GoToURL();
        }
    }
    Q_EMIT MouseUp(button, shift, x, y);
}

void XpButton::mousePressEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    MouseDownHandling(ButtonCode(event->button()), ShiftCode(event->modifiers()), float(at.x()),
                      float(at.y()));
}

void XpButton::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    MouseMoveHandling(ButtonCode(event->buttons()), ShiftCode(event->modifiers()), float(at.x()),
                      float(at.y()));
}

void XpButton::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    MouseUpHandling(ButtonCode(event->button()), ShiftCode(event->modifiers()), float(at.x()),
                    float(at.y()));
}

void XpButton::mouseDoubleClickEvent(QMouseEvent*) {
    // The second click of a double click presses the button again, with the values of the
    // first; Qt keeps sending the mouse to the button until the release.
    MouseDownHandling(m_lastButton, m_lastShift, m_lastX, m_lastY);
}

void XpButton::OverTimerTick() {
    if (m_pointerProbe && m_pointerProbe() == this)
        return;
    m_overTimer.stop();
    m_hovered = false;
    m_currentPicture = m_normalPicture;
    short shift = m_lastShift;
    Q_EMIT MouseOut(shift);
    Refresh();
    if (m_pressed) {
        // Drawn released while the pointer is away, but still held.
        m_pressed = false;
        Refresh();
        m_pressed = true;
    }
}

// ---- Keyboard, access key and focus -----------------------------------------------------

void XpButton::keyPressEvent(QKeyEvent* event) {
    KeyDownHandling(event);
    // Escape goes on to the window, so that it closes a dialog wherever the focus is; Enter
    // presses the focused button, as on every desktop.
    if (event->key() == Qt::Key_Escape)
        event->ignore();
}

void XpButton::KeyDownHandling(QKeyEvent* event) {
    short key = KeyCode(event->key());
    short shift = ShiftCode(event->modifiers());
    if (!m_keyDownLatch) {
        if (key == SpaceKey || key == EnterKey) {
            m_pressed = true;
            m_hovered = true;
            Refresh();
        }
        m_keyDownLatch = true;
    }
    Q_EMIT KeyDown(key, shift);
    if (!event->text().isEmpty()) {
        short ascii = short(event->text().at(0).unicode());
        Q_EMIT KeyPress(ascii);
    }
}

void XpButton::keyReleaseEvent(QKeyEvent* event) {
    // A held key repeats its press only; it is released once.
    if (event->isAutoRepeat())
        return;
    short key = KeyCode(event->key());
    short shift = ShiftCode(event->modifiers());
    // Enter clicks only when its press reached this button too: the release of an Enter that
    // opened a dialog must not press the button that dialog focuses.
    if (key == SpaceKey || (key == EnterKey && m_pressed)) {
        m_pressed = false;
        m_hovered = false;
        Refresh();
        MouseUpHandling(LeftButton, shift, 0, 0);
    }
    m_keyDownLatch = false;
    Q_EMIT KeyUp(key, shift);
}

void XpButton::UpdateAccessKey() {
    m_accessKey.clear();
    const QString& caption = m_caption;
    const QChar amp(QLatin1Char('&'));
    int at = caption.size() < 2 ? -1 : caption.indexOf(amp);
    if (at >= 0 && at + 1 < caption.size() && caption[at + 1] == amp)
        at = caption.indexOf(amp, at + 2);  // past an escaped "&&"
    if (at >= 0 && at + 1 < caption.size() && caption[at + 1] != amp)
        m_accessKey = caption[at + 1].toLower();

    if (m_accessKeyShortcut != 0)
        releaseShortcut(m_accessKeyShortcut);
    m_accessKeyShortcut = 0;
    if (!m_accessKey.isEmpty()) {
        const Qt::Key key = Qt::Key(m_accessKey[0].toUpper().unicode());
        m_accessKeyShortcut = grabShortcut(QKeySequence(QKeyCombination(Qt::AltModifier, key)));
    }
}

void XpButton::Press() {
    if (!isEnabled())
        return;
    Q_EMIT Click();
    GoToURL();
}

QString XpButton::KeyText() const {
    if (!m_keyText.isEmpty())
        return m_keyText;
    if (m_accessKey.isEmpty())
        return QString();
    return QKeySequence(
               QKeyCombination(Qt::AltModifier, Qt::Key(m_accessKey[0].toUpper().unicode())))
        .toString(QKeySequence::NativeText);
}

void XpButton::SetKeyText(const QString& key) {
    m_keyText = key;
    TellAccessibility(QAccessible::DescriptionChanged);
}

QString XpButton::ShownText(const QString& caption) {
    QString shown;
    shown.reserve(caption.size());
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;  // "&x" shows x; "&&" shows one "&"
        shown += caption[i];
    }
    return shown;
}

void XpButton::TellAccessibility(int change) {
    QAccessibleEvent event(this, QAccessible::Event(change));
    QAccessible::updateAccessibility(&event);
}

bool XpButton::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut &&
        static_cast<QShortcutEvent*>(event)->shortcutId() == m_accessKeyShortcut) {
        Press();
        return true;
    }
    // Tab and Shift+Tab move the focus before a key press reaches keyPressEvent; the button
    // still raises KeyDown for them.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            KeyDownHandling(key);
    }
    return QWidget::event(event);
}

void XpButton::focusInEvent(QFocusEvent* event) {
    m_hasFocus = true;
    Refresh();
    QWidget::focusInEvent(event);
}

void XpButton::focusOutEvent(QFocusEvent* event) {
    m_hasFocus = false;
    m_pressed = false;
    // The release of a key held now goes to the widget that took the focus; a latch left
    // set would keep the next space bar from pressing this button.
    m_keyDownLatch = false;
    Refresh();
    QWidget::focusOutEvent(event);
}

void XpButton::GoToURL() {
    if (m_url.startsWith(QLatin1String("mailto:"), Qt::CaseSensitive))
        m_urlOpener->ShellOpen(m_url, window());
    else if (!m_url.isEmpty())
        m_urlOpener->Navigate(m_url);
}
