#include "worker/worker_channels.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace corvander::worker {

std::optional<Channels> takeOverStandardStreams() {
    // Flush anything already buffered while stdout was still the conversation pipe.
    std::fflush(stdout);
    Channels channels;
    channels.requests = ::fcntl(STDIN_FILENO, F_DUPFD_CLOEXEC, 3);
    channels.answers = ::fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 3);
    if (channels.requests < 0 || channels.answers < 0)
        return std::nullopt;
    const int nothing = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    if (nothing < 0 || ::dup2(nothing, STDIN_FILENO) < 0)
        return std::nullopt;
    // Without a standard error to share, whatever would be printed goes nowhere.
    const int printed = ::fcntl(STDERR_FILENO, F_GETFD) >= 0 ? STDERR_FILENO : nothing;
    if (::dup2(printed, STDOUT_FILENO) < 0)
        return std::nullopt;
    if (nothing > STDERR_FILENO)
        ::close(nothing);
    return channels;
}

ssize_t readSome(int fd, char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t got = ::read(fd, buffer, size);
        if (got >= 0 || errno != EINTR)
            return got;
    }
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t done = ::write(fd, bytes.data(), bytes.size());
        if (done < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(done));
    }
    return true;
}

} // namespace corvander::worker
