#pragma once

#include <QString>

#include <ostream>

namespace corvander {

// Test failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

} // namespace corvander
