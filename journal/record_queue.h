#pragma once

#include "common/work_queue.h"
#include "journal/run_journal.h"

#include <functional>

namespace corvander {

// The copies of a run whose lines wait for their digests. Reading a copy back for its SHA-256
// takes as long as copying it, so a thread of the queue's own does it while the run goes on with
// the next file; it writes each line through `write` as soon as its digest is read, in the order
// the copies were added. The run lets it catch up before naming its next copy, so the journal
// lags the copies by at most one. Its end still writes every copy added: each one is in the
// results folder already.
class RecordQueue {
public:
    using Write = std::function<void(const FileRecord&)>;

    explicit RecordQueue(Write write);

    // As FileRecord::copied, on the queue's thread.
    void addCopy(const QString& source, const QString& newPath, const QString& provenance) {
        m_queue.add({source, newPath, provenance});
    }
    // Returns once every copy added so far has its line written.
    void drain() { m_queue.drain(); }

private:
    struct Copy {
        QString source, newPath, provenance;
    };
    WorkQueue<Copy> m_queue;
};

} // namespace corvander
