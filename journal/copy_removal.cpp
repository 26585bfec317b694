#include "journal/copy_removal.h"

#include "copying/file_descriptor.h"
#include "journal/file_digest.h"
#include "journal/path_below.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvander {

namespace {

QString withError(const char* what, int error) {
    return QStringLiteral("%1: %2").arg(QLatin1String(what),
                                        QString::fromLocal8Bit(std::strerror(error)).toLower());
}

} // namespace

std::optional<QString> removeUnchangedCopy(const QByteArray& resultsFolder,
                                           const FileRecord& copy) {
    if (copy.pathsDisagree)
        return QStringLiteral("its name and its bytes disagree");
    const std::optional<QList<QByteArray>> components =
        componentsBelow(resultsFolder, copy.nativeNewPath);
    if (!components)
        return QStringLiteral("outside the results folder");
    if (copy.size < 0 || copy.sha256.isEmpty())
        return QStringLiteral("not checked when it was copied");

    QString reason;
    FileDescriptor parent(openParentBelow(resultsFolder, *components, reason));
    if (!parent.isOpen())
        return reason;
    const QByteArray& name = components->last();
    // A link is never followed, and a FIFO put at the name cannot hold the open.
    FileDescriptor file(::openat(parent.get(), name.constData(),
                                 O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
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
    if (opened.st_size != copy.size)
        return QStringLiteral("changed since the run");
    const std::optional<FileDigest> digest = digestOfDescriptor(file.get());
    if (!digest)
        return withError("cannot be read", errno);
    if (digest->size != copy.size || digest->sha256 != copy.sha256.toLower())
        return QStringLiteral("changed since the run");
    // Another file put at the name with the very same bytes is still not the run's copy. Journals
    // written before the device and inode were recorded are undone by size and SHA-256 alone.
    if (copy.identity && *copy.identity != digest->identity)
        return QStringLiteral("not made by this run");

    // What stands at the name must still be the file just checked. (Between this look and the
    // removal something could still take the name; the system offers no removal by identity.)
    struct stat named {};
    if (::fstatat(parent.get(), name.constData(), &named, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISREG(named.st_mode) || named.st_dev != opened.st_dev || named.st_ino != opened.st_ino)
        return QStringLiteral("replaced during the undo");
    if (::unlinkat(parent.get(), name.constData(), 0) != 0)
        return withError("cannot be removed", errno);
    return std::nullopt;
}

} // namespace corvander
