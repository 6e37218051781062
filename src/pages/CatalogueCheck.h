// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pages/CatalogueFinding.h"

#include <QString>
#include <QStringList>

#include <vector>

class ItemRecord;
struct PageInputs;
struct SellerTexts;

// Looks over a catalogue before its pages are written or its listings exported, and says
// what would go wrong: rows whose pages would be lost, misnamed or replaced, or that eBay
// would refuse (errors; those rows are skipped), and what would spoil the pages or their
// listing (warnings). It reads
// the records, the seller's three texts and the output folder, and writes nothing. Equal
// item numbers are found in one sort of hashed pairs, nothing is compared row with row, so
// the largest catalogue takes milliseconds.
class CatalogueCheck {
public:
    // The marketplace takes titles of at most this many characters.
    static constexpr int TitleLimit = 80;
    // The longest file name where the output folder does not say.
    static constexpr long DefaultNameLimit = 255;

    // The findings for records (row 1 is records[0]) and the seller's texts, sorted by row,
    // errors of a row before its warnings. An empty outputFolder stands for a folder not
    // chosen yet: file names are then held to DefaultNameLimit and whole paths are not
    // checked.
    //
    // shiftedFrom is the first row read where the catalogue file's records stopped lining up
    // with its lines (CatalogueReader::Result::shiftedFrom; 0 for none): that row and every
    // one after it get a warning. reservedNames are the file names no page may take in the
    // output folder (PageInputs::reservedNames: the program's own files when the output
    // folder is the program's folder); a row whose page would take one is an error, as the
    // page run refuses it. Active content in a title or description is an error too: the
    // page would be refused as a listing's description.
    static std::vector<CatalogueFinding> Run(const std::vector<ItemRecord>& records,
                                             const SellerTexts& texts, const QString& outputFolder,
                                             int shiftedFrom = 0,
                                             const QStringList& reservedNames = QStringList());
    // The same for the pages of the inputs, in their output folder: besides the names Run
    // refuses, a page that would replace the catalogue (PageInputs::catalogueNames) is an
    // error.
    static std::vector<CatalogueFinding> Run(const std::vector<ItemRecord>& records,
                                             const PageInputs& inputs, int shiftedFrom);

    // The rows that have an error, ascending, each once: the rows to skip.
    static std::vector<int> RowsInError(const std::vector<CatalogueFinding>& findings);
    // The errors, one line each (CatalogueFinding::Line), at most `most` of them and then a
    // line that counts the others: what a message says of the rows left out.
    static QString ErrorLines(const std::vector<CatalogueFinding>& findings, int most = 20);
    static int Count(const std::vector<CatalogueFinding>& findings,
                     CatalogueFinding::Severity severity);

    // The longest file name, in bytes, that the folder takes.
    static long NameLimit(const QString& outputFolder);
};
