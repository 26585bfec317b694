#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <ostream>

namespace corvander {

// Readable failure output for texts, places and sizes.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QRect& rect, std::ostream* out) {
    *out << "QRect(" << rect.x() << ", " << rect.y() << ", " << rect.width() << " x "
         << rect.height() << ")";
}

inline void PrintTo(const QSize& size, std::ostream* out) {
    *out << "QSize(" << size.width() << " x " << size.height() << ")";
}

} // namespace corvander
