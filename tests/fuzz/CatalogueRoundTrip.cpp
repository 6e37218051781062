#include "CatalogueRoundTrip.h"

#include "catalogue/CatalogueReader.h"
#include "catalogue/CatalogueWriter.h"

QString CheckCatalogueRoundTrip(const QByteArray& bytes) {
    const QString name = QStringLiteral("input.csv");
    const CatalogueReader::Result first = CatalogueReader::ReadBytes(bytes, name);
    if (first.records.size() > size_t(CatalogueReader::MaxRecords))
        return QStringLiteral("more records than a catalogue may hold");
    if (first.failure && first.failure->Reason().isEmpty())
        return QStringLiteral("a failure without a reason");

    QByteArray written;
    for (const ItemRecord& record : first.records)
        written += CatalogueWriter::Line(record);
    const CatalogueReader::Result second = CatalogueReader::ReadBytes(written, name);
    if (second.failure)
        return QStringLiteral("what was written does not read back: ") + second.failure->Reason();
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
