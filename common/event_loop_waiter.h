#pragma once

#include "common/waiter.h"

namespace corvander {

// The front ends' way of waiting: events run while the core waits for a worker, so a window
// repaints, takes clicks and stays alive, and a command takes its signals. Built apart from the
// core, which never runs the event loop itself.
class EventLoopWaiter : public Waiter {
public:
    void yieldOnce() override;
    void waitUntil(const std::function<bool()>& done, const std::function<void()>& tick) override;
};

} // namespace corvander
