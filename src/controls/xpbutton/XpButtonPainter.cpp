// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/xpbutton/XpButtonPainter.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr OleColor Shadow = 0x80000010u;
constexpr OleColor Highlight = 0x80000014u;
constexpr OleColor Dark = 0x80000015u;
constexpr OleColor Selection = 0x8000000Du;
constexpr OleColor Grey = MakeRgb(146, 146, 146);
constexpr OleColor White = MakeRgb(255, 255, 255);
constexpr OleColor Black = 0;
constexpr OleColor DefaultFocusRing = MakeRgb(140, 170, 230);
constexpr OleColor DefaultHoverRing = MakeRgb(225, 153, 71);

constexpr int Inset = 4;  // the content rectangle's distance from every edge
constexpr int Gap = 4;    // between picture and caption

constexpr int TextFlags = Qt::TextWordWrap | Qt::TextShowMnemonic | Qt::AlignHCenter;

// The drawing style: values outside 0..4 are drawn like style 1.
int EffectiveStyle(int style) {
    return style >= 0 && style <= 4 ? style : 1;
}

// Each channel plus its amount, above 255 taken as 255.
OleColor Tint(OleColor rgb, int red, int green, int blue) {
    return MakeRgb(std::min(RedOf(rgb) + red, 255), std::min(GreenOf(rgb) + green, 255),
                   std::min(BlueOf(rgb) + blue, 255));
}

// The gradient's shift for row i: nearest integer, halves to even, in single precision.
int GradientShift(float step, int i) {
    return int(std::nearbyint(-step * float(i)));
}

QImage Stretched(const QImage& image, int width, int height) {
    if (width <= 0 || height <= 0)
        return QImage();
    return image.scaled(width, height, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

}  // namespace

XpButtonPainter::XpButtonPainter(const ButtonFace& face, QSize size, const QPalette& palette,
                                 const QFont& font)
    : m_face(face),
      m_style(EffectiveStyle(face.ButtonStyle)),
      m_width(size.width()),
      m_height(size.height()),
      m_image(size, QImage::Format_ARGB32),
      m_canvas(m_image, palette),
      m_font(font) {
    // No antialiasing anywhere in the button, the caption included.
    m_font.setStyleStrategy(QFont::NoAntialias);
    m_margin = QFontMetrics(m_font, &m_image).averageCharWidth();
}

QImage XpButtonPainter::Paint() {
    if (m_image.isNull())
        return m_image;
    m_canvas.Fill(m_face.BackColor);
    PaintBackground();
    if (m_style != 4)
        DrawBorder();
    LayoutContent();
    DrawPicture();
    if (m_face.HasFocus && m_face.ShowFocusRect && m_style != 3)
        m_canvas.DrawFocusRect(Inset, Inset, m_width - Inset, m_height - Inset);
    DrawCaption();
    return m_image;
}

// ---- Background and border --------------------------------------------------------------

void XpButtonPainter::PaintBackground() {
    if (m_style == 3)
        return;
    if (m_style != 2) {
        if (m_face.TransparentBG)
            CopyParentBackground();
        return;
    }
    if (m_face.Pressed || !m_face.TransparentBG)
        m_canvas.Fill(m_face.BackColor);
    else
        CopyParentBackground();
    const OleColor selection = m_canvas.ToRgb(Selection);
    if (m_face.Hovered && !m_face.Pressed)
        m_canvas.Fill(m_face.XPDefaultColors ? Tint(selection, 171, 154, 108)
                                             : m_face.XPColor_Hover);
    if (m_face.Pressed)
        m_canvas.Fill(m_face.XPDefaultColors ? Tint(selection, 156, 139, 108)
                                             : m_face.XPColor_Pressed);
}

void XpButtonPainter::CopyParentBackground() {
    // A container without a picture of its own leaves the background as it is.
    if (m_face.ParentBackground.isNull())
        return;
    QPainter painter(&m_image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, m_face.ParentBackground);
}

void XpButtonPainter::DrawBorder() {
    const int w = m_width;
    const int h = m_height;
    if (m_style == 2) {
        if (m_face.Hovered || m_face.XPShowBorderAlways)
            m_canvas.DrawBox(0, 0, w, h, m_face.ForeColor, false);
        return;
    }
    if (m_style == 3) {
        if (m_face.Pressed)
            DrawXpFace(true, false);
        else
            DrawXpFace(false, m_face.Hovered);
        return;
    }
    const OleColor back = m_canvas.ToRgb(m_face.BackColor);
    if (m_face.Pressed) {
        if (m_face.BEVEL > 1) {
            SunkenBevel(back, m_face.BEVEL, m_face.BEVELDEPTH);
        } else {
            m_canvas.DrawBox(0, 0, w, h, Highlight, false);
            m_canvas.DrawBox(0, 0, w + 1, h + 1, Shadow, false);
        }
    } else if (m_face.Hovered || m_style == 0) {
        if (m_face.BEVEL > 1) {
            RaisedBevel(back, m_face.BEVEL, m_face.BEVELDEPTH);
        } else {
            m_canvas.DrawBox(0, 0, w, h, Shadow, false);
            m_canvas.DrawBox(0, 0, w + 1, h + 1, Highlight, false);
        }
    }
    if (m_face.IsDefault || (m_face.HasFocus && m_style == 0 && !m_face.Pressed))
        DefaultFrame();
}

void XpButtonPainter::DefaultFrame() {
    if (m_face.BEVEL > 1) {
        RaisedBevel(m_canvas.ToRgb(m_face.BackColor), m_face.BEVEL, m_face.BEVELDEPTH + 3);
        return;
    }
    m_canvas.DrawBox(0, 0, m_width - 1, m_height - 1, Shadow, false);
    m_canvas.DrawBox(0, 0, m_width + 1, m_height + 1, Highlight, false);
}

void XpButtonPainter::RaisedBevel(OleColor color, int count, int depth) {
    OleColor ring = color;
    for (int k = count; k >= 0; --k) {
        ring = ShiftColor(ring, -depth);
        m_canvas.DrawBox(k, k, m_width - k, m_height - k, ring, false);
    }
    OleColor light = color;
    for (int k = count; k >= 0; --k) {
        light = AddToAll(light, depth);
        m_canvas.DrawLine(k, k, m_width - k - 1, k, light);
        m_canvas.DrawLine(k, k, k, m_height - k - 1, light);
    }
}

void XpButtonPainter::SunkenBevel(OleColor color, int count, int depth) {
    OleColor ring = color;
    for (int k = count; k >= 0; --k) {
        ring = AddToAll(ring, depth);
        m_canvas.DrawBox(k, k, m_width - k, m_height - k, ring, false);
    }
    OleColor dark = color;
    for (int k = count; k >= 0; --k) {
        dark = ShiftColor(dark, -depth);
        m_canvas.DrawLine(k, k, m_width - k - 1, k, dark);
        m_canvas.DrawLine(k, k, k, m_height - k - 1, dark);
    }
}

// ---- The style 3 face -------------------------------------------------------------------

void XpButtonPainter::DrawXpOutline() {
    const int w = m_width;
    const int h = m_height;
    m_canvas.DrawBox(0, 0, w, h, Dark, false);
    // Corner pixels in the outline's colour round its inner corners.
    for (const auto& [x, y] : {std::pair{1, 1}, {1, h - 2}, {w - 2, 1}, {w - 2, h - 2}})
        m_canvas.SetPixel(x, y, Dark);
}

void XpButtonPainter::DrawXpFace(bool pressed, bool hover) {
    const int w = m_width;
    const int h = m_height;
    const OleColor back = m_canvas.ToRgb(m_face.BackColor);
    m_canvas.DrawBox(0, 0, w, h, back, true);

    if (!m_face.Enabled) {
        const OleColor t = ShiftColor(back, 48);
        m_canvas.DrawBox(0, 0, w, h, ShiftColor(t, -24), true);
        m_canvas.DrawBox(0, 0, w, h, ShiftColor(t, -84), false);
        for (const auto& [x, y] : {std::pair{1, 1}, {1, h - 2}, {w - 2, 1}, {w - 2, h - 2}})
            m_canvas.SetPixel(x, y, ShiftColor(t, -72));
        return;
    }

    const OleColor focusRing = m_face.XPDefaultColors ? DefaultFocusRing : m_face.XPColor_Pressed;
    const OleColor hoverRing = m_face.XPDefaultColors ? DefaultHoverRing : m_face.XPColor_Hover;

    if (pressed) {
        const OleColor u = ShiftColor(ShiftColor(back, 48), -32);
        const float step = 15.0f / float(h);
        for (int i = 1; i <= h; ++i)
            m_canvas.DrawLine(0, h - i, w, h - i, ShiftColor(u, GradientShift(step, i)));
        DrawXpOutline();
        m_canvas.DrawLine(2, h - 2, w - 2, h - 2, ShiftColor(u, 16));
        m_canvas.DrawLine(1, h - 3, w - 2, h - 3, ShiftColor(u, 10));
        m_canvas.DrawLine(w - 2, 2, w - 2, h - 2, ShiftColor(u, 5));
        m_canvas.DrawLine(w - 3, 3, w - 3, h - 3, u);
        m_canvas.DrawLine(2, 1, w - 2, 1, ShiftColor(u, -32));
        m_canvas.DrawLine(1, 2, w - 2, 2, ShiftColor(u, -24));
        m_canvas.DrawLine(1, 2, 1, h - 2, ShiftColor(u, -32));
        m_canvas.DrawLine(2, 2, 2, h - 2, ShiftColor(u, -22));
        return;
    }

    const OleColor u = ShiftColor(back, 48);
    const float step = 25.0f / float(h);
    for (int i = 1; i <= h; ++i)
        m_canvas.DrawLine(0, i, w, i, ShiftColor(u, GradientShift(step, i)));
    DrawXpOutline();

    if (m_face.HasFocus) {
        DrawXpRing(focusRing, {-33, 65, 50, 31});
    } else {
        m_canvas.DrawLine(2, h - 2, w - 2, h - 2, ShiftColor(u, -48));
        m_canvas.DrawLine(1, h - 3, w - 2, h - 3, ShiftColor(u, -32));
        m_canvas.DrawLine(w - 2, 2, w - 2, h - 2, ShiftColor(u, -36));
        m_canvas.DrawLine(w - 3, 3, w - 3, h - 3, ShiftColor(u, -24));
        m_canvas.DrawLine(2, 1, w - 2, 1, ShiftColor(u, 16));
        m_canvas.DrawLine(1, 2, w - 2, 2, ShiftColor(u, 10));
        m_canvas.DrawLine(1, 2, 1, h - 2, ShiftColor(u, -5));
        m_canvas.DrawLine(2, 3, 2, h - 3, ShiftColor(u, -10));
    }

    if (hover)
        DrawXpRing(hoverRing, {-40, 90, 35, 20});
}

void XpButtonPainter::DrawXpRing(OleColor color, const RingShades& shades) {
    const int w = m_width;
    const int h = m_height;
    const OleColor c = m_canvas.ToRgb(color);
    m_canvas.DrawBox(1, 2, w - 1, h - 2, c, false);
    m_canvas.DrawLine(2, h - 2, w - 2, h - 2, ShiftColor(c, shades.bottom));
    m_canvas.DrawLine(2, 1, w - 2, 1, ShiftColor(c, shades.top));
    m_canvas.DrawLine(1, 2, w - 1, 2, ShiftColor(c, shades.belowTop));
    m_canvas.DrawLine(2, 3, 2, h - 3, ShiftColor(c, shades.sides));
    m_canvas.DrawLine(w - 3, 3, w - 3, h - 3, ShiftColor(c, shades.sides));
}

QRegion XpButtonPainter::BuildXpRegion(int width, int height) {
    const int w = width;
    const int h = height;
    QRegion region(0, 0, w, h);
    const GdiRect cuts[] = {
        {0, 0, 2, 1}, {0, h - 1, 2, h},     {w - 2, 0, w, 1}, {w - 2, h - 1, w, h},
        {0, 1, 1, 2}, {0, h - 2, 1, h - 1}, {w - 1, 1, w, 2}, {w - 1, h - 2, w, h - 1}};
    for (const GdiRect& cut : cuts)
        region -= QRegion(cut.left, cut.top, cut.Width(), cut.Height());
    return region;
}

// ---- Caption and picture ----------------------------------------------------------------

QSize XpButtonPainter::CenterCaption() const {
    const QFontMetrics metrics(m_font, &m_image);
    const int available = std::max(m_width - 2 * Inset - 2 * m_margin, 1);
    const QRect bounds =
        metrics.boundingRect(QRect(0, 0, available, 1 << 20), TextFlags, m_face.Caption);
    return QSize(bounds.width() + 2 * m_margin, bounds.height());
}

XpButtonPainter::Placement XpButtonPainter::PlaceContent(int width, int height, QSize text,
                                                         QSize picture, int position,
                                                         bool hasPicture, bool hasCaption,
                                                         GdiRect previousPicture) {
    const int cw = width - 2 * Inset;
    const int ch = height - 2 * Inset;
    const int tw = text.width();
    const int th = text.height();
    const int pw = picture.width();
    const int ph = picture.height();
    const auto at = [](int left, int top, int w, int h) {
        return GdiRect{left, top, left + w, top + h};
    };

    Placement placement{at(Inset + (cw - tw) / 2, Inset + (ch - th) / 2, tw, th), previousPicture};
    if (!hasPicture)
        return placement;
    if (!hasCaption) {
        placement.caption = {Inset, Inset, width - Inset, height - Inset};
        placement.picture = at(Inset + (cw - pw) / 2, Inset + (ch - ph) / 2, pw, ph);
        return placement;
    }
    GdiRect& caption = placement.caption;
    GdiRect& pic = placement.picture;
    switch (position) {
        case 0:
            pic = at(Inset + (cw - pw) / 2, Inset + (ch - (th + Gap + ph)) / 2, pw, ph);
            caption = at(Inset + (cw - tw) / 2, pic.bottom + Gap, tw, th);
            break;
        case 1:
            pic = at(Inset + (cw - (tw + Gap + pw)) / 2, Inset + (ch - ph) / 2, pw, ph);
            caption = at(pic.right + Gap, Inset + (ch - th) / 2, tw, th);
            break;
        case 2:
            caption = at(Inset + (cw - (tw + Gap + pw)) / 2, Inset + (ch - th) / 2, tw, th);
            pic = at(caption.right + Gap, Inset + (ch - ph) / 2, pw, ph);
            break;
        case 3:
            caption = at(Inset + (cw - tw) / 2, Inset + (ch - (th + Gap + ph)) / 2, tw, th);
            pic = at(Inset + (cw - pw) / 2, caption.bottom + Gap, pw, ph);
            break;
        default: break;
    }
    return placement;
}

void XpButtonPainter::LayoutContent() {
    m_layout = PlaceContent(m_width, m_height, CenterCaption(),
                            QSize(m_face.PictureWidth, m_face.PictureHeight),
                            m_face.PicturePosition, !m_face.Picture.IsNone(),
                            !m_face.Caption.isEmpty(), m_face.PreviousPictureRect);
}

void XpButtonPainter::DrawPicture() {
    if (m_face.Picture.IsNone())
        return;
    const bool lifted = m_face.Hovered && !m_face.Pressed && m_style == 2;
    const int shift = lifted ? -3 : (m_face.Pressed && m_style != 2 ? 1 : 0);
    const GdiRect rest = m_layout.picture;
    const GdiRect at = rest.Shifted(shift);
    const bool enabled = m_face.Enabled;
    switch (m_face.Picture.PictureKind()) {
        case ButtonPicture::Kind::Bitmap:
            if (enabled && lifted)
                DrawBitmap(rest, false, true);
            DrawBitmap(at, enabled, false);
            break;
        case ButtonPicture::Kind::Icon:
            if (enabled && lifted)
                DrawIcon(rest, false, true);
            DrawIcon(at, !enabled, false);
            break;
        case ButtonPicture::Kind::None: break;
    }
}

// The bitmap at its recorded own size on black, as a block copy of it would leave it.
QImage XpButtonPainter::NativeBitmap() const {
    QImage work(std::max(m_face.OriginalPicSizeW, 1), std::max(m_face.OriginalPicSizeH, 1),
                QImage::Format_RGB32);
    work.fill(Qt::black);
    QPainter painter(&work);
    painter.drawPixmap(0, 0, m_face.Picture.Bitmap());
    return work;
}

// The bitmap on white: its mask-colour pixels show white.
QImage XpButtonPainter::UnmaskedBitmap() const {
    const QImage native = NativeBitmap();
    QImage work(native.size(), QImage::Format_RGB32);
    work.fill(Qt::white);
    TransparentBlit(work, native, 0, 0, m_face.MaskColor);
    return work;
}

// Copies a picture onto the button as it is, or, as a silhouette, paints every pixel that
// is not white in grey and leaves the white ones showing the button.
void XpButtonPainter::DrawOpaque(const QImage& picture, int x, int y, bool silhouette) {
    for (int py = 0; py < picture.height(); ++py) {
        for (int px = 0; px < picture.width(); ++px) {
            const OleColor pixel = FromQRgb(picture.pixel(px, py));
            if (!silhouette)
                m_canvas.SetPixel(x + px, y + py, pixel);
            else if (pixel != White)
                m_canvas.SetPixel(x + px, y + py, Grey);
        }
    }
}

void XpButtonPainter::DrawBitmap(const GdiRect& at, bool masked, bool silhouette) {
    const int pw = m_face.PictureWidth;
    const int ph = m_face.PictureHeight;
    if (masked) {
        const QImage scaled = Stretched(NativeBitmap(), pw, ph);
        TransparentBlit(m_image, scaled, at.left, at.top, m_face.MaskColor);
        return;
    }
    DrawOpaque(Stretched(UnmaskedBitmap(), pw, ph), at.left, at.top, silhouette);
}

void XpButtonPainter::DrawIcon(const GdiRect& at, bool disabled, bool silhouette) {
    const QIcon& icon = m_face.Picture.Icon();
    const QSize own(std::max(m_face.OriginalPicSizeW, 1), std::max(m_face.OriginalPicSizeH, 1));
    if (!disabled && !silhouette) {
        const QImage scaled =
            Stretched(icon.pixmap(own).toImage().scaled(own), at.Width(), at.Height());
        QPainter painter(&m_image);
        painter.drawImage(at.left, at.top, scaled);
        return;
    }
    // On black, which the copy then treats as transparent.
    QImage work(own, QImage::Format_RGB32);
    work.fill(Qt::black);
    const QImage drawn =
        icon.pixmap(own, disabled ? QIcon::Disabled : QIcon::Normal).toImage().scaled(own);
    if (silhouette) {
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                if (qAlpha(drawn.pixel(x, y)) >= 128)
                    work.setPixel(x, y, ToQRgb(Grey));
    } else {
        QPainter painter(&work);
        painter.drawImage(0, 0, drawn);
    }
    TransparentBlit(m_image, Stretched(work, at.Width(), at.Height()), at.left, at.top, Black);
}

void XpButtonPainter::TransparentBlit(QImage& destination, const QImage& source, int x, int y,
                                      OleColor transparent) {
    for (int sy = 0; sy < source.height(); ++sy) {
        for (int sx = 0; sx < source.width(); ++sx) {
            const int dx = x + sx;
            const int dy = y + sy;
            if (dx < 0 || dy < 0 || dx >= destination.width() || dy >= destination.height())
                continue;
            const QRgb pixel = source.pixel(sx, sy);
            if (FromQRgb(pixel) != transparent)
                destination.setPixel(dx, dy, pixel | 0xFF000000u);
        }
    }
}

void XpButtonPainter::DrawCaption() {
    if (m_face.Caption.isEmpty())
        return;
    const GdiRect at = m_layout.caption.Shifted(m_face.Pressed && m_style != 2 ? 1 : 0);
    if (m_face.Enabled) {
        DrawCaptionText(at, m_face.ForeColor);
        return;
    }
    // Embossed: a highlight copy one pixel down and right, the shadow on top of it.
    DrawCaptionText(at.Shifted(1), Highlight);
    DrawCaptionText(at, Shadow);
}

void XpButtonPainter::DrawCaptionText(const GdiRect& at, OleColor color) {
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(m_font);
    painter.setPen(QColor(ToQRgb(m_canvas.ToRgb(color))));
    painter.drawText(QRect(at.left + m_margin, at.top, at.Width() - 2 * m_margin, at.Height()),
                     TextFlags, m_face.Caption);
}
