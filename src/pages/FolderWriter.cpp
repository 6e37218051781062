// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/FolderWriter.h"

#include "app/DeviceWriter.h"
#include "app/LotcraftError.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <utility>

namespace {

// How often a hidden name is tried again when a file has it already: only a killed process
// that had this process's id can have left one.
constexpr int kNameTries = 16;

// Counts the hidden names of this process, across every FolderWriter and thread.
std::atomic<unsigned> g_hiddenCount{0};

QString SystemReason(int error) {
    return qt_error_string(error);
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
    if (m_fd >= 0)
        ::close(std::exchange(m_fd, -1));  // an unnamed file goes with it
    if (!m_hidden.isEmpty())
        ::unlinkat(m_folderFd, std::exchange(m_hidden, QByteArray()).constData(), 0);
}

FolderWriter::FolderWriter(QString folder) : m_folder(std::move(folder)) {
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

void FolderWriter::Fail(const QString& name, const QString& what, const QString& reason) const {
    throw LotcraftError(what + QLatin1Char(' ') + reason, PathIn(m_folder, name));
}

void FolderWriter::Write(const QString& name, const QByteArray& bytes, const QString& what) const {
    Pending file = Prepare(name, bytes, what);
    Name(file, what);
}

FolderWriter::Pending FolderWriter::Prepare(const QString& name, const QByteArray& bytes,
                                            const QString& what) const {
    Pending file;
    file.m_folderFd = m_folderFd;
    file.m_name = QFile::encodeName(name);
    int error = m_folderFd < 0 ? m_openError : 0;
    int fd = -1;
    if (error == 0 && m_unnamedFiles.load(std::memory_order_relaxed)) {
        fd = file.m_fd = ::openat(m_folderFd, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        // File systems without unnamed files say so with EOPNOTSUPP, kernels older than them
        // with EISDIR or EINVAL; from then on this folder gets hidden names.
        if (fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL))
            m_unnamedFiles.store(false, std::memory_order_relaxed);
        else if (fd < 0)
            error = errno;
    }
    if (error == 0 && fd < 0)
        error = MakeHidden(file.m_hidden, [&](const char* hidden) {
            fd = ::openat(m_folderFd, hidden, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                          0666);
            return fd >= 0;
        });
    if (error != 0)
        Fail(name, what, QStringLiteral("cannot be created: %1").arg(SystemReason(error)));
    QString failure = DeviceWriter::WriteAll(fd, bytes);
    // A hidden file is closed once written: it waits for its name holding no descriptor.
    if (file.m_fd < 0 && ::close(fd) != 0 && failure.isEmpty())
        failure = SystemReason(errno);
    if (!failure.isEmpty())
        Fail(name, what,
             QStringLiteral("cannot be written: %1; nothing is left under its name").arg(failure));
    return file;  // a failure above drops it
}

void FolderWriter::Name(Pending& file, const QString& what) const {
    const QByteArray& name = file.m_name;
    int error = 0;
    if (file.m_fd >= 0) {
        // The descriptor's entry under /proc links the file without the privilege that
        // linking a descriptor directly (AT_EMPTY_PATH) needs.
        char entry[16];
        std::snprintf(entry, sizeof entry, "%d", file.m_fd);
        const auto linkAs = [&](const char* target) {
            return ::linkat(m_descriptorsFd, entry, m_folderFd, target, AT_SYMLINK_FOLLOW) == 0;
        };
        if (!linkAs(name.constData())) {
            // The name is taken: the file gets a hidden name, which replaces it below.
            error = errno;
            if (error == EEXIST)
                error = MakeHidden(file.m_hidden, linkAs);
        }
    }
    if (error == 0 && !file.m_hidden.isEmpty()) {
        // A rename replaces whatever has the name at once, a link without following it.
        if (::renameat(m_folderFd, file.m_hidden.constData(), m_folderFd, name.constData()) == 0)
            file.m_hidden.clear();
        else
            error = errno;
    }
    if (error != 0) {
        file.Drop();
        Fail(QFile::decodeName(name), what,
             QStringLiteral("cannot be given its name: %1").arg(SystemReason(error)));
    }
}

int FolderWriter::ClearLeftovers() const {
    int removed = 0;
    const QStringList names = QDir(m_folder).entryList({QStringLiteral(".lotcraft-*")},
                                                       QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        // A process that no longer exists cannot be naming its file any more; one that
        // exists but is another user's (EPERM) may be.
        const QByteArray bytes = QFile::encodeName(name);
        int writer = 0;
        unsigned count = 0;
        int length = 0;
        if (std::sscanf(bytes.constData(), ".lotcraft-%d-%u%n", &writer, &count, &length) == 2 &&
            length == bytes.size() && writer > 0 && ::kill(writer, 0) != 0 && errno == ESRCH &&
            ::unlinkat(m_folderFd, bytes.constData(), 0) == 0)
            ++removed;
    }
    return removed;
}
