#pragma once

#include "app/SchemeTable.h"

#include <QString>
#include <QtGlobal>

// The program-wide settings, alive for the whole run and stored nowhere: the description
// layout and colour scheme of the pages, the folder that receives them, the outcome of the
// output folder dialog, the page shown by the source window, and the colour scheme table.
// Startup::Run gives them their first values.
class ProgramSettings {
public:
    // 1 "Default", 2 "Default Mirrored", 3 "Horizontal Top", 4 "Horizontal Botton".
    qint16 LayoutIndex() const { return m_layoutIndex; }
    void SetLayoutIndex(qint16 index) { m_layoutIndex = index; }

    // 1 to 19, a row of the scheme table.
    qint16 SchemeIndex() const { return m_schemeIndex; }
    void SetSchemeIndex(qint16 index) { m_schemeIndex = index; }

    // No trailing separator, except for the root folder "/".
    const QString& OutputFolder() const { return m_outputFolder; }
    void SetOutputFolder(const QString& folder) { m_outputFolder = folder; }

    bool OutputFolderChosen() const { return m_outputFolderChosen; }
    void SetOutputFolderChosen(bool chosen) { m_outputFolderChosen = chosen; }

    const QString& SourcePagePath() const { return m_sourcePagePath; }
    void SetSourcePagePath(const QString& path) { m_sourcePagePath = path; }

    const SchemeTable& Schemes() const { return m_schemes; }
    SchemeTable& Schemes() { return m_schemes; }

private:
    qint16 m_layoutIndex = 0;
    qint16 m_schemeIndex = 0;
    QString m_outputFolder;
    bool m_outputFolderChosen = false;
    QString m_sourcePagePath;
    SchemeTable m_schemes;
};
