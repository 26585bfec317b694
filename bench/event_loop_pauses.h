#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace corvander {

// How long the window's event loop was kept from running: a timer in the window's thread that is
// due every 10 ms notes how late it fires. The longest gap between two firings, less the
// interval, is the longest time a click or a paint would have waited.
class EventLoopPauses : public QObject {
public:
    static constexpr int kIntervalMilliseconds = 10;

    EventLoopPauses();

    // Watches from now on, forgetting what was seen before.
    void start();
    // Stops watching; the time since the last firing counts as a gap too, since the work that
    // was watched held the loop until now.
    void stop();

    // The longest pause seen, in milliseconds.
    qint64 longestMilliseconds() const { return m_longest; }

private:
    void note();

    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_longest = 0;
};

} // namespace corvander
