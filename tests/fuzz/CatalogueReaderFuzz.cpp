// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes read as a catalogue must neither crash nor break the round
// trip through the writer.

#include "CatalogueRoundTrip.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString problem = CheckCatalogueRoundTrip(bytes);
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "catalogue round trip: %s\n", qPrintable(problem));
        std::abort();
    }
    return 0;
}
