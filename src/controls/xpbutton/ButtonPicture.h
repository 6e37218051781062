// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QMetaType>
#include <QPixmap>
#include <QSize>
#include <QVariant>

// A picture of the button: none, a bitmap or an icon. The two kinds are drawn differently:
// a bitmap through its mask colour, an icon through its own transparency.
class ButtonPicture {
public:
    enum class Kind { None, Bitmap, Icon };

    ButtonPicture() = default;
    ButtonPicture(const QPixmap& bitmap);  // NOLINT: a bitmap is a picture
    ButtonPicture(const QIcon& icon);      // NOLINT: an icon is a picture

    Kind PictureKind() const { return m_kind; }
    bool IsNone() const { return m_kind == Kind::None; }
    const QPixmap& Bitmap() const { return m_bitmap; }
    const QIcon& Icon() const { return m_icon; }

    // The picture's own size in pixels: a bitmap's size, an icon's first size (32 x 32
    // when it names none); none gives 32 x 32.
    QSize NativeSize() const;

    // As a property store keeps it: a QPixmap, a QIcon, or an invalid variant for none.
    QVariant ToVariant() const;
    static ButtonPicture FromVariant(const QVariant& value);

    bool operator==(const ButtonPicture& other) const;
    bool operator!=(const ButtonPicture& other) const { return !(*this == other); }

private:
    Kind m_kind = Kind::None;
    QPixmap m_bitmap;
    QIcon m_icon;
};

Q_DECLARE_METATYPE(ButtonPicture)
