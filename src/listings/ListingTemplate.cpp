// SPDX-License-Identifier: GPL-3.0-or-later
#include "listings/ListingTemplate.h"

#include "catalogue/CatalogueColumns.h"
#include "catalogue/FieldScanner.h"

#include <QCoreApplication>
#include <QFile>

namespace {

// eBay's templates are a few kilobytes; a file this large is something else.
constexpr qint64 kLargest = 8 << 20;

// Whether a line is one of eBay's notes around the heading.
bool IsNote(const QStringList& cells) {
    const QString first = cells.isEmpty() ? QString() : cells.first().trimmed();
    return first.startsWith(QLatin1String("#INFO"), Qt::CaseInsensitive) ||
           first.startsWith(QLatin1String("Info"), Qt::CaseInsensitive);
}

// The cells of the next line that holds any; empty at the end.
QStringList NextLine(FieldScanner& scanner, bool& ended) {
    QStringList cells;
    while (!ended && cells.isEmpty()) {
        while (scanner.SkipBlankLine()) {
        }
        for (;;) {
            const FieldScanner::End end = scanner.Next(true);
            cells << QString::fromUtf8(scanner.Text());
            if (end == FieldScanner::End::FileEnd)
                ended = true;
            if (end != FieldScanner::End::Comma)
                break;
        }
        if (cells.size() == 1 && cells.first().trimmed().isEmpty())
            cells.clear();
    }
    return cells;
}

}  // namespace

ListingTemplate::Result ListingTemplate::Read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {
            {},
            QCoreApplication::translate("ListingTemplate", "The template %1 cannot be read: %2.")
                .arg(path, file.errorString())};
    if (file.size() > kLargest)
        return {
            {},
            QCoreApplication::translate("ListingTemplate",
                                        "The file %1 is no category template of eBay's: it is far "
                                        "larger than one.")
                .arg(path)};
    Result read = FromBytes(file.readAll());
    if (!read.failure.isEmpty())
        read.failure = QCoreApplication::translate(
                           "ListingTemplate", "The file %1 is no category template of eBay's: %2")
                           .arg(path, read.failure);
    return read;
}

ListingTemplate::Result ListingTemplate::FromBytes(QByteArrayView bytes) {
    FieldScanner scanner(bytes);
    if (scanner.Peek(3) == QByteArrayView("\xEF\xBB\xBF"))
        scanner.SetTextStart(3);
    bool ended = false;
    QStringList heading;
    do
        heading = NextLine(scanner, ended);
    while (!heading.isEmpty() && IsNote(heading));
    Result read;
    for (const QString& cell : heading) {
        const QString name = cell.trimmed();
        if (CatalogueColumns::Key(name).startsWith(QLatin1String("c:")) &&
            CatalogueColumns::Key(name).size() > 2)
            read.specifics << name;
    }
    if (read.specifics.isEmpty())
        read.failure =
            heading.isEmpty()
                ? QCoreApplication::translate("ListingTemplate", "it holds no heading row.")
                : QCoreApplication::translate("ListingTemplate",
                                              "its heading row names no item specific (C:...).");
    return read;
}

QStringList ListingTemplate::Missing(const Result& read, const CatalogueColumns& columns) {
    QStringList missing;
    QStringList keys;
    for (const QString& name : read.specifics) {
        const QString key = CatalogueColumns::Key(name);
        if (columns.ExtraNamed(name) < 0 && !keys.contains(key)) {
            missing << name;
            keys << key;
        }
    }
    return missing;
}
