#include "copying/safe_copy.h"

#include "common/error_report.h"
#include "copying/copy_ways.h"
#include "copying/file_descriptor.h"
#include "copying/file_system_calls.h"
#include "copying/results_folder.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <sys/stat.h>
#include <utility>

namespace corvander {

namespace {

bool sameState(const struct stat& info, const corvander::FileIdentity& expected) {
    const qint64 modified = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    return quint64(info.st_dev) == expected.device && quint64(info.st_ino) == expected.inode &&
           qint64(info.st_size) == expected.size && modified == expected.modifiedNanoseconds;
}

CopyWay nextWay(CopyWay way) {
    return CopyWay(int(way) + 1);
}

} // namespace

QString CopyToFreeName(const QString& sourcePath, const corvander::ResultsFolder& folder,
                       const QString& name,
                       const std::optional<corvander::FileIdentity>& expected) {
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QChar(0)))
        raiseError(QCoreApplication::translate("corvander::CopyFailure", "Bad file name"));

    const FileDescriptor source(
        ::open(QFile::encodeName(sourcePath).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!source.isOpen())
        corvander::failCopy("Cannot read the file", {}, errno);
    struct stat sourceInfo {};
    if (::fstat(source.get(), &sourceInfo) != 0)
        corvander::failCopy("Cannot read the file", {}, errno);
    if (!S_ISREG(sourceInfo.st_mode))
        corvander::failCopy("Cannot read the file", {},
                            S_ISDIR(sourceInfo.st_mode) ? EISDIR : EINVAL);
    // The file opened, not whatever the path leads to now, is the one that is copied.
    if (expected && !sameState(sourceInfo, *expected))
        throw SourceChanged();

    if (!folder.isOpen())
        corvander::failCopy("Cannot open the results folder", folder.path(), folder.openError());

    corvander::CopyJob job;
    job.sourcePath = sourcePath;
    job.source = source.get();
    job.mode = sourceInfo.st_mode & 0666; // no execute or special bits; umask applies
    job.folder = folder.path();
    job.directory = folder.descriptor();
    job.name = name;

    job.calls = &folder.calls();
    job.flusher = folder.flusher();
    job.beforeNaming = &folder.beforeNaming();

    const CopyWay known = folder.calls().wayOf(folder.descriptor()).value_or(CopyWay::Unnamed);
    // The last way never answers with a refusal, so this ends.
    for (CopyWay way = known;; way = nextWay(way)) {
        const corvander::CopyAttempt attempt = corvander::copyByWay(way, job);
        if (attempt.refused)
            continue;
        folder.calls().rememberWay(folder.descriptor(), way);
        return attempt.path;
    }
}

} // namespace corvander
