#pragma once

#include <functional>
#include <memory>

class QSocketNotifier;

namespace corvander {

// SIGTERM, SIGINT and SIGHUP (a logout, a scheduler cancelling the job, Ctrl+C, a closed
// terminal), caught so that the program can end on its own terms: the signal handler only writes
// to a pipe, and the handler given here runs on the event loop, told the signal's number. A
// command thus ends between two files, never inside a copy. The signals are caught from the
// moment an event loop first runs after construction; before that, and without a pipe, they keep
// their default action. One instance at a time.
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
