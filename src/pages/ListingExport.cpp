// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/ListingExport.h"

#include "app/DeviceWriter.h"
#include "app/LotcraftError.h"
#include "catalogue/CatalogueWriter.h"
#include "catalogue/ItemRecord.h"
#include "pages/ListingOptions.h"
#include "pages/ListingValues.h"
#include "pages/PageBuilder.h"
#include "pages/PageInputs.h"

#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace {

// The file is written in pieces of about this many bytes.
constexpr qsizetype kChunk = 1 << 20;

void AppendLine(QByteArray& out, const QStringList& values) {
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (i > 0)
            out += ',';
        CatalogueWriter::AppendField(out, values[i]);
    }
    out += "\r\n";
}

void Fail(QSaveFile& file, const QString& path, const QString& reason) {
    file.cancelWriting();
    throw LotcraftError(QStringLiteral("the listing file cannot be written: %1; no file has "
                                       "been written, and a file that was there is unchanged")
                            .arg(reason),
                        path);
}

}  // namespace

QStringList ListingExport::Headings(const ListingOptions& options) {
    QStringList headings = {
        ActionHeading(),
        QStringLiteral("CustomLabel"),
        QStringLiteral("*Category"),
        QStringLiteral("*Title"),
        QStringLiteral("*ConditionID"),
        QStringLiteral("PicURL"),
        QStringLiteral("*Description"),
        QStringLiteral("*Format"),
        QStringLiteral("*Duration"),
        QStringLiteral("*StartPrice"),
        QStringLiteral("BuyItNowPrice"),
        QStringLiteral("*Quantity"),
        QStringLiteral("*Location"),
        QStringLiteral("*DispatchTimeMax"),
        QStringLiteral("ScheduleTime"),
    };
    if (options.UsesProfiles())
        headings << QStringLiteral("ShippingProfileName") << QStringLiteral("ReturnProfileName")
                 << QStringLiteral("PaymentProfileName");
    else
        headings << QStringLiteral("*ReturnsAcceptedOption");
    return headings;
}

QStringList ListingExport::Values(const ItemRecord& record, const PageInputs& inputs,
                                  const ListingOptions& options, const QDateTime& now) {
    // Each time is read once, for the duration and the scheduled start.
    const QDateTime startTime = ListingValues::TimeOf(record.Field(ItemRecord::StartTime));
    const int duration = ListingValues::DurationBetween(
        startTime, ListingValues::TimeOf(record.Field(ItemRecord::EndTime)));
    const std::optional<QString> firstBid =
        ListingValues::Amount(record.Field(ItemRecord::FirstBid));
    const std::optional<QString> price = ListingValues::Amount(record.Field(ItemRecord::Price));
    // A Buy It Now price is only taken above the auction's start price.
    const bool buyItNow = price && firstBid && ListingValues::Compare(*price, *firstBid) > 0;
    QStringList values = {
        QStringLiteral("Add"),
        record.Field(ItemRecord::ItemNumber),
        record.Field(ItemRecord::Category).trimmed(),
        record.Field(ItemRecord::Title),
        options.conditionId,
        record.Field(ItemRecord::ImageAddress).trimmed(),
        PageBuilder::DescriptionSection(record, inputs),
        QStringLiteral("Auction"),
        duration > 0 ? QString::number(duration) : QString(),
        firstBid.value_or(QString()),
        buyItNow ? *price : QString(),
        QStringLiteral("1"),
        inputs.seller.location,
        QString::number(options.dispatchDays),
        ListingValues::ScheduleTime(startTime, now),
    };
    if (options.UsesProfiles())
        values << options.shippingProfile.trimmed() << options.returnProfile.trimmed()
               << options.paymentProfile.trimmed();
    else
        values << (options.returnsAccepted ? QStringLiteral("ReturnsAccepted")
                                           : QStringLiteral("ReturnsNotAccepted"));
    return values;
}

bool ListingExport::WouldReplace(const QString& path, const QString& cataloguePath) {
    if (cataloguePath.isEmpty())
        return false;
    const QFileInfo listing(path);
    const QFileInfo catalogue(cataloguePath);
    if (listing.absoluteFilePath() == catalogue.absoluteFilePath())
        return true;
    // The file is replaced where a link leads, so a link to the catalogue is the catalogue.
    return listing.exists() && catalogue.exists() &&
           listing.canonicalFilePath() == catalogue.canonicalFilePath();
}

QByteArray ListingExport::Line(const QStringList& values) {
    QByteArray line;
    AppendLine(line, values);
    return line;
}

qint64 ListingExport::Write(const QString& path, const std::vector<ItemRecord>& records,
                            const std::vector<int>& rowsLeftOut, const PageInputs& inputs,
                            const ListingOptions& options, const QDateTime& now) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        Fail(file, path, file.errorString());
    // One buffer for the whole file, emptied after each write without giving up its memory.
    QByteArray chunk;
    chunk.reserve(kChunk + kChunk / 2);
    AppendLine(chunk, Headings(options));
    qint64 written = 0;
    auto leftOut = rowsLeftOut.begin();
    for (size_t index = 0; index < records.size(); ++index) {
        const int row = int(index) + 1;
        leftOut = std::lower_bound(leftOut, rowsLeftOut.end(), row);
        if (leftOut != rowsLeftOut.end() && *leftOut == row)
            continue;
        AppendLine(chunk, Values(records[index], inputs, options, now));
        ++written;
        if (chunk.size() >= kChunk) {
            if (const QString why = DeviceWriter::WriteAll(file, chunk); !why.isEmpty())
                Fail(file, path, why);
            chunk.resize(0);
        }
    }
    if (const QString why = DeviceWriter::WriteAll(file, chunk); !why.isEmpty())
        Fail(file, path, why);
    if (!file.commit())
        Fail(file, path, file.errorString());
    return written;
}
