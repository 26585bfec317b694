#include "cli/command_ports.h"

#include "cli/terminal_progress.h"

#include <QCoreApplication>
#include <QTimer>

namespace corvander {

void CommandDialogs::showWarning(const QString& text, const QString&) {
    // A report is the description, then "in PROCEDURE at line N" and a plea for a screenshot.
    const qsizetype place = text.lastIndexOf(QStringLiteral("\r\nin "));
    QString description = place >= 0 ? text.left(place) : text;
    description.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_lastError = description;
    tellError(m_progress, description);
}

void LoopWaiter::yieldOnce() {
    QCoreApplication::processEvents();
}

void LoopWaiter::waitUntil(const std::function<bool()>& done, const std::function<void()>& tick) {
    // As in the window: the timer only marks that time passed, and the tick runs here.
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
