#pragma once

#include "pages/FolderWriter.h"
#include "pages/PageTemplate.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class ItemRecord;
class LinkTable;
class PageHost;
class ProgramSettings;

// Writes the listing page of one item into the output folder: the file is named after the
// item number, its lines are the page template's with the item's values, the host's box
// texts, the links and the colours of the chosen scheme spliced in unchanged, in the
// description layout chosen. After each page the host's page counter goes up by one and
// is shown at once.
class PageWriter {
public:
    PageWriter(const ProgramSettings& settings, PageHost& host);

    // Writes the page of currentRecord with the addresses of linkTable. Throws LotcraftError,
    // naming the page file, when the item number cannot name a page, a scheme lookup fails
    // or the file cannot be written; no page, and no part of one, is left behind then, and
    // the counter is not raised. The page gets its name only once it is whole (FolderWriter).
    void WriteItemPage(const ItemRecord& currentRecord, const LinkTable& linkTable);

    // The steps of WriteItemPage, for a run that writes one page while it builds the next.
    // BuildPage checks the item number and builds the page's bytes into `page`, returning
    // the page's path (PageFileName); it throws as WriteItemPage does and touches no file.
    // WritePage writes them as the file `name` (PageName::FileName) through a FolderWriter of the
    // output folder, which may happen on another thread; PreparePage and NamePage are its two
    // steps (FolderWriter::Prepare and Name). CountPage raises the counter.
    QString BuildPage(const ItemRecord& currentRecord, const LinkTable& linkTable,
                      QByteArray& page);
    static void WritePage(const FolderWriter& folder, const QString& name, const QByteArray& page);
    static FolderWriter::Pending PreparePage(const FolderWriter& folder, const QString& name,
                                             const QByteArray& page);
    static void NamePage(const FolderWriter& folder, FolderWriter::Pending& page);
    void CountPage();

    // Names of files in the output folder that no page may replace: the program's own files
    // when the pages go into the program's folder. An item whose page has such a name is
    // refused.
    void SetReservedNames(QStringList names) { m_reservedNames = std::move(names); }

    // The page file of an item: the folder, a "/" unless the folder ends in one, the item
    // number and ".html"; the path a row shows for its page.
    static QString PageFileName(const QString& outputFolder, const QString& itemNumber);

private:
    void AppendPage(const ItemRecord& record, const LinkTable& links, QByteArray& page) const;
    QString ValueText(PageTemplate::Value value, const ItemRecord& record,
                      const LinkTable& links) const;
    void CheckItemNumber(const QString& itemNumber, const QString& outputFolder) const;

    const ProgramSettings& m_settings;
    PageHost& m_host;
    QByteArray m_page;  // its memory serves page after page
    QStringList m_reservedNames;
};
