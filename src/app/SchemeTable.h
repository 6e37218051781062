#pragma once

#include "app/SchemeArray.h"

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

    // Fills the table as the program does at start-up: first the defaults of every scheme
    // (black text, no font tag), then each scheme's own values, scheme by scheme in ascending
    // order, main colour, companion colour, text colour, font tag.
    void Fill();

    // The name of scheme 1 to 19 ("Yellow", "Bright Red"); throws LotcraftError outside.
    static QString Name(int scheme);
    // The 19 names, scheme 1 first.
    static QStringList Names();
    // The scheme whose name matches without regard to letter case, or 0 when none does.
    static int FindByName(const QString& name);

private:
    SchemeArray m_primary;
    SchemeArray m_secondary;
    SchemeArray m_text;
    SchemeArray m_fontTag;
};
