#include "copying/own_work_file.h"

#include "copying/copy_ways.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace corvander {
namespace {

// A clean-up that took the lock of a fresh file in the moment between its creation and its
// locking removes it; a few more attempts under new names get past such a moment.
constexpr int kAttempts = 8;

// True when the name still stands for the open file.
bool stillNamed(int directory, const QByteArray& name, int fd) {
    struct stat named {};
    struct stat open {};
    return ::fstatat(directory, name.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
           ::fstat(fd, &open) == 0 && named.st_dev == open.st_dev && named.st_ino == open.st_ino;
}

} // namespace

OwnWorkFile::OwnWorkFile(int directory, const QString& folder, OwnFileKind kind)
    : m_directory(directory) {
    for (int attempt = 0;;) {
        m_name = ownFileName(kind);
        m_file.reset(::openat(directory, m_name.constData(),
                              O_CREAT | O_EXCL | O_RDWR | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (!m_file.isOpen()) {
            if (errno == EEXIST)
                continue;
            failCopy("Cannot write into", folder, errno);
        }
        // Between the creation and the lock the file is empty and unlocked, and a clean-up may
        // take it for a dead run's and remove it. Holding the lock, the file is ours only if its
        // name still stands for it; nothing is written before that is sure, so a file removed in
        // that moment loses nothing. Where the file system keeps no locks, no clean-up can take
        // one either, and the file is never taken for a dead run's.
        const WorkFileLock lock = lockWorkFile(m_file.get());
        if (lock != WorkFileLock::Held && stillNamed(directory, m_name, m_file.get()))
            return;
        m_file.reset();
        if (++attempt == kAttempts)
            failCopy("Cannot write into", folder, EAGAIN);
    }
}

OwnWorkFile::~OwnWorkFile() {
    if (!m_keep)
        ::unlinkat(m_directory, m_name.constData(), 0);
}

bool OwnWorkFile::flushByClose() const {
    const int twin = ::fcntl(m_file.get(), F_DUPFD_CLOEXEC, 0);
    return twin >= 0 && ::close(twin) == 0;
}

} // namespace corvander
