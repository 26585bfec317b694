#include "bench/event_loop_pauses.h"

#include <algorithm>

namespace corvander {

EventLoopPauses::EventLoopPauses() {
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(kIntervalMilliseconds);
    QObject::connect(&m_timer, &QTimer::timeout, this, [this] { note(); });
}

void EventLoopPauses::start() {
    m_longest = 0;
    m_clock.start();
    m_last = 0;
    m_timer.start();
}

void EventLoopPauses::stop() {
    note();
    m_timer.stop();
}

void EventLoopPauses::note() {
    const qint64 now = m_clock.elapsed();
    m_longest = std::max(m_longest, now - m_last - kIntervalMilliseconds);
    m_last = now;
}

} // namespace corvander
