// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/PagePictures.h"

#include "app/LotcraftError.h"
#include "pages/FolderWriter.h"

#include <QFile>
#include <QImageReader>

#include <sys/stat.h>

namespace {

// Whether two paths lead to the same file or folder; false when either cannot be reached.
bool SameFile(const QString& one, const QString& other) {
    struct stat first {};
    struct stat second {};
    return ::stat(QFile::encodeName(one).constData(), &first) == 0 &&
           ::stat(QFile::encodeName(other).constData(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
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
    return folder == m_applicationFolder || SameFile(folder, m_applicationFolder);
}

const QImage& PagePictures::LoadOnce(QImage& mark, const char* name) const {
    if (!mark.isNull())
        return mark;
    const QString fileName = FolderWriter::PathIn(m_applicationFolder, QLatin1String(name));
    QImageReader reader(fileName);
    mark = reader.read();
    if (mark.isNull())
        throw LotcraftError(
            QStringLiteral("the picture cannot be loaded: %1; reinstall Lotcraft to bring it "
                           "back")
                .arg(reader.errorString()),
            fileName);
    return mark;
}

void PagePictures::CopyPagePictures(const QString& outputFolder) const {
    if (IsApplicationFolder(outputFolder))
        return;
    const FolderWriter folder(outputFolder);
    for (const QString& name : CopiedFiles()) {
        const QString source = FolderWriter::PathIn(m_applicationFolder, name);
        if (SameFile(source, FolderWriter::PathIn(outputFolder, name)))
            continue;
        QFile file(source);
        QByteArray bytes;
        if (file.open(QIODevice::ReadOnly))
            bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            throw LotcraftError(QStringLiteral("the picture cannot be read: %1; reinstall "
                                               "Lotcraft to bring it back")
                                    .arg(file.errorString()),
                                source);
        folder.Write(name, bytes, QStringLiteral("the copy of the picture"));
    }
}
