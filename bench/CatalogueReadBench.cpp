// SPDX-License-Identifier: GPL-3.0-or-later
// Times the catalogue reader on one file: the best of several reads, in milliseconds. Then,
// as a floor, the best time to build the same records from strings of the same lengths
// already in memory: what one text string for each field costs without any reading. And
// below that, the best time to get as much new memory from the system as those strings'
// characters take (two bytes each) and write to each of its pages once: the least any
// reading into text strings pays here, whatever it does.
//   catalogue-read-bench FILE [REPEATS]
//   catalogue-read-bench --new-memory CHARACTERS [REPEATS]

#include "BestOf.h"

#include "catalogue/CatalogueReader.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <sys/mman.h>
#include <unistd.h>

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

// Gets `bytes` of new memory and writes one byte in each of its pages, the way new strings
// first touch their memory; the memory is given back outside the time.
double NewMemoryMilliseconds(size_t bytes, int repeats) {
    const size_t page = size_t(::sysconf(_SC_PAGESIZE));
    char* memory = nullptr;
    const auto giveBack = [&] {
        if (memory)
            ::munmap(memory, bytes);
        memory = nullptr;
    };
    const double best = BestOf(
        repeats,
        [&] {
            memory = static_cast<char*>(
                ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
            if (memory == MAP_FAILED) {
                std::perror("mmap");
                std::exit(1);
            }
            for (size_t at = 0; at < bytes; at += page)
                memory[at] = 1;
        },
        giveBack);
    giveBack();
    return best;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2) {
        std::fprintf(stderr,
                     "usage: catalogue-read-bench FILE [REPEATS]\n"
                     "       catalogue-read-bench --new-memory CHARACTERS [REPEATS]\n");
        return 2;
    }
    // Apart, so that the memory taken does not count in the reading's peak.
    if (arguments[1] == QLatin1String("--new-memory")) {
        const size_t characters = arguments.size() > 2 ? arguments[2].toULongLong() : 0;
        const int times = arguments.size() > 3 ? arguments[3].toInt() : 5;
        std::printf("new memory, best of %d: %.1f ms\n", times,
                    NewMemoryMilliseconds(characters * sizeof(char16_t), times));
        return 0;
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
    size_t characters = 0;
    for (const qsizetype length : lengths)
        characters += size_t(length);
    std::printf("%zu records, best of %d: %.1f ms; floor: %.1f ms; characters: %zu\n", records,
                repeats, best, floor, characters);
    return 0;
}
