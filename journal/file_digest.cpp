#include "journal/file_digest.h"

#include "copying/file_descriptor.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <openssl/evp.h>
#include <sys/stat.h>

namespace corvander {

bool readChunks(int fd, const std::function<bool(QByteArrayView)>& take, off_t from) {
    char buffer[1 << 16];
    for (off_t offset = from;;) {
        const ssize_t done = ::pread(fd, buffer, sizeof buffer, offset);
        if (done < 0 && errno == EINTR)
            continue;
        if (done < 0)
            return false;
        if (done == 0)
            return true;
        if (!take(QByteArrayView(buffer, done)))
            return true;
        offset += done;
    }
}

std::optional<FileDigest> digestOfDescriptor(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return std::nullopt;
    // Every copy of a run is hashed for its journal, so the hashing is on the run's path: the
    // crypto library's SHA-256 uses the processor's own instructions, many times faster than
    // Qt's portable one.
    const std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> hash(EVP_MD_CTX_new(),
                                                                       &EVP_MD_CTX_free);
    if (!hash || EVP_DigestInit_ex(hash.get(), EVP_sha256(), nullptr) != 1)
        return std::nullopt;
    FileDigest digest;
    digest.size = 0;
    digest.identity = {quint64(info.st_dev), quint64(info.st_ino)};
    bool hashed = true;
    const bool read = readChunks(fd, [&](QByteArrayView chunk) {
        hashed = hashed && EVP_DigestUpdate(hash.get(), chunk.data(), size_t(chunk.size())) == 1;
        digest.size += chunk.size();
        return true;
    });
    unsigned char value[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (!read || !hashed || EVP_DigestFinal_ex(hash.get(), value, &length) != 1)
        return std::nullopt;
    digest.sha256 = QByteArray(reinterpret_cast<const char*>(value), int(length)).toHex();
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
