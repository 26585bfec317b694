#pragma once

#include "common/waiter.h"

#include <QElapsedTimer>

namespace corvander {

// Lets the window's events run now and then during work that has no waits of its own (a long
// list walked through, a folder of many thousand files listed), so that the window never freezes
// for long: at most every kIntervalMilliseconds, however much or little each piece of work takes.
class EventPacer {
public:
    static constexpr qint64 kIntervalMilliseconds = 50;

    // Without a waiter nothing ever runs.
    explicit EventPacer(Waiter* waiter) : m_waiter(waiter) { m_clock.start(); }

    // True when the events are due to run.
    bool due() const { return m_waiter && m_clock.elapsed() >= kIntervalMilliseconds; }
    // Runs them now.
    void yieldNow() {
        if (m_waiter)
            m_waiter->yieldOnce();
        m_clock.restart();
    }
    // Runs them when they are due.
    void pace() {
        if (due())
            yieldNow();
    }

private:
    Waiter* m_waiter;
    QElapsedTimer m_clock;
};

} // namespace corvander
