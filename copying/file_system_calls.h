#pragma once

#include "copying/copy_ways.h"

#include <QString>
#include <map>
#include <optional>
#include <sys/types.h>
#include <utility>

namespace corvander {

// The calls by which a copy puts its bytes and its name into a results folder, and what the
// copies learnt of each folder through them. The program makes the calls as they are; another
// set given to a results folder meets the copy ways with the refusals of other file systems and
// with names taken at the last moment.
class FileSystemCalls {
public:
    virtual ~FileSystemCalls() = default;

    // The real calls, with the memory of every folder the program copies into.
    static FileSystemCalls& real();

    // 0 or the errno, as linkat(2).
    virtual int linkAt(int fromDirectory, const char* from, int toDirectory, const char* to,
                       int flags);
    // 0 or the errno, as renameat2(2) with RENAME_NOREPLACE within one folder.
    virtual int renameNoReplace(int directory, const char* from, const char* to);
    // A new file at the name, created exclusively and never through a link: the descriptor, or
    // -1 with errno set.
    virtual int createExclusive(int directory, const char* name, mode_t mode);
    // As copy_file_range(2) and write(2).
    virtual ssize_t copyRange(int from, int to, size_t length);
    virtual ssize_t write(int fd, const void* data, size_t size);

    // The way that last worked in the open folder, so that a run into a folder whose file system
    // refuses the better ways tries them for its first file only.
    std::optional<CopyWay> wayOf(int directory) const;
    void rememberWay(int directory, CopyWay way);
    // The same, for a folder by its path.
    std::optional<CopyWay> rememberedWay(const QString& folder) const;

private:
    std::map<std::pair<dev_t, ino_t>, CopyWay> m_wayOfFolder;
};

} // namespace corvander
