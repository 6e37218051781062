// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

class CatalogueColumns;

// One of eBay's category upload templates, as Seller Hub offers them to download: a CSV
// file in UTF-8, perhaps with a signature, whose heading row names the columns of listings
// in a category, the item specifics among them ("C:Colour"), a star before those the
// category requires ("*C:Brand"). Lines of eBay's notes around it, whose first cell starts
// with "#INFO" or is "Info", are passed over.
class ListingTemplate {
public:
    struct Result {
        // The item specifics' columns as the template names them, stars and all, in its order.
        QStringList specifics;
        // Why the file is no template, as a sentence; empty when it was read.
        QString failure;
    };

    // Reads the template at path.
    static Result Read(const QString& path);
    // Reads a template's bytes.
    static Result FromBytes(QByteArrayView bytes);
    // The template's item specifics that the catalogue has no column of, as the template
    // names them; names are matched as the catalogue matches them, so "*C:Brand" is a
    // catalogue's "C:Brand".
    static QStringList Missing(const Result& read, const CatalogueColumns& columns);
};
