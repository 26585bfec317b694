#include "rename/leftovers.h"

#include "rename/copy_markers.h"
#include "rename/file_descriptor.h"

#include <QFile>
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

bool regularFile(int directory, const QByteArray& name, struct stat& info) {
    return ::fstatat(directory, name.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
           S_ISREG(info.st_mode);
}

std::optional<CopyMarker> readMarker(int directory, const QByteArray& name) {
    const FileDescriptor file(
        ::openat(directory, name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!file.isOpen())
        return std::nullopt;
    QByteArray bytes(kMarkerLimit, '\0');
    const ssize_t size = ::read(file.get(), bytes.data(), size_t(bytes.size()));
    if (size <= 0 || size >= kMarkerLimit)
        return std::nullopt;
    bytes.truncate(size);
    return decodeMarker(bytes);
}

// The final-name file of a killed exclusive copy. Created by the copy: anything up to the whole
// size is its own unfinished work. Only about to be created: the name may have been free and
// taken by someone else since, so only the empty file a kill right after the creation leaves
// goes.
void removeUnfinishedCopy(int directory, const CopyMarker& marker) {
    struct stat info {};
    if (!regularFile(directory, marker.name, info))
        return;
    const bool unfinished = marker.state == CopyMarker::State::Created
                                ? qint64(info.st_size) <= marker.size
                                : info.st_size == 0;
    if (unfinished)
        ::unlinkat(directory, marker.name.constData(), 0);
}

} // namespace

void removeLeftovers(const QString& folder) {
    const FileDescriptor directory(
        ::open(QFile::encodeName(folder).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!directory.isOpen())
        return;
    const QByteArray host = thisHost();
    for (const QByteArray& name : namesIn(directory.get())) {
        const std::optional<OwnFileName> own = parseOwnFileName(name);
        struct stat info {};
        if (!own || own->host != host || processRuns(own->pid) ||
            !regularFile(directory.get(), name, info))
            continue;
        if (own->kind == OwnFileKind::Mark) {
            if (const std::optional<CopyMarker> marker = readMarker(directory.get(), name))
                removeUnfinishedCopy(directory.get(), *marker);
        }
        ::unlinkat(directory.get(), name.constData(), 0);
    }
}

} // namespace corvander
