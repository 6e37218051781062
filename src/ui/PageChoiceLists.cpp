// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PageChoiceLists.h"

#include "pages/SchemeTable.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QPixmap>

#include <array>

namespace {

constexpr int SilverScheme = 5;
constexpr int GreyScheme = 6;

constexpr std::array<const char*, PageChoiceLists::LayoutCount> LayoutNames = {
    QT_TRANSLATE_NOOP("PageChoiceLists", "Default"),
    QT_TRANSLATE_NOOP("PageChoiceLists", "Default Mirrored"),
    QT_TRANSLATE_NOOP("PageChoiceLists", "Horizontal Top"),
    QT_TRANSLATE_NOOP("PageChoiceLists", "Horizontal Botton")};

}  // namespace

QString PageChoiceLists::LayoutName(int layout) {
    if (layout < 1 || layout > LayoutCount)
        return QString();
    return QCoreApplication::translate("PageChoiceLists", LayoutNames[size_t(layout - 1)]);
}

QColor PageChoiceLists::SwatchColour(int scheme) {
    if (scheme == SilverScheme)
        return QColor(0x66, 0x99, 0x99);
    if (scheme == GreyScheme)
        return QColor(0xD2, 0xD2, 0xD2);
    return QColor(SchemeTable::Standard().SchemePrimary().At(scheme));
}

QIcon PageChoiceLists::Swatch(int scheme) {
    QPixmap swatch(SwatchPixels, SwatchPixels);
    swatch.fill(SwatchColour(scheme));
    return QIcon(swatch);
}

void PageChoiceLists::FillSchemes(QComboBox* box) {
    box->clear();
    box->setIconSize(QSize(SwatchPixels, SwatchPixels));
    for (int scheme = SchemeTable::FirstScheme; scheme <= SchemeTable::LastScheme; ++scheme)
        box->addItem(Swatch(scheme), SchemeTable::ShownName(scheme));
}

void PageChoiceLists::FillLayouts(QComboBox* box) {
    box->clear();
    for (int layout = 1; layout <= LayoutCount; ++layout)
        box->addItem(LayoutName(layout));
}
