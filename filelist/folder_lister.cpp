#include "filelist/folder_lister.h"

#include "common/code_page.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <sys/stat.h>

namespace {

bool namesFolder(const QByteArray& folder, const dirent& entry) {
    if (entry.d_type == DT_DIR)
        return true;
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN)
        return false;
    // A link counts as what it points to; some file systems report no type at all.
    QByteArray full = folder;
    if (!full.endsWith('/'))
        full += '/';
    full += entry.d_name;
    struct stat info {};
    return ::stat(full.constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

class SystemFolderLister : public FolderLister {
public:
    SubfolderListing subfolders(const QString& folder) const override {
        SubfolderListing listing;
        const QByteArray encoded = QFile::encodeName(folder);
        DIR* dir = ::opendir(encoded.constData());
        if (!dir) {
            const bool gone =
                errno == EACCES || errno == EPERM || errno == ENOENT || errno == ENOTDIR;
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
            const QByteArray name(entry->d_name);
            if (name == "." || name == "..")
                continue;
            if (!namesFolder(encoded, *entry))
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

const FolderLister& systemFolderLister() {
    static const SystemFolderLister lister;
    return lister;
}
