#include "rename/copy_ways.h"

#include "common/error_report.h"
#include "rename/copy_markers.h"
#include "rename/file_descriptor.h"
#include "rename/safe_copy_testing.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::function<void(const QString&)> g_beforePlacing;
std::function<void()> g_duringCopy;
std::function<int(CopyWay)> g_forcedError;

} // namespace

void safe_copy_testing::setBeforePlacing(std::function<void(const QString&)> hook) {
    g_beforePlacing = std::move(hook);
}

void safe_copy_testing::setDuringCopy(std::function<void()> hook) {
    g_duringCopy = std::move(hook);
}

void safe_copy_testing::setForcedError(std::function<int(CopyWay)> errorFor) {
    g_forcedError = std::move(errorFor);
}

namespace corvander {

void failCopy(const char* what, const QString& folder, int error) {
    // The file's own name stays out of the description: the same failure for many files (a
    // name the file system refuses, a full disk) is then one kind of report, counted once.
    const QString reason = QString::fromLocal8Bit(strerror(error));
    if (folder.isEmpty())
        raiseError(QStringLiteral("%1: %2").arg(QLatin1String(what), reason));
    raiseError(QStringLiteral("%1 %2: %3").arg(QLatin1String(what), folder, reason));
}

namespace {

// The answers of file systems that lack a feature (FAT and exFAT, FUSE and network mounts, older
// kernels), as opposed to a folder that is full, read-only or gone.
bool refusedByFileSystem(int error) {
    return error == EPERM || error == EOPNOTSUPP || error == ENOTSUP || error == EINVAL ||
           error == ENOSYS || error == EXDEV || error == EMLINK || error == EISDIR;
}

// Copies the source from its start into `to`; 0 on success, else the errno.
int copyContent(int from, int to) {
    if (::lseek(from, 0, SEEK_SET) != 0)
        return errno;
    bool kernelCopy = true;
    bool firstPart = true;
    for (;;) {
        ssize_t done = 0;
        if (kernelCopy) {
            done = ::copy_file_range(from, nullptr, to, nullptr, 1 << 30, 0);
            if (done < 0 && (errno == EXDEV || errno == ENOSYS || errno == EINVAL ||
                             errno == EOPNOTSUPP || errno == EBADF)) {
                // Both files keep their offsets, so the plain loop goes on where this stopped.
                kernelCopy = false;
                continue;
            }
        } else {
            char buffer[1 << 16];
            done = ::read(from, buffer, sizeof buffer);
            for (ssize_t written = 0; done > 0 && written < done;) {
                const ssize_t step = ::write(to, buffer + written, size_t(done - written));
                if (step < 0 && errno != EINTR)
                    return errno;
                written += step < 0 ? 0 : step;
            }
        }
        if (done == 0)
            return 0;
        if (done < 0 && errno != EINTR)
            return errno;
        if (done > 0 && firstPart && g_duringCopy) {
            firstPart = false;
            g_duringCopy();
        }
    }
}

void writeWhole(const CopyJob& job, int to, bool flush) {
    if (const int error = copyContent(job.source, to); error != 0)
        failCopy("Cannot copy the file", {}, error);
    if (flush && ::fsync(to) != 0)
        failCopy("Cannot copy the file", {}, errno);
}

// The process's file creation mask, read without changing it (changing it, even for a moment,
// would touch files other threads create). When it cannot be read, copies stay owner-only.
mode_t creationMask() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("Umask:")) {
                bool ok = false;
                const uint mask = line.mid(6).trimmed().toUInt(&ok, 8);
                if (ok)
                    return mode_t(mask & 0777);
            }
        }
    }
    return 077;
}

QByteArray candidateName(const QString& name, int suffixLength) {
    return QFile::encodeName(name + QString(suffixLength, QLatin1Char('!')) +
                             QStringLiteral(".pdf"));
}

QString pathIn(const CopyJob& job, const QByteArray& name) {
    return job.folder + QLatin1Char('/') + QFile::decodeName(name);
}

bool nameTaken(const CopyJob& job, const QByteArray& candidate) {
    struct stat taken {};
    return ::fstatat(job.directory, candidate.constData(), &taken, AT_SYMLINK_NOFOLLOW) == 0;
}

// Tries name.pdf, name!.pdf, name!!.pdf, ... until `place` puts the copy under one. `place`
// returns 0 or the errno; it must never replace what stands at a name (EEXIST then).
template <typename Place>
CopyAttempt placeUnderFreeName(CopyWay way, const CopyJob& job, Place place) {
    for (int suffix = 0;; ++suffix) {
        const QByteArray candidate = candidateName(job.name, suffix);
        if (nameTaken(job, candidate))
            continue;
        int error = g_forcedError ? g_forcedError(way) : 0;
        if (error == 0) {
            if (g_beforePlacing)
                g_beforePlacing(pathIn(job, candidate));
            error = place(candidate);
        }
        if (error == 0)
            return {false, pathIn(job, candidate)};
        if (error == EEXIST)
            continue;
        if (refusedByFileSystem(error))
            return {true, {}};
        failCopy("Cannot create the copy", {}, error);
    }
}

// Removes a name in the results folder when it goes, unless kept.
class NameInFolder {
public:
    NameInFolder(int directory, QByteArray name)
        : m_directory(directory), m_name(std::move(name)) {}
    NameInFolder(const NameInFolder&) = delete;
    NameInFolder& operator=(const NameInFolder&) = delete;
    ~NameInFolder() {
        if (!m_name.isEmpty())
            ::unlinkat(m_directory, m_name.constData(), 0);
    }
    void keep() { m_name.clear(); }

private:
    int m_directory;
    QByteArray m_name;
};

// A new owner-only file of this process under a hidden name in the results folder.
int createOwnFile(const CopyJob& job, OwnFileKind kind, QByteArray& name) {
    int fd = -1;
    do {
        name = ownFileName(kind);
        fd = ::openat(job.directory, name.constData(),
                      O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, 0600);
    } while (fd < 0 && errno == EEXIST);
    if (fd < 0)
        failCopy("Cannot write into", job.folder, errno);
    return fd;
}

CopyAttempt copyUnnamed(const CopyJob& job) {
    static const bool procAvailable = ::access("/proc/self/fd", X_OK) == 0;
    if (!procAvailable)
        return {true, {}};
    FileDescriptor copy(::openat(job.directory, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, job.mode));
    if (!copy.isOpen()) {
        if (refusedByFileSystem(errno))
            return {true, {}};
        failCopy("Cannot write into", job.folder, errno);
    }
    // Until it is linked the file has no name, and it vanishes with the process.
    writeWhole(job, copy.get(), false);
    const QByteArray procPath = "/proc/self/fd/" + QByteArray::number(copy.get());
    return placeUnderFreeName(CopyWay::Unnamed, job, [&](const QByteArray& candidate) {
        return ::linkat(AT_FDCWD, procPath.constData(), job.directory, candidate.constData(),
                        AT_SYMLINK_FOLLOW) == 0
                   ? 0
                   : errno;
    });
}

// The named ways: a hidden file of this process, whole and flushed, then put under the free name.
CopyAttempt copyNamed(CopyWay way, const CopyJob& job) {
    QByteArray tempName;
    FileDescriptor copy(createOwnFile(job, OwnFileKind::Part, tempName));
    NameInFolder temporary(job.directory, tempName);
    writeWhole(job, copy.get(), true);
    // Owner-only while it is being written; the finished copy gets the source's read and write
    // bits. A file system without permissions may refuse, and the copy then stays owner-only.
    ::fchmod(copy.get(), job.mode & ~creationMask());
    if (!copy.close())
        failCopy("Cannot copy the file", {}, errno);
    const CopyAttempt attempt = placeUnderFreeName(way, job, [&](const QByteArray& candidate) {
        const int placed = way == CopyWay::NamedRename
                               ? ::renameat2(job.directory, tempName.constData(), job.directory,
                                             candidate.constData(), RENAME_NOREPLACE)
                               : ::linkat(job.directory, tempName.constData(), job.directory,
                                          candidate.constData(), 0);
        return placed == 0 ? 0 : errno;
    });
    if (!attempt.refused && way == CopyWay::NamedRename)
        temporary.keep(); // it is the copy now
    return attempt;
}

void writeMarker(const CopyJob& job, int fd, const CopyMarker& marker) {
    const QByteArray bytes = encodeMarker(marker);
    errno = 0;
    if (::pwrite(fd, bytes.constData(), size_t(bytes.size()), 0) != bytes.size() ||
        ::ftruncate(fd, bytes.size()) != 0 || ::fdatasync(fd) != 0)
        failCopy("Cannot write into", job.folder, errno == 0 ? EIO : errno);
}

// The last resort, for file systems with neither renaming without replacing nor links: the final
// name itself is created exclusively. A marker beside it says which name is not yet whole, so that
// a kill in the middle leaves nothing the next run cannot clear away.
CopyAttempt copyExclusive(const CopyJob& job) {
    QByteArray markerName;
    FileDescriptor marker(createOwnFile(job, OwnFileKind::Mark, markerName));
    NameInFolder markerFile(job.directory, markerName);
    struct stat sourceInfo {};
    if (::fstat(job.source, &sourceInfo) != 0)
        failCopy("Cannot read the file", {}, errno);
    CopyMarker note{CopyMarker::State::Pending, qint64(sourceInfo.st_size), {}};

    for (int suffix = 0;; ++suffix) {
        const QByteArray candidate = candidateName(job.name, suffix);
        if (nameTaken(job, candidate))
            continue;
        note.state = CopyMarker::State::Pending;
        note.name = candidate;
        writeMarker(job, marker.get(), note);
        if (g_beforePlacing)
            g_beforePlacing(pathIn(job, candidate));
        // O_EXCL never opens what stands at the name, a link included.
        FileDescriptor copy(::openat(job.directory, candidate.constData(),
                                     O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC,
                                     job.mode));
        if (!copy.isOpen()) {
            if (errno == EEXIST)
                continue;
            failCopy("Cannot create the copy", {}, errno);
        }
        NameInFolder partial(job.directory, candidate);
        note.state = CopyMarker::State::Created;
        writeMarker(job, marker.get(), note);
        writeWhole(job, copy.get(), true);
        if (!copy.close())
            failCopy("Cannot copy the file", {}, errno);
        partial.keep();
        return {false, pathIn(job, candidate)};
    }
}

} // namespace

CopyAttempt copyByWay(CopyWay way, const CopyJob& job) {
    switch (way) {
    case CopyWay::Unnamed:
        return copyUnnamed(job);
    case CopyWay::NamedRename:
    case CopyWay::NamedLink:
        return copyNamed(way, job);
    case CopyWay::Exclusive:
        break;
    }
    return copyExclusive(job);
}

} // namespace corvander
