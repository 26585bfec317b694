#pragma once

#include <QtGlobal>

namespace corvander {

// Guards the start of the application object. Without a graphical session Qt prints several
// lines about its window-system plug-ins and aborts; under this guard the program says instead,
// in one line, that it needs a graphical session, and ends with status 1. Messages of a start
// that works are passed on when the guard is released.
class GraphicalSessionGuard {
public:
    GraphicalSessionGuard();
    ~GraphicalSessionGuard() { release(); }
    GraphicalSessionGuard(const GraphicalSessionGuard&) = delete;
    GraphicalSessionGuard& operator=(const GraphicalSessionGuard&) = delete;

    void release();

private:
    bool m_active = true;
};

// The line the guard prints, to be translated in the context "corvander::GraphicalSession".
inline constexpr char kNoGraphicalSession[] = QT_TRANSLATE_NOOP(
    "corvander::GraphicalSession",
    "corvander: a graphical session is needed, but none could be reached (check DISPLAY or "
    "WAYLAND_DISPLAY)\n");

} // namespace corvander
