#pragma once

#include <QString>

class GridCursor;
class ItemRecord;
class LinkTable;
class PageHost;
class PagePictures;
class ProgramSettings;

// Generates the pages of a whole catalogue into the output folder: for each row in order it
// copies the row into the record buffer (all but Spare, which no column holds), builds the
// row's links, writes its page and marks the row with the page's path and two pictures;
// then it copies the page pictures beside the pages.
class BatchGenerator {
public:
    BatchGenerator(const ProgramSettings& settings, PageHost& host, PagePictures& pictures);

    // Runs over rows 1 to itemCount of grid. A failure throws LotcraftError naming the row
    // (none for the copying), the file and the reason; the pages written and rows marked
    // before it stay, and the pictures are not copied when a row failed.
    void Run(GridCursor& grid, int itemCount, ItemRecord& currentRecord, LinkTable& linkTable);

    // The path a row shows for its page: the folder and the file name, with a separator
    // between them unless the folder already ends in one.
    static QString PagePath(const QString& outputFolder, const QString& itemNumber);

private:
    void GenerateRow(GridCursor& grid, int row, ItemRecord& currentRecord, LinkTable& linkTable);

    const ProgramSettings& m_settings;
    PageHost& m_host;
    PagePictures& m_pictures;
};
