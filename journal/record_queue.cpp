#include "journal/record_queue.h"

namespace corvander {

RecordQueue::RecordQueue(Write write)
    : m_queue(
          [write = std::move(write)](Copy& copy) {
              write(FileRecord::copied(copy.source, copy.newPath, copy.provenance));
          },
          WorkQueue<Copy>::AtEnd::HandleWaiting) {}

} // namespace corvander
