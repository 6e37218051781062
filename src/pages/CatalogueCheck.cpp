#include "pages/CatalogueCheck.h"

#include "app/InitialTexts.h"
#include "catalogue/ItemRecord.h"
#include "catalogue/PageName.h"
#include "pages/PageHost.h"
#include "pages/PageWriter.h"

#include <QFile>
#include <QHash>
#include <QSet>

#include <unistd.h>
#include <algorithm>
#include <climits>

namespace {

using Finding = CatalogueFinding;
using Kind = CatalogueFinding::Kind;

bool IsErrorKind(Kind kind) {
    return kind == Kind::UnusableItemNumber || kind == Kind::NameTooLong ||
           kind == Kind::PathTooLong || kind == Kind::DuplicateItemNumber;
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
    const ItemRecord& second = records[1];
    if (!ItemNumberHeadings().contains(Squeezed(first.Field(ItemRecord::ItemNumber))) ||
        HoldsDigit(first.Field(ItemRecord::Price)))
        return false;
    int names = 0;
    for (int position = ItemRecord::Title; position <= ItemRecord::FieldCount; ++position)
        names += ColumnHeadings().contains(Squeezed(first.Field(position))) ? 1 : 0;
    return names >= 2 && (HoldsDigit(second.Field(ItemRecord::ItemNumber)) ||
                          HoldsDigit(second.Field(ItemRecord::Price)));
}

void CheckSellerTexts(const PageHost& host, std::vector<Finding>& findings) {
    struct Text {
        QString value;
        QString initial;
        const char* name;
        const char* box;
        const char* option;
        const char* asked;
    };
    const Text texts[] = {
        {host.SellerText(), InitialTexts::Seller(), "seller", "Seller", "--seller",
         "your eBay e-mail address"},
        {host.LocationText(), InitialTexts::Location(), "location", "Location", "--location",
         "where the items are"},
        {host.CountryText(), InitialTexts::Country(), "country", "Country", "--country",
         "the items' country"},
    };
    for (const Text& text : texts) {
        const QString toDo = QStringLiteral("Type %1 into the %2 box (%3 for lotcraft-pages).")
                                 .arg(QLatin1String(text.asked), QLatin1String(text.box),
                                      QLatin1String(text.option));
        if (text.value.trimmed() == text.initial) {
            Add(findings, 0, QString(), Kind::InitialText,
                QStringLiteral("The %1 still reads %2, the text the %3 box starts with; every "
                               "page would show it.")
                    .arg(QLatin1String(text.name), Quoted(text.initial), QLatin1String(text.box)),
                toDo);
        }
    }
    if (host.SellerText().trimmed().isEmpty()) {
        Add(findings, 0, QString(), Kind::EmptySeller,
            QStringLiteral("The seller is empty, so every seller link of the pages leads nowhere."),
            QStringLiteral("Type your eBay e-mail address into the Seller box (--seller for "
                           "lotcraft-pages)."));
    }
}

void CheckFields(const ItemRecord& record, int row, std::vector<Finding>& findings) {
    const QString& itemNumber = record.Field(ItemRecord::ItemNumber);
    const QString& title = record.Field(ItemRecord::Title);
    if (title.trimmed().isEmpty()) {
        Add(findings, row, itemNumber, Kind::EmptyTitle,
            QStringLiteral("The title is empty; the page would have no title."),
            QStringLiteral("Type the item's title."));
    } else if (const int length = CharacterCount(title); length > CatalogueCheck::TitleLimit) {
        Add(findings, row, itemNumber, Kind::LongTitle,
            QStringLiteral("The title is %1 characters long; eBay takes at most %2.")
                .arg(length)
                .arg(CatalogueCheck::TitleLimit),
            QStringLiteral("Shorten the title to %1 characters.").arg(CatalogueCheck::TitleLimit));
    }
    if (record.Field(ItemRecord::Price).trimmed().isEmpty()) {
        Add(findings, row, itemNumber, Kind::EmptyPrice,
            QStringLiteral("The price is empty; the page would show no price."),
            QStringLiteral("Type the price, for example $29.99."));
    }
    const QString picture = record.Field(ItemRecord::ImageAddress).trimmed();
    if (!picture.isEmpty() && !picture.startsWith(QLatin1String("https://"), Qt::CaseInsensitive)) {
        Add(findings, row, itemNumber, Kind::PictureNotHttps,
            QStringLiteral("The picture address %1 does not start with https://; browsers "
                           "leave such pictures out of an https page.")
                .arg(Quoted(picture)),
            QStringLiteral("Give the picture's https:// address."));
    }
}

}  // namespace

std::vector<CatalogueFinding> CatalogueCheck::Run(const std::vector<ItemRecord>& records,
                                                  const PageHost& host,
                                                  const QString& outputFolder) {
    std::vector<Finding> findings;
    CheckSellerTexts(host, findings);
    const bool headingRow = LooksLikeHeadingRow(records);
    if (headingRow) {
        const QString& itemNumber = records[0].Field(ItemRecord::ItemNumber);
        Add(findings, 1, itemNumber, Kind::HeadingRow,
            QStringLiteral("Row 1 reads like a row of column names, not an item; it would "
                           "become the page %1.")
                .arg(Quoted(PageName::FileName(itemNumber))),
            QStringLiteral("Delete row 1 if it is the spreadsheet's heading row: a catalogue "
                           "starts with its first item."));
    }

    const long nameLimit = NameLimit(outputFolder);
    const qsizetype suffixBytes = QFile::encodeName(PageName::FileName(QString())).size();
    // The page path names the same rows as the file name: rows with the same file name
    // have the same path.
    QHash<QByteArray, int> lastRowOfName;
    QHash<QString, int> firstRowOfFoldedName;
    lastRowOfName.reserve(qsizetype(records.size()));
    firstRowOfFoldedName.reserve(qsizetype(records.size()));
    for (size_t index = 0; index < records.size(); ++index) {
        const int row = int(index) + 1;
        const ItemRecord& record = records[index];
        if (row > 1 || !headingRow)
            CheckFields(record, row, findings);

        const QString& itemNumber = record.Field(ItemRecord::ItemNumber);
        const PageName::Fault fault = PageName::FaultOf(itemNumber);
        if (fault != PageName::Fault::None) {
            Add(findings, row, itemNumber, Kind::UnusableItemNumber,
                QStringLiteral("The item number %1 cannot name a page file: %2.")
                    .arg(Quoted(itemNumber), PageName::Why(fault)),
                fault == PageName::Fault::Empty
                    ? QStringLiteral("Type an item number for this row.")
                    : QStringLiteral("Change the item number: it may hold no \"/\", line "
                                     "break or NUL character and may not be \".\" or \"..\"."));
            continue;
        }
        const QByteArray name = QFile::encodeName(PageName::FileName(itemNumber));
        if (name.size() > nameLimit) {
            Add(findings, row, itemNumber, Kind::NameTooLong,
                QStringLiteral("The page's file name would be %1 bytes long; the output folder "
                               "takes names of at most %2 bytes.")
                    .arg(name.size())
                    .arg(nameLimit),
                QStringLiteral("Shorten the item number to %1 bytes at most (a letter beyond "
                               "plain English takes two bytes or more).")
                    .arg(nameLimit - suffixBytes));
            continue;
        }
        if (!outputFolder.isEmpty()) {
            const qsizetype pathBytes =
                QFile::encodeName(PageWriter::PageFileName(outputFolder, itemNumber)).size();
            if (pathBytes >= PATH_MAX) {
                Add(findings, row, itemNumber, Kind::PathTooLong,
                    QStringLiteral("The page's path would be %1 bytes long; the system takes "
                                   "paths of at most %2 bytes.")
                        .arg(pathBytes)
                        .arg(PATH_MAX - 1),
                    QStringLiteral("Choose an output folder with a shorter path, or shorten "
                                   "the item number."));
                continue;
            }
        }

        auto same = lastRowOfName.find(name);
        if (same != lastRowOfName.end()) {
            Add(findings, row, itemNumber, Kind::DuplicateItemNumber,
                QStringLiteral("Row %1 has the same item number; this row's page %2 would "
                               "replace that row's.")
                    .arg(*same)
                    .arg(Quoted(PageName::FileName(itemNumber))),
                QStringLiteral("Give this row an item number of its own, or delete it if it "
                               "repeats row %1.")
                    .arg(*same),
                *same);
            *same = row;
            continue;
        }
        lastRowOfName.insert(name, row);
        const auto folded = firstRowOfFoldedName.constFind(itemNumber.toCaseFolded());
        if (folded != firstRowOfFoldedName.constEnd()) {
            const QString& other = records[size_t(*folded - 1)].Field(ItemRecord::ItemNumber);
            Add(findings, row, itemNumber, Kind::CaseDuplicate,
                QStringLiteral("The item number differs from row %1's %2 only in letter case; "
                               "on a disk or web server that ignores case the two pages are one.")
                    .arg(*folded)
                    .arg(Quoted(other)),
                QStringLiteral("Give the two items numbers that differ in more than letter case."),
                *folded);
        } else {
            firstRowOfFoldedName.insert(itemNumber.toCaseFolded(), row);
        }
    }

    std::stable_sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) {
        if (a.row != b.row)
            return a.row < b.row;
        return a.IsError() && !b.IsError();
    });
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
