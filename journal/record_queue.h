#pragma once

#include "journal/run_journal.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace corvander {

// The copies of a run whose lines wait for their digests. Reading a copy back for its SHA-256
// takes as long as copying it, so a thread of the queue's own does it while the run goes on with
// the next file; it writes each line through `write` as soon as its digest is read, in the order
// the copies were added, so the journal lags the copies by at most the one being read.
class RecordQueue {
public:
    using Write = std::function<void(const FileRecord&)>;

    explicit RecordQueue(Write write) : m_write(std::move(write)) {}
    // Writes what is still waiting.
    ~RecordQueue();
    RecordQueue(const RecordQueue&) = delete;
    RecordQueue& operator=(const RecordQueue&) = delete;

    // As FileRecord::copied, on the queue's thread.
    void addCopy(const QString& source, const QString& newPath, const QString& provenance);
    // Returns once every copy added so far has its line written.
    void drain();

private:
    struct Copy {
        QString source, newPath, provenance;
    };
    void run();

    Write m_write;
    std::mutex m_mutex;
    std::condition_variable m_added;
    std::condition_variable m_written;
    std::deque<Copy> m_waiting;
    bool m_writing = false;
    bool m_stopping = false;
    // Started with the first copy: a run that copies nothing starts no thread.
    std::thread m_thread;
};

} // namespace corvander
