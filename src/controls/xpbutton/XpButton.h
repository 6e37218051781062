// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/xpbutton/ButtonPicture.h"
#include "controls/xpbutton/GdiRect.h"
#include "controls/xpbutton/OleColor.h"

#include <QCursor>
#include <QFont>
#include <QImage>
#include <QString>
#include <QTimer>
#include <QVariant>
#include <QWidget>

#include <functional>
#include <optional>

class PropertyBag;
class UrlOpener;
struct ButtonFace;

// Lotcraft's push button: it draws itself in one of five styles, keeps its own pressed,
// hovered, focus and key state, and raises its own events. Windows create their buttons by
// restoring them from property bags and handle only Click.
class XpButton : public QWidget {
    Q_OBJECT

public:
    enum ButtonStyleKind : qint32 {
        Raised3D = 0,
        FlatHot = 1,
        FlatHighlight = 2,
        XpRounded = 3,
        Borderless = 4,
    };
    Q_ENUM(ButtonStyleKind)

    enum PicturePositionKind : qint32 {
        PictureTop = 0,
        PictureLeft = 1,
        PictureRight = 2,
        PictureBottom = 3,
    };
    Q_ENUM(PicturePositionKind)

    enum PictureSizeKind : qint32 {
        Size16 = 0,
        Size32 = 1,
        NativeSize = 2,
    };
    Q_ENUM(PictureSizeKind)

    // The mouse pointer code that shows the mouse icon.
    static constexpr short CustomPointer = 99;

    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(QFont Font READ Font WRITE SetFont)
    Q_PROPERTY(quintptr hWnd READ hWnd)
    Q_PROPERTY(short MousePointer READ MousePointer WRITE SetMousePointer)
    Q_PROPERTY(QVariant MouseIcon READ MouseIcon WRITE SetMouseIcon)
    Q_PROPERTY(bool ShowFocusRect READ ShowFocusRect WRITE SetShowFocusRect)
    Q_PROPERTY(QString URL READ URL WRITE SetURL)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(ButtonStyleKind ButtonStyle READ ButtonStyle WRITE SetButtonStyle)
    Q_PROPERTY(PicturePositionKind PicturePosition READ PicturePosition WRITE SetPicturePosition)
    Q_PROPERTY(ButtonPicture Picture READ Picture WRITE SetPicture)
    Q_PROPERTY(qint32 PictureWidth READ PictureWidth WRITE SetPictureWidth)
    Q_PROPERTY(qint32 PictureHeight READ PictureHeight WRITE SetPictureHeight)
    Q_PROPERTY(PictureSizeKind PictureSize READ PictureSize WRITE SetPictureSize)
    Q_PROPERTY(ButtonPicture PictureHover READ PictureHover WRITE SetPictureHover)
    Q_PROPERTY(quint32 XPColor_Pressed READ XPColor_Pressed WRITE SetXPColor_Pressed)
    Q_PROPERTY(quint32 XPColor_Hover READ XPColor_Hover WRITE SetXPColor_Hover)
    Q_PROPERTY(bool XPDefaultColors READ XPDefaultColors WRITE SetXPDefaultColors)
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE SetBackColor)
    Q_PROPERTY(quint32 ForeColor READ ForeColor WRITE SetForeColor)
    Q_PROPERTY(QString version READ version WRITE SetVersion)
    Q_PROPERTY(bool DefCurHand READ DefCurHand WRITE SetDefCurHand)
    Q_PROPERTY(bool XPShowBorderAlways READ XPShowBorderAlways WRITE SetXPShowBorderAlways)
    Q_PROPERTY(quint32 MaskColor READ MaskColor WRITE SetMaskColor)
    Q_PROPERTY(bool TransparentBG READ TransparentBG WRITE SetTransparentBG)
    Q_PROPERTY(short BEVEL READ BEVEL WRITE SetBEVEL)
    Q_PROPERTY(short BEVELDEPTH READ BEVELDEPTH WRITE SetBEVELDEPTH)

    // A new button with the initial values; its caption is its name, the name its
    // container knows it by.
    explicit XpButton(const QString& name = QString(), QWidget* parent = nullptr);
    ~XpButton() override;

    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool enabled);
    QFont Font() const { return m_font; }
    void SetFont(const QFont& font);
    quintptr hWnd() const { return quintptr(winId()); }
    short MousePointer() const { return m_mousePointer; }
    void SetMousePointer(short pointer);
    // A QCursor, or an invalid variant for none; a QPixmap given is made a cursor.
    QVariant MouseIcon() const;
    void SetMouseIcon(const QVariant& icon);
    bool ShowFocusRect() const { return m_showFocusRect; }
    void SetShowFocusRect(bool show);
    QString URL() const { return m_url; }
    void SetURL(const QString& url);
    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    ButtonStyleKind ButtonStyle() const { return m_buttonStyle; }
    void SetButtonStyle(ButtonStyleKind style);
    PicturePositionKind PicturePosition() const { return m_picturePosition; }
    void SetPicturePosition(PicturePositionKind position);
    // The picture drawn: the hover picture while the pointer is over the button and there
    // is one, the normal picture otherwise.
    ButtonPicture Picture() const { return m_currentPicture; }
    void SetPicture(const ButtonPicture& picture);
    qint32 PictureWidth() const { return m_pictureWidth; }
    void SetPictureWidth(qint32 width);
    qint32 PictureHeight() const { return m_pictureHeight; }
    void SetPictureHeight(qint32 height);
    PictureSizeKind PictureSize() const { return m_pictureSize; }
    void SetPictureSize(PictureSizeKind size);
    ButtonPicture PictureHover() const { return m_hoverPicture; }
    void SetPictureHover(const ButtonPicture& picture);
    OleColor XPColor_Pressed() const { return m_colorPressed; }
    void SetXPColor_Pressed(OleColor color);
    OleColor XPColor_Hover() const { return m_colorHover; }
    void SetXPColor_Hover(OleColor color);
    bool XPDefaultColors() const { return m_defaultColors; }
    void SetXPDefaultColors(bool useDefaults);
    OleColor BackColor() const { return m_backColor; }
    void SetBackColor(OleColor color);
    OleColor ForeColor() const { return m_foreColor; }
    void SetForeColor(OleColor color);
    QString version() const;
    void SetVersion(const QString&) {}
    bool DefCurHand() const { return m_defCurHand; }
    void SetDefCurHand(bool hand);
    bool XPShowBorderAlways() const { return m_showBorderAlways; }
    void SetXPShowBorderAlways(bool always);
    OleColor MaskColor() const { return m_maskColor; }
    void SetMaskColor(OleColor color);
    bool TransparentBG() const { return m_transparentBG; }
    void SetTransparentBG(bool transparent);
    short BEVEL() const { return m_bevel; }
    void SetBEVEL(short bevel);
    short BEVELDEPTH() const { return m_bevelDepth; }
    void SetBEVELDEPTH(short depth);

    // Redraws the whole button into its image and shows it.
    void Refresh();
    // Opens URL: a "mailto:" address through the shell, any other non-empty one through
    // the container's navigation.
    void GoToURL();

    // Restores the button from a bag, then recomputes its access key and its shape.
    void ReadProperties(const PropertyBag& bag);
    // Saves the button into a bag; values equal to their defaults are left out.
    void WriteProperties(PropertyBag& bag) const;

    // The container's mark for its default button.
    bool IsDefaultButton() const { return m_isDefault; }
    void SetDefaultButton(bool isDefault);

    // The lower-case character Alt selects the button with, or an empty text.
    QString AccessKey() const { return m_accessKey; }
    // The key that presses the button as its window knows it ("Alt+U", "Ctrl+O"): the one
    // the window gave, else Alt and the access key, else an empty text. Screen readers
    // announce it; the caption is drawn as it is.
    QString KeyText() const;
    void SetKeyText(const QString& key);
    // Raises Click as the access key does, with no pressed look; nothing when disabled.
    // Assistive tools press the button this way.
    void Press();
    // A caption as the button shows it: "&&" is one ampersand, a single "&" only marks
    // the access key.
    static QString ShownText(const QString& caption);

    // The button's state flags and what it shows.
    bool IsPressed() const { return m_pressed; }
    bool IsHovered() const { return m_hovered; }
    bool HasFocusFlag() const { return m_hasFocus; }
    const QImage& Image() const { return m_image; }
    bool IsOverTimerActive() const { return m_overTimer.isActive(); }

    // What the hover timer asks for the widget under the pointer; tests replace it.
    using PointerProbe = std::function<QWidget*()>;
    void SetPointerProbe(PointerProbe probe);
    // Where URLs go; the desktop's handlers unless replaced. Not owned.
    void SetUrlOpener(UrlOpener* opener);

    // The hover timer's tick: ends the hover once the pointer is elsewhere.
    void OverTimerTick();

Q_SIGNALS:
    void Click();
    void KeyDown(short& KeyCode, short& Shift);
    void KeyPress(short& KeyAscii);
    void KeyUp(short& KeyCode, short& Shift);
    void MouseDown(short& Button, short& Shift, float& X, float& Y);
    void MouseMove(short& Button, short& Shift, float& X, float& Y);
    void MouseUp(short& Button, short& Shift, float& X, float& Y);
    void MouseIn(short& Shift);
    void MouseOut(short& Shift);

    // Tells the container that a property changed, so that it saves it.
    void PropertyChanged(const QString& name);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The latch, the pressed look for the space bar, and KeyDown and KeyPress.
    void KeyDownHandling(QKeyEvent* event);
    // A property's new value stored and reported, and drawn where it changes the look.
    enum Redrawing { NoRedraw, Redraw };
    template <typename T>
    void Assign(T& field, T value, const char* name, Redrawing redrawing);
    void Changed(const char* name);
    QFont AmbientFont() const;
    void ApplyFont();
    void ApplyCursor();
    void ApplyResize();
    void UpdateAccessKey();
    // Tells the accessibility layer that the name (the caption) or the description changed.
    void TellAccessibility(int change);
    bool Contains(float x, float y) const;
    ButtonFace Face();

    void MouseDownHandling(short button, short shift, float x, float y);
    void MouseMoveHandling(short button, short shift, float x, float y);
    void MouseUpHandling(short button, short shift, float x, float y);

    // Properties.
    QFont m_font;
    short m_mousePointer = 0;
    std::optional<QCursor> m_mouseIcon;
    bool m_showFocusRect = true;
    QString m_url;
    QString m_caption;
    ButtonStyleKind m_buttonStyle = FlatHighlight;
    PicturePositionKind m_picturePosition = PictureLeft;
    ButtonPicture m_normalPicture;
    ButtonPicture m_hoverPicture;
    ButtonPicture m_currentPicture;
    qint32 m_pictureWidth = 32;
    qint32 m_pictureHeight = 32;
    PictureSizeKind m_pictureSize = Size32;
    qint32 m_originalPicSizeW = 32;
    qint32 m_originalPicSizeH = 32;
    OleColor m_colorPressed = 0x80000014u;
    OleColor m_colorHover = 0x80000016u;
    bool m_defaultColors = true;
    OleColor m_backColor = 0x8000000Fu;
    OleColor m_foreColor = 0x80000012u;
    bool m_defCurHand = true;
    bool m_showBorderAlways = false;
    OleColor m_maskColor = 0;
    bool m_transparentBG = false;
    short m_bevel = 1;
    short m_bevelDepth = 8;

    // State flags and the last mouse-down values.
    bool m_hasFocus = false;
    bool m_pressed = false;
    bool m_hovered = false;
    bool m_keyDownLatch = false;
    short m_lastButton = 0;
    short m_lastShift = 0;
    float m_lastX = 0;
    float m_lastY = 0;

    bool m_isDefault = false;
    bool m_readingParent = false;
    QString m_accessKey;
    QString m_keyText;
    int m_accessKeyShortcut = 0;
    GdiRect m_pictureRect;
    QImage m_image;
    // m_image as the screen shows it: enlarged to the device pixel ratio.
    QImage m_shownImage;
    QTimer m_overTimer;
    PointerProbe m_pointerProbe;
    UrlOpener* m_urlOpener;
};
