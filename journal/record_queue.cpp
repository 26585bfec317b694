#include "journal/record_queue.h"

namespace corvander {

RecordQueue::~RecordQueue() {
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_added.notify_one();
    if (m_thread.joinable())
        m_thread.join();
}

void RecordQueue::addCopy(const QString& source, const QString& newPath,
                          const QString& provenance) {
    {
        const std::lock_guard lock(m_mutex);
        m_waiting.push_back({source, newPath, provenance});
        if (!m_thread.joinable())
            m_thread = std::thread([this] { run(); });
    }
    m_added.notify_one();
}

void RecordQueue::drain() {
    std::unique_lock lock(m_mutex);
    m_written.wait(lock, [this] { return m_waiting.empty() && !m_writing; });
}

void RecordQueue::run() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_added.wait(lock, [this] { return m_stopping || !m_waiting.empty(); });
        // Stopping still writes every copy added: each one is in the results folder already.
        if (m_waiting.empty())
            return;
        const Copy copy = std::move(m_waiting.front());
        m_waiting.pop_front();
        m_writing = true;
        lock.unlock();
        m_write(FileRecord::copied(copy.source, copy.newPath, copy.provenance));
        lock.lock();
        m_writing = false;
        if (m_waiting.empty())
            m_written.notify_all();
    }
}

} // namespace corvander
