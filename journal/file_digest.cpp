#include "journal/file_digest.h"

#include "copying/file_descriptor.h"

#include <QCryptographicHash>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace corvander {

bool readChunks(int fd, const std::function<void(QByteArrayView)>& take) {
    char buffer[1 << 16];
    for (off_t offset = 0;;) {
        const ssize_t done = ::pread(fd, buffer, sizeof buffer, offset);
        if (done < 0 && errno == EINTR)
            continue;
        if (done < 0)
            return false;
        if (done == 0)
            return true;
        take(QByteArrayView(buffer, done));
        offset += done;
    }
}

std::optional<FileDigest> digestOfDescriptor(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return std::nullopt;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    FileDigest digest;
    digest.size = 0;
    digest.identity = {quint64(info.st_dev), quint64(info.st_ino)};
    const bool read = readChunks(fd, [&](QByteArrayView chunk) {
        hash.addData(chunk);
        digest.size += chunk.size();
    });
    if (!read)
        return std::nullopt;
    digest.sha256 = hash.result().toHex();
    return digest;
}

std::optional<FileDigest> digestOfFile(const QByteArray& nativePath) {
    // Non-blocking, so that a FIFO put at the name cannot hold the caller.
    FileDescriptor file(
        ::open(nativePath.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat info {};
    if (!file.isOpen() || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return digestOfDescriptor(file.get());
}

QByteArray sha256OfFile(const QString& path) {
    const std::optional<FileDigest> digest = digestOfFile(QFile::encodeName(path));
    return digest ? digest->sha256 : QByteArray();
}

} // namespace corvander
