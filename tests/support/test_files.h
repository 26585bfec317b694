#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace corvander {

// The bytes of a file, or a marker that no real file holds when it cannot be read, so that a
// missing copy never compares equal to an empty one.
inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace corvander
