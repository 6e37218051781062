// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

// The seller's choices for the pages, alive for the whole run and stored nowhere: the
// description layout and colour scheme, and the folder that receives the pages. A new
// object holds the program's first choices, layout 1 and scheme 1.
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

private:
    qint16 m_layoutIndex = 1;
    qint16 m_schemeIndex = 1;
    QString m_outputFolder;
};
