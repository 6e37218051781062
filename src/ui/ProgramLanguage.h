// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

// The language the windows speak: the seller's, where Lotcraft has a translation for it
// (lotcraft_<language>.qm in the data folder's translations/), with Qt's own texts of the
// standard dialogs in the same language; English otherwise. Where a translation is loaded the
// default locale becomes its language, so that what is chosen by language (the button
// pictures) agrees with the texts; otherwise the default locale stays the system's, whose
// sort order and numbers the seller is used to. The translations are in force while the
// object lives; it needs an application.
class ProgramLanguage {
public:
    ProgramLanguage(const QLocale& wanted, const QString& translationsFolder);
    ~ProgramLanguage();

    ProgramLanguage(const ProgramLanguage&) = delete;
    ProgramLanguage& operator=(const ProgramLanguage&) = delete;

    // The translations folder of the running program's data folder.
    static QString TranslationsFolder();

    // Whether a translation of Lotcraft's own texts was found for the wanted locale.
    bool Translated() const { return m_translated; }
    // The language the windows speak: the wanted one when translated, English otherwise.
    QLocale Language() const { return m_language; }

private:
    QTranslator m_own;
    QTranslator m_qt;
    bool m_translated = false;
    bool m_qtTranslated = false;
    QLocale m_language;
    // The default locale before, which comes back with the object's end.
    QLocale m_previous;
};
