#pragma once

#include <functional>
#include <memory>

class QSocketNotifier;

namespace corvander {

// SIGTERM, SIGINT and SIGHUP (a scheduler cancelling the job, Ctrl+C, a closed terminal) end a
// command between two files, never inside a copy: the handler runs on the event loop, which only
// turns while the command waits for a worker. It is told the signal's number. One at a time.
class StopSignals {
public:
    explicit StopSignals(std::function<void(int signal)> handler);
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

private:
    std::unique_ptr<QSocketNotifier> m_notifier;
    std::function<void(int)> m_handler;
};

} // namespace corvander
