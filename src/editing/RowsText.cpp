// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/RowsText.h"

#include "catalogue/CatalogueWriter.h"
#include "pages/CatalogueFindings.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

bool NeedsQuotes(QStringView value) {
    for (const QChar c : value) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r') ||
            c == QLatin1Char('"'))
            return true;
    }
    return false;
}

void AppendCell(QString& text, const QString& value) {
    if (!NeedsQuotes(value)) {
        text += value;
        return;
    }
    text += QLatin1Char('"');
    for (const QChar c : value) {
        if (c == QLatin1Char('"'))
            text += QLatin1Char('"');
        text += c;
    }
    text += QLatin1Char('"');
}

bool EndsCell(QStringView text, qsizetype at) {
    return at == text.size() || text[at] == QLatin1Char('\t') || text[at] == QLatin1Char('\n') ||
           text[at] == QLatin1Char('\r');
}

// The cells of one row from `at`, which is left after the row's line end.
QStringList ReadRow(QStringView text, qsizetype& at) {
    QStringList cells;
    for (;;) {
        QString cell;
        qsizetype end = at;
        bool quoted = false;
        if (at < text.size() && text[at] == QLatin1Char('"')) {
            // A cell in quotes ends at a quote not doubled that a tab or a line end follows;
            // a cell that only starts with a quote, such as `"5" inch`, stands as it is.
            qsizetype k = at + 1;
            for (; k < text.size(); ++k) {
                if (text[k] != QLatin1Char('"')) {
                    cell += text[k];
                } else if (k + 1 < text.size() && text[k + 1] == QLatin1Char('"')) {
                    cell += QLatin1Char('"');
                    ++k;
                } else {
                    break;
                }
            }
            quoted = k < text.size() && EndsCell(text, k + 1);
            end = k + 1;
        }
        if (!quoted) {
            end = at;
            while (!EndsCell(text, end))
                ++end;
            cell = text.sliced(at, end - at).toString();
        }
        cells.append(std::move(cell));
        at = end;
        if (at < text.size() && text[at] == QLatin1Char('\t')) {
            ++at;
            continue;
        }
        // LF, CR LF, or a CR alone as older programs end lines.
        if (at < text.size() && text[at] == QLatin1Char('\r'))
            ++at;
        if (at < text.size() && text[at] == QLatin1Char('\n'))
            ++at;
        return cells;
    }
}

QString Headings() {
    QStringList headings;
    for (int position = 1; position <= ItemRecord::FieldCount; ++position) {
        const QString heading = QString::fromLatin1(ItemRecord::PresentationOf(position).heading);
        headings << (heading.isEmpty() ? QCoreApplication::translate("RowsText", "an unused one")
                                       : heading);
    }
    return headings.join(QStringLiteral(", "));
}

// The positions a row carries: the ten fields, then the kept columns.
std::vector<int> RowPositions(int kept) {
    std::vector<int> positions;
    for (int position = 1; position < ItemRecord::FirstExtraPosition + kept; ++position)
        positions.push_back(position);
    return positions;
}

}  // namespace

QString RowsText::TabSeparated(const std::vector<ItemRecord>& records, int kept) {
    QString text;
    const std::vector<int> positions = RowPositions(kept);
    for (const ItemRecord& record : records) {
        for (const int position : positions) {
            if (position > 1)
                text += QLatin1Char('\t');
            AppendCell(text, record.Value(position));
        }
        text += QLatin1Char('\n');
    }
    return text;
}

QString RowsText::Csv(const std::vector<ItemRecord>& records, int kept) {
    QByteArray lines;
    const std::vector<int> positions = RowPositions(kept);
    for (const ItemRecord& record : records)
        CatalogueWriter::AppendLine(lines, record, positions);
    return QString::fromUtf8(lines);
}

RowsText::Pasted RowsText::FromTabSeparated(const QString& text, int kept) {
    Pasted pasted;
    const QStringView rows(text);
    int line = 0;
    for (qsizetype at = 0; at < rows.size();) {
        ++line;
        const QStringList cells = ReadRow(rows, at);
        if (cells.size() != ItemRecord::FieldCount &&
            (kept == 0 || cells.size() != ItemRecord::FieldCount + kept)) {
            pasted.records.clear();
            pasted.problem =
                QCoreApplication::translate(
                    "RowsText",
                    "Line %1 has %2; rows to paste need the catalogue's ten, in its "
                    "order: %3%4.")
                    .arg(line)
                    .arg(cells.size() == 1 ? QCoreApplication::translate("RowsText", "1 column")
                                           : QCoreApplication::translate("RowsText", "%1 columns")
                                                 .arg(cells.size()))
                    .arg(Headings(), kept == 0
                                         ? QString()
                                         : QCoreApplication::translate(
                                               "RowsText", "; or those and the %1 kept after them")
                                               .arg(kept));
            return pasted;
        }
        ItemRecord record;
        for (int position = 1; position <= cells.size(); ++position)
            record.SetValue(position, cells[position - 1]);
        pasted.records.push_back(std::move(record));
    }
    if (pasted.records.empty()) {
        pasted.problem =
            QCoreApplication::translate("RowsText", "The clipboard holds no rows to paste.");
        return pasted;
    }
    if (CatalogueFindings::LooksLikeHeadingRow(pasted.records)) {
        pasted.records.erase(pasted.records.begin());
        pasted.headingSkipped = true;
    }
    return pasted;
}
