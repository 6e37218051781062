// Times the catalogue reader on one file: the best of several reads, in milliseconds. Then,
// as a floor, the best time to build the same records from strings of the same lengths
// already in memory: what one text string for each field costs without any reading.
//   catalogue-read-bench FILE [REPEATS]

#include "BestOf.h"

#include "catalogue/CatalogueReader.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>

namespace {

// The length of every field, in file order.
std::vector<qsizetype> FieldLengths(const std::vector<ItemRecord>& records) {
    std::vector<qsizetype> lengths;
    for (const ItemRecord& record : records) {
        for (int position = 1; position <= ItemRecord::FieldCount; ++position)
            lengths.push_back(record.Field(position).size());
    }
    return lengths;
}

double FloorMilliseconds(const std::vector<qsizetype>& lengths, int repeats) {
    const QByteArray source(1 << 20, 'x');
    // The records of a run are freed before the next, outside its time.
    std::vector<ItemRecord> records;
    return BestOf(
        repeats,
        [&] {
            records.reserve(lengths.size() / ItemRecord::FieldCount);
            size_t next = 0;
            while (next < lengths.size()) {
                ItemRecord record;
                for (int position = 1; position <= ItemRecord::FieldCount; ++position) {
                    const qsizetype length = std::min(lengths[next++], source.size());
                    record.SetField(position, QString::fromLatin1(source.constData(), length));
                }
                records.push_back(std::move(record));
            }
        },
        [&] { std::vector<ItemRecord>().swap(records); });
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: catalogue-read-bench FILE [REPEATS]\n");
        return 2;
    }
    const int repeats = arguments.size() > 2 ? arguments[2].toInt() : 5;
    CatalogueReader::Result result;
    const double best = BestOf(
        repeats, [&] { result = CatalogueReader::Read(arguments[1]); },
        [&] { result = CatalogueReader::Result(); });
    if (result.failure) {
        std::fprintf(stderr, "%s\n", result.failure->what());
        return 1;
    }
    const size_t records = result.records.size();
    const std::vector<qsizetype> lengths = FieldLengths(result.records);
    result = CatalogueReader::Result();
    const double floor = FloorMilliseconds(lengths, repeats);
    std::printf("%zu records, best of %d: %.1f ms; floor: %.1f ms\n", records, repeats, best,
                floor);
    return 0;
}
