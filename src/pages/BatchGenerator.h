#pragma once

#include <QString>

#include <vector>

class FolderWriter;
class GridCursor;
class ItemRecord;
class LinkTable;
class PageHost;
class PagePictures;
class PageWriter;
class ProgramSettings;

// Generates the pages of a whole catalogue into the output folder: for each row in order it
// copies the row into the record buffer (all but Spare, which no column holds), builds the
// row's links, writes its page and marks the row with the page's path and two pictures;
// then it copies the page pictures beside the pages.
//
// Pages are built on the caller's thread and written on others, a batch at a time, while
// the next batch is built; the caller then helps write what is left of the batch. Rows are
// still counted and marked in order, each once its page is written, and a failure still
// ends the run at its row (no page after it gets its name); only the record buffer may
// already hold a later row then. When the output folder is the program's own folder, an
// item whose page would replace one of the program's files there is refused.
class BatchGenerator {
public:
    BatchGenerator(const ProgramSettings& settings, PageHost& host, PagePictures& pictures);

    // Runs over rows 1 to itemCount of grid. A failure throws LotcraftError naming the row
    // (none for the copying), the file and the reason; the pages written and rows marked
    // before it stay, and the pictures are not copied when a row failed.
    void Run(GridCursor& grid, int itemCount, ItemRecord& currentRecord, LinkTable& linkTable);

    // Rows the run leaves out: no page, no mark, no count (rows whose pages the catalogue
    // check found would be lost or wrong).
    void SetSkippedRows(std::vector<int> rows);

    // "1 page", "2 pages": a count of pages as the programs tell it.
    static QString PagesText(qint64 count);

private:
    void RunInTurn(PageWriter& writer, GridCursor& grid, int itemCount, ItemRecord& currentRecord,
                   LinkTable& linkTable);
    void RunOverlapped(PageWriter& writer, const FolderWriter& folder, GridCursor& grid,
                       int itemCount, ItemRecord& currentRecord, LinkTable& linkTable);
    bool MarksLoad();
    bool Skipped(int row) const;
    void ReadRow(GridCursor& grid, int row, ItemRecord& currentRecord, LinkTable& linkTable);
    void MarkRow(GridCursor& grid, int row, const QString& itemNumber);

    const ProgramSettings& m_settings;
    PageHost& m_host;
    PagePictures& m_pictures;
    // Ascending.
    std::vector<int> m_skippedRows;
};
