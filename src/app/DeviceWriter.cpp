#include "app/DeviceWriter.h"

#include <QIODevice>

QString DeviceWriter::WriteAll(QIODevice& device, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qint64 written = device.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            const QString reason = device.errorString();
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
