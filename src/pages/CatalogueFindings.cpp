// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/CatalogueFindings.h"

#include "catalogue/ItemRecord.h"
#include "pages/ActiveContent.h"
#include "pages/CatalogueCheck.h"
#include "pages/PageName.h"

#include <QCoreApplication>
#include <QSet>

#include <algorithm>

namespace {

using Finding = CatalogueFinding;
using Kind = CatalogueFinding::Kind;
using Findings = CatalogueFindings::Findings;

bool IsErrorKind(Kind kind) {
    switch (kind) {
        case Kind::UnusableItemNumber:
        case Kind::NameTooLong:
        case Kind::PathTooLong:
        case Kind::DuplicateItemNumber:
        case Kind::ProgramFile:
        case Kind::CatalogueFile:
        case Kind::ActiveContent:
        case Kind::DescriptionTooLong:
        case Kind::CategoryNotNumber:
        case Kind::FirstBidNotPositive:
        case Kind::AmountNotTaken:
        case Kind::NoAllowedDuration:
        case Kind::AmountOtherCurrency:
        case Kind::StartTooFarAhead:
        case Kind::LabelTooLong:
        case Kind::TitleNotOneLine:
        case Kind::TooManyPictures:
        case Kind::ContactEmail:
        case Kind::QuantityNotTaken:
        case Kind::FormatNotTaken:
        case Kind::ConditionNotNumber:
        case Kind::StartPriceNotAmount:
        case Kind::ShippingCostNotAmount:
        case Kind::RequiredSpecificEmpty: return true;
        default: return false;
    }
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

}  // namespace

void CatalogueFindings::Add(Findings& findings, int row, const QString& itemNumber, Kind kind,
                            QString what, QString whatToDo, int otherRow) {
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

QString CatalogueFindings::Quoted(const QString& text) {
    return QLatin1Char('"') + PageName::Shown(text) + QLatin1Char('"');
}

bool CatalogueFindings::IsBlank(QStringView text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.isSpace(); });
}

// Characters as a reader counts them: a pair of surrogates is one.
int CatalogueFindings::CharacterCount(const QString& text) {
    return int(
        std::count_if(text.begin(), text.end(), [](QChar c) { return !c.isLowSurrogate(); }));
}

// Row 1 is a heading row when its item number is a column name, at least two of its other
// cells are column names, and row 2 holds a number where a heading row holds none. A
// seller whose item numbers are words ("ABC-1") still has digits in the prices.
bool CatalogueFindings::LooksLikeHeadingRow(const std::vector<ItemRecord>& records) {
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

void CatalogueFindings::CheckPicture(const ItemRecord& record, int row, QStringView picture,
                                     const QString& why, Findings& findings) {
    if (!picture.isEmpty() && !picture.startsWith(QLatin1String("https://"), Qt::CaseInsensitive)) {
        Add(findings, row, record.Field(ItemRecord::ItemNumber), Kind::PictureNotHttps,
            QCoreApplication::translate("CatalogueFindings",
                                        "The picture address %1 does not start with https://; %2.")
                .arg(Quoted(picture.toString()), why),
            QCoreApplication::translate("CatalogueFindings",
                                        "Give the picture's https:// address."));
    }
}

// An empty title, and why that spoils what is written; a title longer than eBay takes.
void CatalogueFindings::CheckTitle(const ItemRecord& record, int row, const QString& whyEmpty,
                                   Findings& findings) {
    const QString& itemNumber = record.Field(ItemRecord::ItemNumber);
    const QString& title = record.Field(ItemRecord::Title);
    if (IsBlank(title)) {
        Add(findings, row, itemNumber, Kind::EmptyTitle,
            QCoreApplication::translate("CatalogueFindings", "The title is empty; %1.")
                .arg(whyEmpty),
            QCoreApplication::translate("CatalogueFindings", "Type the item's title."));
    } else if (const int length = CharacterCount(title); length > CatalogueCheck::TitleLimit) {
        Add(findings, row, itemNumber, Kind::LongTitle,
            QCoreApplication::translate("CatalogueFindings",
                                        "The title is %1 characters long; eBay takes at most %2.")
                .arg(length)
                .arg(CatalogueCheck::TitleLimit),
            QCoreApplication::translate("CatalogueFindings", "Shorten the title to %1 characters.")
                .arg(CatalogueCheck::TitleLimit));
    }
}

// The shifted rows' warning, on every row from the first one read shifted.
void CatalogueFindings::AddShiftedFinding(Findings& findings, int row, const QString& itemNumber,
                                          int shiftedFrom) {
    if (shiftedFrom <= 0 || row < shiftedFrom)
        return;
    Add(findings, row, itemNumber, Kind::ShiftedRecord,
        row == shiftedFrom ? QCoreApplication::translate(
                                 "CatalogueFindings",
                                 "From this row on, the catalogue file's items do not line "
                                 "up with its lines (a value with a comma or a line break "
                                 "that is not in quotes?), so this row's values may be in "
                                 "the wrong columns or belong to other items.")
                           : QCoreApplication::translate(
                                 "CatalogueFindings",
                                 "The catalogue file's items stop lining up with its lines "
                                 "at row %1, so this row's values may be in the wrong "
                                 "columns or belong to other items.")
                                 .arg(shiftedFrom),
        QCoreApplication::translate(
            "CatalogueFindings",
            "Compare the row with the catalogue file and correct it; in the "
            "file, put in quotes each value that holds a comma or a line "
            "break."));
}

void CatalogueFindings::AddHeadingRowFinding(Findings& findings, const QString& itemNumber,
                                             const QString& becomes) {
    Add(findings, 1, itemNumber, Kind::HeadingRow,
        QCoreApplication::translate("CatalogueFindings",
                                    "Row 1 reads like a row of column names, not an item; it would "
                                    "become %1.")
            .arg(becomes),
        QCoreApplication::translate("CatalogueFindings",
                                    "Delete row 1 if it is the spreadsheet's heading row: a "
                                    "catalogue starts with its first item."));
}

// Active content in the title or the description: eBay refuses a listing that holds it,
// and the page would be refused as a listing's description.
void CatalogueFindings::CheckActiveContent(const ItemRecord& record, int row, Findings& findings) {
    const QString& itemNumber = record.Field(ItemRecord::ItemNumber);
    for (const auto& [position, name] :
         {std::pair{ItemRecord::Title, QT_TRANSLATE_NOOP("CatalogueFindings", "title")},
          std::pair{ItemRecord::Description,
                    QT_TRANSLATE_NOOP("CatalogueFindings", "description")}}) {
        const QString found = ActiveContent::Find(record.Field(position));
        if (found.isEmpty())
            continue;
        Add(findings, row, itemNumber, Kind::ActiveContent,
            QCoreApplication::translate(
                "CatalogueFindings",
                "The %1 holds %2, active content that eBay removes or refuses the "
                "listing for.")
                .arg(QCoreApplication::translate("CatalogueFindings", name), Quoted(found)),
            QCoreApplication::translate(
                "CatalogueFindings",
                "Take the scripts, frames, forms, event attributes (\"on...=\") and "
                "javascript:, vbscript: and data: addresses out of the %1; plain "
                "HTML such as <b> or <br> stays.")
                .arg(QCoreApplication::translate("CatalogueFindings", name)));
    }
}
