// SPDX-License-Identifier: GPL-3.0-or-later
// catalogue-cells: the cells of a catalogue file as JSON, through Lotcraft's own reader and
// writer, for the tests that pass catalogues between Lotcraft and other programs.
//   catalogue-cells read FILE    prints the records as a JSON array of arrays of ten texts,
//                                and each notice as a line on standard error; a failure is
//                                printed on standard error, exit status 1
//   catalogue-cells write FILE   saves the records given on standard input in that form
//   catalogue-cells sheet FILE   prints the rows of a spreadsheet's first sheet (.ods, .xlsx)
//                                as a JSON array of arrays of cell texts

#include "app/LotcraftError.h"
#include "catalogue/CatalogueReader.h"
#include "catalogue/CatalogueWriter.h"
#include "catalogue/ItemRecord.h"
#include "catalogue/SpreadsheetReader.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <cstdio>
#include <vector>

namespace {

int Fail(const QString& message) {
    std::fprintf(stderr, "catalogue-cells: %s\n", message.toUtf8().constData());
    return 1;
}

int ReadCatalogue(const QString& name) {
    const CatalogueReader::Result result = CatalogueReader::Read(name);
    if (result.failure)
        return Fail(result.failure->Message());
    for (const QString& notice : result.notices)
        std::fprintf(stderr, "%s\n", notice.toUtf8().constData());
    QJsonArray records;
    for (const ItemRecord& record : result.records) {
        QJsonArray fields;
        for (int position = 1; position <= ItemRecord::FieldCount; ++position)
            fields.append(record.Field(position));
        records.append(fields);
    }
    std::fputs(QJsonDocument(records).toJson(QJsonDocument::Compact).constData(), stdout);
    return 0;
}

int WriteCatalogue(const QString& name) {
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        return Fail(QStringLiteral("standard input cannot be read"));
    const QJsonDocument document = QJsonDocument::fromJson(input.readAll());
    if (!document.isArray())
        return Fail(QStringLiteral("standard input holds no JSON array"));
    std::vector<ItemRecord> records;
    for (const QJsonValue& row : document.array()) {
        const QJsonArray fields = row.toArray();
        if (fields.size() != ItemRecord::FieldCount)
            return Fail(QStringLiteral("record %1 has %2 fields, not %3")
                            .arg(records.size() + 1)
                            .arg(fields.size())
                            .arg(ItemRecord::FieldCount));
        ItemRecord record;
        for (int position = 1; position <= ItemRecord::FieldCount; ++position)
            record.SetField(position, fields.at(position - 1).toString());
        records.push_back(record);
    }
    try {
        CatalogueWriter::Write(name, records);
    } catch (const LotcraftError& error) {
        return Fail(error.Message());
    }
    return 0;
}

int ReadSheet(const QString& name) {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return Fail(QStringLiteral("%1 cannot be opened").arg(name));
    const SpreadsheetReader::Sheet sheet = SpreadsheetReader::Read(file.readAll());
    if (!sheet.failure.isEmpty())
        return Fail(sheet.failure);
    QJsonArray rows;
    for (const QStringList& row : sheet.rows)
        rows.append(QJsonArray::fromStringList(row));
    std::fputs(QJsonDocument(rows).toJson(QJsonDocument::Compact).constData(), stdout);
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 3 && arguments[1] == QLatin1String("read"))
        return ReadCatalogue(arguments[2]);
    if (arguments.size() == 3 && arguments[1] == QLatin1String("write"))
        return WriteCatalogue(arguments[2]);
    if (arguments.size() == 3 && arguments[1] == QLatin1String("sheet"))
        return ReadSheet(arguments[2]);
    return Fail(QStringLiteral("usage: catalogue-cells read|write|sheet FILE"));
}
