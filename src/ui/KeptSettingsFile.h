// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

// The file KeptSettings' store is made on, looked at before QSettings reads it: QSettings
// reads a file whole, however large, takes nearly any bytes for settings, and writes over
// what it could not read. A file that is plainly not Lotcraft's is moved aside, under a
// name beside its own, so that the seller still has it; where nothing may be kept, the
// window gets no store and the file is neither read nor written.
class KeptSettingsFile {
public:
    // No settings file of Lotcraft's comes near this size.
    static constexpr qint64 LargestSize = 1 << 20;
    // How much of a file is read to tell whether it is text.
    static constexpr qint64 LookedAtSize = 64 << 10;

    struct Finding {
        // False when nothing is kept this run: the window gets no store.
        bool keep = true;
        // For the status line; empty when the file is used as it is, or there is none yet.
        QString notice;
    };

    // What to do with the settings file at `path`. Missing, or a text file of a settings
    // file's size: it is used. Larger, or not text (a NUL byte, or not UTF-8): it is renamed
    // to <name>.unread in its folder (.unread-2, ... when that name is taken) and a fresh one
    // is used. A folder, anything else that is not a regular file, a file that cannot be
    // read, or one that cannot be moved aside: nothing is kept.
    static Finding Look(const QString& path);
};
