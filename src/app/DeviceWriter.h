// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

// Writes all of a block to a device or a file descriptor, or tells why it could not. A write
// that stops part way (a full disk, a file size limit) is tried again for the rest, so the
// system's own reason is reported instead of a short count. Files are opened unbuffered for
// it: Qt's buffered file writes lose the error of a write that stops part way.
class DeviceWriter {
public:
    // Empty when everything was written; otherwise the reason.
    static QString WriteAll(QIODevice& device, const QByteArray& bytes);
    static QString WriteAll(int fileDescriptor, const QByteArray& bytes);
};
