#include "filelist/folder_lister.h"

#include "common/code_page.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvander {

namespace {

// The longest path one system call takes, without its terminating zero.
constexpr qsizetype kLongestPath = 4095;

bool namesFolder(DIR* folder, const dirent& entry) {
    if (entry.d_type == DT_DIR)
        return true;
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN)
        return false;
    // A link counts as what it points to; some file systems report no type at all.
    struct stat info {};
    return ::fstatat(::dirfd(folder), entry.d_name, &info, 0) == 0 && S_ISDIR(info.st_mode);
}

class SystemFolderLister : public FolderLister {
public:
    SubfolderListing subfolders(const QString& folder) const override {
        SubfolderListing listing;
        const int descriptor = openFolder(QFile::encodeName(folder), O_RDONLY);
        DIR* dir = descriptor >= 0 ? ::fdopendir(descriptor) : nullptr;
        if (!dir) {
            const int error = errno;
            if (descriptor >= 0)
                ::close(descriptor);
            const bool gone =
                error == EACCES || error == EPERM || error == ENOENT || error == ENOTDIR;
            listing.outcome = gone ? SubfolderListing::Outcome::Unlistable
                                   : SubfolderListing::Outcome::Interrupted;
            return listing;
        }
        for (;;) {
            errno = 0;
            const dirent* entry = ::readdir(dir);
            if (!entry) {
                if (errno != 0)
                    listing.outcome = SubfolderListing::Outcome::Interrupted;
                break;
            }
            // Plain files are passed over before anything is made of their names: a folder may
            // hold a hundred thousand of them.
            if (!namesFolder(dir, *entry))
                continue;
            const QByteArray name(entry->d_name);
            if (name == "." || name == "..")
                continue;
            if (isValidUtf8(name))
                listing.names << QFile::decodeName(name);
            else
                listing.unusableNames << name;
        }
        ::closedir(dir);
        std::sort(listing.names.begin(), listing.names.end());
        return listing;
    }
};

} // namespace

int openFolder(const QByteArray& path, int access) {
    const int flags = O_DIRECTORY | O_CLOEXEC;
    if (path.size() <= kLongestPath)
        return ::open(path.constData(), access | flags);
    // Each step takes the longest part that ends at a "/" and fits, relative to the last.
    int at = AT_FDCWD;
    qsizetype start = 0;
    while (path.size() - start > kLongestPath) {
        const qsizetype cut = path.lastIndexOf('/', start + kLongestPath - 1);
        if (cut < start) {
            if (at != AT_FDCWD)
                ::close(at);
            errno = ENAMETOOLONG;
            return -1;
        }
        const QByteArray part = cut == 0 ? QByteArray("/") : path.mid(start, cut - start);
        const int next = ::openat(at, part.isEmpty() ? "." : part.constData(), O_PATH | flags);
        const int error = errno;
        if (at != AT_FDCWD)
            ::close(at);
        if (next < 0) {
            errno = error;
            return -1;
        }
        at = next;
        start = cut + 1;
        // Relative to a folder, a part must not start as an absolute path does.
        while (start < path.size() && path.at(start) == '/')
            ++start;
    }
    const QByteArray rest = path.mid(start);
    const int descriptor = ::openat(at, rest.isEmpty() ? "." : rest.constData(), access | flags);
    const int error = errno;
    ::close(at);
    errno = error;
    return descriptor;
}

const FolderLister& systemFolderLister() {
    static const SystemFolderLister lister;
    return lister;
}

} // namespace corvander
