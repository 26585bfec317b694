#include "copying/results_folder.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvander {

ResultsFolder::ResultsFolder(const QString& path, FileSystemCalls& calls)
    : m_path(path), m_calls(&calls) {
    const QByteArray name = QFile::encodeName(path);
    m_directory.reset(::open(name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    // A folder the user may write into but not list (a drop box) opens only as a path; copies
    // work all the same.
    if (!m_directory.isOpen() && errno == EACCES) {
        m_directory.reset(::open(name.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
        m_pathOnly = m_directory.isOpen();
    }
    m_error = m_directory.isOpen() ? 0 : errno;
    if (m_directory.isOpen())
        m_flusher = std::make_shared<CopyFlusher>();
}

int ResultsFolder::flushToDisk() const {
    if (!isOpen())
        return m_error;
    const int copyError = m_flusher ? m_flusher->settle() : 0;
    // syncfs needs a descriptor that reads; with none, everything goes to the disk, which also
    // covers the copies.
    if (m_pathOnly) {
        ::sync();
        return copyError;
    }
    if (::syncfs(m_directory.get()) != 0)
        return errno;
    return copyError;
}

ResultsFolder ResultsFolder::subfolder(const QString& relative) const {
    ResultsFolder below;
    below.m_calls = m_calls;
    below.m_flusher = m_flusher;
    below.m_beforeNaming = m_beforeNaming;
    below.m_path = pathOf(relative);
    if (!isOpen()) {
        below.m_error = m_error;
        return below;
    }
    int at = m_directory.get();
    FileDescriptor part;
    for (const QString& name : relative.split(QLatin1Char('/'))) {
        if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) {
            below.m_error = EINVAL;
            return below;
        }
        const QByteArray bytes = QFile::encodeName(name);
        if (::mkdirat(at, bytes.constData(), 0777) != 0 && errno != EEXIST) {
            below.m_error = errno;
            return below;
        }
        FileDescriptor next(
            ::openat(at, bytes.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!next.isOpen()) {
            below.m_error = errno;
            return below;
        }
        part = std::move(next);
        at = part.get();
    }
    below.m_directory = std::move(part);
    return below;
}

} // namespace corvander
