// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/KeptSettingsFile.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

KeptSettingsFile::Finding NothingKept(const QString& why) {
    return {false, why + QStringLiteral(", so nothing is kept this run: move or rename it and "
                                        "start Lotcraft again.")};
}

KeptSettingsFile::Finding CannotRead(const QString& path, const QString& reason) {
    return {false, QStringLiteral("%1 cannot be read (%2), so nothing is kept this run: make it "
                                  "readable, or move or rename it, and start Lotcraft again.")
                       .arg(path, reason)};
}

// Text as QSettings writes it: UTF-8 without NUL bytes. A letter cut where the bytes end
// counts against them only at the file's end.
bool IsText(const QByteArray& bytes, bool wholeFile) {
    if (bytes.contains('\0'))
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8, wholeFile ? QStringDecoder::Flag::Stateless
                                                        : QStringDecoder::Flag::Default);
    // The decoder knows its errors once the bytes are decoded.
    const QString text = utf8.decode(bytes);
    return !utf8.hasError();
}

// A name is taken by anything there, a link to nothing too.
bool Taken(const QString& name) {
    const QFileInfo info(name);
    return info.exists() || info.isSymLink();
}

// Renames the file at `path` to the first free name of <path>.unread, <path>.unread-2, ...;
// QFile::rename replaces nothing. The new name, or empty with `error` saying why.
QString MoveAside(const QString& path, QString* error) {
    for (int n = 1;; ++n) {
        const QString aside =
            n == 1 ? path + QStringLiteral(".unread") : path + QStringLiteral(".unread-%1").arg(n);
        if (Taken(aside))
            continue;
        QFile file(path);
        if (file.rename(aside))
            return aside;
        // Another program may have taken the name just now.
        if (!Taken(aside)) {
            *error = file.errorString();
            return QString();
        }
    }
}

}  // namespace

KeptSettingsFile::Finding KeptSettingsFile::Look(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    if (info.isDir())
        return NothingKept(
            QStringLiteral("%1 is a folder, not Lotcraft's settings file").arg(path));
    // Not opened at all: reading a pipe or a device may never end.
    if (!info.isFile())
        return NothingKept(
            QStringLiteral("%1 is a pipe, socket or device, not Lotcraft's settings file")
                .arg(path));
    QString unlike;
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return CannotRead(path, file.errorString());
        if (file.size() > LargestSize) {
            unlike = QStringLiteral("is over 1 MiB, far larger than Lotcraft's settings ever are");
        } else {
            const QByteArray start = file.read(LookedAtSize);
            if (file.error() != QFileDevice::NoError)
                return CannotRead(path, file.errorString());
            if (!IsText(start, file.atEnd()))
                unlike = QStringLiteral("is not a text file");
        }
    }
    if (unlike.isEmpty())
        return {};
    QString error;
    const QString aside = MoveAside(path, &error);
    if (aside.isEmpty())
        return NothingKept(QStringLiteral("%1 %2, so it is not Lotcraft's settings file; it could "
                                          "not be moved aside (%3)")
                               .arg(path, unlike, error));
    return {true, QStringLiteral("%1 %2, so it is not Lotcraft's settings file: it is left aside "
                                 "as %3, and Lotcraft starts with its first settings.")
                      .arg(path, unlike, aside)};
}
