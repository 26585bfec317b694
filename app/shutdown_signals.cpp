#include "app/shutdown_signals.h"

namespace corvander {

ShutdownSignals::ShutdownSignals()
    : m_signals([this](int) {
          if (m_handler)
              m_handler();
          else
              m_pending = true;
      }) {}

ShutdownSignals::~ShutdownSignals() = default;

void ShutdownSignals::setHandler(std::function<void()> handler) {
    m_handler = std::move(handler);
    if (m_pending && m_handler) {
        m_pending = false;
        m_handler();
    }
}

} // namespace corvander
