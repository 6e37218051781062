#pragma once

#include "app/LotcraftError.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

class FolderWriter;

// Writes batches of page files on threads of its own, so that a long run builds the next
// pages while the system writes the last ones. A batch is handed over whole, which keeps
// the threads from waiting on each other page by page.
//
// Several threads write the files of a batch side by side (the system's part of writing a
// file, copying its bytes and making it, is most of a run and takes both cores), but the
// files get their names strictly in order: a file is named only after the one before it.
// So the files that exist after a failure are always those before the failing one, as if
// one thread had written them; a later file already written is dropped unnamed.
class BackgroundFileWriter {
public:
    struct File {
        QString name;  // in the folder
        QByteArray bytes;
    };

    // Writes into folder, which must outlive it, on `threads` threads of its own (at least
    // one), and on the caller's while it waits in Finish; by default one thread fewer than
    // the processor has cores, at least one and at most three.
    explicit BackgroundFileWriter(const FolderWriter& folder, int threads = DefaultThreads());
    ~BackgroundFileWriter();
    BackgroundFileWriter(const BackgroundFileWriter&) = delete;
    BackgroundFileWriter& operator=(const BackgroundFileWriter&) = delete;

    // Starts writing the first `count` files of a batch, in order, stopping at the first that
    // fails. The batch must stay untouched until Finish has returned; the batch started
    // before must have been finished.
    void Start(const std::vector<File>& batch, size_t count);
    // Writes what is left of the batch started last, if any, and waits for it; returns how
    // many of its files were written, and sets failure to what stopped the batch, if
    // something did.
    size_t Finish(std::optional<LotcraftError>& failure);

    static int DefaultThreads();

private:
    void Work();
    // Takes files of the batch one after another until none is left or one has failed.
    void WriteFiles();
    // Waits until the file at index may be named; false when a file before it failed.
    bool TakeTurn(size_t index) const;
    void Failed(size_t index, const LotcraftError& error);

    const FolderWriter& m_folder;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    // The batch being written, and how many of its threads are still at it.
    const std::vector<File>* m_batch = nullptr;
    size_t m_count = 0;
    unsigned m_generation = 0;
    int m_busy = 0;
    bool m_stopping = false;

    std::atomic<size_t> m_next{0};           // the next file to take
    std::atomic<size_t> m_named{0};          // files named so far, all before any other
    std::atomic<size_t> m_failedAt{0};       // the first file that failed, or m_count
    std::optional<LotcraftError> m_failure;  // under m_mutex

    std::vector<std::thread> m_threads;
};
