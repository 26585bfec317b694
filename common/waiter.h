#pragma once

#include <functional>

namespace corvander {

// How work that takes a while lets the window live. The window provides the one implementation
// the program uses; everything else only calls through this interface, so no part of the core
// runs the window's events on its own.
class Waiter {
public:
    virtual ~Waiter() = default;

    // Lets the events that are waiting run once (a click, a paint, a finished extraction).
    virtual void yieldOnce() = 0;

    // Returns once done() holds, letting events run meanwhile, and calls tick() about every
    // kTickMilliseconds for as long as it waits.
    virtual void waitUntil(const std::function<bool()>& done,
                           const std::function<void()>& tick) = 0;

    static constexpr int kTickMilliseconds = 100;
};

} // namespace corvander
