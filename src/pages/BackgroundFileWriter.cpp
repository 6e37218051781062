#include "pages/BackgroundFileWriter.h"

#include "pages/FolderWriter.h"

#include <algorithm>

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
        if (count > m_capacity) {
            m_states.reset(new std::atomic<State>[count]);
            m_capacity = count;
        }
        for (size_t k = 0; k < count; ++k)
            m_states[k].store(Waiting, std::memory_order_relaxed);
        m_pending.resize(count);
        m_failures.assign(count, std::nullopt);
        m_batch = &batch;
        m_count = count;
        m_next.store(0);
        m_stopAt.store(count);
        m_named.store(0);
        m_failed.store(false);
        m_failure.reset();
        m_busy = int(m_threads.size());
        ++m_generation;
    }
    m_changed.notify_all();
}

size_t BackgroundFileWriter::Finish(std::optional<LotcraftError>& failure) {
    if (!m_batch)
        return 0;
    // The caller writes what is left of the batch alongside the writing threads.
    WriteFiles();
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] { return m_busy == 0; });
    // Every file is written or has failed now; whatever is still unnamed in order is named,
    // and what lies beyond a failure is dropped.
    NameReady();
    m_pending.clear();
    failure = std::move(m_failure);
    m_failure.reset();
    m_batch = nullptr;
    return m_named.load();
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
        if (index >= m_count || index > m_stopAt.load())
            return;
        try {
            m_pending[index] =
                m_folder.Prepare(batch[index].name, batch[index].bytes, QStringLiteral("the page"));
            m_states[index].store(Prepared);
        } catch (const LotcraftError& error) {
            m_failures[index] = error;
            m_states[index].store(Failed);
            StopAt(index);
        }
        NameReady();
    }
}

bool BackgroundFileWriter::NextIsReady() const {
    const size_t next = m_named.load();
    return next < m_count && !m_failed.load() && m_states[next].load() != Waiting;
}

void BackgroundFileWriter::NameReady() {
    // A thread whose file is next, finding another thread naming, leaves its file to that
    // one, which looks again once it has let go.
    std::atomic_thread_fence(std::memory_order_seq_cst);
    while (m_naming.try_lock()) {
        while (NextIsReady()) {
            const size_t next = m_named.load();
            std::optional<LotcraftError> failure;
            if (m_states[next].load() == Failed) {
                failure = std::move(m_failures[next]);
            } else {
                try {
                    m_folder.Name(m_pending[next], QStringLiteral("the page"));
                } catch (const LotcraftError& error) {
                    failure = error;
                }
            }
            if (failure) {
                m_failure = std::move(failure);
                m_failed.store(true);
                StopAt(next);
                break;
            }
            m_named.store(next + 1);
        }
        m_naming.unlock();
        std::atomic_thread_fence(std::memory_order_seq_cst);
        if (!NextIsReady())
            return;
    }
}

void BackgroundFileWriter::StopAt(size_t index) {
    size_t current = m_stopAt.load();
    while (index < current && !m_stopAt.compare_exchange_weak(current, index)) {
    }
}
