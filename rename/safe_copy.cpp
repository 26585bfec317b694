#include "rename/safe_copy.h"

#include "rename/safe_copy_testing.h"

#include "common/error_report.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::function<void(const QString&)> g_beforeLink;
bool g_unnamedFilesAllowed = true;

class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : m_fd(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    int get() const { return m_fd; }
    void reset(int fd) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd;
};

[[noreturn]] void fail(const char* what, const QString& path, int error) {
    raiseError(QStringLiteral("%1 %2: %3")
                   .arg(QLatin1String(what), path, QString::fromLocal8Bit(strerror(error))));
}

// Copies the rest of `from` into `to`; 0 on success, else the errno.
int copyContent(int from, int to) {
    bool kernelCopy = true;
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
    }
}

bool unnamedFilesUsable() {
    static const bool procAvailable = ::access("/proc/self/fd", X_OK) == 0;
    return procAvailable && g_unnamedFilesAllowed;
}

// A hidden name in the folder for the copy under way, used where unnamed files are not supported.
QByteArray temporaryName() {
    return ".corvander-" + QByteArray::number(QRandomGenerator::global()->generate64(), 36) +
           ".part";
}

QByteArray candidateName(const QString& name, int suffixLength) {
    return QFile::encodeName(name + QString(suffixLength, QLatin1Char('!')) +
                             QStringLiteral(".pdf"));
}

} // namespace

void safe_copy_testing::setBeforeLink(std::function<void(const QString&)> hook) {
    g_beforeLink = std::move(hook);
}

void safe_copy_testing::setUnnamedFilesAllowed(bool allowed) {
    g_unnamedFilesAllowed = allowed;
}

QString CopyToFreeName(const QString& sourcePath, const QString& folder, const QString& name) {
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QChar(0)))
        raiseError(QStringLiteral("Bad file name: %1").arg(name));

    FileDescriptor source(
        ::open(QFile::encodeName(sourcePath).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (source.get() < 0)
        fail("Cannot read", sourcePath, errno);
    struct stat sourceInfo {};
    if (::fstat(source.get(), &sourceInfo) != 0)
        fail("Cannot read", sourcePath, errno);
    if (!S_ISREG(sourceInfo.st_mode))
        fail("Cannot read", sourcePath, S_ISDIR(sourceInfo.st_mode) ? EISDIR : EINVAL);
    const mode_t mode = sourceInfo.st_mode & 0666; // no execute or special bits; umask applies

    FileDescriptor directory(
        ::open(QFile::encodeName(folder).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (directory.get() < 0)
        fail("Cannot open the results folder", folder, errno);

    // Preferred: an unnamed file that only gets a name once it is complete, and that vanishes
    // with the process if the copy never completes.
    QByteArray tempName;
    FileDescriptor copy;
    if (unnamedFilesUsable())
        copy.reset(::openat(directory.get(), ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode));
    if (copy.get() < 0) {
        if (unnamedFilesUsable() && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
            fail("Cannot write into", folder, errno);
        do {
            tempName = temporaryName();
            copy.reset(::openat(directory.get(), tempName.constData(),
                                O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, mode));
        } while (copy.get() < 0 && errno == EEXIST);
        if (copy.get() < 0)
            fail("Cannot write into", folder, errno);
    }
    const auto dropTemporary = [&] {
        if (!tempName.isEmpty())
            ::unlinkat(directory.get(), tempName.constData(), 0);
    };

    if (const int error = copyContent(source.get(), copy.get()); error != 0) {
        dropTemporary();
        fail("Cannot copy", sourcePath, error);
    }

    const QByteArray procPath = "/proc/self/fd/" + QByteArray::number(copy.get());
    for (int suffix = 0;; ++suffix) {
        const QByteArray candidate = candidateName(name, suffix);
        struct stat taken {};
        if (::fstatat(directory.get(), candidate.constData(), &taken, AT_SYMLINK_NOFOLLOW) == 0)
            continue;
        if (g_beforeLink)
            g_beforeLink(folder + QLatin1Char('/') + QFile::decodeName(candidate));
        // Linking never replaces what stands at the name: a name taken in the meantime gives
        // EEXIST and the next suffix is tried.
        const int linked = tempName.isEmpty()
                               ? ::linkat(AT_FDCWD, procPath.constData(), directory.get(),
                                          candidate.constData(), AT_SYMLINK_FOLLOW)
                               : ::linkat(directory.get(), tempName.constData(), directory.get(),
                                          candidate.constData(), 0);
        if (linked == 0) {
            dropTemporary();
            return folder + QLatin1Char('/') + QFile::decodeName(candidate);
        }
        if (errno != EEXIST) {
            const int error = errno;
            dropTemporary();
            fail("Cannot create", folder + QLatin1Char('/') + QFile::decodeName(candidate), error);
        }
    }
}
