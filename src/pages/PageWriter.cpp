#include "pages/PageWriter.h"

#include "app/LotcraftError.h"
#include "app/ProgramSettings.h"
#include "catalogue/ItemRecord.h"
#include "pages/FolderWriter.h"
#include "pages/LinkTable.h"
#include "pages/PageEncoding.h"
#include "pages/PageHost.h"
#include "pages/PageName.h"
#include "pages/SchemeTable.h"

namespace {

// A whole page is about 12 KB before its values.
constexpr qsizetype kPageReserve = 16 * 1024;

// What a failure to write a page names.
QString PageWhat() {
    return QStringLiteral("the page");
}

}  // namespace

PageWriter::PageWriter(const ProgramSettings& settings, PageHost& host)
    : m_settings(settings), m_host(host) {}

QString PageWriter::PageFileName(const QString& outputFolder, const QString& itemNumber) {
    return FolderWriter::PathIn(outputFolder, PageName::FileName(itemNumber));
}

void PageWriter::WriteItemPage(const ItemRecord& currentRecord, const LinkTable& linkTable) {
    BuildPage(currentRecord, linkTable, m_page);
    WritePage(FolderWriter(m_settings.OutputFolder()),
              PageName::FileName(currentRecord.Field(ItemRecord::ItemNumber)), m_page);
    CountPage();
}

void PageWriter::WritePage(const FolderWriter& folder, const QString& name,
                           const QByteArray& page) {
    folder.Write(name, page, PageWhat());
}

FolderWriter::Pending PageWriter::PreparePage(const FolderWriter& folder, const QString& name,
                                              const QByteArray& page) {
    return folder.Prepare(name, page, PageWhat());
}

void PageWriter::NamePage(const FolderWriter& folder, FolderWriter::Pending& page) {
    folder.Name(page, PageWhat());
}

QString PageWriter::BuildPage(const ItemRecord& currentRecord, const LinkTable& linkTable,
                              QByteArray& page) {
    const QString& itemNumber = currentRecord.Field(ItemRecord::ItemNumber);
    if (m_settings.OutputFolder().isEmpty())
        throw LotcraftError(QStringLiteral("no output folder is set for the pages"));
    CheckItemNumber(itemNumber, m_settings.OutputFolder());
    const QString fileName = PageFileName(m_settings.OutputFolder(), itemNumber);
    try {
        AppendPage(currentRecord, linkTable, page);
    } catch (const LotcraftError& error) {
        throw LotcraftError(error.Reason(), fileName);
    }
    return fileName;
}

void PageWriter::CountPage() {
    m_host.SetPageCount(m_host.PageCount() + 1);
    m_host.ShowPageCount(QString::number(m_host.PageCount()));
}

void PageWriter::CheckItemNumber(const QString& itemNumber, const QString& outputFolder) const {
    // The item number becomes a file name inside the output folder, so it must not name a
    // folder or leave the output folder.
    const QString why = PageName::WriterRefusal(itemNumber);
    if (!why.isEmpty()) {
        const QString shown = PageName::Shown(itemNumber);
        throw LotcraftError(QStringLiteral("the item number \"%1\" cannot name a page file: %2; "
                                           "change the item number and generate the pages again")
                                .arg(shown, why),
                            PageFileName(outputFolder, shown));
    }
    const QString file = PageName::FileName(itemNumber);
    if (m_reservedNames.contains(file))
        throw LotcraftError(QStringLiteral("the item number \"%1\" would replace %2, which "
                                           "Lotcraft needs in its own folder; change the item "
                                           "number, or choose another output folder")
                                .arg(itemNumber, file),
                            PageFileName(outputFolder, itemNumber));
}

void PageWriter::AppendPage(const ItemRecord& record, const LinkTable& links,
                            QByteArray& page) const {
    const PageTemplate& pageTemplate = PageTemplate::Instance();
    page.truncate(0);
    page.reserve(kPageReserve);
    for (PageTemplate::Block block : PageTemplate::BlocksOfLayout(m_settings.LayoutIndex())) {
        for (const PageTemplate::Piece& piece : pageTemplate.PiecesOf(block)) {
            page.append(piece.literal);
            if (piece.hasValue)
                PageEncoding::AppendLatin1(page, ValueText(piece.value, record, links));
        }
    }
}

QString PageWriter::ValueText(PageTemplate::Value value, const ItemRecord& record,
                              const LinkTable& links) const {
    using V = PageTemplate::Value;
    // Scheme entries are looked up afresh at every use, and the boxes read as their line
    // comes, so a failing lookup stops the page at its first use.
    const SchemeTable& schemes = SchemeTable::Standard();
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
