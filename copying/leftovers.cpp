#include "copying/leftovers.h"

#include "copying/copy_markers.h"
#include "copying/file_descriptor.h"
#include "copying/results_folder.h"

#include <QList>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvander {
namespace {

// Larger than any marker this program writes.
constexpr qsizetype kMarkerLimit = 8192;

QList<QByteArray> namesIn(int directory) {
    QList<QByteArray> names;
    const int listing = ::openat(directory, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listing < 0)
        return names;
    DIR* entries = ::fdopendir(listing);
    if (!entries) {
        ::close(listing);
        return names;
    }
    while (const dirent* entry = ::readdir(entries))
        names << QByteArray(entry->d_name);
    ::closedir(entries);
    return names;
}

// A regular file of the user running the clean-up, seen without following a link.
bool ownRegularFile(int directory, const QByteArray& name, struct stat& info) {
    return ::fstatat(directory, name.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
           S_ISREG(info.st_mode) && info.st_uid == ::geteuid();
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The work file opened and locked, when it is the file seen and its run is dead: nobody else
// holds its lock. Otherwise -1. A run locks its work file right after creating it and writes
// nothing into it before it is sure the lock is its own and the name still stands for the file
// (OwnWorkFile), so a file taken in that moment is an empty one its run makes again.
int lockIfDead(int directory, const QByteArray& name, const struct stat& seen) {
    FileDescriptor file(::openat(directory, name.constData(),
                                 O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat opened {};
    if (!file.isOpen() || ::fstat(file.get(), &opened) != 0 || !S_ISREG(opened.st_mode) ||
        !sameFile(opened, seen) || opened.st_uid != ::geteuid())
        return -1;
    // A file system that keeps no locks cannot tell a live run from a dead one: its files stay.
    return lockWorkFile(file.get()) == WorkFileLock::Taken ? file.release() : -1;
}

std::optional<CopyMarker> readMarker(int fd) {
    QByteArray bytes(kMarkerLimit, '\0');
    const ssize_t size = ::pread(fd, bytes.data(), size_t(bytes.size()), 0);
    if (size <= 0 || size >= kMarkerLimit)
        return std::nullopt;
    bytes.truncate(size);
    return decodeMarker(bytes);
}

// The final-name file of a dead exclusive copy: anything up to the whole size is its own
// unfinished work, as long as it is still the file that copy created. A marker that never got to
// name a created file removes nothing: the name may have been free and taken by someone else.
void removeUnfinishedCopy(int directory, const CopyMarker& marker,
                          const RunSourceTest& isRunSource) {
    struct stat info {};
    if (marker.state != CopyMarker::State::Created ||
        !ownRegularFile(directory, marker.name, info) || quint64(info.st_dev) != marker.device ||
        quint64(info.st_ino) != marker.inode || qint64(info.st_size) > marker.size)
        return;
    if (isRunSource && isRunSource(info.st_dev, info.st_ino))
        return;
    ::unlinkat(directory, marker.name.constData(), 0);
}

} // namespace

void removeLeftovers(const ResultsFolder& folder, const RunSourceTest& isRunSource) {
    if (!folder.isOpen())
        return;
    const int directory = folder.descriptor();
    for (const QByteArray& name : namesIn(directory)) {
        // The pid and host in the name only tell a person who made the file.
        const std::optional<OwnFileName> own = parseOwnFileName(name);
        struct stat seen {};
        if (!own || !ownRegularFile(directory, name, seen))
            continue;
        // Held until the name is gone, so that nobody takes the file for theirs meanwhile.
        const FileDescriptor locked(lockIfDead(directory, name, seen));
        // A run removes the name of its work file before it lets the lock go: a file whose name
        // is gone by the time its lock came free was finished with, not left behind, and its
        // marker names a whole copy.
        struct stat now {};
        if (!locked.isOpen() ||
            ::fstatat(directory, name.constData(), &now, AT_SYMLINK_NOFOLLOW) != 0 ||
            !sameFile(now, seen))
            continue;
        if (own->kind == OwnFileKind::Mark) {
            if (const std::optional<CopyMarker> marker = readMarker(locked.get()))
                removeUnfinishedCopy(directory, *marker, isRunSource);
        }
        ::unlinkat(directory, name.constData(), 0);
    }
}

} // namespace corvander
