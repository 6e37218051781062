// SPDX-License-Identifier: GPL-3.0-or-later
#include "listings/ListingExport.h"

#include "app/FolderWriter.h"
#include "app/LotcraftError.h"
#include "catalogue/CatalogueWriter.h"
#include "catalogue/ItemRecord.h"
#include "listings/ListingColumns.h"
#include "listings/ListingOptions.h"
#include "listings/ListingSite.h"
#include "listings/ListingValues.h"
#include "pages/PageBuilder.h"
#include "pages/PageInputs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringBuilder>

#include <algorithm>

namespace {

// The file is written in pieces of about this many bytes.
constexpr qsizetype kChunk = 1 << 20;
// No export runs for as long as this.
constexpr qint64 kTemporaryAgeSeconds = 60 * 60;
// What every listing file starts with.
const QByteArray kFileStart = QByteArrayLiteral("*Action(");

void AppendLine(QByteArray& out, const QStringList& values) {
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (i > 0)
            out += ',';
        CatalogueWriter::AppendField(out, values[i]);
    }
    out += "\r\n";
}

// What an export's failure says, whatever failed: the file writer's reason, which names the
// listing file, and what is left.
[[noreturn]] void Fail(const QString& path, const LotcraftError& error) {
    throw LotcraftError(
        error.Reason() % QCoreApplication::translate("ListingExport",
                                                     "; no listing has been written, and a file "
                                                     "that was there is unchanged"),
        path);
}

// The temporaries that exports of earlier versions, killed while they wrote, left beside
// the listing file: "NAME.XXXXXX" as Qt names a save's temporary (six letters of both
// cases), holding the start of a listing file, untouched for longer than any export runs.
// Nothing else is taken for one: "NAME.backup" is the seller's.
void ClearEarlierTemporaries(const QFileInfo& listing) {
    const QDir folder = listing.dir();
    const QRegularExpression temporary(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(listing.fileName()) +
        QStringLiteral("\\.(?=[A-Za-z]*[A-Z])(?=[A-Za-z]*[a-z])[A-Za-z]{6}")));
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-kTemporaryAgeSeconds);
    for (const QFileInfo& file :
         folder.entryInfoList({listing.fileName() + QStringLiteral(".??????")},
                              QDir::Files | QDir::Hidden | QDir::NoSymLinks)) {
        if (!temporary.match(file.fileName()).hasMatch() || file.lastModified().toUTC() > before)
            continue;
        QFile bytes(file.filePath());
        if (bytes.open(QIODevice::ReadOnly) && bytes.read(kFileStart.size()) == kFileStart)
            QFile::remove(file.filePath());
    }
}

}  // namespace

QStringList ListingExport::Headings(const ListingOptions& options,
                                    const CatalogueColumns& columns) {
    return Headings(options, ListingColumns(columns));
}

QStringList ListingExport::Headings(const ListingOptions& options, const ListingColumns& columns) {
    using Column = ListingColumns::Column;
    QStringList headings = {options.Site().ActionHeading(), QStringLiteral("CustomLabel"),
                            QStringLiteral("*Category")};
    if (columns.Has(Column::StoreCategory))
        headings << ListingColumns::Heading(Column::StoreCategory);
    headings << QStringLiteral("*Title") << ListingColumns::Heading(Column::ConditionId);
    if (columns.Has(Column::ConditionDescription))
        headings << ListingColumns::Heading(Column::ConditionDescription);
    headings << QStringLiteral("PicURL") << QStringLiteral("*Description")
             << QStringLiteral("*Format") << QStringLiteral("*Duration")
             << QStringLiteral("*StartPrice") << QStringLiteral("BuyItNowPrice")
             << QStringLiteral("*Quantity") << QStringLiteral("*Location");
    if (!options.postalCode.trimmed().isEmpty() || columns.Has(Column::PostalCode))
        headings << QStringLiteral("PostalCode");
    headings << QStringLiteral("*DispatchTimeMax") << QStringLiteral("ScheduleTime");
    if (options.UsesProfiles()) {
        headings << QStringLiteral("ShippingProfileName") << QStringLiteral("ReturnProfileName")
                 << QStringLiteral("PaymentProfileName");
    } else {
        headings << QStringLiteral("*ReturnsAcceptedOption");
        if (options.returnsAccepted)
            headings << QStringLiteral("ReturnsWithinOption")
                     << QStringLiteral("ShippingCostPaidByOption");
        headings << QStringLiteral("ShippingType") << QStringLiteral("ShippingService-1:Option")
                 << QStringLiteral("ShippingService-1:Cost");
    }
    for (const ListingColumns::Specific& specific : columns.Specifics())
        headings << specific.heading;
    return headings;
}

QStringList ListingExport::Values(const ItemRecord& record, const PageInputs& inputs,
                                  const ListingOptions& options, const CatalogueColumns& columns,
                                  const QDateTime& now) {
    return Values(record, inputs, options, ListingColumns(columns), now);
}

QStringList ListingExport::Values(const ItemRecord& record, const PageInputs& inputs,
                                  const ListingOptions& options, const ListingColumns& columns,
                                  const QDateTime& now) {
    using Column = ListingColumns::Column;
    const ListingSite& site = options.Site();
    // A row's own value stands over the one every listing shares.
    const auto own = [&](Column column, const QString& shared) {
        const QString value = columns.Value(record, column);
        return value.isEmpty() ? shared.trimmed() : value;
    };
    const bool fixedPrice = columns.FormatOf(record) == ListingColumns::Format::FixedPrice;
    // Each time is read once, for the duration and the scheduled start.
    const QDateTime startTime = ListingValues::TimeOf(record.Field(ItemRecord::StartTime));
    QString duration = columns.Value(record, Column::Duration);
    if (duration.compare(QLatin1String(ListingValues::UntilCancelled), Qt::CaseInsensitive) == 0 ||
        (duration.isEmpty() && fixedPrice)) {
        duration = QLatin1String(ListingValues::UntilCancelled);
    } else if (duration.isEmpty()) {
        const int days = ListingValues::DurationBetween(
            startTime, ListingValues::TimeOf(record.Field(ItemRecord::EndTime)));
        duration = days > 0 ? QString::number(days) : QString();
    }
    const std::optional<QString> firstBid =
        ListingValues::ReadAmount(record.Field(ItemRecord::FirstBid), site).plain;
    // The row's own Buy It Now price stands in for its price beside an auction's start.
    const QString givenBuyItNow = columns.Value(record, Column::BuyItNowPrice);
    const std::optional<QString> price =
        ListingValues::ReadAmount(
            fixedPrice || givenBuyItNow.isEmpty() ? record.Field(ItemRecord::Price) : givenBuyItNow,
            site)
            .plain;
    QString startPrice;
    QString buyItNow;
    if (fixedPrice) {
        // A fixed price listing sells at its price; it has no bids to start.
        startPrice = price.value_or(QString());
    } else {
        startPrice = firstBid.value_or(QString());
        // A Buy It Now price is taken only well above the auction's start price; the check
        // has kept out amounts eBay would not take.
        if (price && firstBid && ListingValues::IsPositive(*firstBid) &&
            ListingValues::AmountProblem(*price).isEmpty() &&
            ListingValues::TakesBuyItNow(*price, *firstBid))
            buyItNow = *price;
    }
    QStringList values = {QStringLiteral("Add"), record.Field(ItemRecord::ItemNumber),
                          record.Field(ItemRecord::Category).trimmed()};
    if (columns.Has(Column::StoreCategory))
        values << columns.Value(record, Column::StoreCategory);
    values << record.Field(ItemRecord::Title) << own(Column::ConditionId, options.conditionId);
    if (columns.Has(Column::ConditionDescription))
        values << columns.Value(record, Column::ConditionDescription);
    values << columns.Pictures(record).join(QLatin1Char('|'))
           << PageBuilder::DescriptionSection(record, inputs)
           << ListingColumns::Name(fixedPrice ? ListingColumns::Format::FixedPrice
                                              : ListingColumns::Format::Auction)
           << duration << startPrice << buyItNow << own(Column::Quantity, QStringLiteral("1"))
           << inputs.seller.location;
    if (!options.postalCode.trimmed().isEmpty() || columns.Has(Column::PostalCode))
        values << own(Column::PostalCode, options.postalCode);
    values << QString::number(options.dispatchDays) << ListingValues::ScheduleTime(startTime, now);
    if (options.UsesProfiles()) {
        values << own(Column::ShippingProfile, options.shippingProfile)
               << own(Column::ReturnProfile, options.returnProfile)
               << own(Column::PaymentProfile, options.paymentProfile);
    } else {
        values << (options.returnsAccepted ? QStringLiteral("ReturnsAccepted")
                                           : QStringLiteral("ReturnsNotAccepted"));
        if (options.returnsAccepted)
            values << QStringLiteral("Days_%1").arg(options.returnsWithinDays)
                   << (options.buyerPaysReturn ? QStringLiteral("Buyer")
                                               : QStringLiteral("Seller"));
        const QString cost = columns.Value(record, Column::ShippingCost);
        values << QStringLiteral("Flat") << own(Column::ShippingService, options.shippingService)
               << (cost.isEmpty() ? options.ShippingCost()
                                  : ListingValues::PlainAmount(cost, site));
    }
    for (const ListingColumns::Specific& specific : columns.Specifics())
        values << ListingColumns::Value(record, specific);
    return values;
}

QByteArray ListingExport::Line(const QStringList& values) {
    QByteArray line;
    AppendLine(line, values);
    return line;
}

qint64 ListingExport::Write(const QString& path, const std::vector<ItemRecord>& records,
                            const std::vector<int>& rowsLeftOut, const PageInputs& inputs,
                            const ListingOptions& options, const CatalogueColumns& catalogueColumns,
                            const QDateTime& now) {
    const ListingColumns columns(catalogueColumns);
    // A link is written through, as the seller's own file manager would.
    const QFileInfo given(path);
    const QFileInfo listing(given.isSymLink() && given.exists() ? given.canonicalFilePath()
                                                                : given.absoluteFilePath());
    const FolderWriter folder(listing.absolutePath());
    folder.ClearLeftovers();
    ClearEarlierTemporaries(listing);
    const QString what = QCoreApplication::translate("ListingExport", "the listing file");
    FolderWriter::Pending file;
    try {
        file = folder.Begin(listing.fileName(), what);
        // One buffer for the whole file, emptied after each write without giving up its
        // memory.
        QByteArray chunk;
        chunk.reserve(kChunk + kChunk / 2);
        AppendLine(chunk, Headings(options, columns));
        qint64 written = 0;
        auto leftOut = rowsLeftOut.begin();
        for (size_t index = 0; index < records.size(); ++index) {
            const int row = int(index) + 1;
            leftOut = std::lower_bound(leftOut, rowsLeftOut.end(), row);
            if (leftOut != rowsLeftOut.end() && *leftOut == row)
                continue;
            AppendLine(chunk, Values(records[index], inputs, options, columns, now));
            ++written;
            if (chunk.size() >= kChunk) {
                folder.Append(file, chunk, what);
                chunk.resize(0);
            }
        }
        folder.Append(file, chunk, what);
        folder.Name(file, what, FolderWriter::Durability::Flushed);
        return written;
    } catch (const LotcraftError& error) {
        Fail(path, error);
    }
}
