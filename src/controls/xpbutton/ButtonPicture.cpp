// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/xpbutton/ButtonPicture.h"

#include <QImage>

namespace {

const QSize DefaultSize(32, 32);

}  // namespace

ButtonPicture::ButtonPicture(const QPixmap& bitmap)
    : m_kind(bitmap.isNull() ? Kind::None : Kind::Bitmap), m_bitmap(bitmap) {}

ButtonPicture::ButtonPicture(const QIcon& icon)
    : m_kind(icon.isNull() ? Kind::None : Kind::Icon), m_icon(icon) {}

QSize ButtonPicture::NativeSize() const {
    switch (m_kind) {
        case Kind::Bitmap: return m_bitmap.size();
        case Kind::Icon: {
            const QList<QSize> sizes = m_icon.availableSizes();
            return sizes.isEmpty() ? DefaultSize : sizes.first();
        }
        case Kind::None: break;
    }
    return DefaultSize;
}

QVariant ButtonPicture::ToVariant() const {
    switch (m_kind) {
        case Kind::Bitmap: return QVariant::fromValue(m_bitmap);
        case Kind::Icon: return QVariant::fromValue(m_icon);
        case Kind::None: break;
    }
    return QVariant();
}

ButtonPicture ButtonPicture::FromVariant(const QVariant& value) {
    if (value.metaType() == QMetaType::fromType<QPixmap>())
        return ButtonPicture(value.value<QPixmap>());
    if (value.metaType() == QMetaType::fromType<QIcon>())
        return ButtonPicture(value.value<QIcon>());
    if (value.metaType() == QMetaType::fromType<QImage>())
        return ButtonPicture(QPixmap::fromImage(value.value<QImage>()));
    return ButtonPicture();
}

bool ButtonPicture::operator==(const ButtonPicture& other) const {
    if (m_kind != other.m_kind)
        return false;
    switch (m_kind) {
        case Kind::Bitmap: return m_bitmap.toImage() == other.m_bitmap.toImage();
        case Kind::Icon: {
            const QList<QSize> sizes = m_icon.availableSizes();
            if (sizes != other.m_icon.availableSizes())
                return false;
            for (const QSize& size : sizes) {
                if (m_icon.pixmap(size).toImage() != other.m_icon.pixmap(size).toImage())
                    return false;
            }
            return true;
        }
        case Kind::None: break;
    }
    return true;
}
