// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/xpbutton/ButtonFace.h"
#include "controls/xpbutton/GdiCanvas.h"
#include "controls/xpbutton/GdiRect.h"

#include <QFont>
#include <QImage>
#include <QPalette>
#include <QRegion>
#include <QSize>

// Draws a button: background, border, picture, focus rectangle and caption, in that order,
// from its face, size, palette and font alone. The widget shows the image; tests read it.
class XpButtonPainter {
public:
    struct Placement {
        GdiRect caption;
        GdiRect picture;
    };

    XpButtonPainter(const ButtonFace& face, QSize size, const QPalette& palette, const QFont& font);

    // Runs every pass and returns the finished image.
    QImage Paint();
    // Where the caption and the picture went (valid after Paint).
    const Placement& Layout() const { return m_layout; }

    // The style 3 window shape: the W x H rectangle less three pixels at each corner.
    static QRegion BuildXpRegion(int width, int height);

    // Where caption and picture go inside a W x H button, given the caption's measured size
    // (margins included), the picture size and the picture position.
    static Placement PlaceContent(int width, int height, QSize text, QSize picture, int position,
                                  bool hasPicture, bool hasCaption, GdiRect previousPicture);

    // Copies the opaque pixels of the source onto the destination at (x, y); pixels of the
    // transparent colour (compared as stored, not translated) leave the destination showing.
    static void TransparentBlit(QImage& destination, const QImage& source, int x, int y,
                                OleColor transparent);

private:
    void PaintBackground();
    void CopyParentBackground();
    void DrawBorder();
    void DrawXpFace(bool pressed, bool hover);
    void DrawXpOutline();
    // The focus or hover ring of style 3: its colour, and the shifts of its bottom row, top
    // row, the row below the top and the two inner columns.
    struct RingShades {
        int bottom;
        int top;
        int belowTop;
        int sides;
    };
    void DrawXpRing(OleColor color, const RingShades& shades);
    void RaisedBevel(OleColor color, int count, int depth);
    void SunkenBevel(OleColor color, int count, int depth);
    void DefaultFrame();
    void LayoutContent();
    QSize CenterCaption() const;
    void DrawPicture();
    void DrawBitmap(const GdiRect& at, bool masked, bool silhouette);
    void DrawIcon(const GdiRect& at, bool disabled, bool silhouette);
    void DrawCaption();
    void DrawCaptionText(const GdiRect& at, OleColor color);

    QImage NativeBitmap() const;
    QImage UnmaskedBitmap() const;
    void DrawOpaque(const QImage& picture, int x, int y, bool silhouette);

    ButtonFace m_face;
    int m_style;
    int m_width;
    int m_height;
    QImage m_image;
    GdiCanvas m_canvas;
    QFont m_font;
    int m_margin;
    Placement m_layout;
};
