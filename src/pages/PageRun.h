// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>
#include <vector>

class ItemRecord;
class PagePictures;
struct PageInputs;

// Writes the pages of a catalogue into the output folder, one a row in row order, then copies
// the page pictures beside them; the window's HTMLS and lotcraft-pages both run it and each
// only shows what it tells.
//
// Pages are built on the caller's thread a batch at a time and written on others while the
// next batch is built; they get their names in row order on the caller's thread, so the
// pages that exist after a failure are exactly those of the rows before it.
class PageRun {
public:
    // Told on the caller's thread each time a row's page has its name: the row (1 for the
    // first record) and the page's path. It may throw LotcraftError to end the run there.
    using PageNamed = std::function<void(int row, const QString& pagePath)>;

    // Writes the page of every record but those of skippedRows (rows whose pages the
    // catalogue check found would be lost or wrong), then copies the pictures. A failure
    // throws LotcraftError naming the row (none for the pictures), the file and the reason;
    // the pages named before it stay, and the pictures are not copied when a row failed.
    // A page or picture that would replace the catalogue (PageInputs::catalogueNames) is
    // refused before anything is written.
    static void Run(const std::vector<ItemRecord>& records, const PageInputs& inputs,
                    const PagePictures& pictures, std::vector<int> skippedRows,
                    const PageNamed& pageNamed);

    // "1 page", "2 pages": a count of pages as the programs tell it.
    static QString PagesText(qint64 count);

private:
    static void WritePages(const std::vector<ItemRecord>& records, const PageInputs& inputs,
                           const std::vector<int>& skippedRows, const PageNamed& pageNamed);
};
