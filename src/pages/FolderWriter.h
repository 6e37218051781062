#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <functional>

// Writes files into one folder so that a file appears under its name only when it is whole.
// Each file is written as an unnamed file of the folder (O_TMPFILE) and linked under its name
// once every byte is in it: a run that is killed, crashes or loses power part way leaves no
// torn file and nothing else behind. Where the file system has no unnamed files, the file is
// written under a hidden name (".name.XXXXXX") and renamed; a kill can leave that hidden file.
//
// Whatever has the name already is replaced, never written through: a symbolic or hard link
// of that name is removed, not followed, so the file it leads to stays as it was. Files are
// not flushed to the disk one by one: what is written can be made again, and a flush per file
// makes a large run several times slower.
//
// Write uses nothing but the folder, so several threads may write through one FolderWriter.
// Such threads can still give their files names in an agreed order: Write asks `mayName`
// once the file is whole and just before it gets its name, and leaves the file unnamed (gone)
// when the answer is no.
class FolderWriter {
public:
    explicit FolderWriter(QString folder);
    ~FolderWriter();
    FolderWriter(const FolderWriter&) = delete;
    FolderWriter& operator=(const FolderWriter&) = delete;

    const QString& Folder() const { return m_folder; }

    // Asked with the file whole, before it is named: true names it, false drops it. It may
    // wait, for instance for another thread's file to be named first.
    using NameGate = std::function<bool()>;

    // Writes bytes as the file `name` of the folder; name holds no "/". A failure throws
    // LotcraftError naming the file's path, with a reason that begins with `what` ("the
    // page"); nothing has been left under the name then, and an older file of that name
    // may be gone. Returns false, with nothing written under the name and an older file of
    // that name as it was, when mayName (if given) said no.
    bool Write(const QString& name, const QByteArray& bytes, const QString& what,
               const NameGate& mayName = {}) const;

    // The path of a file in a folder: the folder, a "/" unless the folder ends in one, and
    // the name.
    static QString PathIn(const QString& folder, const QString& name);

    // Leaves unnamed files aside, as where the file system has none; for tests.
    void UseHiddenNames() { m_unnamedFiles = false; }

private:
    enum class Outcome { Written, Dropped, Failed, Unsupported };
    // Each sets reason to what failed ("cannot be written: ...").
    Outcome WriteUnnamed(const QByteArray& name, const QByteArray& bytes, const NameGate& mayName,
                         QString& reason) const;
    Outcome WriteHidden(const QByteArray& name, const QByteArray& bytes, const NameGate& mayName,
                        QString& reason) const;
    // Runs link until it gives the file its name, removing what had the name; 0 or an errno.
    template <typename Link>
    int GiveName(const QByteArray& name, Link link) const;

    QString m_folder;
    int m_folderFd = -1;
    int m_openError = 0;
    mutable std::atomic<bool> m_unnamedFiles{true};
};
