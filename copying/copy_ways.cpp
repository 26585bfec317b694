#include "copying/copy_ways.h"

#include "copying/fitted_name.h"

#include "common/error_report.h"
#include "copying/copy_flusher.h"
#include "copying/copy_markers.h"
#include "copying/file_descriptor.h"
#include "copying/file_system_calls.h"
#include "copying/own_work_file.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvander {

namespace {

// What a copy can fail at, for the translation tools; failCopy is given one of them.
[[maybe_unused]] const char* const kFailures[] = {
    QT_TRANSLATE_NOOP("corvander::CopyFailure", "Cannot read the file"),
    QT_TRANSLATE_NOOP("corvander::CopyFailure", "Cannot open the results folder"),
    QT_TRANSLATE_NOOP("corvander::CopyFailure", "Cannot copy the file"),
    QT_TRANSLATE_NOOP("corvander::CopyFailure", "Cannot create the copy"),
    QT_TRANSLATE_NOOP("corvander::CopyFailure", "Cannot write into"),
};

} // namespace

void failCopy(const char* what, const QString& folder, int error) {
    // The file's own name stays out of the description: the same failure for many files (a
    // name the file system refuses, a full disk) is then one kind of report, counted once.
    // The system's own reason comes in the user's language already.
    const QString reason = QString::fromLocal8Bit(strerror(error));
    const QString failure = QCoreApplication::translate("corvander::CopyFailure", what);
    if (folder.isEmpty())
        raiseError(QStringLiteral("%1: %2").arg(failure, reason));
    raiseError(QStringLiteral("%1 %2: %3").arg(failure, folder, reason));
}

namespace {

// The answers of file systems that lack a feature (FAT and exFAT, FUSE and network mounts, older
// kernels), as opposed to a folder that is full, read-only or gone.
bool refusedByFileSystem(int error) {
    return error == EPERM || error == EOPNOTSUPP || error == ENOTSUP || error == EINVAL ||
           error == ENOSYS || error == EXDEV || error == EMLINK || error == EISDIR;
}

// Copies the source from its start into `to`; 0 on success, else the errno.
int copyContent(FileSystemCalls& calls, int from, int to) {
    if (::lseek(from, 0, SEEK_SET) != 0)
        return errno;
    bool kernelCopy = true;
    for (;;) {
        ssize_t done = 0;
        if (kernelCopy) {
            done = calls.copyRange(from, to, 1 << 30);
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
                const ssize_t step = calls.write(to, buffer + written, size_t(done - written));
                if (step < 0 && errno != EINTR)
                    return errno;
                written += step < 0 ? 0 : step;
            }
        }
        if (done == 0)
            return 0;
        if (done < 0 && errno != EINTR)
            return errno;
    }
}

// The run flushes all its copies to the disk with one call at its end, so a copy is not flushed
// here; its writing to the disk is started, and the folder's flusher flushes it meanwhile, so
// that the call at the end finds little left to do.
void writeWhole(const CopyJob& job, int to, bool flushMeanwhile = true) {
    if (const int error = copyContent(*job.calls, job.source, to); error != 0)
        failCopy("Cannot copy the file", {}, error);
    ::sync_file_range(to, 0, 0, SYNC_FILE_RANGE_WRITE);
    if (flushMeanwhile && job.flusher)
        job.flusher->add(to);
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
    return QFile::encodeName(fittedFileName(name, suffixLength));
}

QString pathIn(const CopyJob& job, const QByteArray& name) {
    return job.folder + QLatin1Char('/') + QFile::decodeName(name);
}

bool nameTaken(const CopyJob& job, const QByteArray& candidate) {
    struct stat taken {};
    return ::fstatat(job.directory, candidate.constData(), &taken, AT_SYMLINK_NOFOLLOW) == 0;
}

void aboutToName(const CopyJob& job) {
    if (job.beforeNaming && *job.beforeNaming)
        (*job.beforeNaming)();
}

// Tries name.pdf, name!.pdf, name!!.pdf, ... until `place` puts the copy under one. `place`
// returns 0 or the errno; it must never replace what stands at a name (EEXIST then).
template <typename Place> CopyAttempt placeUnderFreeName(const CopyJob& job, Place place) {
    aboutToName(job);
    for (int suffix = 0;; ++suffix) {
        const QByteArray candidate = candidateName(job.name, suffix);
        if (nameTaken(job, candidate))
            continue;
        const int error = place(candidate);
        if (error == 0)
            return {false, pathIn(job, candidate)};
        if (error == EEXIST)
            continue;
        if (refusedByFileSystem(error))
            return {true, {}};
        failCopy("Cannot create the copy", {}, error);
    }
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
    writeWhole(job, copy.get());
    const QByteArray procPath = "/proc/self/fd/" + QByteArray::number(copy.get());
    return placeUnderFreeName(job, [&](const QByteArray& candidate) {
        return job.calls->linkAt(AT_FDCWD, procPath.constData(), job.directory,
                                 candidate.constData(), AT_SYMLINK_FOLLOW);
    });
}

// The named ways: a hidden file of this run, whole, then put under the free name.
CopyAttempt copyNamed(CopyWay way, const CopyJob& job) {
    OwnWorkFile temporary(job.directory, job.folder, OwnFileKind::Part);
    const QByteArray& tempName = temporary.name();
    writeWhole(job, temporary.fd());
    // Owner-only while it is being written; the finished copy gets the source's read and write
    // bits. A file system without permissions may refuse, and the copy then stays owner-only.
    ::fchmod(temporary.fd(), job.mode & ~creationMask());
    if (!temporary.flushByClose())
        failCopy("Cannot copy the file", {}, errno);
    const CopyAttempt attempt = placeUnderFreeName(job, [&](const QByteArray& candidate) {
        return way == CopyWay::NamedRename
                   ? job.calls->renameNoReplace(job.directory, tempName.constData(),
                                                candidate.constData())
                   : job.calls->linkAt(job.directory, tempName.constData(), job.directory,
                                       candidate.constData(), 0);
    });
    if (!attempt.refused && way == CopyWay::NamedRename)
        temporary.keep(); // it is the copy now
    return attempt;
}

// A marker that names a created file is flushed before a byte of the copy is written: a copy
// that reached the disk with its marker still pending would look finished after a crash.
void writeMarker(const CopyJob& job, int fd, const CopyMarker& marker) {
    const QByteArray bytes = encodeMarker(marker);
    errno = 0;
    const bool flush = marker.state == CopyMarker::State::Created;
    if (::pwrite(fd, bytes.constData(), size_t(bytes.size()), 0) != bytes.size() ||
        ::ftruncate(fd, bytes.size()) != 0 || (flush && ::fdatasync(fd) != 0))
        failCopy("Cannot write into", job.folder, errno == 0 ? EIO : errno);
}

// The last resort, for file systems with neither renaming without replacing nor links: the final
// name itself is created exclusively. A marker beside it names the created file (by its device
// and inode) while it is not yet whole, so that a kill in the middle leaves nothing the next run
// cannot clear away, and nothing else for it to clear.
CopyAttempt copyExclusive(const CopyJob& job) {
    OwnWorkFile marker(job.directory, job.folder, OwnFileKind::Mark);
    struct stat sourceInfo {};
    if (::fstat(job.source, &sourceInfo) != 0)
        failCopy("Cannot read the file", {}, errno);
    CopyMarker note{CopyMarker::State::Pending, qint64(sourceInfo.st_size), {}};
    aboutToName(job);

    for (int suffix = 0;; ++suffix) {
        const QByteArray candidate = candidateName(job.name, suffix);
        if (nameTaken(job, candidate))
            continue;
        note = {CopyMarker::State::Pending, qint64(sourceInfo.st_size), candidate};
        writeMarker(job, marker.fd(), note);
        FileDescriptor copy(
            job.calls->createExclusive(job.directory, candidate.constData(), job.mode));
        if (!copy.isOpen()) {
            if (errno == EEXIST)
                continue;
            failCopy("Cannot create the copy", {}, errno);
        }
        NameInFolder partial(job.directory, candidate);
        struct stat created {};
        if (::fstat(copy.get(), &created) != 0)
            failCopy("Cannot create the copy", {}, errno);
        note.state = CopyMarker::State::Created;
        note.device = created.st_dev;
        note.inode = created.st_ino;
        writeMarker(job, marker.fd(), note);
        writeWhole(job, copy.get(), false);
        // Unlike the other ways, this copy is flushed on its own: its marker goes right after,
        // and a crash must not leave a partial copy whose marker is already gone.
        if (::fsync(copy.get()) != 0 || !copy.close())
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
