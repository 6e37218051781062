// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QVariant>

// The store a window keeps its buttons' properties in. Names are compared without regard
// to case; a value equal to its default is not stored, so a bag holds only what differs.
// Values are integers, texts, fonts, pictures (QPixmap or QIcon) and cursors.
class PropertyBag {
public:
    // The stored value, or the default when the bag holds none under that name.
    QVariant Read(const QString& name, const QVariant& defaultValue) const;
    // Stores the value, or removes the name when the value equals the default.
    void Write(const QString& name, const QVariant& value, const QVariant& defaultValue);

    bool Contains(const QString& name) const;
    int Count() const { return int(m_entries.size()); }

    // One property a line, "name = kind:value", in the order they were written.
    QString ToText() const;
    // The bag a text of ToText holds; lines that are empty or start with "#" are skipped.
    // Throws LotcraftError for a line it cannot read.
    static PropertyBag FromText(const QString& text);

    bool operator==(const PropertyBag& other) const { return ToText() == other.ToText(); }

private:
    struct Entry {
        QString name;
        QVariant value;
    };

    int IndexOf(const QString& name) const;

    QList<Entry> m_entries;
};
