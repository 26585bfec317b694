#include "copying/copy_flusher.h"

#include <cerrno>
#include <fcntl.h>

namespace corvander {

void CopyFlusher::add(int fd) {
    // A descriptor of its own, so that the copy can be closed, renamed or given up meanwhile; one
    // that cannot be had leaves this copy to the flush at the end.
    FileDescriptor own(::fcntl(fd, F_DUPFD_CLOEXEC, 0));
    if (own.isOpen())
        m_queue.add(std::move(own), kMostWaiting);
}

int CopyFlusher::settle() {
    m_queue.dropWaiting();
    return m_error.exchange(0);
}

void CopyFlusher::flush(FileDescriptor& copy) {
    if (::fdatasync(copy.get()) == 0)
        return;
    int none = 0;
    m_error.compare_exchange_strong(none, errno);
}

} // namespace corvander
