// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/FolderWriter.h"
#include "app/LotcraftError.h"

#include <QByteArray>
#include <QString>

#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

// Writes batches of page files on threads of its own, so that a long run builds the next
// pages while the system writes the last ones. A batch is handed over whole, which keeps
// the threads from waiting on each other page by page.
//
// The threads only prepare files (write their bytes, unnamed: FolderWriter::Prepare); the
// caller names them, strictly in order, in Finish, and meanwhile prepares files of the batch
// itself whenever the next one is not ready. So the files that exist after a failure are
// exactly those before the failing one; a later file already prepared is dropped unnamed,
// and an older file of its name stays as it was.
class BackgroundFileWriter {
public:
    struct File {
        QString name;  // in the folder
        QByteArray bytes;
    };

    // Writes into folder, which must outlive it, on `threads` threads of its own (at least
    // one) and the caller's; by default one thread fewer than the processor has cores, at
    // least one and at most three.
    explicit BackgroundFileWriter(const FolderWriter& folder, int threads = DefaultThreads());
    virtual ~BackgroundFileWriter();
    BackgroundFileWriter(const BackgroundFileWriter&) = delete;
    BackgroundFileWriter& operator=(const BackgroundFileWriter&) = delete;

    // How many files one batch may hold: 64, or fewer when the process has few descriptors
    // free, since each file prepared and not yet closed may hold one.
    size_t BatchSize() const { return m_batchSize; }

    // Starts preparing the first `count` files of a batch (count at most BatchSize()). The
    // batch must stay untouched until Finish has returned; the batch started before must
    // have been finished.
    void Start(const std::vector<File>& batch, size_t count);
    // Names the files of the batch started last, in order, stopping at the first that fails
    // (a file whose preparing fails is tried once more, once the files prepared beyond it are
    // dropped), and waits until no thread touches the batch; returns how many files were
    // named. A
    // failure of any kind, on any thread, sets failure to a LotcraftError naming the file;
    // without one, failure is left empty. `named`, when given, is told the index of each file
    // as soon as it has its name; what it throws ends the batch there, as a failure of the
    // next file would, and comes out of Finish.
    size_t Finish(std::optional<LotcraftError>& failure,
                  const std::function<void(size_t index)>& named = {});

    static int DefaultThreads();

protected:
    // Writes one file of a batch without naming it; by default the page file. Runs on any of the
    // threads. Tests put failures here; a class that overrides it must have finished its last batch
    // before it goes.
    virtual FolderWriter::Pending Prepare(const File& file) const;

private:
    struct Slot {
        FolderWriter::Pending file;
        std::exception_ptr failure;
        bool done = false;
    };

    void Work();
    // Prepares the next file not yet taken; called, and returns, with the lock held.
    void PrepareNext(std::unique_lock<std::mutex>& lock);

    const FolderWriter& m_folder;
    const size_t m_batchSize;
    // The batch: files below m_next are taken, m_busy of them still being prepared; none at
    // or beyond m_count is.
    std::mutex m_mutex;
    std::condition_variable m_work;  // a batch started, or the end
    std::condition_variable m_done;  // a file prepared
    const std::vector<File>* m_batch = nullptr;
    std::vector<Slot> m_slots;
    std::vector<Slot> m_spent;  // the batch before, named
    size_t m_count = 0;
    size_t m_next = 0;
    int m_busy = 0;
    bool m_stopping = false;

    std::vector<std::thread> m_threads;
};
