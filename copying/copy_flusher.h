#pragma once

#include "common/work_queue.h"
#include "copying/file_descriptor.h"

#include <atomic>

namespace corvander {

// Flushes each copy to the disk on a thread of its own, as soon as it is written, while the run
// goes on with the next files. A run ends with one flush of the whole file system, and that flush
// is what makes the copies safe; but made at the end alone, it waits for the file system to
// commit every copy at once, which on a journalling file system takes about as long as reading a
// dozen documents. Flushed one by one meanwhile, the copies are mostly on the disk by then.
class CopyFlusher {
public:
    // More copies than this waiting means the disk is slower than the run: later ones are left to
    // the flush at the end, so that a long run does not hold a descriptor for each of its copies.
    static constexpr int kMostWaiting = 64;

    // A copy just written, through a descriptor of the caller's, which stays the caller's.
    void add(int fd);
    // Leaves what still waits to the flush of the whole file system that the caller makes next,
    // and waits for the flush under way. Returns the errno of the first flush that failed since
    // the last call, or 0.
    int settle();

private:
    void flush(FileDescriptor& copy);

    std::atomic<int> m_error = 0;
    // Last, so that its thread ends before what it uses.
    WorkQueue<FileDescriptor> m_queue{[this](FileDescriptor& copy) { flush(copy); },
                                      WorkQueue<FileDescriptor>::AtEnd::DropWaiting};
};

} // namespace corvander
