#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace corvander {

// Removes the file at the path (the file system's bytes) only when it is still a regular file,
// not a link, with the given size and SHA-256 (hex). Nothing when it was removed; otherwise the
// reason it was left alone, in a few plain words ("changed since the run", "no longer there").
std::optional<QString> removeUnchangedCopy(const QByteArray& nativePath, qint64 size,
                                           const QByteArray& sha256);

} // namespace corvander
