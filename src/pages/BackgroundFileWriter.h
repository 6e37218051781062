#pragma once

#include "app/LotcraftError.h"

#include <QByteArray>
#include <QString>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

class FolderWriter;

// Writes batches of page files on a thread of its own, so that a long run builds the next
// pages while the system writes the last ones. A batch is handed over whole, which keeps
// the two threads from waiting on each other page by page.
class BackgroundFileWriter {
public:
    struct File {
        QString name;  // in the folder
        QByteArray bytes;
    };

    // Writes into folder, which must outlive it.
    explicit BackgroundFileWriter(const FolderWriter& folder);
    ~BackgroundFileWriter();
    BackgroundFileWriter(const BackgroundFileWriter&) = delete;
    BackgroundFileWriter& operator=(const BackgroundFileWriter&) = delete;

    // Starts writing the first `count` files of a batch, in order, stopping at the first that
    // fails. The batch must stay untouched until Finish has returned; the batch started
    // before must have been finished.
    void Start(const std::vector<File>& batch, size_t count);
    // Waits for the batch started last, if any; returns how many of its files were written,
    // and sets failure to what stopped the batch, if something did.
    size_t Finish(std::optional<LotcraftError>& failure);

private:
    void Work();

    const FolderWriter& m_folder;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_pending = false;  // a batch is waiting or being written
    bool m_stopping = false;
    const std::vector<File>* m_batch = nullptr;
    size_t m_count = 0;
    size_t m_written = 0;
    std::optional<LotcraftError> m_failure;
    std::thread m_thread;
};
