#pragma once

#include "app/LotcraftError.h"
#include "pages/FolderWriter.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

// Writes batches of page files on threads of its own, so that a long run builds the next
// pages while the system writes the last ones. A batch is handed over whole, which keeps
// the threads from waiting on each other page by page.
//
// Several threads write the files of a batch side by side (the system's part of writing a
// file, copying its bytes and making it, is most of a run and takes every core it gets), but
// the files get their names strictly in order: a file written before the one ahead of it
// waits, unnamed, and whichever thread names that one names it too. So the files that exist
// after a failure are always those before the failing one, as if one thread had written
// them; a later file already written is dropped unnamed.
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
    enum State : unsigned char { Waiting, Prepared, Failed };

    void Work();
    // Takes files of the batch one after another until none is left or one has failed.
    void WriteFiles();
    // Names the files that are next in order and written, unless another thread is at it.
    void NameReady();
    bool NextIsReady() const;
    void StopAt(size_t index);

    const FolderWriter& m_folder;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    // The batch being written, and how many of its threads are still at it.
    const std::vector<File>* m_batch = nullptr;
    size_t m_count = 0;
    unsigned m_generation = 0;
    int m_busy = 0;
    bool m_stopping = false;

    // Each file of the batch: written but not named, or why it could not be written.
    std::vector<FolderWriter::Pending> m_pending;
    std::vector<std::optional<LotcraftError>> m_failures;
    std::unique_ptr<std::atomic<State>[]> m_states;
    size_t m_capacity = 0;
    std::atomic<size_t> m_next{0};    // the next file to take
    std::atomic<size_t> m_stopAt{0};  // no file after this one is taken
    // Naming, by one thread at a time.
    std::mutex m_naming;
    std::atomic<size_t> m_named{0};  // files named, all before any other
    std::atomic<bool> m_failed{false};
    std::optional<LotcraftError> m_failure;

    std::vector<std::thread> m_threads;
};
