// SPDX-License-Identifier: GPL-3.0-or-later
// Times the catalogue check on one file, with the file's folder as the output folder: the
// best of several checks, in milliseconds, against reading the same file in the same
// process. Then the same records once more with a finding on every row (every other item
// number repeated, every picture on http://), which is where the check writes most.
//   catalogue-check-bench FILE [REPEATS]

#include "BestOf.h"

#include "catalogue/CatalogueReader.h"
#include "catalogue/ItemRecord.h"
#include "pages/CatalogueCheck.h"
#include "pages/SellerTexts.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>

#include <cstdio>
#include <functional>

namespace {}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: catalogue-check-bench FILE [REPEATS]\n");
        return 2;
    }
    const int repeats = arguments.size() > 2 ? arguments[2].toInt() : 5;
    CatalogueReader::Result read;
    const double reading = BestOf(repeats, [&] { read = CatalogueReader::Read(arguments[1]); });
    if (read.failure) {
        std::fprintf(stderr, "%s\n", read.failure->what());
        return 1;
    }
    const SellerTexts host = {QStringLiteral("seller@example.com"), QStringLiteral("Leeds"),
                              QStringLiteral("United Kingdom")};
    const QString folder = QFileInfo(arguments[1]).absolutePath();
    size_t findings = 0;
    const double checking =
        BestOf(repeats, [&] { findings = CatalogueCheck::Run(read.records, host, folder).size(); });

    std::vector<ItemRecord> faulty = read.records;
    for (size_t row = 0; row < faulty.size(); ++row) {
        faulty[row].SetField(ItemRecord::ItemNumber,
                             read.records[row / 2].Field(ItemRecord::ItemNumber));
        faulty[row].SetField(ItemRecord::ImageAddress,
                             QStringLiteral("http://example.com/%1.jpg").arg(row));
    }
    size_t faultyFindings = 0;
    const double checkingFaulty =
        BestOf(repeats, [&] { faultyFindings = CatalogueCheck::Run(faulty, host, folder).size(); });

    std::printf(
        "%zu records, best of %d: check %.1f ms, %zu findings; with a finding on every "
        "row %.1f ms, %zu findings; reading %.1f ms\n",
        read.records.size(), repeats, checking, findings, checkingFaulty, faultyFindings, reading);
    return 0;
}
