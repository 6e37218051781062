// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/ItemRecord.h"

#include "app/LotcraftError.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// The labels and tooltips are marked for translation; the window translates them where it
// shows them. The headings are the catalogue file's and stay as they are.
constexpr std::array<ItemRecord::Presentation, ItemRecord::FieldCount> kPresentation = {{
    {"Item", "t_Item", QT_TRANSLATE_NOOP("ItemRecord", "Item"),
     QT_TRANSLATE_NOOP("ItemRecord", "Number")},
    {"Title", "t_title", QT_TRANSLATE_NOOP("ItemRecord", "Title"), ""},
    {"Description", "t_desc", QT_TRANSLATE_NOOP("ItemRecord", "Description"), ""},
    {"Image", "t_Image", QT_TRANSLATE_NOOP("ItemRecord", "Image"),
     QT_TRANSLATE_NOOP("ItemRecord", "Ie https://i.ebayimg.com/images/imagename.jpg")},
    {"Price", "t_price", QT_TRANSLATE_NOOP("ItemRecord", "Price"),
     QT_TRANSLATE_NOOP("ItemRecord", "Ie $29.99")},
    {"First bid", "t_first", QT_TRANSLATE_NOOP("ItemRecord", "First Bid"),
     QT_TRANSLATE_NOOP("ItemRecord", "Ie $29.99")},
    {"", "", "", ""},
    {"Started", "t_start", QT_TRANSLATE_NOOP("ItemRecord", "Started"),
     QT_TRANSLATE_NOOP("ItemRecord", "Ie Nov-25-02 10:33:39 PST")},
    {"Ends", "t_ends", QT_TRANSLATE_NOOP("ItemRecord", "Ends"),
     QT_TRANSLATE_NOOP("ItemRecord", "Ie Nov-25-02 10:33:39 PST")},
    {"Category", "t_cat", QT_TRANSLATE_NOOP("ItemRecord", "Category"),
     QT_TRANSLATE_NOOP("ItemRecord", "Number")},
}};

}  // namespace

void ItemRecord::CheckPosition(int position) {
    if (position < 1 || position > FieldCount)
        throw LotcraftError(
            QCoreApplication::translate("ItemRecord",
                                        "an item record has no field %1: its fields are 1 to %2")
                .arg(position)
                .arg(FieldCount));
}

const QString& ItemRecord::Field(int position) const {
    CheckPosition(position);
    return m_fields[static_cast<size_t>(position - 1)];
}

void ItemRecord::SetField(int position, const QString& value) {
    CheckPosition(position);
    m_fields[static_cast<size_t>(position - 1)] = value;
}

void ItemRecord::SetField(int position, QString&& value) {
    CheckPosition(position);
    m_fields[static_cast<size_t>(position - 1)] = std::move(value);
}

const QString& ItemRecord::Extra(int index) const {
    static const QString kNone;
    return index >= 0 && index < m_extras.size() ? m_extras[index] : kNone;
}

void ItemRecord::SetExtra(int index, const QString& value) {
    if (index < 0)
        throw LotcraftError(
            QCoreApplication::translate("ItemRecord", "an item record has no kept column %1")
                .arg(index));
    if (index >= m_extras.size()) {
        if (value.isEmpty())
            return;
        m_extras.resize(index + 1);
    }
    m_extras[index] = value;
}

const QString& ItemRecord::Value(int position) const {
    return position >= FirstExtraPosition ? Extra(position - FirstExtraPosition) : Field(position);
}

void ItemRecord::SetValue(int position, const QString& value) {
    if (position >= FirstExtraPosition)
        SetExtra(position - FirstExtraPosition, value);
    else
        SetField(position, value);
}

bool ItemRecord::operator==(const ItemRecord& other) const {
    if (m_fields != other.m_fields)
        return false;
    const qsizetype count = std::max(m_extras.size(), other.m_extras.size());
    for (qsizetype index = 0; index < count; ++index) {
        if (Extra(int(index)) != other.Extra(int(index)))
            return false;
    }
    return true;
}

int ItemRecord::PositionOfColumn(int column) {
    if (column < FirstFieldColumn || column > LastFieldColumn)
        throw LotcraftError(
            QCoreApplication::translate("ItemRecord",
                                        "grid column %1 holds no record field: the fields "
                                        "are in columns %2 to %3")
                .arg(column)
                .arg(FirstFieldColumn)
                .arg(LastFieldColumn));
    return column < Spare ? column : column + 1;
}

int ItemRecord::ColumnOfPosition(int position) {
    CheckPosition(position);
    if (position == Spare)
        return 0;
    return position < Spare ? position : position - 1;
}

const ItemRecord::Presentation& ItemRecord::PresentationOf(int position) {
    CheckPosition(position);
    return kPresentation[static_cast<size_t>(position - 1)];
}

QStringList ItemRecord::Pictures() const {
    const QString& field = Field(ImageAddress);
    if (!field.contains(QLatin1Char('|')))
        return field.trimmed().isEmpty() ? QStringList() : QStringList{field};
    QStringList pictures;
    for (const QStringView address : QStringView(field).split(QLatin1Char('|'))) {
        if (!address.trimmed().isEmpty())
            pictures << address.trimmed().toString();
    }
    return pictures;
}

QString ItemRecord::FirstPicture() const {
    const QString& field = Field(ImageAddress);
    if (!field.contains(QLatin1Char('|')))
        return field;
    const QStringList pictures = Pictures();
    return pictures.isEmpty() ? QString() : pictures.first();
}
