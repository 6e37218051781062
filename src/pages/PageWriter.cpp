#include "pages/PageWriter.h"

#include "app/DeviceWriter.h"
#include "app/LotcraftError.h"
#include "app/ProgramSettings.h"
#include "catalogue/ItemRecord.h"
#include "pages/LinkTable.h"
#include "pages/PageEncoding.h"
#include "pages/PageHost.h"

#include <QFile>

namespace {

// A whole page is about 12 KB before its values.
constexpr qsizetype kPageReserve = 16 * 1024;

}  // namespace

PageWriter::PageWriter(const ProgramSettings& settings, PageHost& host)
    : m_settings(settings), m_host(host) {}

QString PageWriter::PageFileName(const QString& outputFolder, const QString& itemNumber) {
    return outputFolder + QLatin1Char('/') + itemNumber + QStringLiteral(".html");
}

void PageWriter::WriteItemPage(const ItemRecord& currentRecord, const LinkTable& linkTable) {
    const QString& itemNumber = currentRecord.Field(ItemRecord::ItemNumber);
    if (m_settings.OutputFolder().isEmpty())
        throw LotcraftError(QStringLiteral("no output folder is set for the pages"));
    const QString fileName = PageFileName(m_settings.OutputFolder(), itemNumber);
    CheckItemNumber(itemNumber, fileName);

    QByteArray page;
    try {
        page = BuildPage(currentRecord, linkTable);
    } catch (const LotcraftError& error) {
        throw LotcraftError(error.Reason(), fileName);
    }
    WriteFile(fileName, page);

    m_host.SetPageCount(m_host.PageCount() + 1);
    m_host.ShowPageCount(QString::number(m_host.PageCount()));
}

void PageWriter::CheckItemNumber(const QString& itemNumber, const QString& fileName) {
    // The item number becomes a file name inside the output folder, so it must not name a
    // folder or leave the output folder.
    QString why;
    if (itemNumber.contains(QLatin1Char('/')))
        why = QStringLiteral("it holds \"/\"");
    else if (itemNumber.contains(QChar(0)))
        why = QStringLiteral("it holds a NUL character");
    else if (itemNumber == QLatin1String(".") || itemNumber == QLatin1String(".."))
        why = QStringLiteral("it names a folder");
    if (why.isEmpty())
        return;
    QString shown = itemNumber;
    shown.replace(QChar(0), QStringLiteral("\\0"));
    throw LotcraftError(QStringLiteral("the item number \"%1\" cannot name a page file: %2; "
                                       "change the item number and generate the pages again")
                            .arg(shown, why),
                        fileName);
}

QByteArray PageWriter::BuildPage(const ItemRecord& record, const LinkTable& links) const {
    const PageTemplate& pageTemplate = PageTemplate::Instance();
    QByteArray page;
    page.reserve(kPageReserve);
    for (PageTemplate::Block block : PageTemplate::BlocksOfLayout(m_settings.LayoutIndex())) {
        for (const PageTemplate::Piece& piece : pageTemplate.PiecesOf(block)) {
            page.append(piece.literal);
            if (piece.hasValue)
                PageEncoding::AppendLatin1(page, ValueText(piece.value, record, links));
        }
    }
    return page;
}

QString PageWriter::ValueText(PageTemplate::Value value, const ItemRecord& record,
                              const LinkTable& links) const {
    using V = PageTemplate::Value;
    // Scheme entries are looked up afresh at every use, and the boxes read as their line
    // comes, so a failing lookup stops the page at its first use.
    const SchemeTable& schemes = m_settings.Schemes();
    const int scheme = m_settings.SchemeIndex();
    switch (value) {
        case V::ItemNumber: return record.Field(ItemRecord::ItemNumber);
        case V::Title: return record.Field(ItemRecord::Title);
        case V::Description: return record.Field(ItemRecord::Description);
        case V::ImageAddress: return record.Field(ItemRecord::ImageAddress);
        case V::Price: return record.Field(ItemRecord::Price);
        case V::FirstBid: return record.Field(ItemRecord::FirstBid);
        case V::StartTime: return record.Field(ItemRecord::StartTime);
        case V::EndTime: return record.Field(ItemRecord::EndTime);
        case V::Location: return m_host.LocationText();
        case V::Country: return m_host.CountryText();
        case V::Seller: return m_host.SellerText();
        case V::Primary: return schemes.SchemePrimary().At(scheme);
        case V::Secondary: return schemes.SchemeSecondary().At(scheme);
        case V::Text: return schemes.SchemeText().At(scheme);
        case V::FontTag: return schemes.SchemeFontTag().At(scheme);
        default: break;
    }
    return links.Link(static_cast<int>(value) - static_cast<int>(V::Link1) + 1);
}

void PageWriter::WriteFile(const QString& fileName, const QByteArray& page) {
    // Written straight, not through a temporary file: pages can always be made again, and a
    // flush to disk for every page would make a large run many times slower. A page that
    // fails half way is removed instead.
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        throw LotcraftError(
            QStringLiteral("the page cannot be created: %1").arg(file.errorString()), fileName);
    QString reason = DeviceWriter::WriteAll(file, page);
    file.close();
    if (reason.isEmpty() && file.error() != QFileDevice::NoError)
        reason = file.errorString();
    if (reason.isEmpty())
        return;
    file.remove();
    throw LotcraftError(
        QStringLiteral("the page cannot be written: %1; the part already written has been "
                       "removed")
            .arg(reason),
        fileName);
}
