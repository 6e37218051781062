#include "pages/FolderWriter.h"

#include "app/DeviceWriter.h"
#include "app/LotcraftError.h"

#include <QFile>
#include <QRandomGenerator>

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>

namespace {

// How often a name is tried again when another writer took it in between.
constexpr int kNameTries = 16;

QString SystemReason(int error) {
    return qt_error_string(error);
}

}  // namespace

FolderWriter::FolderWriter(QString folder) : m_folder(std::move(folder)) {
    m_folderFd = ::open(QFile::encodeName(m_folder).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (m_folderFd < 0)
        m_openError = errno;
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

bool FolderWriter::Write(const QString& name, const QByteArray& bytes, const QString& what,
                         const NameGate& mayName) const {
    if (m_folderFd < 0)
        throw LotcraftError(
            QStringLiteral("%1 cannot be created: %2").arg(what, SystemReason(m_openError)),
            PathIn(m_folder, name));
    const QByteArray encoded = QFile::encodeName(name);
    QString reason;
    if (m_unnamedFiles.load(std::memory_order_relaxed)) {
        const Outcome outcome = WriteUnnamed(encoded, bytes, mayName, reason);
        if (outcome != Outcome::Unsupported) {
            if (outcome == Outcome::Failed)
                throw LotcraftError(what + QLatin1Char(' ') + reason, PathIn(m_folder, name));
            return outcome == Outcome::Written;
        }
        m_unnamedFiles.store(false, std::memory_order_relaxed);
    }
    const Outcome outcome = WriteHidden(encoded, bytes, mayName, reason);
    if (outcome == Outcome::Failed)
        throw LotcraftError(what + QLatin1Char(' ') + reason, PathIn(m_folder, name));
    return outcome == Outcome::Written;
}

FolderWriter::Outcome FolderWriter::WriteUnnamed(const QByteArray& name, const QByteArray& bytes,
                                                 const NameGate& mayName, QString& reason) const {
    const int fd = ::openat(m_folderFd, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0) {
        // File systems without unnamed files say so with EOPNOTSUPP, kernels older than them
        // with EISDIR or EINVAL.
        if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)
            return Outcome::Unsupported;
        reason = QStringLiteral("cannot be created: %1").arg(SystemReason(errno));
        return Outcome::Failed;
    }
    const QString writeFailure = DeviceWriter::WriteAll(fd, bytes);
    if (!writeFailure.isEmpty()) {
        ::close(fd);  // the unnamed file goes with it
        reason = QStringLiteral("cannot be written: %1; nothing is left under its name")
                     .arg(writeFailure);
        return Outcome::Failed;
    }
    if (mayName && !mayName()) {
        ::close(fd);
        return Outcome::Dropped;
    }
    // The descriptor's entry under /proc links the file without the privilege that linking
    // a descriptor directly (AT_EMPTY_PATH) needs.
    char procPath[40];
    std::snprintf(procPath, sizeof procPath, "/proc/self/fd/%d", fd);
    const int linkError = GiveName(name, [&] {
        return ::linkat(AT_FDCWD, procPath, m_folderFd, name.constData(), AT_SYMLINK_FOLLOW);
    });
    ::close(fd);
    if (linkError == 0)
        return Outcome::Written;
    if (linkError == ENOENT && ::access("/proc/self/fd", F_OK) != 0)
        return Outcome::Unsupported;  // no /proc: the hidden name serves
    reason = QStringLiteral("cannot be given its name: %1").arg(SystemReason(linkError));
    return Outcome::Failed;
}

FolderWriter::Outcome FolderWriter::WriteHidden(const QByteArray& name, const QByteArray& bytes,
                                                const NameGate& mayName, QString& reason) const {
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
        return Outcome::Failed;
    }
    QString writeFailure = DeviceWriter::WriteAll(fd, bytes);
    if (::close(fd) != 0 && writeFailure.isEmpty())
        writeFailure = SystemReason(errno);
    if (!writeFailure.isEmpty()) {
        ::unlinkat(m_folderFd, hidden.constData(), 0);
        reason = QStringLiteral("cannot be written: %1; nothing is left under its name")
                     .arg(writeFailure);
        return Outcome::Failed;
    }
    if (mayName && !mayName()) {
        ::unlinkat(m_folderFd, hidden.constData(), 0);
        return Outcome::Dropped;
    }
    // A rename replaces whatever has the name at once, a link without following it.
    if (::renameat(m_folderFd, hidden.constData(), m_folderFd, name.constData()) != 0) {
        const int error = errno;
        ::unlinkat(m_folderFd, hidden.constData(), 0);
        reason = QStringLiteral("cannot be given its name: %1").arg(SystemReason(error));
        return Outcome::Failed;
    }
    return Outcome::Written;
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
