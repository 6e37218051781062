// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/PageRun.h"

#include "app/FileIdentity.h"
#include "app/FolderWriter.h"
#include "app/LotcraftError.h"
#include "catalogue/ItemRecord.h"
#include "pages/BackgroundFileWriter.h"
#include "pages/PageBuilder.h"
#include "pages/PageInputs.h"
#include "pages/PageName.h"
#include "pages/PagePictures.h"

#include <QCoreApplication>
#include <QStringBuilder>

#include <algorithm>
#include <optional>

namespace {

// The failure of a row's step, naming the row.
LotcraftError AtRow(const LotcraftError& error, int row) {
    return LotcraftError(error.Reason(), error.File(), row);
}

// Before anything is written: no page and no picture may replace the catalogue the pages
// are made of. The first that would is refused, naming both files, and nothing is written.
void RefuseReplacingTheCatalogue(const std::vector<ItemRecord>& records, const PageInputs& inputs,
                                 const PagePictures& pictures,
                                 const std::vector<int>& skippedRows) {
    if (inputs.catalogueNames.names.isEmpty())
        return;
    for (size_t index = 0; index < records.size(); ++index) {
        const int row = int(index) + 1;
        if (std::binary_search(skippedRows.begin(), skippedRows.end(), row))
            continue;
        try {
            PageBuilder::RefuseReplacingTheCatalogue(records[index].Field(ItemRecord::ItemNumber),
                                                     inputs);
        } catch (const LotcraftError& error) {
            throw AtRow(error, row);
        }
    }
    if (pictures.IsApplicationFolder(inputs.outputFolder))
        return;
    for (const QString& name : PagePictures::CopiedFiles()) {
        if (!inputs.catalogueNames.Match(name).isEmpty())
            throw LotcraftError(
                FileIdentity::Refusal(QCoreApplication::translate("PageRun", "the picture"), name,
                                      inputs.catalogue) %
                    QCoreApplication::translate(
                        "PageRun",
                        " the pages are made of, so no page has been written; move "
                        "the catalogue out of the output folder, or choose another "
                        "output folder"),
                FolderWriter::PathIn(inputs.outputFolder, name));
    }
}

}  // namespace

QString PageRun::PagesText(qint64 count) {
    return count == 1 ? QCoreApplication::translate("PageRun", "1 page")
                      : QCoreApplication::translate("PageRun", "%1 pages").arg(count);
}

void PageRun::Run(const std::vector<ItemRecord>& records, const PageInputs& inputs,
                  const PagePictures& pictures, std::vector<int> skippedRows,
                  const PageNamed& pageNamed) {
    std::sort(skippedRows.begin(), skippedRows.end());
    RefuseReplacingTheCatalogue(records, inputs, pictures, skippedRows);
    WritePages(records, inputs, skippedRows, pageNamed);
    // The pages' files, and the descriptors they held, are all closed by now: a run with few
    // descriptors to spare has them for the pictures.
    pictures.CopyPagePictures(inputs.outputFolder);
}

void PageRun::WritePages(const std::vector<ItemRecord>& records, const PageInputs& inputs,
                         const std::vector<int>& skippedRows, const PageNamed& pageNamed) {
    const FolderWriter folder(inputs.outputFolder);
    // Hidden files that killed runs left in the folder go first.
    folder.ClearLeftovers();

    // Pages are built into one batch while the other is written. The batches are made before
    // the writer so that they outlive it: it may still touch the last one when it goes.
    struct Batch {
        std::vector<BackgroundFileWriter::File> files;
        std::vector<int> rows;
        size_t count = 0;
    };
    Batch batches[2];
    BackgroundFileWriter files(folder);
    const size_t batchSize = files.BatchSize();
    for (Batch& batch : batches) {
        batch.files.resize(batchSize);
        batch.rows.resize(batchSize);
    }
    Batch* building = &batches[0];
    Batch* writing = nullptr;

    const auto finishWriting = [&] {
        if (!writing)
            return;
        Batch& batch = *writing;
        writing = nullptr;
        std::optional<LotcraftError> failure;
        int row = 0;
        size_t written = 0;
        try {
            written = files.Finish(failure, [&](size_t k) {
                row = batch.rows[k];
                pageNamed(row, FolderWriter::PathIn(inputs.outputFolder, batch.files[k].name));
            });
        } catch (const LotcraftError& error) {
            throw AtRow(error, row);
        }
        if (failure)
            throw AtRow(*failure, batch.rows[written]);
    };
    const auto startBuilt = [&] {
        if (building->count == 0)
            return;
        files.Start(building->files, building->count);
        writing = building;
        building = building == &batches[0] ? &batches[1] : &batches[0];
        building->count = 0;
    };
    const auto writeTheRest = [&] {
        finishWriting();
        startBuilt();
        finishWriting();
    };

    for (size_t index = 0; index < records.size(); ++index) {
        const int row = int(index) + 1;
        if (std::binary_search(skippedRows.begin(), skippedRows.end(), row))
            continue;
        const ItemRecord& record = records[index];
        BackgroundFileWriter::File& file = building->files[building->count];
        try {
            file.bytes = PageBuilder::Build(record, inputs);
        } catch (const LotcraftError& error) {
            // Every row before the failing one is written and told first.
            writeTheRest();
            throw AtRow(error, row);
        }
        file.name = PageName::FileName(record.Field(ItemRecord::ItemNumber));
        building->rows[building->count] = row;
        if (++building->count == batchSize) {
            finishWriting();
            startBuilt();
        }
    }
    writeTheRest();
}
