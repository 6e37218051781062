// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

// While it lives, a memory file system of a few kilobytes is mounted on a folder, so a test
// can run a disk full for real. Mounting needs root; where it fails, Mounted() is false and
// the test skips.
class SmallDisk {
public:
    SmallDisk(const QString& folder, int kilobytes) : m_folder(QFile::encodeName(folder)) {
        const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k,mode=0755";
        m_mounted = ::mount("lotcraft-test", m_folder.constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                            options.constData()) == 0;
    }
    ~SmallDisk() {
        if (m_mounted)
            ::umount2(m_folder.constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool Mounted() const { return m_mounted; }

    // Fills what room is left with a file of that name; true when the disk is full then.
    bool Fill(const QString& name) const {
        const int fd =
            ::open(QFile::encodeName(name).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0)
            return false;
        static const char block[4096] = {};
        ssize_t written;
        do {
            written = ::write(fd, block, sizeof block);
        } while (written > 0);
        // The last part of a block may still fit.
        while (::write(fd, block, 1) == 1) {
        }
        ::close(fd);
        return written < 0;
    }

private:
    QByteArray m_folder;
    bool m_mounted = false;
};
