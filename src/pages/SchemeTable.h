// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pages/SchemeArray.h"

#include <QString>
#include <QStringList>

// The colour scheme table that every page takes its colours from: four columns indexed by
// the scheme number, and the names under which the schemes are offered.
//   SchemePrimary    the scheme's main colour (title and heading boxes)
//   SchemeSecondary  its companion colour (the boxes' contents)
//   SchemeText       the colour of text written on the main colour
//   SchemeFontTag    an opening font tag put before link texts, or empty
class SchemeTable {
public:
    static constexpr int FirstScheme = 1;
    static constexpr int LastScheme = 19;

    const SchemeArray& SchemePrimary() const { return m_primary; }
    const SchemeArray& SchemeSecondary() const { return m_secondary; }
    const SchemeArray& SchemeText() const { return m_text; }
    const SchemeArray& SchemeFontTag() const { return m_fontTag; }

    // The table every page takes its colours from, filled at its first use.
    static const SchemeTable& Standard();

    // The name of scheme 1 to 19 ("Yellow", "Bright Red"); throws LotcraftError outside.
    static QString Name(int scheme);
    // The name in the seller's language, as the window offers the scheme; Name stays English
    // for lotcraft-pages' --scheme.
    static QString ShownName(int scheme);
    // The 19 names, scheme 1 first.
    static QStringList Names();
    // The scheme whose name matches without regard to letter case, or 0 when none does.
    static int FindByName(const QString& name);

private:
    // Every scheme's defaults (black text, no font tag), then its own values.
    SchemeTable();

    SchemeArray m_primary;
    SchemeArray m_secondary;
    SchemeArray m_text;
    SchemeArray m_fontTag;
};
