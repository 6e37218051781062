// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ProgramLanguage.h"

#include "app/ApplicationFolder.h"

#include <QCoreApplication>
#include <QLibraryInfo>

ProgramLanguage::ProgramLanguage(const QLocale& wanted, const QString& translationsFolder)
    : m_language(QLocale::English) {
    m_previous = QLocale();
    m_translated =
        m_own.load(wanted, QStringLiteral("lotcraft"), QStringLiteral("_"), translationsFolder) &&
        QCoreApplication::installTranslator(&m_own);
    if (m_translated) {
        m_language = wanted;
        QLocale::setDefault(m_language);
        // Qt's texts only in a language Lotcraft speaks too: a French file dialog around
        // English messages would be neither.
        m_qtTranslated = m_qt.load(wanted, QStringLiteral("qtbase"), QStringLiteral("_"),
                                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
                         QCoreApplication::installTranslator(&m_qt);
    }
}

ProgramLanguage::~ProgramLanguage() {
    if (m_qtTranslated)
        QCoreApplication::removeTranslator(&m_qt);
    if (m_translated)
        QCoreApplication::removeTranslator(&m_own);
    QLocale::setDefault(m_previous);
}

QString ProgramLanguage::TranslationsFolder() {
    return ApplicationFolder::OfThisProgram() + QStringLiteral("/translations");
}
