// SPDX-License-Identifier: GPL-3.0-or-later
// lotcraft-pages: writes the listing pages of a catalogue file, and the pictures they use,
// exactly as the window's Htmls button does, without a window.

#include "TerminalProgress.h"

#include "app/ApplicationFolder.h"
#include "app/FileIdentity.h"
#include "app/LotcraftError.h"
#include "app/ProgramSettings.h"
#include "catalogue/CatalogueReader.h"
#include "listings/ListingCheck.h"
#include "listings/ListingExport.h"
#include "listings/ListingOptions.h"
#include "listings/ListingSite.h"
#include "listings/ListingTemplate.h"
#include "pages/CatalogueCheck.h"
#include "pages/CheckedRows.h"
#include "pages/PageInputs.h"
#include "pages/PagePictures.h"
#include "pages/PageRun.h"
#include "pages/SchemeTable.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <optional>

namespace {

enum ExitStatus { Success = 0, Failed = 1, Usage = 2 };

void PrintLine(FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
}

// Ends the program with what it printed on standard output delivered: a report that cannot
// be written (a full disk, a closed pipe) is a failure, told on standard error.
int Finish(int status) {
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return status;
    const int error = errno;
    PrintLine(stderr, QStringLiteral("lotcraft-pages: the report cannot be written to standard "
                                     "output: %1")
                          .arg(qt_error_string(error)));
    return Failed;
}

// Ends the process at once with the status, its output delivered: freeing the catalogue
// string by string, which the system does wholesale anyway, took a tenth of a large run.
// A build with the sanitizers ends as usual, so its leak check still runs.
int EndWithoutFreeing(int status) {
#ifdef LOTCRAFT_SANITIZED
    return status;
#else
    std::fflush(stderr);
    ::_exit(status);
#endif
}

int UsageError(const QString& text) {
    PrintLine(stderr, QStringLiteral("lotcraft-pages: %1").arg(text));
    PrintLine(stderr, QStringLiteral("Try 'lotcraft-pages --help' for more."));
    return Usage;
}

void ListSchemes() {
    const SchemeTable& table = SchemeTable::Standard();
    PrintLine(stdout, QStringLiteral("No.  Name            Main     Companion Text     Links"));
    for (int scheme = SchemeTable::FirstScheme; scheme <= SchemeTable::LastScheme; ++scheme) {
        PrintLine(
            stdout,
            QStringLiteral("%1  %2 %3  %4   %5  %6")
                .arg(scheme, 3)
                .arg(SchemeTable::Name(scheme), -15)
                .arg(table.SchemePrimary().At(scheme), table.SchemeSecondary().At(scheme),
                     table.SchemeText().At(scheme))
                .arg(table.SchemeFontTag().At(scheme).isEmpty() ? QStringLiteral("browser colour")
                                                                : QStringLiteral("white")));
    }
}

// The options of an export for eBay, or a usage error's text in `problem`.
struct ListingChoice {
    ListingOptions options;
    QString problem;
};

// What --export-listings writes, and what it needs to be given.
struct ListingParser {
    QCommandLineOption file{QStringLiteral("export-listings"),
                            QStringLiteral("Write eBay's bulk listing file (CSV) of the catalogue "
                                           "to FILE instead of pages; rows eBay would refuse are "
                                           "left out and listed. Needs --condition, "
                                           "--dispatch-days, and --returns or the three "
                                           "policy names."),
                            QStringLiteral("FILE")};
    QCommandLineOption condition{QStringLiteral("condition"),
                                 QStringLiteral("eBay's condition number of every item: 1000 "
                                                "New, 3000 Used, 7000 For parts, or another."),
                                 QStringLiteral("ID")};
    QCommandLineOption dispatchDays{QStringLiteral("dispatch-days"),
                                    QStringLiteral("Days from payment to dispatch, 0 to 30."),
                                    QStringLiteral("N")};
    QCommandLineOption shippingProfile{QStringLiteral("shipping-profile"),
                                       QStringLiteral("Name of your shipping policy on eBay."),
                                       QStringLiteral("NAME")};
    QCommandLineOption returnProfile{QStringLiteral("return-profile"),
                                     QStringLiteral("Name of your returns policy on eBay."),
                                     QStringLiteral("NAME")};
    QCommandLineOption paymentProfile{QStringLiteral("payment-profile"),
                                      QStringLiteral("Name of your payment policy on eBay."),
                                      QStringLiteral("NAME")};
    QCommandLineOption returns{QStringLiteral("returns"),
                               QStringLiteral("Whether returns are accepted, where no policy is "
                                              "named: accepted or not-accepted."),
                               QStringLiteral("accepted|not-accepted")};
    QCommandLineOption site{QStringLiteral("site"),
                            QStringLiteral("The eBay site the listings are for: %1 (default: "
                                           "the site of --country where it names one, else "
                                           "US).")
                                .arg(ListingSite::Codes()),
                            QStringLiteral("SITE")};
    QCommandLineOption shippingService{
        QStringLiteral("shipping-service"),
        QStringLiteral("eBay's code of the shipping service, where no policy is named (such as "
                       "USPSPriority or UK_RoyalMailSecondClassStandard)."),
        QStringLiteral("CODE")};
    QCommandLineOption shippingCost{QStringLiteral("shipping-cost"),
                                    QStringLiteral("What the shipping costs the buyer, as the "
                                                   "site writes amounts; 0 for free."),
                                    QStringLiteral("AMOUNT")};
    QCommandLineOption returnsWithin{QStringLiteral("returns-within"),
                                     QStringLiteral("Days a buyer has to return an item, with "
                                                    "returns accepted: 14, 30 (default) or 60."),
                                     QStringLiteral("DAYS")};
    QCommandLineOption returnPaidBy{QStringLiteral("return-shipping-paid-by"),
                                    QStringLiteral("Who pays to send a return back: buyer "
                                                   "(default) or seller."),
                                    QStringLiteral("buyer|seller")};
    QCommandLineOption postalCode{QStringLiteral("postal-code"),
                                  QStringLiteral("The postal code the items are sent from."),
                                  QStringLiteral("CODE")};
    QCommandLineOption categoryTemplate{
        QStringLiteral("listing-template"),
        QStringLiteral("eBay's upload template of the items' category, downloaded from Seller "
                       "Hub: its item specifics (C:...) the catalogue has no column of are "
                       "added to it as empty columns, so that the check names each one the "
                       "category requires (*C:...) that a row leaves empty."),
        QStringLiteral("FILE")};

    QList<QCommandLineOption> All() const {
        return {file,           condition,    dispatchDays, shippingProfile, returnProfile,
                paymentProfile, returns,      site,         shippingService, shippingCost,
                returnsWithin,  returnPaidBy, postalCode,   categoryTemplate};
    }

    ListingChoice Choice(const QCommandLineParser& parser, const QString& country) const {
        ListingChoice choice;
        ListingOptions& options = choice.options;
        const ListingSite* countrySite = ListingSite::ForCountry(country);
        options.site = parser.isSet(site) ? parser.value(site).trimmed().toUpper()
                                          : (countrySite ? countrySite->code : options.site);
        if (!parser.isSet(condition) || !parser.isSet(dispatchDays)) {
            choice.problem = QStringLiteral(
                "an export for eBay needs --condition (1000 New, "
                "3000 Used, 7000 For parts) and --dispatch-days");
            return choice;
        }
        options.conditionId = parser.value(condition).trimmed();
        bool isNumber = false;
        options.dispatchDays = parser.value(dispatchDays).toInt(&isNumber);
        if (!isNumber)
            options.dispatchDays = -1;
        options.shippingProfile = parser.value(shippingProfile);
        options.returnProfile = parser.value(returnProfile);
        options.paymentProfile = parser.value(paymentProfile);
        const QString returnsText = parser.value(returns);
        if (options.UsesProfiles() == parser.isSet(returns)) {
            choice.problem = QStringLiteral(
                "give either --returns accepted|not-accepted, or "
                "the names of your three business policies "
                "(--shipping-profile, --return-profile, "
                "--payment-profile), not both");
            return choice;
        }
        if (parser.isSet(returns) && returnsText != QLatin1String("accepted") &&
            returnsText != QLatin1String("not-accepted")) {
            choice.problem = QStringLiteral("--returns takes accepted or not-accepted, not \"%1\"")
                                 .arg(returnsText);
            return choice;
        }
        options.returnsAccepted = returnsText != QLatin1String("not-accepted");
        for (const QCommandLineOption* shipping :
             {&shippingService, &shippingCost, &returnsWithin, &returnPaidBy}) {
            if (options.UsesProfiles() && parser.isSet(*shipping)) {
                choice.problem = QStringLiteral(
                                     "--%1 goes with --returns; your business policies "
                                     "already say how the items are sent and returned")
                                     .arg(shipping->names().first());
                return choice;
            }
        }
        options.shippingService = parser.value(shippingService).trimmed();
        options.shippingCost = parser.value(shippingCost).trimmed();
        options.postalCode = parser.value(postalCode).trimmed();
        if (parser.isSet(returnsWithin))
            options.returnsWithinDays = parser.value(returnsWithin).toInt();
        const QString paidBy = parser.value(returnPaidBy);
        if (parser.isSet(returnPaidBy) && paidBy != QLatin1String("buyer") &&
            paidBy != QLatin1String("seller")) {
            choice.problem =
                QStringLiteral("--return-shipping-paid-by takes buyer or seller, not \"%1\"")
                    .arg(paidBy);
            return choice;
        }
        options.buyerPaysReturn = paidBy != QLatin1String("seller");
        choice.problem = options.Problem();
        if (!choice.problem.isEmpty()) {
            // The sentence, as the rest of a usage error's line.
            choice.problem[0] = choice.problem[0].toLower();
            if (choice.problem.endsWith(QLatin1Char('.')))
                choice.problem.chop(1);
        }
        return choice;
    }
};

// --export-listings: the listings of the rows eBay's rules find no error in, written whole or
// not at all.
int ExportListings(const QString& path, const CatalogueReader::Result& catalogue,
                   const PageInputs& inputs, const ListingOptions& options, bool checkOnly) {
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const CheckedRows checked(ListingCheck::Run(catalogue.records, inputs, options,
                                                catalogue.columns, catalogue.shiftedFrom, now),
                              catalogue.records.size());
    if (checkOnly) {
        for (const CatalogueFinding& finding : checked.Findings())
            PrintLine(stdout, finding.Line());
        return Finish(checked.AnyFinding() ? Failed : Success);
    }
    for (const CatalogueFinding& finding : checked.Findings())
        PrintLine(stderr, finding.Line());
    if (catalogue.records.empty()) {
        PrintLine(stderr, QStringLiteral("lotcraft-pages: the catalogue holds no items, so no "
                                         "file has been written."));
        return Failed;
    }
    if (!checked.AnyLeft()) {
        PrintLine(stderr, QStringLiteral("lotcraft-pages: no row can be exported: every row has "
                                         "an error that eBay would refuse, so no file has been "
                                         "written. Correct them and export again."));
        return Failed;
    }
    try {
        const qint64 written = ListingExport::Write(path, catalogue.records, checked.LeftOut(),
                                                    inputs, options, catalogue.columns, now);
        PrintLine(stdout,
                  QStringLiteral("%1 %2 written to %3%4")
                      .arg(written)
                      .arg(written == 1 ? QStringLiteral("listing") : QStringLiteral("listings"),
                           QFileInfo(path).absoluteFilePath(),
                           checked.LeftOut().empty()
                               ? QString()
                               : QStringLiteral("; %1 left out").arg(checked.LeftOutRows())));
    } catch (const LotcraftError& error) {
        PrintLine(stderr, QStringLiteral("lotcraft-pages: %1").arg(error.Message()));
        return Finish(Failed);
    }
    return Finish(Success);
}

// A scheme given as its number or its name in any letter case; 0 when it is neither.
int ParseScheme(const QString& text) {
    bool isNumber = false;
    const int number = text.toInt(&isNumber);
    if (isNumber)
        return number >= SchemeTable::FirstScheme && number <= SchemeTable::LastScheme ? number : 0;
    return SchemeTable::FindByName(text.trimmed());
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lotcraft-pages"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LOTCRAFT_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes one listing page per item of a catalogue file, and the pictures the pages "
        "use, into the output folder, as the window's HTMLS button does. Where it differs "
        "from the window: it writes no page at all when the catalogue cannot be read to its "
        "end (the window makes the pages of the items read before the fault), and its "
        "output folder is the current folder unless -o names another (the window asks, "
        "offering the folder used last, or \"Lotcraft pages\" in the Documents folder at "
        "first)."));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("Output folder (default: the current "
                                                   "folder); must exist."),
                                    QStringLiteral("DIR"));
    const QCommandLineOption layout({QStringLiteral("l"), QStringLiteral("layout")},
                                    QStringLiteral("Description layout, 1 to 4 (default 1)."),
                                    QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption scheme(
        {QStringLiteral("s"), QStringLiteral("scheme")},
        QStringLiteral("Colour scheme, 1 to 19 or its name in any letter case, e.g. \"bright "
                       "red\" (default 1)."),
        QStringLiteral("SCHEME"), QStringLiteral("1"));
    const SellerTexts starting = SellerTexts::Starting();
    const QCommandLineOption seller(
        QStringLiteral("seller"),
        QStringLiteral("Seller text (default: \"%1\").").arg(starting.seller),
        QStringLiteral("TEXT"), starting.seller);
    const QCommandLineOption location(
        QStringLiteral("location"),
        QStringLiteral("Location text (default \"%1\").").arg(starting.location),
        QStringLiteral("TEXT"), starting.location);
    const QCommandLineOption country(
        QStringLiteral("country"),
        QStringLiteral("Country text (default \"%1\").").arg(starting.country),
        QStringLiteral("TEXT"), starting.country);
    const QCommandLineOption listSchemes(
        QStringLiteral("list-schemes"),
        QStringLiteral("Print the 19 colour schemes (number, name, colours) and exit."));
    const QCommandLineOption quiet({QStringLiteral("q"), QStringLiteral("quiet")},
                                   QStringLiteral("No progress output."));
    const QCommandLineOption check(
        QStringLiteral("check"),
        QStringLiteral("Check the catalogue and print what is wrong, one finding a line, "
                       "writing nothing; exit 0 when nothing is found, 1 otherwise."));
    const QCommandLineOption skipBadRows(
        QStringLiteral("skip-bad-rows"),
        QStringLiteral("Write the pages of the rows the check finds no error in, and list the "
                       "rows left out (without it, an error in any row writes no page)."));
    // Our own help option: the generic one also offers --help-all for Qt's own options, which
    // this program does not take.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help and exits."));
    parser.addOptions({help, output, layout, scheme, seller, location, country, listSchemes, quiet,
                       check, skipBadRows});
    const ListingParser listing;
    parser.addOptions(listing.All());
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("CATALOGUE"),
                                 QStringLiteral("The catalogue file (.csv) to make pages of."));

    if (!parser.parse(QCoreApplication::arguments()))
        return UsageError(parser.errorText());
    if (parser.isSet(help))
        parser.showHelp(Success);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();

    ProgramSettings settings;
    if (parser.isSet(listSchemes)) {
        ListSchemes();
        return Finish(Success);
    }

    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1)
        return UsageError(positional.isEmpty()
                              ? QStringLiteral("name the catalogue file to make pages of")
                              : QStringLiteral("name one catalogue file only"));

    bool layoutIsNumber = false;
    const int layoutIndex = parser.value(layout).toInt(&layoutIsNumber);
    if (!layoutIsNumber || layoutIndex < 1 || layoutIndex > 4)
        return UsageError(QStringLiteral("the layout \"%1\" does not exist; give 1 (Default), 2 "
                                         "(Default Mirrored), 3 (Horizontal Top) or 4 "
                                         "(Horizontal Botton)")
                              .arg(parser.value(layout)));
    const int schemeIndex = ParseScheme(parser.value(scheme));
    if (schemeIndex == 0)
        return UsageError(QStringLiteral("the colour scheme \"%1\" does not exist; give 1 to 19 "
                                         "or a name such as \"Yellow\" or \"bright red\" "
                                         "(--list-schemes shows them all)")
                              .arg(parser.value(scheme)));

    const bool exporting = parser.isSet(listing.file);
    if (parser.isSet(listing.categoryTemplate) && !exporting)
        return UsageError(QStringLiteral("--listing-template goes with --export-listings"));
    ListingChoice listingChoice;
    if (exporting) {
        listingChoice = listing.Choice(parser, parser.value(country));
        if (!listingChoice.problem.isEmpty())
            return UsageError(listingChoice.problem);
        if (parser.value(listing.file).isEmpty())
            return UsageError(QStringLiteral("name the file --export-listings writes"));
        // The listing file is no catalogue: written over the catalogue, it would lose it.
        if (FileIdentity::WouldReplace(parser.value(listing.file), positional.first()))
            return UsageError(FileIdentity::Refusal(QStringLiteral("the listing file"),
                                                    parser.value(listing.file),
                                                    positional.first()) +
                              QStringLiteral("; name a file of its own"));
    }

    const QString folderText = parser.isSet(output) ? parser.value(output) : QDir::currentPath();
    const QFileInfo folderInfo(folderText);
    if (folderInfo.exists() && !folderInfo.isDir())
        return UsageError(QStringLiteral("the output folder \"%1\" is not a folder; name a "
                                         "folder")
                              .arg(folderText));
    if (!folderInfo.isDir())
        return UsageError(QStringLiteral("the output folder \"%1\" does not exist; create it first")
                              .arg(folderText));
    const QString folder = QDir::cleanPath(folderInfo.absoluteFilePath());

    const QString catalogueName = positional.first();
    CatalogueReader::Result catalogue = CatalogueReader::Read(catalogueName);
    if (catalogue.failure) {
        PrintLine(stderr, QStringLiteral("lotcraft-pages: %1").arg(catalogue.failure->Message()));
        PrintLine(stderr, exporting ? QStringLiteral("No file has been written.")
                                    : QStringLiteral("No page has been written."));
        return Failed;
    }

    settings.SetLayoutIndex(static_cast<qint16>(layoutIndex));
    settings.SetSchemeIndex(static_cast<qint16>(schemeIndex));
    settings.SetOutputFolder(folder);
    const SellerTexts texts = {parser.value(seller), parser.value(location), parser.value(country)};

    for (const QString& notice : catalogue.notices)
        PrintLine(stderr, QStringLiteral("lotcraft-pages: %1").arg(notice));

    if (parser.isSet(listing.categoryTemplate)) {
        const ListingTemplate::Result category =
            ListingTemplate::Read(parser.value(listing.categoryTemplate));
        if (!category.failure.isEmpty()) {
            PrintLine(stderr, QStringLiteral("lotcraft-pages: %1").arg(category.failure));
            PrintLine(stderr, QStringLiteral("No file has been written."));
            return Failed;
        }
        // Only the catalogue as read here gains them: the file is left as it is.
        const QStringList missing = ListingTemplate::Missing(category, catalogue.columns);
        for (const QString& name : missing)
            catalogue.columns.AddExtra(name);
        PrintLine(stderr, missing.isEmpty()
                              ? QStringLiteral("lotcraft-pages: the catalogue has a column of "
                                               "each of the template's item specifics.")
                              : QStringLiteral("lotcraft-pages: added the template's item "
                                               "specifics the catalogue has no column of, "
                                               "empty in every row: %1.")
                                    .arg(missing.join(QStringLiteral(", "))));
    }

    // The check comes before any page: errors mean pages that would be lost or wrong. It
    // knows the names the run refuses (the program's own files, when the output folder is
    // the program's folder) and where the file's records stopped lining up with its lines.
    const PagePictures pictures(ApplicationFolder::OfThisProgram());
    std::optional<PageInputs> inputs;
    try {
        inputs = PageInputs::Take(settings, texts, pictures, catalogueName);
    } catch (const LotcraftError& error) {
        PrintLine(stderr, QStringLiteral("lotcraft-pages: %1").arg(error.Message()));
        PrintLine(stderr, QStringLiteral("No page has been written."));
        return Failed;
    }
    if (exporting)
        return ExportListings(parser.value(listing.file), catalogue, *inputs, listingChoice.options,
                              parser.isSet(check));
    const CheckedRows checked(
        CatalogueCheck::Run(catalogue.records, *inputs, catalogue.shiftedFrom),
        catalogue.records.size());
    if (parser.isSet(check)) {
        for (const CatalogueFinding& finding : checked.Findings())
            PrintLine(stdout, finding.Line());
        return Finish(checked.AnyFinding() ? Failed : Success);
    }
    for (const CatalogueFinding& finding : checked.Findings())
        PrintLine(stderr, finding.Line());
    const std::vector<int>& rowsInError = checked.LeftOut();
    const bool one = rowsInError.size() == 1;
    if (!rowsInError.empty() && !parser.isSet(skipBadRows)) {
        PrintLine(stderr, QStringLiteral("lotcraft-pages: %1 of the catalogue %2 an error, so no "
                                         "page has been written. Correct %3, or give "
                                         "--skip-bad-rows to write the other rows.")
                              .arg(checked.LeftOutRows(),
                                   one ? QStringLiteral("has") : QStringLiteral("have"),
                                   one ? QStringLiteral("it") : QStringLiteral("them")));
        return Failed;
    }
    // Skipping every row would leave nothing to write: that is no run, and the folder is
    // left as it is, pictures and all.
    if (!rowsInError.empty() && !checked.AnyLeft()) {
        PrintLine(stderr,
                  QStringLiteral("lotcraft-pages: no row can be written: %1 of the "
                                 "catalogue has an error, so no page has been written "
                                 "and no picture copied. Correct %2 and run again.")
                      .arg(one ? QStringLiteral("its only row") : QStringLiteral("every row"),
                           one ? QStringLiteral("it") : QStringLiteral("them")));
        return Failed;
    }

    TerminalProgress progress(qint64(catalogue.records.size() - rowsInError.size()),
                              !parser.isSet(quiet) && isatty(STDERR_FILENO));
    try {
        PageRun::Run(catalogue.records, *inputs, pictures, rowsInError,
                     [&progress](int, const QString&) { progress.Count(); });
    } catch (const LotcraftError& error) {
        progress.End();
        PrintLine(stderr, QStringLiteral("lotcraft-pages: %1").arg(error.Message()));
        const qint64 written = progress.Written();
        PrintLine(stderr, QStringLiteral("%1 %2 written before it.")
                              .arg(PageRun::PagesText(written),
                                   written == 1 ? QStringLiteral("was") : QStringLiteral("were")));
        return Finish(Failed);
    }
    progress.End();
    QString skipped;
    if (!rowsInError.empty())
        skipped = QStringLiteral("; %1 skipped").arg(checked.LeftOutRows());
    PrintLine(stdout, QStringLiteral("%1 written to %2%3")
                          .arg(PageRun::PagesText(progress.Written()), folder, skipped));
    return EndWithoutFreeing(Finish(Success));
}
