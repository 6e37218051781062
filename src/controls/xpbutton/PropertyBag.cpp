// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/xpbutton/PropertyBag.h"

#include "app/LotcraftError.h"

#include <QBuffer>
#include <QCursor>
#include <QDataStream>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QStringList>

namespace {

const QString IntKind = QStringLiteral("int");
const QString TextKind = QStringLiteral("text");
const QString FontKind = QStringLiteral("font");
const QString BitmapKind = QStringLiteral("bitmap");
const QString IconKind = QStringLiteral("icon");
const QString CursorKind = QStringLiteral("cursor");

QString PngOf(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return QString::fromLatin1(bytes.toBase64());
}

QImage ImageOfPng(const QString& text) {
    return QImage::fromData(QByteArray::fromBase64(text.toLatin1()), "PNG");
}

// Backslash, line breaks and carriage returns escaped so that a text stays on its line.
QString Escaped(const QString& text) {
    QString result;
    for (const QChar c : text) {
        if (c == QLatin1Char('\\'))
            result += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            result += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            result += QStringLiteral("\\r");
        else
            result += c;
    }
    return result;
}

QString Unescaped(const QString& text) {
    QString result;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('\\') || i + 1 == text.size()) {
            result += text[i];
            continue;
        }
        const QChar next = text[++i];
        result += next == QLatin1Char('n')   ? QChar(QLatin1Char('\n'))
                  : next == QLatin1Char('r') ? QChar(QLatin1Char('\r'))
                                             : next;
    }
    return result;
}

QString ValueText(const QVariant& value) {
    const QMetaType type = value.metaType();
    if (type == QMetaType::fromType<QString>())
        return TextKind + QLatin1Char(':') + Escaped(value.toString());
    if (type == QMetaType::fromType<QFont>())
        return FontKind + QLatin1Char(':') + value.value<QFont>().toString();
    if (type == QMetaType::fromType<QPixmap>())
        return BitmapKind + QLatin1Char(':') + PngOf(value.value<QPixmap>().toImage());
    if (type == QMetaType::fromType<QIcon>()) {
        const QIcon icon = value.value<QIcon>();
        QStringList sizes;
        for (const QSize& size : icon.availableSizes())
            sizes << PngOf(icon.pixmap(size).toImage());
        return IconKind + QLatin1Char(':') + sizes.join(QLatin1Char(','));
    }
    if (type == QMetaType::fromType<QCursor>()) {
        QByteArray bytes;
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        stream << value.value<QCursor>();
        return CursorKind + QLatin1Char(':') + QString::fromLatin1(bytes.toBase64());
    }
    bool isNumber = false;
    const qlonglong number = value.toLongLong(&isNumber);
    if (!isNumber)
        throw LotcraftError(QStringLiteral("a property of type %1 cannot be stored")
                                .arg(QString::fromLatin1(type.name())));
    return IntKind + QLatin1Char(':') + QString::number(number);
}

QVariant ValueOfText(const QString& kind, const QString& text) {
    if (kind == IntKind) {
        bool ok = false;
        const qlonglong number = text.toLongLong(&ok);
        if (ok)
            return number;
    } else if (kind == TextKind) {
        return Unescaped(text);
    } else if (kind == FontKind) {
        QFont font;
        if (font.fromString(text))
            return font;
    } else if (kind == BitmapKind) {
        const QImage image = ImageOfPng(text);
        if (!image.isNull())
            return QPixmap::fromImage(image);
    } else if (kind == IconKind) {
        QIcon icon;
        for (const QString& png : text.split(QLatin1Char(','), Qt::SkipEmptyParts))
            icon.addPixmap(QPixmap::fromImage(ImageOfPng(png)));
        if (!icon.isNull())
            return icon;
    } else if (kind == CursorKind) {
        QByteArray bytes = QByteArray::fromBase64(text.toLatin1());
        QDataStream stream(&bytes, QIODevice::ReadOnly);
        QCursor cursor;
        stream >> cursor;
        if (stream.status() == QDataStream::Ok)
            return cursor;
    }
    return QVariant();
}

}  // namespace

int PropertyBag::IndexOf(const QString& name) const {
    for (int i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QVariant PropertyBag::Read(const QString& name, const QVariant& defaultValue) const {
    const int index = IndexOf(name);
    return index < 0 ? defaultValue : m_entries[index].value;
}

void PropertyBag::Write(const QString& name, const QVariant& value, const QVariant& defaultValue) {
    const int index = IndexOf(name);
    if (value == defaultValue || !value.isValid()) {
        if (index >= 0)
            m_entries.removeAt(index);
        return;
    }
    if (index >= 0)
        m_entries[index].value = value;
    else
        m_entries.append({name, value});
}

bool PropertyBag::Contains(const QString& name) const {
    return IndexOf(name) >= 0;
}

QString PropertyBag::ToText() const {
    QString text;
    for (const Entry& entry : m_entries)
        text += entry.name + QStringLiteral(" = ") + ValueText(entry.value) + QLatin1Char('\n');
    return text;
}

PropertyBag PropertyBag::FromText(const QString& text) {
    PropertyBag bag;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const int equals = line.indexOf(QLatin1Char('='));
        const int colon = line.indexOf(QLatin1Char(':'), equals + 1);
        QVariant value;
        if (equals > 0 && colon > equals) {
            value = ValueOfText(
                line.mid(equals + 1, colon - equals - 1).trimmed(),
                lines[i].mid(
                    lines[i].indexOf(QLatin1Char(':'), lines[i].indexOf(QLatin1Char('='))) + 1));
        }
        if (!value.isValid())
            throw LotcraftError(QStringLiteral("line %1 of a property list cannot be read: %2")
                                    .arg(i + 1)
                                    .arg(line));
        bag.m_entries.append({line.left(equals).trimmed(), value});
    }
    return bag;
}
