// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FileIdentity.h"

#include "app/FolderWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <optional>
#include <vector>

namespace {

struct Identity {
    dev_t device;
    ino_t inode;
    bool operator==(const Identity& other) const {
        return device == other.device && inode == other.inode;
    }
};

std::optional<Identity> IdentityOf(const QString& path, bool followLink) {
    if (path.isEmpty())
        return std::nullopt;
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if ((followLink ? ::stat(name.constData(), &status) : ::lstat(name.constData(), &status)) != 0)
        return std::nullopt;
    return Identity{status.st_dev, status.st_ino};
}

// A name in a folder, as the seller's file is reached.
struct Entry {
    QString folder;
    QString name;
};

// The catalogue's own name and, where that is a link, the name of the file it leads to.
std::vector<Entry> EntriesOf(const QString& kept) {
    std::vector<Entry> entries;
    const QFileInfo info(kept);
    entries.push_back({info.absolutePath(), info.fileName()});
    if (info.isSymLink()) {
        const QFileInfo target(info.canonicalFilePath());
        if (!target.filePath().isEmpty())
            entries.push_back({target.absolutePath(), target.fileName()});
    }
    return entries;
}

// File system types that take names differing in letter case for one (statfs's f_type).
constexpr long kCaseBlindTypes[] = {
    0x4d44,      // FAT
    0x2011BAB0,  // exFAT
    0x482b,      // HFS+
    0xFF534D42,  // SMB (cifs)
    0xFE534D42,  // SMB2
    0x517B,      // SMB (old)
};

// Whether a name that is in the folder, asked for in other letter case, is found, though the
// folder lists no such name.
bool SeenToIgnoreCase(const QString& folder, const QString& present) {
    QString other = present;
    for (QChar& c : other)
        c = c.isUpper() ? c.toLower() : c.toUpper();
    if (other == present || !IdentityOf(FolderWriter::PathIn(folder, other), false))
        return false;
    return QDir(folder)
        .entryList({other}, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::CaseSensitive)
        .isEmpty();
}

}  // namespace

QString FileIdentity::NamesInFolder::Match(const QString& name) const {
    for (const QString& kept : names) {
        if (kept.compare(name, ignoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive) == 0)
            return kept;
    }
    return QString();
}

bool FileIdentity::IgnoresCase(const QString& folder, const QString& present) {
    const QByteArray name = QFile::encodeName(folder);
    struct statfs system {};
    if (::statfs(name.constData(), &system) == 0) {
        for (const long type : kCaseBlindTypes) {
            if (static_cast<long>(system.f_type) == type)
                return true;
        }
    }
#ifdef FS_CASEFOLD_FL
    // ext4 and f2fs can be told to ignore case folder by folder.
    const int descriptor = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        int flags = 0;
        const bool folded =
            ::ioctl(descriptor, FS_IOC_GETFLAGS, &flags) == 0 && (flags & FS_CASEFOLD_FL) != 0;
        ::close(descriptor);
        if (folded)
            return true;
    }
#endif
    // Other volumes (exFAT through FUSE, say) tell by what they do.
    if (!present.isEmpty() && IdentityOf(FolderWriter::PathIn(folder, present), false))
        return SeenToIgnoreCase(folder, present);
    QDirIterator names(folder,
                       QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (names.hasNext()) {
        const QString name = QFileInfo(names.next()).fileName();
        if (name.toUpper() != name.toLower())
            return SeenToIgnoreCase(folder, name);
    }
    return false;
}

bool FileIdentity::SameFile(const QString& one, const QString& other) {
    const std::optional<Identity> first = IdentityOf(one, true);
    return first && first == IdentityOf(other, true);
}

bool FileIdentity::WouldReplace(const QString& path, const QString& kept) {
    if (kept.isEmpty() || path.isEmpty())
        return false;
    const QFileInfo target(path);
    const QString written = target.absoluteFilePath();
    if (const std::optional<Identity> entry = IdentityOf(written, false)) {
        // What has the name now is replaced: the catalogue itself, a link to it, or a name the
        // volume takes for the catalogue's.
        const std::optional<Identity> keptFile = IdentityOf(kept, true);
        const std::optional<Identity> keptEntry = IdentityOf(kept, false);
        for (const std::optional<Identity>& candidate : {entry, IdentityOf(written, true)}) {
            if (candidate && (candidate == keptFile || candidate == keptEntry))
                return true;
        }
    }
    // The catalogue's own name in the same folder, as the folder compares names: some
    // volumes give one file other inodes under other letter cases, and a catalogue that is
    // gone has none.
    return !NamesIn(target.absolutePath(), kept).Match(target.fileName()).isEmpty();
}

FileIdentity::NamesInFolder FileIdentity::NamesIn(const QString& folder, const QString& kept) {
    NamesInFolder found;
    const std::optional<Identity> folderIdentity = IdentityOf(folder, true);
    if (kept.isEmpty() || !folderIdentity)
        return found;
    for (const Entry& entry : EntriesOf(kept)) {
        if (!entry.name.isEmpty() && IdentityOf(entry.folder, true) == folderIdentity &&
            !found.names.contains(entry.name))
            found.names << entry.name;
    }
    if (!found.names.isEmpty())
        found.ignoreCase = IgnoresCase(folder, found.names.first());
    return found;
}

QString FileIdentity::Refusal(const QString& what, const QString& written, const QString& kept) {
    return QCoreApplication::translate("FileIdentity", "%1 %2 would replace the catalogue %3")
        .arg(what, written, kept);
}
