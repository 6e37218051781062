#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>

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
// Writing a file and naming it are two steps (Prepare and Name), so that several threads can
// write files side by side and still name them in an order of their choosing. Both use
// nothing but the folder, so several threads may use one FolderWriter.
class FolderWriter {
public:
    // A file written whole that has no name yet. Unless it is named, it goes when this goes:
    // an unnamed file with its descriptor, a hidden one is removed.
    class Pending {
    public:
        Pending() = default;
        Pending(Pending&& other) noexcept;
        Pending& operator=(Pending&& other) noexcept;
        ~Pending();
        Pending(const Pending&) = delete;
        Pending& operator=(const Pending&) = delete;

    private:
        friend class FolderWriter;
        void Drop();

        int m_folderFd = -1;
        int m_fd = -1;        // an unnamed file, open
        QByteArray m_hidden;  // or the hidden name of a closed one
        QString m_name;
    };

    explicit FolderWriter(QString folder);
    ~FolderWriter();
    FolderWriter(const FolderWriter&) = delete;
    FolderWriter& operator=(const FolderWriter&) = delete;

    const QString& Folder() const { return m_folder; }

    // Writes bytes as the file `name` of the folder (name holds no "/"): Prepare then Name.
    // A failure throws LotcraftError naming the file's path, with a reason that begins with
    // `what` ("the page"); nothing has been left under the name then, and an older file of
    // that name may be gone.
    void Write(const QString& name, const QByteArray& bytes, const QString& what) const;
    // Writes the bytes of what will be the file `name`, without giving it the name; throws
    // as Write does, an older file of that name staying as it was.
    Pending Prepare(const QString& name, const QByteArray& bytes, const QString& what) const;
    // Gives a prepared file its name, replacing whatever had it; throws as Write does.
    void Name(Pending& file, const QString& what) const;

    // The path of a file in a folder: the folder, a "/" unless the folder ends in one, and
    // the name.
    static QString PathIn(const QString& folder, const QString& name);

    // Leaves unnamed files aside, as where the file system has none; for tests.
    void UseHiddenNames() { m_unnamedFiles = false; }

private:
    enum class Outcome { Written, Failed, Unsupported };
    // Each sets reason to what failed ("cannot be written: ...").
    Outcome PrepareUnnamed(const QByteArray& bytes, Pending& file, QString& reason) const;
    bool PrepareHidden(const QByteArray& name, const QByteArray& bytes, Pending& file,
                       QString& reason) const;
    // Runs link until it gives the file its name, removing what had the name; 0 or an errno.
    template <typename Link>
    int GiveName(const QByteArray& name, Link link) const;
    [[noreturn]] void Fail(const QString& name, const QString& what, const QString& reason) const;

    QString m_folder;
    int m_folderFd = -1;
    int m_openError = 0;
    mutable std::atomic<bool> m_unnamedFiles{true};
};
