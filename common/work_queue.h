#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <limits>
#include <mutex>
#include <thread>

namespace corvander {

// Items handled one after another, in the order they were added, on a thread of the queue's own,
// while the one who adds them goes on. The thread starts with the first item: a queue that is
// given nothing starts none.
template <typename Item> class WorkQueue {
public:
    using Handle = std::function<void(Item&)>;
    // What the queue's end does with the items still waiting.
    enum class AtEnd { HandleWaiting, DropWaiting };

    WorkQueue(Handle handle, AtEnd atEnd) : m_handle(std::move(handle)), m_atEnd(atEnd) {}
    ~WorkQueue() {
        {
            const std::lock_guard lock(m_mutex);
            m_stopping = true;
            if (m_atEnd == AtEnd::DropWaiting)
                m_waiting.clear();
        }
        m_added.notify_one();
        if (m_thread.joinable())
            m_thread.join();
    }
    WorkQueue(const WorkQueue&) = delete;
    WorkQueue& operator=(const WorkQueue&) = delete;

    // Takes the item unless `most` items wait already; an item not taken goes here.
    bool add(Item item, std::size_t most = std::numeric_limits<std::size_t>::max()) {
        {
            const std::lock_guard lock(m_mutex);
            if (m_waiting.size() >= most)
                return false;
            m_waiting.push_back(std::move(item));
            if (!m_thread.joinable())
                m_thread = std::thread([this] { run(); });
        }
        m_added.notify_one();
        return true;
    }
    // Returns once every item added so far is handled.
    void drain() {
        std::unique_lock lock(m_mutex);
        m_idle.wait(lock, [this] { return m_waiting.empty() && !m_busy; });
    }
    // Drops the items still waiting and returns once the one being handled is.
    void dropWaiting() {
        std::unique_lock lock(m_mutex);
        m_waiting.clear();
        m_idle.wait(lock, [this] { return m_waiting.empty() && !m_busy; });
    }

private:
    void run() {
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_added.wait(lock, [this] { return m_stopping || !m_waiting.empty(); });
            if (m_waiting.empty())
                return;
            Item item = std::move(m_waiting.front());
            m_waiting.pop_front();
            m_busy = true;
            lock.unlock();
            m_handle(item);
            // The item's own end (a descriptor closed) belongs to its handling too.
            item = Item();
            lock.lock();
            m_busy = false;
            if (m_waiting.empty())
                m_idle.notify_all();
        }
    }

    Handle m_handle;
    AtEnd m_atEnd;
    std::mutex m_mutex;
    std::condition_variable m_added;
    std::condition_variable m_idle;
    std::deque<Item> m_waiting;
    bool m_busy = false;
    bool m_stopping = false;
    std::thread m_thread;
};

} // namespace corvander
