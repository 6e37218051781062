// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/VolumeSource.h"

// The volumes mounted on this machine, as the system reports them, that are folders (not
// single files mounted over others), sorted by root folder.
class MountedVolumes : public VolumeSource {
public:
    QStringList RootPaths() const override;
    bool IsReady(const QString& rootPath) const override;

    static MountedVolumes& Instance();
};
