// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/PagePictures.h"

#include "app/FileIdentity.h"
#include "app/FolderWriter.h"
#include "app/LotcraftError.h"

#include <QCoreApplication>
#include <QFile>
#include <QImageReader>

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>

namespace {

// Reads a whole file; 0, or the errno of what failed.
int ReadWhole(const QString& path, QByteArray& bytes) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    int error = 0;
    char block[16 * 1024];
    for (;;) {
        const ssize_t got = ::read(fd, block, sizeof block);
        if (got > 0) {
            bytes.append(block, qsizetype(got));
        } else if (got < 0 && errno == EINTR) {
            continue;
        } else {
            error = got < 0 ? errno : 0;
            break;
        }
    }
    ::close(fd);
    return error;
}

// Why a picture of the program's could not be used. Only a picture that is missing or
// damaged is brought back by reinstalling; a run that is out of descriptors is not.
LotcraftError PictureFailure(const QString& fileName, const QString& what, int error,
                             const QString& reason) {
    if (error == EMFILE || error == ENFILE)
        return LotcraftError(what + LotcraftError::SystemReason(error), fileName);
    return LotcraftError(
        what + reason +
            QCoreApplication::translate("PagePictures", "; reinstall Lotcraft to bring it back"),
        fileName);
}

}  // namespace

PagePictures::PagePictures(QString applicationFolder)
    : m_applicationFolder(std::move(applicationFolder)) {}

QStringList PagePictures::CopiedFiles() {
    // dot_clear.gif, the spacer every page names, comes last so that pages written
    // elsewhere show no broken picture.
    return {QStringLiteral("aboutme-small.gif"), QStringLiteral("ebay_logo_home.gif"),
            QStringLiteral("envelope.gif"),      QStringLiteral("pba.gif"),
            QStringLiteral("psIcon_50x25.gif"),  QStringLiteral("stars-9.gif"),
            QStringLiteral("watch-icon.gif"),    QStringLiteral("dot_clear.gif")};
}

QStringList PagePictures::ShippedFiles() {
    return CopiedFiles() << QLatin1String(DoneMarkFile) << QStringLiteral("help.html");
}

bool PagePictures::IsApplicationFolder(const QString& folder) const {
    return folder == m_applicationFolder || FileIdentity::SameFile(folder, m_applicationFolder);
}

const QImage& PagePictures::LoadOnce(QImage& mark, const char* name) const {
    if (!mark.isNull())
        return mark;
    const QString fileName = FolderWriter::PathIn(m_applicationFolder, QLatin1String(name));
    QImageReader reader(fileName);
    mark = reader.read();
    if (mark.isNull()) {
        // The reader does not say why the file could not be opened; opening it again does.
        QByteArray bytes;
        const int error = ReadWhole(fileName, bytes);
        throw PictureFailure(
            fileName, QCoreApplication::translate("PagePictures", "the picture cannot be loaded: "),
            error, reader.errorString());
    }
    return mark;
}

void PagePictures::CopyPagePictures(const QString& outputFolder) const {
    if (IsApplicationFolder(outputFolder))
        return;
    const FolderWriter folder(outputFolder);
    for (const QString& name : CopiedFiles()) {
        const QString source = FolderWriter::PathIn(m_applicationFolder, name);
        if (FileIdentity::SameFile(source, FolderWriter::PathIn(outputFolder, name)))
            continue;
        QByteArray bytes;
        if (const int error = ReadWhole(source, bytes); error != 0)
            throw PictureFailure(
                source, QCoreApplication::translate("PagePictures", "the picture cannot be read: "),
                error, LotcraftError::SystemReason(error));
        folder.Write(name, bytes,
                     QCoreApplication::translate("PagePictures", "the copy of the picture"));
    }
}
