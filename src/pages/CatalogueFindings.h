// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pages/CatalogueFinding.h"

#include <QString>
#include <QStringView>

#include <vector>

class ItemRecord;

// The findings of a catalogue check as they are made, and the rules that the check of the
// pages and the check of the listings share. Whether a finding is an error follows from its
// kind.
class CatalogueFindings {
public:
    using Findings = std::vector<CatalogueFinding>;

    static void Add(Findings& findings, int row, const QString& itemNumber,
                    CatalogueFinding::Kind kind, QString what, QString whatToDo, int otherRow = 0);

    // A text as a finding quotes it, every character readable.
    static QString Quoted(const QString& text);
    static bool IsBlank(QStringView text);
    // Characters as a reader counts them: a pair of surrogates is one.
    static int CharacterCount(const QString& text);
    // Whether row 1 holds a spreadsheet's column names rather than an item.
    static bool LooksLikeHeadingRow(const std::vector<ItemRecord>& records);

    // Active content in the title or the description.
    static void CheckActiveContent(const ItemRecord& record, int row, Findings& findings);
    // An empty title, and why that spoils what is written; a title longer than eBay takes.
    static void CheckTitle(const ItemRecord& record, int row, const QString& whyEmpty,
                           Findings& findings);
    // A picture address of the record that is not https://, and why that spoils what is
    // written.
    static void CheckPicture(const ItemRecord& record, int row, QStringView picture,
                             const QString& why, Findings& findings);
    // The shifted rows' warning, on every row from the first one read shifted.
    static void AddShiftedFinding(Findings& findings, int row, const QString& itemNumber,
                                  int shiftedFrom);
    // The heading row's warning, saying what it would become.
    static void AddHeadingRowFinding(Findings& findings, const QString& itemNumber,
                                     const QString& becomes);
};
