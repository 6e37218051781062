// SPDX-License-Identifier: GPL-3.0-or-later
// Times loading a catalogue's records into the window's grid, and the memory the loaded grid
// takes: the best of several loads, in milliseconds, and the resident memory the grid keeps
// once the records it was loaded from are gone, in MiB.
//   grid-load-bench FILE [REPEATS]

#include "BestOf.h"

#include "catalogue/CatalogueReader.h"
#include "editing/Grid.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <unistd.h>
#include <cstdio>
#include <memory>

namespace {

double ResidentMiB() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / 1048576.0 : 0;
}

bool Failed(const CatalogueReader::Result& result) {
    if (!result.failure)
        return false;
    std::fprintf(stderr, "%s\n", result.failure->what());
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: grid-load-bench FILE [REPEATS]\n");
        return 2;
    }
    const int repeats = arguments.size() > 2 ? arguments[2].toInt() : 5;

    // Memory: the grid alone holds the texts once the records read are dropped.
    const double before = ResidentMiB();
    auto kept = std::make_unique<Grid>();
    {
        const CatalogueReader::Result result = CatalogueReader::Read(arguments[1]);
        if (Failed(result))
            return 1;
        kept->AppendRecords(result.records);
    }
    const double memory = ResidentMiB() - before;
    const int records = kept->ItemCount();
    kept.reset();

    const CatalogueReader::Result result = CatalogueReader::Read(arguments[1]);
    if (Failed(result))
        return 1;
    std::unique_ptr<Grid> grid;
    const double best = BestOf(
        repeats, [&] { grid->AppendRecords(result.records); },
        [&] {
            grid.reset();
            grid = std::make_unique<Grid>();
        });
    std::printf("%d records into the grid, best of %d: %.1f ms, %.1f MiB\n", records, repeats, best,
                memory);
    return 0;
}
