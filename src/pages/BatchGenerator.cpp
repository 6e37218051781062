#include "pages/BatchGenerator.h"

#include "app/LotcraftError.h"
#include "app/ProgramSettings.h"
#include "catalogue/GridCursor.h"
#include "catalogue/ItemRecord.h"
#include "pages/LinkTable.h"
#include "pages/PageHost.h"
#include "pages/PagePictures.h"
#include "pages/PageWriter.h"

BatchGenerator::BatchGenerator(const ProgramSettings& settings, PageHost& host,
                               PagePictures& pictures)
    : m_settings(settings), m_host(host), m_pictures(pictures) {}

QString BatchGenerator::PagePath(const QString& outputFolder, const QString& itemNumber) {
    const QString fileName = itemNumber + QStringLiteral(".html");
    if (outputFolder.endsWith(QLatin1Char('/')))
        return outputFolder + fileName;
    return outputFolder + QLatin1Char('/') + fileName;
}

void BatchGenerator::Run(GridCursor& grid, int itemCount, ItemRecord& currentRecord,
                         LinkTable& linkTable) {
    for (int row = 1; row <= itemCount; ++row) {
        try {
            GenerateRow(grid, row, currentRecord, linkTable);
        } catch (const LotcraftError& error) {
            throw LotcraftError(error.Reason(), error.File(), row);
        }
    }
    m_pictures.Cop(m_settings.OutputFolder());
}

void BatchGenerator::GenerateRow(GridCursor& grid, int row, ItemRecord& currentRecord,
                                 LinkTable& linkTable) {
    grid.SetRow(row);
    for (int column = ItemRecord::FirstFieldColumn; column <= ItemRecord::LastFieldColumn;
         ++column) {
        grid.SetCol(column);
        currentRecord.SetField(ItemRecord::PositionOfColumn(column), grid.Text());
    }
    const QString& itemNumber = currentRecord.Field(ItemRecord::ItemNumber);
    linkTable.Fill(itemNumber, m_host.SellerText());

    PageWriter(m_settings, m_host).WriteItemPage(currentRecord, linkTable);

    grid.SetCol(ItemRecord::HtmlColumn);
    grid.SetText(PagePath(m_settings.OutputFolder(), itemNumber));
    grid.SetCellPicture(m_pictures.PageMark());
    grid.SetCol(0);
    grid.SetCellPicture(m_pictures.DoneMark());
}
