#include "rename/copy_removal.h"

#include "rename/file_descriptor.h"
#include "rename/file_digest.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

namespace corvander {

namespace {

QString withError(const char* what, int error) {
    return QStringLiteral("%1: %2").arg(QLatin1String(what),
                                        QString::fromLocal8Bit(std::strerror(error)).toLower());
}

} // namespace

std::optional<QString> removeUnchangedCopy(const QByteArray& nativePath, qint64 size,
                                           const QByteArray& sha256) {
    if (size < 0 || sha256.isEmpty())
        return QStringLiteral("not checked when it was copied");

    // A link is never followed, and a FIFO put at the name cannot hold the open.
    FileDescriptor file(
        ::open(nativePath.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.isOpen()) {
        if (errno == ENOENT || errno == ENOTDIR)
            return QStringLiteral("no longer there");
        if (errno == ELOOP)
            return QStringLiteral("now a link");
        return withError("cannot be read", errno);
    }
    struct stat opened {};
    if (::fstat(file.get(), &opened) != 0)
        return withError("cannot be read", errno);
    if (S_ISDIR(opened.st_mode))
        return QStringLiteral("now a folder");
    if (!S_ISREG(opened.st_mode))
        return QStringLiteral("no longer a plain file");
    if (opened.st_size != size)
        return QStringLiteral("changed since the run");
    const std::optional<FileDigest> digest = digestOfDescriptor(file.get());
    if (!digest)
        return withError("cannot be read", errno);
    if (digest->size != size || digest->sha256 != sha256.toLower())
        return QStringLiteral("changed since the run");

    // What stands at the name must still be the file just checked. (Between this look and the
    // removal something could still take the name; the system offers no removal by identity.)
    struct stat named {};
    if (::lstat(nativePath.constData(), &named) != 0 || named.st_dev != opened.st_dev ||
        named.st_ino != opened.st_ino)
        return QStringLiteral("replaced during the undo");
    if (::unlink(nativePath.constData()) != 0)
        return withError("cannot be removed", errno);
    return std::nullopt;
}

} // namespace corvander
