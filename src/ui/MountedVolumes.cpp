// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MountedVolumes.h"

#include <QFileInfo>
#include <QStorageInfo>

QStringList MountedVolumes::RootPaths() const {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (QFileInfo(root).isDir() && !roots.contains(root))
            roots.append(root);
    }
    roots.sort();
    return roots;
}

bool MountedVolumes::IsReady(const QString& rootPath) const {
    const QStorageInfo volume(rootPath);
    return volume.isValid() && volume.isReady() && QFileInfo(rootPath).isReadable();
}

MountedVolumes& MountedVolumes::Instance() {
    static MountedVolumes volumes;
    return volumes;
}
