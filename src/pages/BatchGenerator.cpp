#include "pages/BatchGenerator.h"

#include "app/LotcraftError.h"
#include "app/ProgramSettings.h"
#include "catalogue/GridCursor.h"
#include "catalogue/ItemRecord.h"
#include "catalogue/PageName.h"
#include "pages/BackgroundFileWriter.h"
#include "pages/FolderWriter.h"
#include "pages/LinkTable.h"
#include "pages/PageHost.h"
#include "pages/PagePictures.h"
#include "pages/PageWriter.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

namespace {

// Runs a step of a row, giving its failure the row's number.
void AtRow(int row, const std::function<void()>& step) {
    try {
        step();
    } catch (const LotcraftError& error) {
        throw LotcraftError(error.Reason(), error.File(), row);
    }
}

}  // namespace

BatchGenerator::BatchGenerator(const ProgramSettings& settings, PageHost& host,
                               PagePictures& pictures)
    : m_settings(settings), m_host(host), m_pictures(pictures) {}

QString BatchGenerator::PagesText(qint64 count) {
    return count == 1 ? QStringLiteral("1 page") : QStringLiteral("%1 pages").arg(count);
}

void BatchGenerator::Run(GridCursor& grid, int itemCount, ItemRecord& currentRecord,
                         LinkTable& linkTable) {
    const QString& outputFolder = m_settings.OutputFolder();
    PageWriter writer(m_settings, m_host);
    if (!outputFolder.isEmpty() && m_pictures.IsApplicationFolder(outputFolder))
        writer.SetReservedNames(PagePictures::ShippedFiles());
    const FolderWriter folder(outputFolder);
    folder.ClearLeftovers();
    if (MarksLoad()) {
        RunOverlapped(writer, folder, grid, itemCount, currentRecord, linkTable);
    } else {
        RunInTurn(writer, grid, itemCount, currentRecord, linkTable);
    }
    m_pictures.Cop(outputFolder);
}

void BatchGenerator::SetSkippedRows(std::vector<int> rows) {
    std::sort(rows.begin(), rows.end());
    m_skippedRows = std::move(rows);
}

bool BatchGenerator::Skipped(int row) const {
    return std::binary_search(m_skippedRows.begin(), m_skippedRows.end(), row);
}

bool BatchGenerator::MarksLoad() {
    // A batch is written before its rows are marked, so a mark that cannot be loaded would
    // come to light only after pages beyond its row were written. Without both marks the
    // run goes in turn, where that failure stops it right after the first page, as it must.
    try {
        m_pictures.PageMark();
        m_pictures.DoneMark();
        return true;
    } catch (const LotcraftError&) {
        return false;
    }
}

void BatchGenerator::RunInTurn(PageWriter& writer, GridCursor& grid, int itemCount,
                               ItemRecord& currentRecord, LinkTable& linkTable) {
    for (int row = 1; row <= itemCount; ++row) {
        if (Skipped(row))
            continue;
        AtRow(row, [&] {
            ReadRow(grid, row, currentRecord, linkTable);
            writer.WriteItemPage(currentRecord, linkTable);
            MarkRow(grid, row, currentRecord.Field(ItemRecord::ItemNumber));
        });
    }
}

void BatchGenerator::RunOverlapped(PageWriter& writer, const FolderWriter& folder, GridCursor& grid,
                                   int itemCount, ItemRecord& currentRecord, LinkTable& linkTable) {
    // Pages are built into one batch while the other is written; a batch's rows are counted
    // and marked once its files are there, so the rows still finish one after another.
    struct Batch {
        std::vector<BackgroundFileWriter::File> files;
        std::vector<QString> items;
        std::vector<int> rows;
        size_t count = 0;
    };
    Batch batches[2];
    Batch* building = &batches[0];
    Batch* writing = nullptr;
    BackgroundFileWriter files(folder);
    const size_t batchSize = files.BatchSize();
    for (Batch& batch : batches) {
        batch.files.resize(batchSize);
        batch.items.resize(batchSize);
        batch.rows.resize(batchSize);
    }

    auto finishWriting = [&] {
        if (!writing)
            return;
        Batch& batch = *writing;
        writing = nullptr;
        std::optional<LotcraftError> failure;
        const size_t written = files.Finish(failure);
        for (size_t k = 0; k < written; ++k) {
            const int row = batch.rows[k];
            AtRow(row, [&] {
                writer.CountPage();
                MarkRow(grid, row, batch.items[k]);
            });
        }
        if (failure)
            throw LotcraftError(failure->Reason(), failure->File(), batch.rows[written]);
    };
    auto startBuilt = [&] {
        if (building->count == 0)
            return;
        files.Start(building->files, building->count);
        writing = building;
        building = building == &batches[0] ? &batches[1] : &batches[0];
        building->count = 0;
    };

    for (int row = 1; row <= itemCount; ++row) {
        if (Skipped(row))
            continue;
        BackgroundFileWriter::File& file = building->files[building->count];
        try {
            AtRow(row, [&] {
                ReadRow(grid, row, currentRecord, linkTable);
                writer.BuildPage(currentRecord, linkTable, file.bytes);
                file.name = PageName::FileName(currentRecord.Field(ItemRecord::ItemNumber));
            });
        } catch (const LotcraftError&) {
            // Every row before the failing one is written and marked first.
            finishWriting();
            startBuilt();
            finishWriting();
            throw;
        }
        building->items[building->count] = currentRecord.Field(ItemRecord::ItemNumber);
        building->rows[building->count] = row;
        ++building->count;
        if (building->count == batchSize) {
            finishWriting();
            startBuilt();
        }
    }
    finishWriting();
    startBuilt();
    finishWriting();
}

void BatchGenerator::ReadRow(GridCursor& grid, int row, ItemRecord& currentRecord,
                             LinkTable& linkTable) {
    grid.SetRow(row);
    for (int column = ItemRecord::FirstFieldColumn; column <= ItemRecord::LastFieldColumn;
         ++column) {
        grid.SetCol(column);
        currentRecord.SetField(ItemRecord::PositionOfColumn(column), grid.Text());
    }
    linkTable.Fill(currentRecord.Field(ItemRecord::ItemNumber), m_host.SellerText());
}

void BatchGenerator::MarkRow(GridCursor& grid, int row, const QString& itemNumber) {
    grid.SetRow(row);
    grid.SetCol(ItemRecord::HtmlColumn);
    grid.SetText(PageWriter::PageFileName(m_settings.OutputFolder(), itemNumber));
    grid.SetCellPicture(m_pictures.PageMark());
    grid.SetCol(0);
    grid.SetCellPicture(m_pictures.DoneMark());
}
