#include "pages/BackgroundFileWriter.h"

#include "pages/PageWriter.h"

#include <algorithm>

namespace {

// Tells the processor that this is a wait loop.
void Pause() {
#if defined(__x86_64__) || defined(__i386__)
    __builtin_ia32_pause();
#endif
}

}  // namespace

BackgroundFileWriter::BackgroundFileWriter(const FolderWriter& folder, int threads)
    : m_folder(folder) {
    for (int k = 0; k < std::max(threads, 1); ++k)
        m_threads.emplace_back([this] { Work(); });
}

BackgroundFileWriter::~BackgroundFileWriter() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    for (std::thread& thread : m_threads)
        thread.join();
}

int BackgroundFileWriter::DefaultThreads() {
    return int(std::clamp(std::thread::hardware_concurrency(), 2u, 4u)) - 1;
}

void BackgroundFileWriter::Start(const std::vector<File>& batch, size_t count) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_batch = &batch;
        m_count = count;
        m_next.store(0);
        m_named.store(0);
        m_failedAt.store(count);
        m_failure.reset();
        m_busy = int(m_threads.size());
        ++m_generation;
    }
    m_changed.notify_all();
}

size_t BackgroundFileWriter::Finish(std::optional<LotcraftError>& failure) {
    // The caller writes what is left of the batch alongside the writing threads.
    if (m_batch)
        WriteFiles();
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] { return m_busy == 0; });
    failure = std::move(m_failure);
    m_failure.reset();
    const size_t written = m_batch ? m_named.load() : 0;
    m_batch = nullptr;
    return written;
}

void BackgroundFileWriter::Work() {
    unsigned seen = 0;
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [&] { return m_generation != seen || m_stopping; });
        if (m_generation == seen)
            return;
        seen = m_generation;
        lock.unlock();
        WriteFiles();
        lock.lock();
        if (--m_busy == 0)
            m_changed.notify_all();
    }
}

void BackgroundFileWriter::WriteFiles() {
    const std::vector<File>& batch = *m_batch;
    for (;;) {
        const size_t index = m_next.fetch_add(1);
        if (index >= m_count || index > m_failedAt.load())
            return;
        try {
            if (PageWriter::WritePage(m_folder, batch[index].name, batch[index].bytes,
                                      [&] { return TakeTurn(index); }))
                m_named.store(index + 1, std::memory_order_release);
        } catch (const LotcraftError& error) {
            Failed(index, error);
        }
    }
}

bool BackgroundFileWriter::TakeTurn(size_t index) const {
    // The file before is usually being named on the other core at that moment, so a short
    // wait spins; a longer one lets that thread run.
    for (int spins = 0; m_named.load(std::memory_order_acquire) != index; ++spins) {
        if (m_failedAt.load() < index)
            return false;
        if (spins < 64)
            Pause();
        else
            std::this_thread::yield();
    }
    return true;
}

void BackgroundFileWriter::Failed(size_t index, const LotcraftError& error) {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (index < m_failedAt.load()) {
        m_failedAt.store(index);
        m_failure = error;
    }
}
