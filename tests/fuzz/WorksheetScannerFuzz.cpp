// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes, scanned as a workbook's worksheet part and as its shared
// strings part, end in a result, with cells whose columns are references or none, rows whose
// numbers are never negative, and no more strings than the limit lets through.

#include "catalogue/WorksheetScanner.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    WorksheetScanner::Handlers handlers;
    qint64 cells = 0;
    handlers.rowStart = [](qint64 number) {
        if (number < 0)
            std::abort();
        return true;
    };
    handlers.cell = [&cells](const WorksheetScanner::Cell& cell) {
        if (cell.column < -1 || cell.style < 0)
            std::abort();
        // A handler that stops the scan is obeyed.
        return ++cells < 1000;
    };
    handlers.rowEnd = [] { return true; };
    const WorksheetScanner::Result result = WorksheetScanner::Scan(bytes, handlers);
    if (cells >= 1000 && result != WorksheetScanner::Result::Stopped)
        std::abort();
    constexpr qint64 kMost = 100;
    std::vector<QString> strings;
    if (WorksheetScanner::ScanSharedStrings(bytes, strings, kMost) !=
            WorksheetScanner::Result::Stopped &&
        qint64(strings.size()) > kMost)
        std::abort();
    return 0;
}
