#pragma once

#include "common/stop_signals.h"

#include <functional>

namespace corvander {

// SIGTERM, SIGINT and SIGHUP (a logout, a system shutdown, Ctrl+C in a terminal) must end the
// program the way closing its window does: the running extractors killed, its temporary files
// removed. The signal handler only writes to a pipe; the handler set here runs on the event loop,
// also inside a modal box or a long operation that lets events through. One instance at a time.
class ShutdownSignals {
public:
    // Catches the signals once an event loop runs (before, they end the program at once); until
    // a handler is set, one that arrives waits for it.
    ShutdownSignals();
    ~ShutdownSignals();
    ShutdownSignals(const ShutdownSignals&) = delete;
    ShutdownSignals& operator=(const ShutdownSignals&) = delete;

    void setHandler(std::function<void()> handler);

private:
    std::function<void()> m_handler;
    bool m_pending = false;
    StopSignals m_signals;
};

} // namespace corvander
