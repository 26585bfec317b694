#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>
#include <optional>
#include <sys/types.h>

namespace corvander {

// Which file a descriptor has open: the same device and inode is the same file, whatever its name.
struct DeviceAndInode {
    quint64 device = 0;
    quint64 inode = 0;

    friend bool operator==(const DeviceAndInode&, const DeviceAndInode&) = default;
};

// What a copy is checked against before it is removed again.
struct FileDigest {
    qint64 size = -1;
    QByteArray sha256;       // lower-case hex
    DeviceAndInode identity; // of the very descriptor the bytes were read from
};

// Hands what can be read from fd, from `from` on, to `take` piece by piece, until the end or until
// `take` answers false; false on a read error. The descriptor's own position is left alone.
bool readChunks(int fd, const std::function<bool(QByteArrayView)>& take, off_t from = 0);

// The size and SHA-256 of what can be read from fd from its start, and the file's identity;
// nothing on a read error.
std::optional<FileDigest> digestOfDescriptor(int fd);

// The digest of the regular file at the path (given as the file system's bytes); nothing when it
// is missing, unreadable, a link (never followed) or anything but a regular file.
std::optional<FileDigest> digestOfFile(const QByteArray& nativePath);

// The lower-case hex SHA-256 of the regular file at path, links not followed; empty when there is
// no such file or it cannot be read.
QByteArray sha256OfFile(const QString& path);

} // namespace corvander
