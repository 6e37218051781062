#pragma once

#include <QString>

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
class BatchGenerator {
public:
    BatchGenerator(const ProgramSettings& settings, PageHost& host, PagePictures& pictures);

    // Lets the run write each page on a second thread while it builds the next one. Rows are
    // still counted and marked in order, each once its page is written, and a failure still
    // ends the run at its row; only the record buffer may already hold the next row then.
    // Off by default: the window runs everything on its own thread.
    void SetOverlappedWrites(bool overlapped) { m_overlapped = overlapped; }

    // Runs over rows 1 to itemCount of grid. A failure throws LotcraftError naming the row
    // (none for the copying), the file and the reason; the pages written and rows marked
    // before it stay, and the pictures are not copied when a row failed.
    void Run(GridCursor& grid, int itemCount, ItemRecord& currentRecord, LinkTable& linkTable);

    // The path a row shows for its page: the folder and the file name, with a separator
    // between them unless the folder already ends in one.
    static QString PagePath(const QString& outputFolder, const QString& itemNumber);

private:
    void RunInTurn(PageWriter& writer, GridCursor& grid, int itemCount, ItemRecord& currentRecord,
                   LinkTable& linkTable);
    void RunOverlapped(PageWriter& writer, GridCursor& grid, int itemCount,
                       ItemRecord& currentRecord, LinkTable& linkTable);
    bool MarksLoad();
    void ReadRow(GridCursor& grid, int row, ItemRecord& currentRecord, LinkTable& linkTable);
    void MarkRow(GridCursor& grid, int row, const QString& itemNumber);

    const ProgramSettings& m_settings;
    PageHost& m_host;
    PagePictures& m_pictures;
    bool m_overlapped = false;
};
