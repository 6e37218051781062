// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

#include <atomic>
#include <utility>

// Writes files into one folder so that a file appears under its name only when it is whole,
// and replaces an older file of that name in one step: at every moment the name holds the
// older file or the new one, whole, so a run that is killed or crashes part way loses
// nothing that was there before it. Pages, their pictures, the listing file and the
// catalogue itself are all written this way.
//
// Each file is written as an unnamed file of the folder (O_TMPFILE) and linked under its name
// once every byte is in it. A link never replaces a name, so when the name is taken the file
// is linked under a hidden name instead and that is renamed over the older file, which a
// rename does at once. Where the file system has no unnamed files, the file is written under
// a hidden name from the start. A hidden name is ".lotcraft-PID-N". While a file has a
// hidden name its writer holds an exclusive lock on it (flock), so ClearLeftovers can tell
// what a killed writer left, whose lock went with it, from the file of a writer still going
// on, in this process or any other, whatever process ids it sees. A file that replaces an
// older one takes the older one's permissions. Two writers on one name both succeed; the
// later rename wins.
//
// Whatever has the name already is replaced, never written through: a rename replaces a
// symbolic or hard link of that name itself, so the file it leads to stays as it was. Pages
// are not flushed to the disk one by one: they can be made again, and a flush per file makes
// a large run several times slower (so a power cut may still cost pages). A file that cannot
// be made again (the catalogue) is named with Durability::Flushed.
//
// Writing a file and naming it are two steps (Prepare, or Begin and Append, then Name), so
// that several threads can write files side by side and one thread names them in order. All
// of them use nothing but the folder, so several threads may use one FolderWriter.
class FolderWriter {
public:
    // A file being written, or written whole, that has no name yet: an unnamed file, or a
    // hidden one; either way it holds a descriptor. Unless it is named, it goes when this
    // goes; once named, its descriptor is closed when this goes, so that another thread than
    // the one naming can pay for the closing.
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
        int m_fd = -1;
        QByteArray m_hidden;  // the hidden name, while the file has one
        QByteArray m_name;    // as the file system takes it
    };

    // Whether a file is flushed to the disk before it takes its name.
    enum class Durability { Written, Flushed };

    explicit FolderWriter(QString folder);
    ~FolderWriter();
    FolderWriter(const FolderWriter&) = delete;
    FolderWriter& operator=(const FolderWriter&) = delete;

    const QString& Folder() const { return m_folder; }

    // Writes bytes as the file `name` of the folder (name holds no "/"): Prepare then Name.
    // A failure throws LotcraftError naming the file's path, with a reason that begins with
    // `what` ("the page"); nothing new is left then, and an older file of that name stays.
    void Write(const QString& name, const QByteArray& bytes, const QString& what,
               Durability durability = Durability::Written) const;
    // Writes the bytes of what will be the file `name`, without giving it the name; throws
    // as Write does.
    Pending Prepare(const QString& name, const QByteArray& bytes, const QString& what) const;
    // A file written piece by piece: Begin makes it, empty; Append adds bytes to it. Both
    // throw as Write does, and the file goes unnamed.
    Pending Begin(const QString& name, const QString& what) const;
    void Append(Pending& file, const QByteArray& bytes, const QString& what) const;
    // Gives a prepared file its name, replacing whatever had it; throws as Write does.
    void Name(Pending& file, const QString& what,
              Durability durability = Durability::Written) const;

    // Removes the hidden files that writers no longer running left in the folder (a run
    // killed between writing a file and naming it): those no writer holds a lock on. Returns
    // how many were removed; a folder that cannot be read is left as it is. A page run and
    // an export call it once, before they write.
    int ClearLeftovers() const;

    // The path of a file in a folder: the folder, a "/" unless the folder ends in one, and
    // the name.
    static QString PathIn(const QString& folder, const QString& name);

    // Leaves unnamed files aside, as where the file system has none; for tests.
    void UseHiddenNames() { m_unnamedFiles = false; }

private:
    [[noreturn]] void Fail(const QByteArray& name, const QString& what,
                           const QString& reason) const;
    // Makes a file under a fresh hidden name, locked and open for writing; 0 or an errno.
    int CreateHidden(Pending& file) const;
    // Gives the file being named the permissions of the older file of its name, if any.
    void KeepPermissions(const Pending& file) const;

    QString m_folder;
    int m_folderFd = -1;
    int m_openError = 0;
    int m_descriptorsFd = -1;  // /proc/self/fd
    // The permissions new files get (0666 less the umask); -1 when unknown.
    int m_newMode = -1;
    mutable std::atomic<bool> m_unnamedFiles{true};
};
