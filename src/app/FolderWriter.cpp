// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FolderWriter.h"

#include "app/DeviceWriter.h"
#include "app/LotcraftError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <utility>

namespace {

// How often a hidden name is tried again when a file has it already: only a writer that had
// this process's id, here or in another process-id namespace, can have made it.
constexpr int kNameTries = 16;

// Counts the hidden names of this process, across every FolderWriter and thread.
std::atomic<unsigned> g_hiddenCount{0};

// Whether a name is one MakeHidden gives: ".lotcraft-PID-N" exactly.
bool IsHiddenName(const QByteArray& name) {
    int writer = 0;
    unsigned count = 0;
    int length = 0;
    return std::sscanf(name.constData(), ".lotcraft-%d-%u%n", &writer, &count, &length) == 2 &&
           length == name.size() && writer > 0;
}

// Runs make(name) with fresh hidden names until one is free; returns 0 with the name in
// hidden, or an errno with hidden empty. ".lotcraft-PID-N" has no extension, so it is never
// taken for a page or a picture.
template <typename Make>
int MakeHidden(QByteArray& hidden, Make make) {
    for (int tries = 0; tries < kNameTries; ++tries) {
        hidden = ".lotcraft-" + QByteArray::number(::getpid()) + '-' +
                 QByteArray::number(g_hiddenCount.fetch_add(1, std::memory_order_relaxed));
        if (make(hidden.constData()))
            return 0;
        if (errno != EEXIST)
            break;
    }
    const int error = errno;
    hidden.clear();
    return error;
}

// Whether the folder's entry `name` is the file open as descriptor.
bool NameHolds(int folderFd, const char* name, int descriptor) {
    struct stat entry {};
    struct stat open {};
    return ::fstatat(folderFd, name, &entry, AT_SYMLINK_NOFOLLOW) == 0 &&
           ::fstat(descriptor, &open) == 0 && entry.st_dev == open.st_dev &&
           entry.st_ino == open.st_ino;
}

// Locks a file for its writer. A file system that takes no locks leaves it unlocked, and
// ClearLeftovers there can lock nothing either, so it removes nothing.
void LockForWriting(int descriptor) {
    while (::flock(descriptor, LOCK_EX) != 0 && errno == EINTR) {
    }
}

// The permissions this process gives new files, from its umask as the system reports it
// (reading the umask by setting it would race with other threads making files).
int NewFileMode() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = status.readAll();
    const qsizetype at = text.indexOf("\nUmask:");
    if (at < 0)
        return -1;
    bool ok = false;
    const int mask = text.mid(at + 7, text.indexOf('\n', at + 1) - at - 7).trimmed().toInt(&ok, 8);
    return ok ? 0666 & ~mask : -1;
}

}  // namespace

FolderWriter::Pending& FolderWriter::Pending::operator=(Pending&& other) noexcept {
    // What this held goes with other.
    std::swap(m_folderFd, other.m_folderFd);
    std::swap(m_fd, other.m_fd);
    m_hidden.swap(other.m_hidden);
    m_name.swap(other.m_name);
    return *this;
}

void FolderWriter::Pending::Drop() {
    // The hidden name goes while its lock is still held, then the file with its descriptor.
    if (!m_hidden.isEmpty())
        ::unlinkat(m_folderFd, std::exchange(m_hidden, QByteArray()).constData(), 0);
    if (m_fd >= 0)
        ::close(std::exchange(m_fd, -1));
}

FolderWriter::FolderWriter(QString folder) : m_folder(std::move(folder)), m_newMode(NewFileMode()) {
    m_folderFd = ::open(QFile::encodeName(m_folder).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (m_folderFd < 0)
        m_openError = errno;
    // An unnamed file is linked through its descriptor's entry under /proc, looked up in the
    // folder of those entries held open; without /proc the hidden name serves.
    m_descriptorsFd = ::open("/proc/self/fd", O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (m_descriptorsFd < 0)
        m_unnamedFiles = false;
}

FolderWriter::~FolderWriter() {
    for (const int fd : {m_folderFd, m_descriptorsFd})
        if (fd >= 0)
            ::close(fd);
}

QString FolderWriter::PathIn(const QString& folder, const QString& name) {
    if (folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

void FolderWriter::Fail(const QByteArray& name, const QString& what, const QString& reason) const {
    throw LotcraftError(what + QLatin1Char(' ') + reason,
                        PathIn(m_folder, QFile::decodeName(name)));
}

void FolderWriter::Write(const QString& name, const QByteArray& bytes, const QString& what,
                         Durability durability) const {
    Pending file = Prepare(name, bytes, what);
    Name(file, what, durability);
}

FolderWriter::Pending FolderWriter::Prepare(const QString& name, const QByteArray& bytes,
                                            const QString& what) const {
    Pending file = Begin(name, what);
    Append(file, bytes, what);
    return file;
}

int FolderWriter::CreateHidden(Pending& file) const {
    return MakeHidden(file.m_hidden, [&](const char* hidden) {
        const int fd = ::openat(m_folderFd, hidden,
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0)
            return false;
        // Until the lock is held, ClearLeftovers elsewhere may take the file for a leftover
        // and remove it; once it is held, the name must still be this file's, or another
        // is tried.
        LockForWriting(fd);
        if (NameHolds(m_folderFd, hidden, fd)) {
            file.m_fd = fd;
            return true;
        }
        ::close(fd);
        errno = EEXIST;
        return false;
    });
}

FolderWriter::Pending FolderWriter::Begin(const QString& name, const QString& what) const {
    Pending file;
    file.m_folderFd = m_folderFd;
    file.m_name = QFile::encodeName(name);
    int error = m_folderFd < 0 ? m_openError : 0;
    if (error == 0 && m_unnamedFiles.load(std::memory_order_relaxed)) {
        file.m_fd = ::openat(m_folderFd, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        // File systems without unnamed files say so with EOPNOTSUPP, kernels older than them
        // with EISDIR or EINVAL; from then on this folder gets hidden names.
        if (file.m_fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL))
            m_unnamedFiles.store(false, std::memory_order_relaxed);
        else if (file.m_fd < 0)
            error = errno;
    }
    if (error == 0 && file.m_fd < 0)
        error = CreateHidden(file);
    if (error != 0)
        Fail(file.m_name, what,
             QCoreApplication::translate("FolderWriter", "cannot be created: %1")
                 .arg(LotcraftError::SystemReason(error)));
    return file;
}

void FolderWriter::Append(Pending& file, const QByteArray& bytes, const QString& what) const {
    const QString failure = DeviceWriter::WriteAll(file.m_fd, bytes);
    if (!failure.isEmpty()) {
        const QByteArray name = file.m_name;
        file.Drop();
        Fail(name, what,
             QCoreApplication::translate("FolderWriter",
                                         "cannot be written: %1; nothing is left under its name")
                 .arg(failure));
    }
}

void FolderWriter::KeepPermissions(const Pending& file) const {
    struct stat older {};
    if (::fstatat(m_folderFd, file.m_name.constData(), &older, AT_SYMLINK_NOFOLLOW) != 0)
        return;
    const int mode = int(older.st_mode & 07777);
    // A volume that keeps no permissions (FAT) refuses the change, which loses nothing.
    if (S_ISREG(older.st_mode) && mode != m_newMode)
        ::fchmod(file.m_fd, mode_t(mode));
}

void FolderWriter::Name(Pending& file, const QString& what, Durability durability) const {
    const QByteArray& name = file.m_name;
    int error = 0;
    if (durability == Durability::Flushed && ::fsync(file.m_fd) != 0)
        error = errno;
    if (error == 0 && file.m_hidden.isEmpty()) {
        // The descriptor's entry under /proc links the file without the privilege that
        // linking a descriptor directly (AT_EMPTY_PATH) needs.
        char entry[16];
        std::snprintf(entry, sizeof entry, "%d", file.m_fd);
        const auto linkAs = [&](const char* target) {
            return ::linkat(m_descriptorsFd, entry, m_folderFd, target, AT_SYMLINK_FOLLOW) == 0;
        };
        if (!linkAs(name.constData())) {
            // The name is taken: the file gets a hidden name, locked first so that no one
            // takes it for a leftover, which then replaces the older file.
            error = errno;
            if (error == EEXIST) {
                KeepPermissions(file);
                LockForWriting(file.m_fd);
                error = MakeHidden(file.m_hidden, linkAs);
            }
        }
    } else if (error == 0) {
        KeepPermissions(file);
    }
    if (error == 0 && !file.m_hidden.isEmpty()) {
        // A rename replaces whatever has the name at once, a link without following it.
        if (::renameat(m_folderFd, file.m_hidden.constData(), m_folderFd, name.constData()) == 0)
            file.m_hidden.clear();
        else
            error = errno;
    }
    if (error != 0) {
        const QByteArray failed = name;
        file.Drop();
        Fail(failed, what,
             QCoreApplication::translate("FolderWriter", "cannot be given its name: %1")
                 .arg(LotcraftError::SystemReason(error)));
    }
    if (durability == Durability::Flushed) {
        // The folder's new entry, so that the name survives a power cut as well.
        const int folder =
            ::open(QFile::encodeName(m_folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (folder >= 0) {
            ::fsync(folder);
            ::close(folder);
        }
    }
}

int FolderWriter::ClearLeftovers() const {
    int removed = 0;
    if (m_folderFd < 0)
        return removed;
    const QStringList names = QDir(m_folder).entryList({QStringLiteral(".lotcraft-*")},
                                                       QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        const QByteArray bytes = QFile::encodeName(name);
        if (!IsHiddenName(bytes))
            continue;
        // A writer holds its lock for as long as the file has a hidden name; a lock taken
        // here means it is gone. The name must still be the locked file's when it goes.
        const int fd = ::openat(m_folderFd, bytes.constData(),
                                O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        if (fd < 0)
            continue;
        struct stat status {};
        if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0 && NameHolds(m_folderFd, bytes.constData(), fd) &&
            ::unlinkat(m_folderFd, bytes.constData(), 0) == 0)
            ++removed;
        ::close(fd);
    }
    return removed;
}
