#include "pages/PagePictures.h"

#include "app/LotcraftError.h"

#include <QFile>
#include <QImageReader>

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

const QImage& PagePictures::LoadOnce(QImage& mark, const char* name) const {
    if (!mark.isNull())
        return mark;
    const QString fileName = m_applicationFolder + QLatin1Char('/') + QLatin1String(name);
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

void PagePictures::Cop(const QString& outputFolder) const {
    if (outputFolder == m_applicationFolder)
        return;
    for (const QString& name : CopiedFiles()) {
        const QString source = m_applicationFolder + QLatin1Char('/') + name;
        const QString target = outputFolder + QLatin1Char('/') + name;
        QFile::remove(target);
        QFile file(source);
        if (!file.copy(target))
            throw LotcraftError(QStringLiteral("the picture cannot be copied to %1: %2")
                                    .arg(target, file.errorString()),
                                source);
    }
}
