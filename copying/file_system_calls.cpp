#include "copying/file_system_calls.h"

#include "copying/file_descriptor.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvander {

namespace {

std::optional<std::pair<dev_t, ino_t>> identityOf(int directory) {
    struct stat info {};
    if (::fstat(directory, &info) != 0)
        return std::nullopt;
    return std::pair{info.st_dev, info.st_ino};
}

} // namespace

FileSystemCalls& FileSystemCalls::real() {
    static FileSystemCalls calls;
    return calls;
}

int FileSystemCalls::linkAt(int fromDirectory, const char* from, int toDirectory, const char* to,
                            int flags) {
    return ::linkat(fromDirectory, from, toDirectory, to, flags) == 0 ? 0 : errno;
}

int FileSystemCalls::renameNoReplace(int directory, const char* from, const char* to) {
    return ::renameat2(directory, from, directory, to, RENAME_NOREPLACE) == 0 ? 0 : errno;
}

int FileSystemCalls::createExclusive(int directory, const char* name, mode_t mode) {
    // O_EXCL never opens what stands at the name, a link included.
    return ::openat(directory, name, O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, mode);
}

ssize_t FileSystemCalls::copyRange(int from, int to, size_t length) {
    return ::copy_file_range(from, nullptr, to, nullptr, length, 0);
}

ssize_t FileSystemCalls::write(int fd, const void* data, size_t size) {
    return ::write(fd, data, size);
}

std::optional<CopyWay> FileSystemCalls::wayOf(int directory) const {
    const auto identity = identityOf(directory);
    const auto found = identity ? m_wayOfFolder.find(*identity) : m_wayOfFolder.end();
    if (found == m_wayOfFolder.end())
        return std::nullopt;
    return found->second;
}

void FileSystemCalls::rememberWay(int directory, CopyWay way) {
    if (const auto identity = identityOf(directory))
        m_wayOfFolder[*identity] = way;
}

std::optional<CopyWay> FileSystemCalls::rememberedWay(const QString& folder) const {
    const FileDescriptor directory(
        ::open(QFile::encodeName(folder).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    return directory.isOpen() ? wayOf(directory.get()) : std::nullopt;
}

} // namespace corvander
