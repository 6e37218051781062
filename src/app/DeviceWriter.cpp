// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DeviceWriter.h"

#include <QIODevice>

#include <unistd.h>
#include <cerrno>

namespace {

// The one loop: writeSome writes part of the rest and returns how much, or -1 with errno set;
// reasonOf says why the last write wrote nothing, or gives the empty text when it cannot.
template <typename WriteSome, typename ReasonOf>
QString WriteEveryByte(const QByteArray& bytes, WriteSome writeSome, ReasonOf reasonOf) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        errno = 0;
        const qint64 written = writeSome(bytes.constData() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            const QString reason = reasonOf(written);
            return reason.isEmpty() || reason == QLatin1String("Unknown error")
                       ? QStringLiteral(
                             "only %1 of %2 bytes could be written; the disk may be full")
                             .arg(done)
                             .arg(bytes.size())
                       : reason;
        }
        done += written;
    }
    return QString();
}

}  // namespace

QString DeviceWriter::WriteAll(QIODevice& device, const QByteArray& bytes) {
    return WriteEveryByte(
        bytes, [&device](const char* data, qint64 size) { return device.write(data, size); },
        [&device](qint64) { return device.errorString(); });
}

QString DeviceWriter::WriteAll(int fileDescriptor, const QByteArray& bytes) {
    return WriteEveryByte(
        bytes,
        [fileDescriptor](const char* data, qint64 size) {
            return qint64(::write(fileDescriptor, data, size_t(size)));
        },
        [](qint64 written) { return written < 0 ? qt_error_string(errno) : QString(); });
}
