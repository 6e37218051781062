// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Spreadsheet files made member by member, for the tests that open them.

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>
#include <QBuffer>
#include <QByteArray>
#include <QString>

#include <utility>
#include <vector>

using Members = std::vector<std::pair<QString, QByteArray>>;

// A ZIP of the members in order; the first is stored, as OpenDocument wants its mimetype.
inline QByteArray Zip(const Members& members) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QuaZip zip(&buffer);
    if (!zip.open(QuaZip::mdCreate))
        return {};
    bool first = true;
    for (const auto& [name, bytes] : members) {
        QuaZipFile file(&zip);
        if (!file.open(QIODevice::WriteOnly, QuaZipNewInfo(name), nullptr, 0, first ? 0 : 8))
            return {};
        file.write(bytes);
        file.close();
        first = false;
    }
    zip.close();
    return buffer.data();
}

// An OpenDocument spreadsheet of the tables given as content.xml's elements.
inline QByteArray OpenDocument(const QString& tables) {
    const QString content = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
        "<office:document-content "
        "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
        "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
        "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\">"
        "<office:body><office:spreadsheet>%1</office:spreadsheet></office:body>"
        "</office:document-content>");
    return Zip({{QStringLiteral("mimetype"), "application/vnd.oasis.opendocument.spreadsheet"},
                {QStringLiteral("content.xml"), content.arg(tables).toUtf8()}});
}
