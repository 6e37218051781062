// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/CatalogueCheck.h"

#include "catalogue/ItemRecord.h"
#include "pages/ActiveContent.h"
#include "pages/ListingValues.h"
#include "pages/PageBuilder.h"
#include "pages/PageInputs.h"
#include "pages/PageName.h"
#include "pages/SellerTexts.h"

#include <QFile>
#include <QSet>

#include <unistd.h>
#include <algorithm>
#include <climits>

namespace {

using Finding = CatalogueFinding;
using Kind = CatalogueFinding::Kind;

bool IsErrorKind(Kind kind) {
    return kind == Kind::UnusableItemNumber || kind == Kind::NameTooLong ||
           kind == Kind::PathTooLong || kind == Kind::DuplicateItemNumber ||
           kind == Kind::ProgramFile || kind == Kind::CatalogueFile ||
           kind == Kind::ActiveContent || kind == Kind::DescriptionTooLong ||
           kind == Kind::CategoryNotNumber || kind == Kind::FirstBidNotPositive ||
           kind == Kind::AmountNotTaken || kind == Kind::NoAllowedDuration;
}

void Add(std::vector<Finding>& findings, int row, const QString& itemNumber, Kind kind,
         QString what, QString whatToDo, int otherRow = 0) {
    Finding finding;
    finding.row = row;
    finding.itemNumber = itemNumber;
    finding.kind = kind;
    finding.severity = IsErrorKind(kind) ? Finding::Severity::Error : Finding::Severity::Warning;
    finding.what = std::move(what);
    finding.whatToDo = std::move(whatToDo);
    finding.otherRow = otherRow;
    findings.push_back(std::move(finding));
}

QString Quoted(const QString& text) {
    return QLatin1Char('"') + PageName::Shown(text) + QLatin1Char('"');
}

// A cell as a column name is compared: its letters and digits in lower case, so that
// "First bid", "FIRST_BID" and "first-bid" are one name.
QString Squeezed(const QString& cell) {
    QString squeezed;
    for (const QChar c : cell) {
        if (c.isLetterOrNumber())
            squeezed += c.toLower();
    }
    return squeezed;
}

bool IsBlank(QStringView text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.isSpace(); });
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

bool HoldsDigit(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

// Characters as a reader counts them: a pair of surrogates is one.
int CharacterCount(const QString& text) {
    return int(
        std::count_if(text.begin(), text.end(), [](QChar c) { return !c.isLowSurrogate(); }));
}

QSet<QString> SqueezedSet(std::initializer_list<const char*> names) {
    QSet<QString> set;
    for (const char* name : names)
        set.insert(Squeezed(QLatin1String(name)));
    return set;
}

// What a spreadsheet's heading row calls the item number column.
const QSet<QString>& ItemNumberHeadings() {
    static const QSet<QString> headings = [] {
        QSet<QString> set =
            SqueezedSet({"item number", "item no", "item nr", "item id", "item code", "sku", "lot",
                         "lot number", "lot no", "id", "ref", "reference", "code"});
        const ItemRecord::Presentation& shown = ItemRecord::PresentationOf(ItemRecord::ItemNumber);
        for (const char* name : {shown.heading, shown.label, shown.toolTip})
            set.insert(Squeezed(QLatin1String(name)));
        return set;
    }();
    return headings;
}

// What it calls the other columns: the window's own headings and labels, and the names
// spreadsheets commonly give them.
const QSet<QString>& ColumnHeadings() {
    static const QSet<QString> headings = [] {
        QSet<QString> set = SqueezedSet(
            {"name", "desc", "picture", "picture url", "image url", "image address", "photo",
             "start", "start time", "start date", "end", "end time", "end date", "starting bid",
             "start price", "current price", "category id", "cat", "spare"});
        for (int position = ItemRecord::Title; position <= ItemRecord::FieldCount; ++position) {
            const ItemRecord::Presentation& shown = ItemRecord::PresentationOf(position);
            for (const char* name : {shown.heading, shown.label}) {
                if (*name)
                    set.insert(Squeezed(QLatin1String(name)));
            }
        }
        return set;
    }();
    return headings;
}

// Row 1 is a heading row when its item number is a column name, at least two of its other
// cells are column names, and row 2 holds a number where a heading row holds none. A
// seller whose item numbers are words ("ABC-1") still has digits in the prices.
bool LooksLikeHeadingRow(const std::vector<ItemRecord>& records) {
    if (records.size() < 2)
        return false;
    const ItemRecord& first = records[0];
    if (!ItemNumberHeadings().contains(Squeezed(first.Field(ItemRecord::ItemNumber))) ||
        HoldsDigit(first.Field(ItemRecord::Price)))
        return false;
    int names = 0;
    for (int position = ItemRecord::Title; position <= ItemRecord::FieldCount; ++position)
        names += ColumnHeadings().contains(Squeezed(first.Field(position))) ? 1 : 0;
    return names >= 2 && (HoldsDigit(records[1].Field(ItemRecord::ItemNumber)) ||
                          HoldsDigit(records[1].Field(ItemRecord::Price)));
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
            Add(findings, row, itemNumber, Kind::UnusableItemNumber,
                QStringLiteral("The item number %1 cannot name a page file: %2.")
                    .arg(Quoted(itemNumber), PageName::Why(fault)),
                fault == PageName::Fault::Empty
                    ? QStringLiteral("Type an item number for this row.")
                    : QStringLiteral("Change the item number: it may hold no \"/\", line "
                                     "break or NUL character and may not be \".\" or \"..\"."));
            return;
        }
        case NameState::TooLong:
            Add(findings, row, itemNumber, Kind::NameTooLong,
                QStringLiteral("The page's file name would be %1 bytes long; the output folder "
                               "takes names of at most %2 bytes.")
                    .arg(bytes + limits.nameBesides)
                    .arg(limits.name),
                QStringLiteral("Shorten the item number to %1 bytes at most (a letter beyond "
                               "plain English takes two bytes or more).")
                    .arg(limits.name - limits.nameBesides));
            return;
        case NameState::PathTooLong:
            Add(findings, row, itemNumber, Kind::PathTooLong,
                QStringLiteral("The page's path would be %1 bytes long; the system takes paths "
                               "of at most %2 bytes.")
                    .arg(bytes + limits.pathBesides)
                    .arg(PATH_MAX - 1),
                QStringLiteral("Choose an output folder with a shorter path, or shorten the "
                               "item number."));
            return;
        case NameState::ProgramFile:
            Add(findings, row, itemNumber, Kind::ProgramFile,
                QStringLiteral("The page %1 would replace the file of that name that Lotcraft "
                               "needs in its own folder, the output folder.")
                    .arg(Quoted(PageName::FileName(itemNumber))),
                QStringLiteral("Change the item number, or choose another output folder."));
            return;
        case NameState::CatalogueFile:
            Add(findings, row, itemNumber, Kind::CatalogueFile,
                QStringLiteral("The page %1 would replace the catalogue %2, which the pages are "
                               "made of.")
                    .arg(Quoted(PageName::FileName(itemNumber)), Quoted(limits.inputs->catalogue)),
                QStringLiteral("Change the item number, or choose another output folder."));
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

// The seller's texts that still read as their boxes start, and an empty seller. For listings
// the country is not checked (a listing does not show it) and the texts speak of listings.
void CheckSellerTexts(const SellerTexts& seller, bool forListings, std::vector<Finding>& findings) {
    const QString written = forListings ? QStringLiteral("listing") : QStringLiteral("page");
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
        {seller.seller, starting.seller, "seller", "Seller", "--seller",
         "your eBay e-mail address"},
        {seller.location, starting.location, "location", "Location", "--location",
         "where the items are"},
        {seller.country, starting.country, "country", "Country", "--country", "the items' country"},
    };
    for (const Text& text : texts) {
        if (forListings && &text == &texts[2])
            continue;
        const QString toDo = QStringLiteral("Type %1 into the %2 box (%3 for lotcraft-pages).")
                                 .arg(QLatin1String(text.asked), QLatin1String(text.box),
                                      QLatin1String(text.option));
        if (text.value.trimmed() == text.initial) {
            Add(findings, 0, QString(), Kind::InitialText,
                QStringLiteral("The %1 still reads %2, the text the %3 box starts with; every "
                               "%4 would show it.")
                    .arg(QLatin1String(text.name), Quoted(text.initial), QLatin1String(text.box),
                         written),
                toDo);
        }
    }
    if (seller.seller.trimmed().isEmpty()) {
        Add(findings, 0, QString(), Kind::EmptySeller,
            forListings
                ? QStringLiteral("The seller is empty, so every listing's description asks "
                                 "buyers to write to no one.")
                : QStringLiteral("The seller is empty, so every seller link of the pages leads "
                                 "nowhere."),
            QStringLiteral("Type your eBay e-mail address into the Seller box (--seller for "
                           "lotcraft-pages)."));
    }
}

// A picture address that is not https://, and why that spoils what is written.
void CheckPicture(const ItemRecord& record, int row, const QString& why,
                  std::vector<Finding>& findings) {
    const QStringView picture = QStringView(record.Field(ItemRecord::ImageAddress)).trimmed();
    if (!picture.isEmpty() && !picture.startsWith(QLatin1String("https://"), Qt::CaseInsensitive)) {
        Add(findings, row, record.Field(ItemRecord::ItemNumber), Kind::PictureNotHttps,
            QStringLiteral("The picture address %1 does not start with https://; %2.")
                .arg(Quoted(picture.toString()), why),
            QStringLiteral("Give the picture's https:// address."));
    }
}

// An empty title, and why that spoils what is written; a title longer than eBay takes.
void CheckTitle(const ItemRecord& record, int row, const QString& whyEmpty,
                std::vector<Finding>& findings) {
    const QString& itemNumber = record.Field(ItemRecord::ItemNumber);
    const QString& title = record.Field(ItemRecord::Title);
    if (IsBlank(title)) {
        Add(findings, row, itemNumber, Kind::EmptyTitle,
            QStringLiteral("The title is empty; %1.").arg(whyEmpty),
            QStringLiteral("Type the item's title."));
    } else if (const int length = CharacterCount(title); length > CatalogueCheck::TitleLimit) {
        Add(findings, row, itemNumber, Kind::LongTitle,
            QStringLiteral("The title is %1 characters long; eBay takes at most %2.")
                .arg(length)
                .arg(CatalogueCheck::TitleLimit),
            QStringLiteral("Shorten the title to %1 characters.").arg(CatalogueCheck::TitleLimit));
    }
}

void CheckFields(const ItemRecord& record, int row, std::vector<Finding>& findings) {
    const QString& itemNumber = record.Field(ItemRecord::ItemNumber);
    CheckTitle(record, row, QStringLiteral("the page would have no title"), findings);
    if (IsBlank(record.Field(ItemRecord::Price))) {
        Add(findings, row, itemNumber, Kind::EmptyPrice,
            QStringLiteral("The price is empty; the page would show no price."),
            QStringLiteral("Type the price, for example $29.99."));
    }
    CheckPicture(record, row, QStringLiteral("browsers leave such pictures out of an https page"),
                 findings);
}

// The shifted rows' warning, on every row from the first one read shifted.
void AddShiftedFinding(std::vector<Finding>& findings, int row, const QString& itemNumber,
                       int shiftedFrom) {
    if (shiftedFrom <= 0 || row < shiftedFrom)
        return;
    Add(findings, row, itemNumber, Kind::ShiftedRecord,
        row == shiftedFrom
            ? QStringLiteral("From this row on, the catalogue file's items do not line "
                             "up with its lines (a value with a comma or a line break "
                             "that is not in quotes?), so this row's values may be in "
                             "the wrong columns or belong to other items.")
            : QStringLiteral("The catalogue file's items stop lining up with its lines "
                             "at row %1, so this row's values may be in the wrong "
                             "columns or belong to other items.")
                  .arg(shiftedFrom),
        QStringLiteral("Compare the row with the catalogue file and correct it; in the "
                       "file, put in quotes each value that holds a comma or a line "
                       "break."));
}

void AddHeadingRowFinding(std::vector<Finding>& findings, const QString& itemNumber,
                          const QString& becomes) {
    Add(findings, 1, itemNumber, Kind::HeadingRow,
        QStringLiteral("Row 1 reads like a row of column names, not an item; it would "
                       "become %1.")
            .arg(becomes),
        QStringLiteral("Delete row 1 if it is the spreadsheet's heading row: a "
                       "catalogue starts with its first item."));
}

// Active content in the title or the description: eBay refuses a listing that holds it,
// and the page would be refused as a listing's description.
void CheckActiveContent(const ItemRecord& record, int row, std::vector<Finding>& findings) {
    const QString& itemNumber = record.Field(ItemRecord::ItemNumber);
    for (const auto& [position, name] : {std::pair{ItemRecord::Title, "title"},
                                         std::pair{ItemRecord::Description, "description"}}) {
        const QString found = ActiveContent::Find(record.Field(position));
        if (found.isEmpty())
            continue;
        Add(findings, row, itemNumber, Kind::ActiveContent,
            QStringLiteral("The %1 holds %2, active content that eBay removes or refuses the "
                           "listing for.")
                .arg(QLatin1String(name), Quoted(found)),
            QStringLiteral("Take the scripts, frames, forms, event attributes (\"on...=\") and "
                           "javascript:, vbscript: and data: addresses out of the %1; plain "
                           "HTML such as <b> or <br> stays.")
                .arg(QLatin1String(name)));
    }
}

// An amount eBay would not take as it stands: rounding it or cutting it would change what
// the seller asked. True when it is told.
bool CheckAmountTaken(const ItemRecord& record, int row, int position, const QString& name,
                      const std::optional<QString>& amount, std::vector<Finding>& findings) {
    if (!amount || !ListingValues::IsPositive(*amount))
        return false;
    const QString problem = ListingValues::AmountProblem(*amount);
    if (problem.isEmpty())
        return false;
    Add(findings, row, record.Field(ItemRecord::ItemNumber), Kind::AmountNotTaken,
        QStringLiteral("The %1 %2 %3; eBay takes amounts from 0.01 to 99,999,999.99 with at "
                       "most two decimals.")
            .arg(name, Quoted(record.Field(position)), problem),
        QStringLiteral("Type the %1 as eBay takes it, for example $9.99.").arg(name));
    return true;
}

// eBay's rules for one listing, besides active content and the picture.
void CheckListingFields(const ItemRecord& record, int row, const PageInputs& inputs,
                        std::vector<Finding>& findings) {
    const QString& itemNumber = record.Field(ItemRecord::ItemNumber);
    CheckTitle(record, row, QStringLiteral("eBay takes no listing without one"), findings);
    if (const qsizetype length = PageBuilder::DescriptionSectionLength(record, inputs);
        length > CatalogueCheck::DescriptionLimit) {
        Add(findings, row, itemNumber, Kind::DescriptionTooLong,
            QStringLiteral("The listing's description would be %1 characters long; eBay takes "
                           "at most %2.")
                .arg(length)
                .arg(CatalogueCheck::DescriptionLimit),
            QStringLiteral("Shorten the description by %1 characters.")
                .arg(length - CatalogueCheck::DescriptionLimit));
    }
    const QString category = record.Field(ItemRecord::Category).trimmed();
    if (category.isEmpty() ||
        !std::all_of(category.begin(), category.end(), [](QChar c) { return c.isDigit(); })) {
        Add(findings, row, itemNumber, Kind::CategoryNotNumber,
            category.isEmpty()
                ? QStringLiteral("The category is empty; eBay lists an item only in a category.")
                : QStringLiteral("The category %1 is not a number; eBay takes the category's "
                                 "number.")
                      .arg(Quoted(category)),
            QStringLiteral("Type the number of the item's eBay category (\"?\" beside the "
                           "Category box opens eBay's list)."));
    }
    const QString& firstBidText = record.Field(ItemRecord::FirstBid);
    const std::optional<QString> firstBid = ListingValues::Amount(firstBidText);
    if (!firstBid || !ListingValues::IsPositive(*firstBid)) {
        Add(findings, row, itemNumber, Kind::FirstBidNotPositive,
            IsBlank(firstBidText)
                ? QStringLiteral("The first bid is empty; an auction must start at an amount.")
                : QStringLiteral("The first bid %1 is not an amount above zero.")
                      .arg(Quoted(firstBidText)),
            QStringLiteral("Type the amount the auction starts at, for example $9.99."));
    }
    CheckAmountTaken(record, row, ItemRecord::FirstBid, QStringLiteral("first bid"), firstBid,
                     findings);
    const QString& start = record.Field(ItemRecord::StartTime);
    const QString& end = record.Field(ItemRecord::EndTime);
    if (const QString problem = ListingValues::DurationProblem(start, end); !problem.isEmpty()) {
        Add(findings, row, itemNumber, Kind::NoAllowedDuration,
            QStringLiteral("The listing's duration cannot be told: %1.").arg(problem),
            QStringLiteral("Give start and end times 1, 3, 5, 7 or 10 days apart, such as "
                           "Nov-25-02 10:33:39 PST and Dec-02-02 10:33:39 PST."));
    }
    const QString& priceText = record.Field(ItemRecord::Price);
    if (!IsBlank(priceText) && firstBid) {
        const std::optional<QString> price = ListingValues::Amount(priceText);
        if (!price) {
            Add(findings, row, itemNumber, Kind::PriceNotAmount,
                QStringLiteral("The price %1 is not an amount, so the listing gets no Buy It "
                               "Now price.")
                    .arg(Quoted(priceText)),
                QStringLiteral("Type the price as an amount, for example $29.99, or leave it "
                               "empty."));
        } else if (!CheckAmountTaken(record, row, ItemRecord::Price, QStringLiteral("price"), price,
                                     findings) &&
                   ListingValues::Compare(*price, *firstBid) <= 0) {
            Add(findings, row, itemNumber, Kind::PriceBelowFirstBid,
                QStringLiteral("The price %1 is not above the first bid %2, so the listing "
                               "gets no Buy It Now price.")
                    .arg(Quoted(priceText), Quoted(firstBidText)),
                QStringLiteral("Raise the price above the first bid, or leave it empty."));
        }
    }
    CheckPicture(record, row, QStringLiteral("eBay shows only pictures at https:// addresses"),
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
    CheckSellerTexts(texts, false, findings);
    const bool headingRow = LooksLikeHeadingRow(records);
    for (int index = 0; index < count; ++index) {
        const int row = index + 1;
        const QString& itemNumber = itemNumberOf(index);
        AddNameFinding(findings, row, itemNumber, states[size_t(index)], limits);
        if (const int earlier = same[size_t(index)].last; earlier >= 0) {
            Add(findings, row, itemNumber, Kind::DuplicateItemNumber,
                QStringLiteral("Row %1 has the same item number; this row's page %2 would "
                               "replace that row's.")
                    .arg(earlier + 1)
                    .arg(Quoted(PageName::FileName(itemNumber))),
                QStringLiteral("Give this row an item number of its own, or delete it if it "
                               "repeats row %1.")
                    .arg(earlier + 1),
                earlier + 1);
        }
        // A heading row's cells are names, not an item's values.
        const bool item = row > 1 || !headingRow;
        if (item)
            CheckActiveContent(records[size_t(index)], row, findings);
        if (!item) {
            AddHeadingRowFinding(
                findings, itemNumber,
                QStringLiteral("the page ") + Quoted(PageName::FileName(itemNumber)));
        }
        if (const int earlier = sameButCase[size_t(index)].first; earlier >= 0) {
            Add(findings, row, itemNumber, Kind::CaseDuplicate,
                QStringLiteral("The item number differs from row %1's %2 only in letter case; "
                               "on a disk or web server that ignores case the two pages are "
                               "one.")
                    .arg(earlier + 1)
                    .arg(Quoted(itemNumberOf(earlier))),
                QStringLiteral("Give the two items numbers that differ in more than letter case."),
                earlier + 1);
        }
        if (item)
            CheckFields(records[size_t(index)], row, findings);
        AddShiftedFinding(findings, row, itemNumber, shiftedFrom);
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

std::vector<CatalogueFinding> CatalogueCheck::RunForListings(const std::vector<ItemRecord>& records,
                                                             const PageInputs& inputs,
                                                             int shiftedFrom) {
    std::vector<Finding> findings;
    CheckSellerTexts(inputs.seller, true, findings);
    if (inputs.seller.location.trimmed().isEmpty()) {
        Add(findings, 0, QString(), Kind::EmptyLocation,
            QStringLiteral("The location is empty; eBay takes no listing without one."),
            QStringLiteral("Type where the items are into the Location box (--location for "
                           "lotcraft-pages)."));
    }
    const bool headingRow = LooksLikeHeadingRow(records);
    for (size_t index = 0; index < records.size(); ++index) {
        const int row = int(index) + 1;
        const ItemRecord& record = records[index];
        const QString& itemNumber = record.Field(ItemRecord::ItemNumber);
        // A heading row is checked as an item too: its errors keep it out of the export.
        CheckActiveContent(record, row, findings);
        CheckListingFields(record, row, inputs, findings);
        if (row == 1 && headingRow)
            AddHeadingRowFinding(findings, itemNumber, QStringLiteral("a listing"));
        AddShiftedFinding(findings, row, itemNumber, shiftedFrom);
    }
    // eBay refuses a listing whose title it would not take, where a page shows any title.
    for (Finding& finding : findings) {
        if (finding.kind == Kind::LongTitle || finding.kind == Kind::EmptyTitle)
            finding.severity = Finding::Severity::Error;
    }
    return findings;
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
        lines << QStringLiteral("... and %1 more.").arg(errors - most);
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
