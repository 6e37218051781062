// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/BackgroundFileWriter.h"

#include <QCoreApplication>

#include <dirent.h>
#include <sys/resource.h>

#include <algorithm>
#include <new>

namespace {

constexpr size_t kLargestBatch = 64;

// The files of two batches may hold descriptors at once: those of the batch being written
// and those of the batch before it, named, which the threads close meanwhile. Both together
// hold at most half of the descriptors free now, so that the rest of the program (the
// pictures it reads, a window, another run) keeps its share. Without /proc to count those
// in use, half of the limit is taken for free.
size_t BatchSizeFromFreeDescriptors() {
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return kLargestBatch;
    rlim_t free = limit.rlim_cur / 2;
    if (DIR* open = ::opendir("/proc/self/fd")) {
        free = limit.rlim_cur + 1;  // the listing's own descriptor is counted too
        while (const dirent* entry = ::readdir(open))
            free -= entry->d_name[0] != '.' && free > 0;
        ::closedir(open);
    }
    return std::clamp(size_t(free / 4), size_t(1), kLargestBatch);
}

// What a failure to write a page names.
QString PageWhat() {
    return QCoreApplication::translate("BackgroundFileWriter", "the page");
}

// What stopped a file, as the caller sees every failure.
LotcraftError AsLotcraftError(const std::exception_ptr& failure, const QString& file) {
    const QString prefix =
        QCoreApplication::translate("BackgroundFileWriter", "the page cannot be written: ");
    try {
        std::rethrow_exception(failure);
    } catch (const LotcraftError& error) {
        return error;
    } catch (const std::bad_alloc&) {
        return LotcraftError(prefix + QCoreApplication::translate("BackgroundFileWriter",
                                                                  "there is not enough memory"),
                             file);
    } catch (const std::exception& error) {
        return LotcraftError(prefix + QString::fromLocal8Bit(error.what()), file);
    } catch (...) {
        return LotcraftError(
            prefix + QCoreApplication::translate("BackgroundFileWriter", "an unknown failure"),
            file);
    }
}

}  // namespace

BackgroundFileWriter::BackgroundFileWriter(const FolderWriter& folder, int threads)
    : m_folder(folder), m_batchSize(BatchSizeFromFreeDescriptors()) {
    for (int k = 0; k < std::max(threads, 1); ++k)
        m_threads.emplace_back([this] { Work(); });
}

BackgroundFileWriter::~BackgroundFileWriter() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_work.notify_all();
    for (std::thread& thread : m_threads)
        thread.join();
}

int BackgroundFileWriter::DefaultThreads() {
    return int(std::clamp(std::thread::hardware_concurrency(), 2u, 4u)) - 1;
}

FolderWriter::Pending BackgroundFileWriter::Prepare(const File& file) const {
    return m_folder.Prepare(file.name, file.bytes, PageWhat());
}

void BackgroundFileWriter::Start(const std::vector<File>& batch, size_t count) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_spent.swap(m_slots);
        m_slots.clear();
        m_slots.resize(count);
        m_batch = &batch;
        m_count = count;
        m_next = 0;
    }
    m_work.notify_all();
}

void BackgroundFileWriter::Work() {
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_work.wait(lock, [this] { return m_stopping || m_next < m_count; });
        if (m_stopping)
            return;
        PrepareNext(lock);
    }
}

void BackgroundFileWriter::PrepareNext(std::unique_lock<std::mutex>& lock) {
    const size_t index = m_next++;
    Slot& slot = m_slots[index];
    const File& file = (*m_batch)[index];
    ++m_busy;
    lock.unlock();
    // The file of that place in the batch before, named, is closed here rather than by
    // the caller, whose naming of the files is the one part of a run that no thread shares.
    if (index < m_spent.size())
        m_spent[index].file = FolderWriter::Pending();
    // Whatever fails here, even the memory, is handed to the caller with the file.
    try {
        slot.file = Prepare(file);
    } catch (...) {
        slot.failure = std::current_exception();
    }
    lock.lock();
    slot.done = true;
    --m_busy;
    m_done.notify_one();  // only the caller waits for files
}

size_t BackgroundFileWriter::Finish(std::optional<LotcraftError>& failure,
                                    const std::function<void(size_t index)>& named) {
    failure.reset();
    std::unique_lock<std::mutex> lock(m_mutex);
    size_t count = 0;
    std::exception_ptr stop;
    std::exception_ptr told;
    bool retried = false;
    while (count < m_count) {
        const Slot& slot = m_slots[count];
        if (!slot.done) {
            if (m_next < m_count)
                PrepareNext(lock);
            else
                m_done.wait(lock);
            continue;
        }
        stop = slot.failure;
        if (stop && !retried) {
            // The files prepared after this one hold room on the disk and descriptors, which
            // may be what it lacked (the threads prepare out of order): with them dropped, it
            // is tried once more, and they after it, so a disk that fills up holds every page
            // it has room for.
            retried = true;
            stop = nullptr;
            m_next = m_count;
            m_done.wait(lock, [this] { return m_busy == 0; });
            for (size_t later = count; later < m_count; ++later)
                m_slots[later] = Slot();
            m_next = count;
            m_work.notify_all();
            continue;
        }
        if (stop)
            break;
        // The files ready in order from here on are named together, without the lock, each
        // told as soon as it has its name.
        size_t ready = count + 1;
        while (ready < m_count && m_slots[ready].done && !m_slots[ready].failure)
            ++ready;
        lock.unlock();
        for (; count < ready && !stop && !told; ++count) {
            try {
                m_folder.Name(m_slots[count].file, PageWhat());
            } catch (...) {
                stop = std::current_exception();
                break;
            }
            try {
                if (named)
                    named(count);
            } catch (...) {
                told = std::current_exception();
            }
        }
        lock.lock();
        if (stop || told)
            break;
    }
    // No file is taken any more; once those being prepared are done, every file left
    // unnamed is dropped.
    m_count = 0;
    m_done.wait(lock, [this] { return m_busy == 0; });
    m_slots.resize(count);  // the named files are closed by the threads, with the next batch
    if (stop)
        failure =
            AsLotcraftError(stop, FolderWriter::PathIn(m_folder.Folder(), (*m_batch)[count].name));
    m_batch = nullptr;
    if (told)
        std::rethrow_exception(told);
    return count;
}
