#include "common/event_loop_waiter.h"

#include <QCoreApplication>
#include <QTimer>

namespace corvander {

void EventLoopWaiter::yieldOnce() {
    QCoreApplication::processEvents();
}

void EventLoopWaiter::waitUntil(const std::function<bool()>& done,
                                const std::function<void()>& tick) {
    // The tick only marks that time has passed; it is acted on here, so that a wait started by an
    // event inside this one does not move this wait's progress while it runs.
    bool ticked = false;
    QTimer timer;
    timer.setInterval(kTickMilliseconds);
    QObject::connect(&timer, &QTimer::timeout, [&ticked] { ticked = true; });
    timer.start();
    while (!done()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (ticked) {
            ticked = false;
            tick();
        }
    }
}

} // namespace corvander
