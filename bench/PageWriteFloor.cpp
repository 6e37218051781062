// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for writing pages: the same bytes as the pages of a folder, written into the
// same number of files of a fresh folder, each whole before it has its name, as Lotcraft
// writes them: an unnamed file of the folder (one open), one write, one link under its name
// and one close.
//   page-write-floor PAGES_FOLDER FRESH_FOLDER
// Prints the time the writing took, in milliseconds; reading the pages is not timed.

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <fcntl.h>
#include <unistd.h>
#include <cstdio>
#include <vector>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: page-write-floor PAGES_FOLDER FRESH_FOLDER\n");
        return 2;
    }
    const QDir source(arguments[1]);
    std::vector<QByteArray> pages;
    std::vector<QByteArray> names;
    for (const QString& name : source.entryList({QStringLiteral("*.html")}, QDir::Files)) {
        QFile file(source.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        pages.push_back(file.readAll());
        names.push_back(QFile::encodeName(name));
    }
    QDir().mkpath(arguments[2]);

    QElapsedTimer timer;
    timer.start();
    const int folder = ::open(QFile::encodeName(arguments[2]).constData(), O_PATH | O_DIRECTORY);
    for (size_t i = 0; i < pages.size(); ++i) {
        const int fd = ::openat(folder, ".", O_TMPFILE | O_WRONLY, 0644);
        char procPath[40];
        std::snprintf(procPath, sizeof procPath, "/proc/self/fd/%d", fd);
        if (fd < 0 ||
            ::write(fd, pages[i].constData(), size_t(pages[i].size())) != pages[i].size() ||
            ::linkat(AT_FDCWD, procPath, folder, names[i].constData(), AT_SYMLINK_FOLLOW) != 0 ||
            ::close(fd) != 0) {
            std::perror(names[i].constData());
            return 1;
        }
    }
    std::printf("%zu files, %.1f ms\n", pages.size(), timer.nsecsElapsed() / 1e6);
    return 0;
}
