#pragma once

#include "copying/file_system_calls.h"

#include <QFile>
#include <QString>
#include <fcntl.h>
#include <functional>

namespace corvander {

// The real file-system calls, with what another file system or another program would do at the
// moments that matter: refuse a way of putting a copy under its name, take the name first, or
// end the process once the copy's first bytes are written.
class ProvokingCalls : public corvander::FileSystemCalls {
public:
    explicit ProvokingCalls(QString folder) : m_folder(std::move(folder)) {}

    // Asked each time a way is about to put a copy under a name; a non-zero answer is taken as
    // the error the file system gave for it.
    std::function<int(CopyWay way)> refusal;
    // Runs right before the copy is put under a candidate (or, in the exclusive way, before the
    // candidate is created), with the candidate's full path.
    std::function<void(const QString& candidatePath)> beforePlacing;
    // Runs once some of the copy's content is written.
    std::function<void()> duringCopy;

    int linkAt(int fromDirectory, const char* from, int toDirectory, const char* to,
               int flags) override {
        // The unnamed file is linked by its /proc path; the named one by its name.
        const CopyWay way = (flags & AT_SYMLINK_FOLLOW) ? CopyWay::Unnamed : CopyWay::NamedLink;
        if (const int error = refused(way, to))
            return error;
        return FileSystemCalls::linkAt(fromDirectory, from, toDirectory, to, flags);
    }
    int renameNoReplace(int directory, const char* from, const char* to) override {
        if (const int error = refused(CopyWay::NamedRename, to))
            return error;
        return FileSystemCalls::renameNoReplace(directory, from, to);
    }
    int createExclusive(int directory, const char* name, mode_t mode) override {
        if (beforePlacing)
            beforePlacing(m_folder + QLatin1Char('/') + QFile::decodeName(name));
        return FileSystemCalls::createExclusive(directory, name, mode);
    }
    ssize_t copyRange(int from, int to, size_t length) override {
        return written(FileSystemCalls::copyRange(from, to, length));
    }
    ssize_t write(int fd, const void* data, size_t size) override {
        return written(FileSystemCalls::write(fd, data, size));
    }

private:
    int refused(CopyWay way, const char* candidate) {
        if (const int error = refusal ? refusal(way) : 0)
            return error;
        if (beforePlacing)
            beforePlacing(m_folder + QLatin1Char('/') + QFile::decodeName(candidate));
        return 0;
    }
    ssize_t written(ssize_t done) {
        if (done > 0 && duringCopy)
            duringCopy();
        return done;
    }

    QString m_folder;
};

} // namespace corvander
