// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Whether a file Lotcraft is about to write would replace a file the seller keeps (the
// catalogue a window or lotcraft-pages read): the one rule that the export, the page runs and
// the pictures ask before they write.
//
// Files are compared by what they are, not by how their paths read: where the file to be
// written exists, by device and inode (so a bind mount, a link, "./" or a name in other
// letter case on a volume that ignores case are all the same file); where it does not, by
// the folder it would be made in (device and inode again) and its name, compared as that
// folder compares names: letter case ignored on FAT, exFAT, HFS+ and SMB volumes, in
// folders made to ignore it, and wherever the folder is seen to ignore it. Both the catalogue's own name and, where it is a link, the file
// it leads to count as the catalogue.
class FileIdentity {
public:
    // The names in one folder that are the seller's file there, and that folder's rule for
    // comparing names: what a page run holds each page's and picture's name to.
    struct NamesInFolder {
        QStringList names;
        bool ignoreCase = false;

        // The name among names that `name` is the same file as; empty when none is.
        QString Match(const QString& name) const;
    };

    // Whether writing path (replacing whatever has its name) would replace `kept`; false when
    // kept is empty.
    static bool WouldReplace(const QString& path, const QString& kept);
    // The names under which `kept` lies in folder: its own name and that of the file it leads
    // to, where either lies there.
    static NamesInFolder NamesIn(const QString& folder, const QString& kept);
    // Whether two paths lead to one file or folder; false when either cannot be reached.
    static bool SameFile(const QString& one, const QString& other);
    // Whether the folder takes names that differ only in letter case for one: known of its
    // file system, or seen of `present`, a name in it, where one is given.
    static bool IgnoresCase(const QString& folder, const QString& present = QString());

    // The sentence that refuses a write: "<what> <written> would replace the catalogue
    // <kept>", the paths as the seller gave them.
    static QString Refusal(const QString& what, const QString& written, const QString& kept);
};
