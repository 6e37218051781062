#include "pages/FolderWriter.h"

#include "app/DeviceWriter.h"
#include "app/LotcraftError.h"

#include <QFile>
#include <QRandomGenerator>

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <utility>

namespace {

// How often a name is tried again when another writer took it in between.
constexpr int kNameTries = 16;

QString SystemReason(int error) {
    return qt_error_string(error);
}

}  // namespace

FolderWriter::Pending::Pending(Pending&& other) noexcept
    : m_folderFd(other.m_folderFd),
      m_fd(std::exchange(other.m_fd, -1)),
      m_hidden(std::move(other.m_hidden)),
      m_name(std::move(other.m_name)) {
    other.m_hidden.clear();
}

FolderWriter::Pending& FolderWriter::Pending::operator=(Pending&& other) noexcept {
    if (this != &other) {
        Drop();
        m_folderFd = other.m_folderFd;
        m_fd = std::exchange(other.m_fd, -1);
        m_hidden = std::move(other.m_hidden);
        other.m_hidden.clear();
        m_name = std::move(other.m_name);
    }
    return *this;
}

FolderWriter::Pending::~Pending() {
    Drop();
}

void FolderWriter::Pending::Drop() {
    if (m_fd >= 0)
        ::close(std::exchange(m_fd, -1));  // the unnamed file goes with it
    if (!m_hidden.isEmpty()) {
        ::unlinkat(m_folderFd, m_hidden.constData(), 0);
        m_hidden.clear();
    }
}

FolderWriter::FolderWriter(QString folder) : m_folder(std::move(folder)) {
    m_folderFd = ::open(QFile::encodeName(m_folder).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (m_folderFd < 0)
        m_openError = errno;
    // An unnamed file is linked through its descriptor's entry under /proc; without /proc
    // the hidden name serves.
    if (::access("/proc/self/fd", F_OK) != 0)
        m_unnamedFiles = false;
}

FolderWriter::~FolderWriter() {
    if (m_folderFd >= 0)
        ::close(m_folderFd);
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
    if (m_folderFd < 0)
        Fail(name, what, QStringLiteral("cannot be created: %1").arg(SystemReason(m_openError)));
    Pending file;
    file.m_folderFd = m_folderFd;
    file.m_name = name;
    QString reason;
    if (m_unnamedFiles.load(std::memory_order_relaxed)) {
        const Outcome outcome = PrepareUnnamed(bytes, file, reason);
        if (outcome == Outcome::Written)
            return file;
        if (outcome == Outcome::Failed)
            Fail(name, what, reason);
        m_unnamedFiles.store(false, std::memory_order_relaxed);
    }
    if (!PrepareHidden(QFile::encodeName(name), bytes, file, reason))
        Fail(name, what, reason);
    return file;
}

void FolderWriter::Name(Pending& file, const QString& what) const {
    const QByteArray name = QFile::encodeName(file.m_name);
    int error = 0;
    if (file.m_fd >= 0) {
        // The descriptor's entry under /proc links the file without the privilege that
        // linking a descriptor directly (AT_EMPTY_PATH) needs.
        char procPath[40];
        std::snprintf(procPath, sizeof procPath, "/proc/self/fd/%d", file.m_fd);
        error = GiveName(name, [&] {
            return ::linkat(AT_FDCWD, procPath, m_folderFd, name.constData(), AT_SYMLINK_FOLLOW);
        });
    } else if (::renameat(m_folderFd, file.m_hidden.constData(), m_folderFd, name.constData()) !=
               0) {
        // A rename replaces whatever has the name at once, a link without following it.
        error = errno;
    } else {
        file.m_hidden.clear();
    }
    file.Drop();
    if (error != 0)
        Fail(file.m_name, what,
             QStringLiteral("cannot be given its name: %1").arg(SystemReason(error)));
}

FolderWriter::Outcome FolderWriter::PrepareUnnamed(const QByteArray& bytes, Pending& file,
                                                   QString& reason) const {
    const int fd = ::openat(m_folderFd, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0) {
        // File systems without unnamed files say so with EOPNOTSUPP, kernels older than them
        // with EISDIR or EINVAL.
        if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)
            return Outcome::Unsupported;
        reason = QStringLiteral("cannot be created: %1").arg(SystemReason(errno));
        return Outcome::Failed;
    }
    file.m_fd = fd;
    const QString writeFailure = DeviceWriter::WriteAll(fd, bytes);
    if (!writeFailure.isEmpty()) {
        file.Drop();
        reason = QStringLiteral("cannot be written: %1; nothing is left under its name")
                     .arg(writeFailure);
        return Outcome::Failed;
    }
    return Outcome::Written;
}

bool FolderWriter::PrepareHidden(const QByteArray& name, const QByteArray& bytes, Pending& file,
                                 QString& reason) const {
    // ".name.XXXXXX" never ends in ".html" or a picture's extension, so it is never taken
    // for a page or a picture.
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QByteArray hidden;
    int fd = -1;
    for (int tries = 0; tries < kNameTries && fd < 0; ++tries) {
        hidden = '.' + name + '.';
        for (int k = 0; k < 6; ++k)
            hidden += kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters - 1))];
        fd = ::openat(m_folderFd, hidden.constData(),
                      O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        reason = QStringLiteral("cannot be created: %1").arg(SystemReason(errno));
        return false;
    }
    file.m_hidden = hidden;
    QString writeFailure = DeviceWriter::WriteAll(fd, bytes);
    if (::close(fd) != 0 && writeFailure.isEmpty())
        writeFailure = SystemReason(errno);
    if (!writeFailure.isEmpty()) {
        file.Drop();
        reason = QStringLiteral("cannot be written: %1; nothing is left under its name")
                     .arg(writeFailure);
        return false;
    }
    return true;
}

template <typename Link>
int FolderWriter::GiveName(const QByteArray& name, Link link) const {
    // A link never replaces a name, so what has it is removed (a link of that name itself,
    // not what it leads to) and the link made again; another writer may take the name in
    // between, so this repeats a few times.
    for (int tries = 0; tries < kNameTries; ++tries) {
        if (link() == 0)
            return 0;
        if (errno != EEXIST)
            return errno;
        if (::unlinkat(m_folderFd, name.constData(), 0) != 0 && errno != ENOENT)
            return errno;
    }
    return EEXIST;
}
