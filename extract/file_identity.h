#pragma once

#include <QByteArray>
#include <QHash>
#include <optional>

class QString;

namespace corvander {

// What tells one state of a file from another: a file replaced, rewritten or touched since gets
// another identity.
struct FileIdentity {
    QByteArray path;
    qint64 size = 0;
    qint64 modifiedNanoseconds = 0;
    quint64 device = 0;
    quint64 inode = 0;

    bool operator==(const FileIdentity&) const = default;
};

// Nothing when the file cannot be looked at.
std::optional<FileIdentity> identityOfFile(const QString& path);

size_t qHash(const FileIdentity& identity, size_t seed = 0);

} // namespace corvander
