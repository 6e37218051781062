// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowListingExport.h"

#include "app/FileIdentity.h"
#include "app/LotcraftError.h"
#include "editing/Grid.h"
#include "listings/ListingCheck.h"
#include "listings/ListingExport.h"
#include "listings/ListingSite.h"
#include "pages/CheckedRows.h"
#include "pages/PageInputs.h"
#include "ui/CatalogueCheckDialog.h"
#include "ui/CatalogueFiles.h"
#include "ui/ExportListingsDialog.h"
#include "ui/FileDialogs.h"
#include "ui/MessageBoxes.h"
#include "ui/WindowHost.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStringBuilder>

WindowListingExport::WindowListingExport(QWidget& owner, WindowHost& host,
                                         const CatalogueFiles& files, ProgramSettings& settings,
                                         MessageBoxes& messages, FileDialogs& dialogs, Grid& grid,
                                         PagePictures& pictures)
    : m_owner(owner),
      m_host(host),
      m_files(files),
      m_settings(settings),
      m_messages(messages),
      m_dialogs(dialogs),
      m_grid(grid),
      m_pictures(pictures),
      m_checkPrompt([this](QWidget* dialogOwner, const std::vector<CatalogueFinding>& findings,
                           int itemCount, const std::function<void(int)>&) {
          ShowCheckDialog(dialogOwner, findings, itemCount);
          return false;
      }),
      m_optionsPrompt(
          [](QWidget* dialogOwner, const ListingOptions& start) -> std::optional<ListingOptions> {
              ExportListingsDialog dialog(start, dialogOwner);
              if (dialog.exec() != QDialog::Accepted)
                  return std::nullopt;
              return dialog.Options();
          }) {}

QString WindowListingExport::SuggestedPath(const QString& cataloguePath) {
    if (cataloguePath.isEmpty())
        return QDir::home().filePath(QStringLiteral("ebay-listings.csv"));
    const QFileInfo catalogue(cataloguePath);
    return catalogue.dir().filePath(catalogue.completeBaseName() + QStringLiteral("-ebay.csv"));
}

void WindowListingExport::ShowCheckDialog(QWidget* owner,
                                          const std::vector<CatalogueFinding>& findings,
                                          int itemCount) {
    CatalogueCheckDialog::ShowWithoutBlocking(
        m_checkDialog, owner, findings, itemCount, CatalogueCheckDialog::Purpose::Listings,
        [this](int row) { m_host.RevealRow(row); },
        [this]() -> std::vector<CatalogueFinding> {
            try {
                return ListingCheck::Run(m_grid.Records(),
                                         PageInputs::Take(m_settings, m_host.Seller(), m_pictures),
                                         m_host.KeptListingOptions(), m_grid.Columns(),
                                         m_files.ShiftedFrom(), QDateTime::currentDateTimeUtc());
            } catch (const LotcraftError&) {
                return {};
            }
        },
        [this] { return m_grid.ItemCount(); }, [this] { m_host.ExportChecked(); });
}

std::optional<ListingOptions> WindowListingExport::AskForOptions(const SellerTexts& seller) {
    // The site is first the one of the country the seller gave, else the last one used.
    ListingOptions start = m_host.KeptListingOptions();
    if (const ListingSite* site = ListingSite::ForCountry(seller.country))
        start.site = site->code;
    const std::optional<ListingOptions> options = m_optionsPrompt(&m_owner, start);
    if (options)
        m_host.KeepListingOptions(*options);
    return options;
}

void WindowListingExport::Run(const SellerTexts& seller, bool checked,
                              const std::vector<int>& only) {
    // The grid cannot change while the export asks and writes: its dialogs are modal.
    const std::vector<ItemRecord>& records = m_grid.Records();
    if (records.empty()) {
        m_messages.Tell(&m_owner,
                        QCoreApplication::translate("WindowListingExport",
                                                    "The catalogue has no items to export. Open a "
                                                    "catalogue or insert a record first."));
        return;
    }
    PageInputs inputs;
    try {
        inputs = PageInputs::Take(m_settings, seller, m_pictures);
    } catch (const LotcraftError& error) {
        m_messages.Tell(&m_owner, QCoreApplication::translate("WindowListingExport",
                                                              "Nothing was exported: %1.")
                                      .arg(error.Message()));
        return;
    }
    // The values come first, since eBay's rules depend on the site; once the seller has
    // seen the findings, the values asked for then are the ones kept.
    std::optional<ListingOptions> options =
        checked ? m_host.KeptListingOptions() : AskForOptions(seller);
    if (!options)
        return;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const CheckedRows rows(
        ListingCheck::Run(records, inputs, *options, m_grid.Columns(), m_files.ShiftedFrom(), now),
        records.size(), only);
    if (rows.AnyFinding() && !checked &&
        !m_checkPrompt(&m_owner, rows.Findings(), int(records.size()),
                       [this](int row) { m_host.RevealRow(row); }))
        return;
    // Findings of an earlier check no longer stand.
    if (m_checkDialog && m_checkDialog->isVisible())
        m_checkDialog->close();
    if (!rows.AnyLeft()) {
        m_messages.Tell(
            &m_owner, QCoreApplication::translate("WindowListingExport",
                                                  "Every row has an error that eBay would refuse, "
                                                  "so there is nothing to export:\n\n") %
                          rows.ErrorLines());
        return;
    }

    const QString cataloguePath = m_files.SourcePath();
    QString path = m_dialogs.SaveFileName(&m_owner, SuggestedPath(cataloguePath));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + FileDialogs::Suffix();
    // The listing file is no catalogue: writing it over the one the grid came from, read in
    // whole or in part, would lose the items.
    if (FileIdentity::WouldReplace(path, cataloguePath)) {
        m_messages.Tell(
            &m_owner,
            QCoreApplication::translate("WindowListingExport", "Nothing was exported: ") %
                FileIdentity::Refusal(
                    QCoreApplication::translate("WindowListingExport", "the listing file"),
                    QDir::toNativeSeparators(path), QDir::toNativeSeparators(cataloguePath)) %
                QCoreApplication::translate("WindowListingExport",
                                            ". Export again and give the listing file a "
                                            "name of its own."));
        return;
    }

    qint64 written = 0;
    try {
        written = ListingExport::Write(path, records, rows.Skipped(), inputs, *options,
                                       m_grid.Columns(), now);
    } catch (const LotcraftError& error) {
        m_host.ShowStatus(
            QCoreApplication::translate("WindowListingExport", "Nothing was exported."));
        m_messages.Tell(&m_owner,
                        QCoreApplication::translate("WindowListingExport",
                                                    "Lotcraft could not export the listings.\n\n") %
                            error.Message() % QLatin1Char('.'));
        return;
    }
    const QString listings =
        written == 1
            ? QCoreApplication::translate("WindowListingExport", "1 listing")
            : QCoreApplication::translate("WindowListingExport", "%1 listings").arg(written);
    const QString where = QDir::toNativeSeparators(path);
    m_host.ShowStatus(QCoreApplication::translate("WindowListingExport", "Exported %1 for %2 to %3")
                          .arg(listings, options->Site().ShownName(), where));
    QString message = QCoreApplication::translate(
                          "WindowListingExport",
                          "Wrote %1 for %2 to %3. Upload it in eBay's Seller Hub: Reports, "
                          "Uploads.")
                          .arg(listings, options->Site().ShownName(), where);
    if (!rows.LeftOut().empty())
        message +=
            QCoreApplication::translate("WindowListingExport",
                                        "\n\nThese rows were left out, since eBay would refuse "
                                        "them:\n\n") %
            rows.ErrorLines() %
            QCoreApplication::translate("WindowListingExport",
                                        "\n\nCorrect them and export again.");
    m_messages.Tell(&m_owner, message);
}
