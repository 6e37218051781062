// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/SchemeTable.h"

#include "app/LotcraftError.h"

#include <QCoreApplication>

#include <array>

namespace {

// Each scheme's own values; a null pointer means the scheme keeps the default.
struct SchemeValues {
    const char* name;
    const char* primary;
    const char* secondary;
    const char* text;
    const char* fontTag;
};

constexpr const char* kWhiteLinks = "<font color='#FFFFFF'>";
constexpr const char* kWhite = "#FFFFFF";

constexpr std::array<SchemeValues, SchemeTable::LastScheme> kSchemes = {{
    {QT_TRANSLATE_NOOP("SchemeTable", "Yellow"), "#F4D752", "#FFFFDB", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("SchemeTable", "Aqua"), "#669999", "#99CCCC", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("SchemeTable", "Blue"), "#006699", "#3399CC", nullptr, kWhiteLinks},
    {QT_TRANSLATE_NOOP("SchemeTable", "Navy"), "#400080", "#8000FF", nullptr, kWhiteLinks},
    {QT_TRANSLATE_NOOP("SchemeTable", "Silver"), "#D2D2D2", "#EFEFEF", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("SchemeTable", "Grey"), "#808080", "#CFCFCF", kWhite, nullptr},
    {QT_TRANSLATE_NOOP("SchemeTable", "Smoke"), "#000000", "#C0C0C0", kWhite, nullptr},
    {QT_TRANSLATE_NOOP("SchemeTable", "Green"), "#669900", "#99CC33", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("SchemeTable", "Orange"), "#FF9900", "#FFCC00", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("SchemeTable", "Purple"), "#666699", "#9999CC", kWhite, nullptr},
    {QT_TRANSLATE_NOOP("SchemeTable", "Red"), "#996666", "#CC9999", kWhite, nullptr},
    {QT_TRANSLATE_NOOP("SchemeTable", "Bright Red"), "#FF0000", "#FFFFFF", nullptr, kWhiteLinks},
    {QT_TRANSLATE_NOOP("SchemeTable", "Blue & Green"), "#006699", "#669900", nullptr, kWhiteLinks},
    {QT_TRANSLATE_NOOP("SchemeTable", "Black & Orange"), "#000000", "#FFCC00", kWhite, nullptr},
    {QT_TRANSLATE_NOOP("SchemeTable", "Red & Grey"), "#D70000", "#C0C0C0", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("SchemeTable", "Orange & Red"), "#FF8000", "#B30000", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("SchemeTable", "Burgundy"), "#660000", "#CC0000", kWhite, kWhiteLinks},
    {QT_TRANSLATE_NOOP("SchemeTable", "Champagne"), "#BB7100", "#FFE7CE", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("SchemeTable", "Violet"), "#E100E1", "#FFC4FF", nullptr, nullptr},
}};

const SchemeValues& ValuesOf(int scheme) {
    if (scheme < SchemeTable::FirstScheme || scheme > SchemeTable::LastScheme)
        throw LotcraftError(
            QCoreApplication::translate("SchemeTable",
                                        "there is no colour scheme %1: the schemes are "
                                        "numbered %2 to %3")
                .arg(scheme)
                .arg(SchemeTable::FirstScheme)
                .arg(SchemeTable::LastScheme));
    return kSchemes[static_cast<size_t>(scheme - SchemeTable::FirstScheme)];
}

}  // namespace

const SchemeTable& SchemeTable::Standard() {
    static const SchemeTable table;
    return table;
}

SchemeTable::SchemeTable() {
    for (int scheme = FirstScheme; scheme <= LastScheme; ++scheme) {
        m_text.Set(scheme, QStringLiteral("#000000"));
        m_fontTag.Set(scheme, QString());
    }
    for (int scheme = FirstScheme; scheme <= LastScheme; ++scheme) {
        const SchemeValues& values = ValuesOf(scheme);
        m_primary.Set(scheme, QString::fromLatin1(values.primary));
        m_secondary.Set(scheme, QString::fromLatin1(values.secondary));
        if (values.text)
            m_text.Set(scheme, QString::fromLatin1(values.text));
        if (values.fontTag)
            m_fontTag.Set(scheme, QString::fromLatin1(values.fontTag));
    }
}

QString SchemeTable::Name(int scheme) {
    return QString::fromLatin1(ValuesOf(scheme).name);
}

QString SchemeTable::ShownName(int scheme) {
    return QCoreApplication::translate("SchemeTable", ValuesOf(scheme).name);
}

QStringList SchemeTable::Names() {
    QStringList names;
    for (const SchemeValues& values : kSchemes)
        names.append(QString::fromLatin1(values.name));
    return names;
}

int SchemeTable::FindByName(const QString& name) {
    for (int scheme = FirstScheme; scheme <= LastScheme; ++scheme) {
        if (Name(scheme).compare(name, Qt::CaseInsensitive) == 0)
            return scheme;
    }
    return 0;
}
