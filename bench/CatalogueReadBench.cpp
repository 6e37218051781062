// Times the catalogue reader on one file: the best of several reads, in milliseconds. Then,
// as a floor, the best time to build the same records from strings of the same lengths
// already in memory: what one text string for each field costs without any reading. And
// below that, the best time to get as much new memory from the system as those strings'
// characters take (two bytes each) and write to each of its pages once: the least any
// reading into text strings pays here, whatever it does.
// With --finding, the reading alone, with the fields found on a thread of their own and on
// the caller's, in alternating rounds of the same process.
//   catalogue-read-bench FILE [REPEATS]
//   catalogue-read-bench --new-memory CHARACTERS [REPEATS]
//   catalogue-read-bench --finding FILE [ROUNDS]

#include "BestOf.h"

#include "catalogue/CatalogueReader.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <fcntl.h>
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

// One reading of the file as CatalogueReader::Read does it once the file is open, with the
// fields found where `finding` says; in milliseconds, or -1 on a failure.
double ReadOnce(const QString& name, CatalogueReader::Finding finding) {
    const int descriptor = ::open(QFile::encodeName(name).constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        return -1;
    QElapsedTimer timer;
    timer.start();
    CatalogueReader::Result result =
        CatalogueReader::ReadDescriptor(descriptor, name, CatalogueReader::BlockSize, finding);
    const double ms = timer.nsecsElapsed() / 1e6;
    ::close(descriptor);
    return result.failure ? -1 : ms;
}

int CompareFinding(const QString& name, int rounds) {
    using Finding = CatalogueReader::Finding;
    double own = -1, callers = -1;
    std::printf("round: own thread ms, caller's thread ms\n");
    for (int round = 0; round < rounds; ++round) {
        // Which goes first alternates, so that neither always follows the other's freeing.
        double a = -1, b = -1;
        if (round % 2 == 0) {
            a = ReadOnce(name, Finding::OnOwnThread);
            b = ReadOnce(name, Finding::OnCallersThread);
        } else {
            b = ReadOnce(name, Finding::OnCallersThread);
            a = ReadOnce(name, Finding::OnOwnThread);
        }
        if (a < 0 || b < 0) {
            std::fprintf(stderr, "%s cannot be read\n", qPrintable(name));
            return 1;
        }
        std::printf("%d: %.1f, %.1f\n", round + 1, a, b);
        own = own < 0 ? a : std::min(own, a);
        callers = callers < 0 ? b : std::min(callers, b);
    }
    std::printf("best of %d: own thread %.1f ms, caller's thread %.1f ms, ratio %.3f\n", rounds,
                own, callers, own / callers);
    return 0;
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
    if (arguments[1] == QLatin1String("--finding") && arguments.size() > 2)
        return CompareFinding(arguments[2], arguments.size() > 3 ? arguments[3].toInt() : 9);
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
