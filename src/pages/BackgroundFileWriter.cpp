#include "pages/BackgroundFileWriter.h"

#include "pages/PageWriter.h"

BackgroundFileWriter::BackgroundFileWriter(const FolderWriter& folder)
    : m_folder(folder), m_thread([this] { Work(); }) {}

BackgroundFileWriter::~BackgroundFileWriter() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void BackgroundFileWriter::Start(const std::vector<File>& batch, size_t count) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_batch = &batch;
        m_count = count;
        m_written = 0;
        m_failure.reset();
        m_pending = true;
    }
    m_changed.notify_all();
}

size_t BackgroundFileWriter::Finish(std::optional<LotcraftError>& failure) {
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] { return !m_pending; });
    failure = m_failure;
    m_failure.reset();
    const size_t written = m_written;
    m_written = 0;
    return written;
}

void BackgroundFileWriter::Work() {
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_pending || m_stopping; });
        if (!m_pending)
            return;
        const std::vector<File>& batch = *m_batch;
        const size_t count = m_count;
        lock.unlock();
        size_t written = 0;
        std::optional<LotcraftError> failure;
        try {
            for (; written < count; ++written)
                PageWriter::WritePage(m_folder, batch[written].name, batch[written].bytes);
        } catch (const LotcraftError& error) {
            failure = error;
        }
        lock.lock();
        m_written = written;
        m_failure = failure;
        m_pending = false;
        m_changed.notify_all();
    }
}
