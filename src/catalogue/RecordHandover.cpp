#include "catalogue/RecordHandover.h"

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>

namespace {

// A batch is passed on once it holds this many bytes or records; a few batches in flight
// keep both threads busy without holding much of the file twice.
constexpr qsizetype kBatchBytes = 512 * 1024;
constexpr size_t kBatchRecords = 1024;
constexpr int kBatchesInFlight = 4;

// Below this size a thread costs more than it saves.
constexpr qint64 kThreadedSize = 4 * 1024 * 1024;

}  // namespace

struct RecordHandover::Shared {
    explicit Shared(bool threaded, const Decoder& decode)
        : threaded(threaded), decode(decode), batches(threaded ? kBatchesInFlight : 1) {
        for (Batch& batch : batches)
            empty.push_back(&batch);
    }

    const bool threaded;
    const Decoder& decode;
    std::vector<Batch> batches;
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<Batch*> empty;
    std::deque<Batch*> full;
    bool finished = false;
    std::exception_ptr findingFailure;
};

bool RecordHandover::Worthwhile(qint64 size) {
    return size >= kThreadedSize && std::thread::hardware_concurrency() > 1;
}

void RecordHandover::Run(bool threaded, const Finder& find, const Decoder& decode) {
    Shared shared(threaded, decode);
    Batch* first = shared.empty.front();
    shared.empty.pop_front();
    if (!threaded) {
        RecordHandover handover(shared, first);
        find(handover);
        handover.Pass(false);
        return;
    }
    std::thread finder([&] {
        try {
            RecordHandover handover(shared, first);
            find(handover);
            handover.Pass(false);
        } catch (...) {
            shared.findingFailure = std::current_exception();
        }
        std::lock_guard<std::mutex> lock(shared.mutex);
        shared.finished = true;
        shared.changed.notify_all();
    });
    // Whatever fails on either thread (no memory left, say) goes on to the caller once both
    // are done; after a failed decoding the batches are still taken, so the finding ends.
    std::exception_ptr decodingFailure;
    std::unique_lock<std::mutex> lock(shared.mutex);
    for (;;) {
        shared.changed.wait(lock, [&] { return !shared.full.empty() || shared.finished; });
        if (shared.full.empty())
            break;
        Batch* batch = shared.full.front();
        shared.full.pop_front();
        lock.unlock();
        try {
            if (!decodingFailure)
                decode(*batch);
        } catch (...) {
            decodingFailure = std::current_exception();
        }
        lock.lock();
        shared.empty.push_back(batch);
        shared.changed.notify_all();
    }
    lock.unlock();
    finder.join();
    if (shared.findingFailure)
        std::rethrow_exception(shared.findingFailure);
    if (decodingFailure)
        std::rethrow_exception(decodingFailure);
}

RecordHandover::RecordHandover(Shared& shared, Batch* batch) : m_shared(shared), m_batch(batch) {}

void RecordHandover::AddField(QByteArrayView bytes, bool ascii) {
    m_batch->fields.push_back({m_batch->bytes.size(), bytes.size(), ascii});
    m_batch->bytes.append(bytes.data(), bytes.size());
}

void RecordHandover::AddText(const QString& text, bool windows1252) {
    m_batch->fields.push_back(
        {qsizetype(m_batch->texts.size()), Field::Decoded, false, windows1252});
    m_batch->texts.push_back(text);
}

void RecordHandover::AddMissingField() {
    m_batch->fields.push_back({0, Field::Missing, true});
}

void RecordHandover::DropRecord() {
    m_batch->bytes.truncate(m_recordBytes);
    m_batch->texts.resize(m_recordTexts);
    m_batch->fields.resize(m_recordFields);
}

void RecordHandover::EndRecord() {
    m_recordBytes = m_batch->bytes.size();
    m_recordTexts = m_batch->texts.size();
    m_recordFields = m_batch->fields.size();
    if (m_recordBytes >= kBatchBytes || m_recordFields >= kBatchRecords * FieldsPerRecord)
        Pass(true);
}

void RecordHandover::Pass(bool more) {
    DropRecord();
    if (!m_shared.threaded) {
        if (!m_batch->fields.empty())
            m_shared.decode(*m_batch);
    } else {
        std::unique_lock<std::mutex> lock(m_shared.mutex);
        if (!m_batch->fields.empty())
            m_shared.full.push_back(m_batch);
        else
            m_shared.empty.push_back(m_batch);
        m_shared.changed.notify_all();
        if (!more)
            return;
        m_shared.changed.wait(lock, [&] { return !m_shared.empty.empty(); });
        m_batch = m_shared.empty.front();
        m_shared.empty.pop_front();
    }
    if (more) {
        m_batch->bytes.truncate(0);  // keeps its memory for the next batch
        m_batch->texts.clear();
        m_batch->fields.clear();
    }
    m_recordBytes = 0;
    m_recordTexts = 0;
    m_recordFields = 0;
}
