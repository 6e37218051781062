// Times the catalogue reader on one file: the best of several reads, in milliseconds.
//   catalogue-read-bench FILE [REPEATS]

#include "catalogue/CatalogueReader.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: catalogue-read-bench FILE [REPEATS]\n");
        return 2;
    }
    const int repeats = arguments.size() > 2 ? arguments[2].toInt() : 5;
    double best = -1;
    size_t records = 0;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        const CatalogueReader::Result result = CatalogueReader::Read(arguments[1]);
        const double ms = timer.nsecsElapsed() / 1e6;
        if (result.failure) {
            std::fprintf(stderr, "%s\n", result.failure->what());
            return 1;
        }
        records = result.records.size();
        if (best < 0 || ms < best)
            best = ms;
    }
    std::printf("%zu records, best of %d: %.1f ms\n", records, repeats, best);
    return 0;
}
