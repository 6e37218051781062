// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <utility>

// Writes files into one folder so that a file appears under its name only when it is whole,
// and replaces an older file of that name in one step: at every moment the name holds the
// older file or the new one, whole, so a run that is killed or crashes part way loses
// nothing that was there before it.
//
// Each file is written as an unnamed file of the folder (O_TMPFILE) and linked under its name
// once every byte is in it. A link never replaces a name, so when the name is taken the file
// is linked under a hidden name instead and that is renamed over the older file, which a
// rename does at once. Where the file system has no unnamed files, the file is written under
// a hidden name from the start. A hidden name is ".lotcraft-PID-N": the writing process and
// a count, so that ClearLeftovers can tell what a killed run left from the files of a run
// still going on. Two writers on one name both succeed; the later rename wins.
//
// Whatever has the name already is replaced, never written through: a rename replaces a
// symbolic or hard link of that name itself, so the file it leads to stays as it was. Files
// are not flushed to the disk one by one: what is written can be made again, and a flush per
// file makes a large run several times slower (so a power cut may still cost files).
//
// Writing a file and naming it are two steps (Prepare and Name), so that several threads can
// write files side by side and one thread names them in order. Both use nothing but the
// folder, so several threads may use one FolderWriter.
class FolderWriter {
public:
    // A file written whole that has no name yet: an unnamed file, open (it holds a
    // descriptor), or a hidden file, closed. Unless it is named, it goes when this goes;
    // once named, an unnamed file's descriptor is closed when this goes, so that another
    // thread than the one naming can pay for the closing.
    class Pending {
    public:
        Pending() = default;
        Pending(Pending&& other) noexcept { *this = std::move(other); }
        Pending& operator=(Pending&& other) noexcept;
        ~Pending() { Drop(); }
        Pending(const Pending&) = delete;
        Pending& operator=(const Pending&) = delete;

    private:
        friend class FolderWriter;
        void Drop();

        int m_folderFd = -1;
        int m_fd = -1;        // an unnamed file, open
        QByteArray m_hidden;  // or the hidden name of a closed one
        QByteArray m_name;    // as the file system takes it
    };

    explicit FolderWriter(QString folder);
    ~FolderWriter();
    FolderWriter(const FolderWriter&) = delete;
    FolderWriter& operator=(const FolderWriter&) = delete;

    const QString& Folder() const { return m_folder; }

    // Writes bytes as the file `name` of the folder (name holds no "/"): Prepare then Name.
    // A failure throws LotcraftError naming the file's path, with a reason that begins with
    // `what` ("the page"); nothing new is left then, and an older file of that name stays.
    void Write(const QString& name, const QByteArray& bytes, const QString& what) const;
    // Writes the bytes of what will be the file `name`, without giving it the name; throws
    // as Write does.
    Pending Prepare(const QString& name, const QByteArray& bytes, const QString& what) const;
    // Gives a prepared file its name, replacing whatever had it; throws as Write does.
    void Name(Pending& file, const QString& what) const;

    // Removes the hidden files that processes which no longer exist left in the folder (a
    // run killed between writing a file and naming it). Those of a process still running are
    // left, so a run writing into the same folder meanwhile is not disturbed. Returns how
    // many were removed; a folder that cannot be read is left as it is. A page run calls it
    // once, before its first page.
    int ClearLeftovers() const;

    // The path of a file in a folder: the folder, a "/" unless the folder ends in one, and
    // the name.
    static QString PathIn(const QString& folder, const QString& name);

    // Leaves unnamed files aside, as where the file system has none; for tests.
    void UseHiddenNames() { m_unnamedFiles = false; }

private:
    [[noreturn]] void Fail(const QString& name, const QString& what, const QString& reason) const;

    QString m_folder;
    int m_folderFd = -1;
    int m_openError = 0;
    int m_descriptorsFd = -1;  // /proc/self/fd
    mutable std::atomic<bool> m_unnamedFiles{true};
};
