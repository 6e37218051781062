// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/CatalogueCheck.h"

#include "catalogue/ItemRecord.h"
#include "pages/CatalogueFindings.h"
#include "pages/PageBuilder.h"
#include "pages/PageInputs.h"
#include "pages/PageName.h"
#include "pages/SellerTexts.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <unistd.h>
#include <algorithm>
#include <climits>

namespace {

using Finding = CatalogueFinding;
using Kind = CatalogueFinding::Kind;
using F = CatalogueFindings;

// A word of the findings, in the seller's language.
QString Shown(const char* text) {
    return QCoreApplication::translate("CatalogueCheck", text);
}

// The bytes a text takes in a file name, as QFile::encodeName gives them (UTF-8), counted
// without making them: the check counts the name of every row.
qsizetype NameBytes(QStringView text) {
    qsizetype bytes = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            bytes += 1;
        } else if (c < 0x800) {
            bytes += 2;
        } else if (QChar::isHighSurrogate(c) && i + 1 < text.size() &&
                   QChar::isLowSurrogate(text[i + 1].unicode())) {
            bytes += 4;
            ++i;
        } else {
            bytes += 3;  // a lone surrogate becomes U+FFFD, three bytes too
        }
    }
    return bytes;
}

// What the item number makes of the page's name.
enum class NameState { Fits, Unusable, TooLong, PathTooLong, ProgramFile, CatalogueFile };

// How long a page's name and path may be, and the bytes they hold besides the item number.
struct NameLimits {
    NameLimits(const QString& outputFolder, const QStringList& reservedNames,
               const PageInputs* pageInputs = nullptr)
        : folder(outputFolder),
          reserved(reservedNames),
          inputs(pageInputs),
          name(CatalogueCheck::NameLimit(outputFolder)),
          nameBesides(NameBytes(PageName::FileName(QString()))),
          pathBesides(NameBytes(PageBuilder::PagePath(outputFolder, QString()))) {}
    QString folder;
    const QStringList& reserved;
    // Where the catalogue lies in the output folder, when the inputs are known.
    const PageInputs* inputs;
    long name;
    qsizetype nameBesides;
    qsizetype pathBesides;
};

NameState StateOf(const QString& itemNumber, const NameLimits& limits) {
    if (PageName::FaultOf(itemNumber) != PageName::Fault::None)
        return NameState::Unusable;
    const qsizetype bytes = NameBytes(itemNumber);
    if (bytes + limits.nameBesides > limits.name)
        return NameState::TooLong;
    // Without a folder chosen there is no whole path to measure yet.
    if (!limits.folder.isEmpty() && bytes + limits.pathBesides >= PATH_MAX)
        return NameState::PathTooLong;
    if (!limits.reserved.isEmpty() && limits.reserved.contains(PageName::FileName(itemNumber)))
        return NameState::ProgramFile;
    if (limits.inputs && !limits.inputs->catalogueNames.names.isEmpty() &&
        !limits.inputs->catalogueNames.Match(PageName::FileName(itemNumber)).isEmpty())
        return NameState::CatalogueFile;
    return NameState::Fits;
}

void AddNameFinding(std::vector<Finding>& findings, int row, const QString& itemNumber,
                    NameState state, const NameLimits& limits) {
    const qsizetype bytes = NameBytes(itemNumber);
    switch (state) {
        case NameState::Fits: return;
        case NameState::Unusable: {
            const PageName::Fault fault = PageName::FaultOf(itemNumber);
            F::Add(findings, row, itemNumber, Kind::UnusableItemNumber,
                   QCoreApplication::translate("CatalogueCheck",
                                               "The item number %1 cannot name a page file: %2.")
                       .arg(F::Quoted(itemNumber), PageName::Why(fault)),
                   fault == PageName::Fault::Empty
                       ? QCoreApplication::translate("CatalogueCheck",
                                                     "Type an item number for this row.")
                       : QCoreApplication::translate(
                             "CatalogueCheck",
                             "Change the item number: it may hold no \"/\", line "
                             "break or NUL character and may not be \".\" or \"..\"."));
            return;
        }
        case NameState::TooLong:
            F::Add(findings, row, itemNumber, Kind::NameTooLong,
                   QCoreApplication::translate(
                       "CatalogueCheck",
                       "The page's file name would be %1 bytes long; the output folder "
                       "takes names of at most %2 bytes.")
                       .arg(bytes + limits.nameBesides)
                       .arg(limits.name),
                   QCoreApplication::translate(
                       "CatalogueCheck",
                       "Shorten the item number to %1 bytes at most (a letter beyond "
                       "plain English takes two bytes or more).")
                       .arg(limits.name - limits.nameBesides));
            return;
        case NameState::PathTooLong:
            F::Add(findings, row, itemNumber, Kind::PathTooLong,
                   QCoreApplication::translate(
                       "CatalogueCheck",
                       "The page's path would be %1 bytes long; the system takes paths "
                       "of at most %2 bytes.")
                       .arg(bytes + limits.pathBesides)
                       .arg(PATH_MAX - 1),
                   QCoreApplication::translate(
                       "CatalogueCheck",
                       "Choose an output folder with a shorter path, or shorten the "
                       "item number."));
            return;
        case NameState::ProgramFile:
            F::Add(
                findings, row, itemNumber, Kind::ProgramFile,
                QCoreApplication::translate(
                    "CatalogueCheck",
                    "The page %1 would replace the file of that name that Lotcraft "
                    "needs in its own folder, the output folder.")
                    .arg(F::Quoted(PageName::FileName(itemNumber))),
                QCoreApplication::translate(
                    "CatalogueCheck", "Change the item number, or choose another output folder."));
            return;
        case NameState::CatalogueFile:
            F::Add(
                findings, row, itemNumber, Kind::CatalogueFile,
                QCoreApplication::translate(
                    "CatalogueCheck",
                    "The page %1 would replace the catalogue %2, which the pages are "
                    "made of.")
                    .arg(F::Quoted(PageName::FileName(itemNumber)),
                         F::Quoted(limits.inputs->catalogue)),
                QCoreApplication::translate(
                    "CatalogueCheck", "Change the item number, or choose another output folder."));
            return;
    }
}

// For a row, the first and the last earlier row whose key is equal to its own; -1 for none.
struct EarlierEqual {
    int first = -1;
    int last = -1;
};

// A text's hash for grouping equal texts: 64-bit FNV-1a over its UTF-16 units. Qt's own
// seeded string hash took 15 to 30 ms for the item numbers of the largest catalogue on the
// project's machine (its AES path loads short strings slowly), this one about 1 ms.
quint64 TextHash(QStringView text) {
    quint64 hash = 14695981039346656037ull;
    for (const QChar c : text) {
        hash ^= c.unicode();
        hash *= 1099511628211ull;
    }
    return hash;
}

// EarlierEqual for each of `count` rows by key(index), among the rows given (indexes,
// ascending); -1 for the rows not given. The rows are sorted by the hash of their key, and
// only rows with equal hashes are compared: for the largest catalogue a sort of pairs takes
// a fraction of the time of filling a hash table.
template <typename KeyOf>
std::vector<EarlierEqual> FindEqualKeys(int count, const std::vector<int>& rows, const KeyOf& key) {
    std::vector<EarlierEqual> found(static_cast<size_t>(count));
    std::vector<std::pair<quint64, int>> byHash;
    byHash.reserve(rows.size());
    for (int index : rows)
        byHash.emplace_back(TextHash(key(index)), index);
    std::sort(byHash.begin(), byHash.end());
    // The distinct keys among rows of one hash, by their first and their last row so far.
    std::vector<EarlierEqual> keys;
    for (size_t begin = 0, end = 0; begin < byHash.size(); begin = end) {
        end = begin + 1;
        while (end < byHash.size() && byHash[end].first == byHash[begin].first)
            ++end;
        if (end - begin == 1)
            continue;
        keys.clear();
        for (size_t at = begin; at < end; ++at) {
            const int index = byHash[at].second;
            auto known = std::find_if(keys.begin(), keys.end(), [&](const EarlierEqual& k) {
                return key(k.first) == key(index);
            });
            if (known == keys.end()) {
                keys.push_back({index, index});
            } else {
                found[size_t(index)] = *known;
                known->last = index;
            }
        }
    }
    return found;
}

// The seller's texts that still read as their boxes start, and an empty seller.
void CheckSellerTexts(const SellerTexts& seller, std::vector<Finding>& findings) {
    const SellerTexts starting = SellerTexts::Starting();
    struct Text {
        QString value;
        QString initial;
        const char* name;
        const char* box;
        const char* option;
        const char* asked;
    };
    const Text texts[] = {
        {seller.seller, starting.seller, QT_TRANSLATE_NOOP("CatalogueCheck", "seller"),
         QT_TRANSLATE_NOOP("CatalogueCheck", "Seller"), "--seller",
         QT_TRANSLATE_NOOP("CatalogueCheck", "your eBay e-mail address")},
        {seller.location, starting.location, QT_TRANSLATE_NOOP("CatalogueCheck", "location"),
         QT_TRANSLATE_NOOP("CatalogueCheck", "Location"), "--location",
         QT_TRANSLATE_NOOP("CatalogueCheck", "where the items are")},
        {seller.country, starting.country, QT_TRANSLATE_NOOP("CatalogueCheck", "country"),
         QT_TRANSLATE_NOOP("CatalogueCheck", "Country"), "--country",
         QT_TRANSLATE_NOOP("CatalogueCheck", "the items' country")},
    };
    for (const Text& text : texts) {
        if (text.value.trimmed() == text.initial)
            F::Add(findings, 0, QString(), Kind::InitialText,
                   QCoreApplication::translate(
                       "CatalogueCheck",
                       "The %1 still reads %2, the text the %3 box starts with; every "
                       "page would show it.")
                       .arg(Shown(text.name), F::Quoted(text.initial), Shown(text.box)),
                   QCoreApplication::translate("CatalogueCheck",
                                               "Type %1 into the %2 box (%3 for lotcraft-pages).")
                       .arg(Shown(text.asked), Shown(text.box), QLatin1String(text.option)));
    }
    if (seller.seller.trimmed().isEmpty()) {
        F::Add(findings, 0, QString(), Kind::EmptySeller,
               QCoreApplication::translate(
                   "CatalogueCheck",
                   "The seller is empty, so every seller link of the pages leads "
                   "nowhere."),
               QCoreApplication::translate(
                   "CatalogueCheck",
                   "Type your eBay e-mail address into the Seller box (--seller for "
                   "lotcraft-pages)."));
    }
}

// A price that is a bare number, as a spreadsheet saves it, which the page shows after
// "US " as it stands.
void CheckBareNumber(const ItemRecord& record, int row, int position, const char* name,
                     std::vector<Finding>& findings) {
    static const QRegularExpression bare(QStringLiteral("^\\s*(\\d+)(?:\\.(\\d+))?\\s*$"));
    const QString& text = record.Field(position);
    const QRegularExpressionMatch match = bare.match(text);
    if (!match.hasMatch())
        return;
    const QString cents = QString(match.captured(2) + QStringLiteral("00")).left(2);
    F::Add(findings, row, record.Field(ItemRecord::ItemNumber), Kind::BareNumberPrice,
           QCoreApplication::translate(
               "CatalogueCheck", "The %1 %2 is a bare number; the page shows it as \"US %3\".")
               .arg(Shown(name), F::Quoted(text), text.trimmed()),
           QCoreApplication::translate("CatalogueCheck", "Write it as an amount, $%1.%2.")
               .arg(match.captured(1), cents));
}

void CheckFields(const ItemRecord& record, int row, std::vector<Finding>& findings) {
    const QString& itemNumber = record.Field(ItemRecord::ItemNumber);
    F::CheckTitle(record, row,
                  QCoreApplication::translate("CatalogueCheck", "the page would have no title"),
                  findings);
    if (F::IsBlank(record.Field(ItemRecord::Price))) {
        F::Add(
            findings, row, itemNumber, Kind::EmptyPrice,
            QCoreApplication::translate("CatalogueCheck",
                                        "The price is empty; the page would show no price."),
            QCoreApplication::translate("CatalogueCheck", "Type the price, for example $29.99."));
    }
    CheckBareNumber(record, row, ItemRecord::Price, QT_TRANSLATE_NOOP("CatalogueCheck", "price"),
                    findings);
    CheckBareNumber(record, row, ItemRecord::FirstBid,
                    QT_TRANSLATE_NOOP("CatalogueCheck", "first bid"), findings);
    F::CheckPicture(record, row, QStringView(record.FirstPicture()).trimmed(),
                    QCoreApplication::translate(
                        "CatalogueCheck", "browsers leave such pictures out of an https page"),
                    findings);
}

std::vector<CatalogueFinding> RunPageChecks(const std::vector<ItemRecord>& records,
                                            const SellerTexts& texts, int shiftedFrom,
                                            const NameLimits& limits) {
    const int count = int(records.size());
    const auto itemNumberOf = [&records](int index) -> const QString& {
        return records[size_t(index)].Field(ItemRecord::ItemNumber);
    };

    // First each item number as a name on its own, then the names that can be written
    // compared with each other: the same name, then the same name but for letter case
    // among the rows that repeat no earlier name.
    std::vector<NameState> states(size_t(count), NameState::Fits);
    std::vector<int> fitting;
    fitting.reserve(size_t(count));
    for (int index = 0; index < count; ++index) {
        states[size_t(index)] = StateOf(itemNumberOf(index), limits);
        if (states[size_t(index)] == NameState::Fits)
            fitting.push_back(index);
    }
    const std::vector<EarlierEqual> same = FindEqualKeys(count, fitting, itemNumberOf);
    std::vector<int> unrepeated;
    unrepeated.reserve(fitting.size());
    std::vector<QString> folded(static_cast<size_t>(count));
    for (int index : fitting) {
        if (same[size_t(index)].last < 0) {
            unrepeated.push_back(index);
            folded[size_t(index)] = itemNumberOf(index).toCaseFolded();
        }
    }
    const std::vector<EarlierEqual> sameButCase =
        FindEqualKeys(count, unrepeated,
                      [&folded](int index) -> const QString& { return folded[size_t(index)]; });

    // Then the findings in row order, a row's errors before its warnings.
    std::vector<Finding> findings;
    CheckSellerTexts(texts, findings);
    const bool headingRow = F::LooksLikeHeadingRow(records);
    for (int index = 0; index < count; ++index) {
        const int row = index + 1;
        const QString& itemNumber = itemNumberOf(index);
        AddNameFinding(findings, row, itemNumber, states[size_t(index)], limits);
        if (const int earlier = same[size_t(index)].last; earlier >= 0) {
            F::Add(findings, row, itemNumber, Kind::DuplicateItemNumber,
                   QCoreApplication::translate(
                       "CatalogueCheck",
                       "Row %1 has the same item number; this row's page %2 would "
                       "replace that row's.")
                       .arg(earlier + 1)
                       .arg(F::Quoted(PageName::FileName(itemNumber))),
                   QCoreApplication::translate(
                       "CatalogueCheck",
                       "Give this row an item number of its own, or delete it if it "
                       "repeats row %1.")
                       .arg(earlier + 1),
                   earlier + 1);
        }
        // A heading row's cells are names, not an item's values.
        const bool item = row > 1 || !headingRow;
        if (item)
            F::CheckActiveContent(records[size_t(index)], row, findings);
        if (!item) {
            F::AddHeadingRowFinding(findings, itemNumber,
                                    QCoreApplication::translate("CatalogueCheck", "the page %1")
                                        .arg(F::Quoted(PageName::FileName(itemNumber))));
        }
        if (const int earlier = sameButCase[size_t(index)].first; earlier >= 0) {
            F::Add(findings, row, itemNumber, Kind::CaseDuplicate,
                   QCoreApplication::translate(
                       "CatalogueCheck",
                       "The item number differs from row %1's %2 only in letter case; "
                       "on a disk or web server that ignores case the two pages are "
                       "one.")
                       .arg(earlier + 1)
                       .arg(F::Quoted(itemNumberOf(earlier))),
                   QCoreApplication::translate(
                       "CatalogueCheck",
                       "Give the two items numbers that differ in more than letter case."),
                   earlier + 1);
        }
        if (item)
            CheckFields(records[size_t(index)], row, findings);
        F::AddShiftedFinding(findings, row, itemNumber, shiftedFrom);
    }
    return findings;
}

}  // namespace

std::vector<CatalogueFinding> CatalogueCheck::Run(const std::vector<ItemRecord>& records,
                                                  const SellerTexts& texts,
                                                  const QString& outputFolder, int shiftedFrom,
                                                  const QStringList& reservedNames) {
    return RunPageChecks(records, texts, shiftedFrom, NameLimits(outputFolder, reservedNames));
}

std::vector<CatalogueFinding> CatalogueCheck::Run(const std::vector<ItemRecord>& records,
                                                  const PageInputs& inputs, int shiftedFrom) {
    return RunPageChecks(records, inputs.seller, shiftedFrom,
                         NameLimits(inputs.outputFolder, inputs.reservedNames, &inputs));
}

std::vector<int> CatalogueCheck::RowsInError(const std::vector<CatalogueFinding>& findings) {
    std::vector<int> rows;
    for (const CatalogueFinding& finding : findings) {
        if (finding.IsError() && finding.row > 0)
            rows.push_back(finding.row);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

QString CatalogueCheck::ErrorLines(const std::vector<CatalogueFinding>& findings, int most) {
    QStringList lines;
    int errors = 0;
    for (const CatalogueFinding& finding : findings) {
        if (finding.IsError() && ++errors <= most)
            lines << finding.Line();
    }
    if (errors > most)
        lines
            << QCoreApplication::translate("CatalogueCheck", "... and %1 more.").arg(errors - most);
    return lines.join(QLatin1Char('\n'));
}

int CatalogueCheck::Count(const std::vector<CatalogueFinding>& findings,
                          CatalogueFinding::Severity severity) {
    return int(
        std::count_if(findings.begin(), findings.end(),
                      [severity](const CatalogueFinding& f) { return f.severity == severity; }));
}

long CatalogueCheck::NameLimit(const QString& outputFolder) {
    if (outputFolder.isEmpty())
        return DefaultNameLimit;
    const long limit = ::pathconf(QFile::encodeName(outputFolder).constData(), _PC_NAME_MAX);
    return limit > 0 ? limit : DefaultNameLimit;
}
