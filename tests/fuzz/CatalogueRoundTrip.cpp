// SPDX-License-Identifier: GPL-3.0-or-later
#include "CatalogueRoundTrip.h"

#include "catalogue/CatalogueReader.h"
#include "catalogue/CatalogueWriter.h"

#include <QBuffer>

#include <sys/mman.h>
#include <unistd.h>

namespace {

QString Describe(const CatalogueReader::Result& result) {
    return QStringLiteral(
               "%1 records, %4 in the file, shifted from %5, failure \"%2\", notices "
               "\"%3\"")
        .arg(result.records.size())
        .arg(result.failure ? result.failure->Reason() : QString())
        .arg(result.notices.join(QLatin1Char(' ')))
        .arg(result.itemsInFile)
        .arg(result.shiftedFrom);
}

bool Same(const CatalogueReader::Result& a, const CatalogueReader::Result& b) {
    return a.records == b.records && a.failure.has_value() == b.failure.has_value() &&
           (!a.failure || a.failure->Message() == b.failure->Message()) && a.notices == b.notices &&
           a.itemsInFile == b.itemsInFile && a.shiftedFrom == b.shiftedFrom;
}

// The bytes as a file in memory, read through its descriptor in blocks of a few bytes, so
// that fields, quotes and line ends fall across the ends of blocks.
QString CompareWithFileReading(const QByteArray& bytes, const CatalogueReader::Result& expected,
                               const QString& name) {
    const int descriptor = memfd_create("catalogue", MFD_CLOEXEC);
    if (descriptor < 0)
        return QStringLiteral("no file in memory can be made");
    const bool written =
        ::write(descriptor, bytes.constData(), size_t(bytes.size())) == ssize_t(bytes.size()) &&
        ::lseek(descriptor, 0, SEEK_SET) == 0;
    const qsizetype blockSize = 1 + (bytes.isEmpty() ? 0 : static_cast<uchar>(bytes[0]) % 13);
    const CatalogueReader::Result fromFile =
        written ? CatalogueReader::ReadDescriptor(descriptor, name, blockSize)
                : CatalogueReader::Result();
    ::close(descriptor);
    if (!written)
        return QStringLiteral("the file in memory cannot be written");
    if (!Same(fromFile, expected))
        return QStringLiteral("read in blocks of %1 bytes: %2; from memory: %3")
            .arg(blockSize)
            .arg(Describe(fromFile), Describe(expected));
    return QString();
}

}  // namespace

QString CheckCatalogueRoundTrip(const QByteArray& bytes) {
    const QString name = QStringLiteral("input.csv");
    const CatalogueReader::Result first = CatalogueReader::ReadBytes(bytes, name);
    if (first.records.size() > size_t(ItemRecord::MaxItems))
        return QStringLiteral("more records than a catalogue may hold");
    if (first.failure && first.failure->Reason().isEmpty())
        return QStringLiteral("a failure without a reason");
    if (first.itemsInFile < qint64(first.records.size()) ||
        (first.Complete() && first.itemsInFile != qint64(first.records.size())))
        return QStringLiteral("%1 items in the file, %2 records read")
            .arg(first.itemsInFile)
            .arg(first.records.size());
    if (first.shiftedFrom < 0 || size_t(first.shiftedFrom) > first.records.size() ||
        (first.shiftedFrom > 0) != first.notices.join(QString()).contains(QLatin1String("shifted")))
        return QStringLiteral("shifted from record %1 of %2 without its notice")
            .arg(first.shiftedFrom)
            .arg(first.records.size());
    if (const QString problem = CompareWithFileReading(bytes, first, name); !problem.isEmpty())
        return problem;

    QByteArray written;
    QBuffer buffer(&written);
    buffer.open(QIODevice::WriteOnly);
    CatalogueWriter::Write(buffer, first.columns, first.records, name);
    const CatalogueReader::Result second = CatalogueReader::ReadBytes(written, name);
    if (second.failure)
        return QStringLiteral("what was written does not read back: ") + second.failure->Reason();
    // A heading is told of on reading; nothing else may be.
    if (second.notices.size() != (second.columns.HasHeading() ? 1 : 0))
        return QStringLiteral("what was written reads back with a notice: ") +
               second.notices.join(QLatin1Char(' '));
    if (first.columns.HasHeading() && second.columns.ExtraNames() != first.columns.ExtraNames())
        return QStringLiteral("the kept columns changed on the way back");
    if (second.records.size() != first.records.size())
        return QStringLiteral("%1 records written, %2 read back")
            .arg(first.records.size())
            .arg(second.records.size());
    for (size_t n = 0; n < first.records.size(); ++n) {
        if (second.records[n] != first.records[n])
            return QStringLiteral("record %1 changed on the way back").arg(n + 1);
    }
    return QString();
}
