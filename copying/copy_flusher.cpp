#include "copying/copy_flusher.h"

#include <cerrno>
#include <fcntl.h>

namespace corvander {

CopyFlusher::~CopyFlusher() {
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
        m_waiting.clear();
    }
    m_added.notify_one();
    if (m_thread.joinable())
        m_thread.join();
}

void CopyFlusher::add(int fd) {
    {
        const std::lock_guard lock(m_mutex);
        if (int(m_waiting.size()) >= kMostWaiting)
            return;
        // A descriptor of its own, so that the copy can be closed, renamed or given up meanwhile;
        // one that cannot be had leaves this copy to the flush at the end.
        FileDescriptor own(::fcntl(fd, F_DUPFD_CLOEXEC, 0));
        if (!own.isOpen())
            return;
        m_waiting.push_back(std::move(own));
        if (!m_thread.joinable())
            m_thread = std::thread([this] { run(); });
    }
    m_added.notify_one();
}

int CopyFlusher::settle() {
    std::unique_lock lock(m_mutex);
    m_waiting.clear();
    m_idle.wait(lock, [this] { return !m_flushing; });
    const int error = m_error;
    m_error = 0;
    return error;
}

void CopyFlusher::run() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_added.wait(lock, [this] { return m_stopping || !m_waiting.empty(); });
        if (m_stopping)
            return;
        FileDescriptor copy = std::move(m_waiting.front());
        m_waiting.pop_front();
        m_flushing = true;
        lock.unlock();
        const int error = ::fdatasync(copy.get()) == 0 ? 0 : errno;
        copy.reset();
        lock.lock();
        if (m_error == 0)
            m_error = error;
        m_flushing = false;
        m_idle.notify_all();
    }
}

} // namespace corvander
