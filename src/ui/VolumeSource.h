// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// Where the output folder dialog's drive list comes from: the machine's volumes, by the
// folder each is mounted at. Tests give a fixed list instead.
class VolumeSource {
public:
    virtual ~VolumeSource() = default;

    // The root folders of the volumes, in the order the list shows them.
    virtual QStringList RootPaths() const = 0;
    // Whether the volume at a root folder can be read now (false for a drive without its
    // medium or a network volume that has gone away).
    virtual bool IsReady(const QString& rootPath) const = 0;
};
