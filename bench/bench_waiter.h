#pragma once

#include "common/waiter.h"

#include <QCoreApplication>
#include <QTimer>

// The bench has no window: it waits by running the event loop until the answer is there.
class BenchWaiter : public corvander::Waiter {
public:
    void yieldOnce() override { QCoreApplication::processEvents(); }
    void waitUntil(const std::function<bool()>& done, const std::function<void()>& tick) override {
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, tick);
        timer.start(kTickMilliseconds);
        while (!done())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
};
