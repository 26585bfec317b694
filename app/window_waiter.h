#pragma once

#include "common/waiter.h"

// The window's way of waiting: its events run while the core waits for a worker, so it repaints,
// takes clicks and stays alive.
class WindowWaiter : public corvander::Waiter {
public:
    void yieldOnce() override;
    void waitUntil(const std::function<bool()>& done, const std::function<void()>& tick) override;
};
