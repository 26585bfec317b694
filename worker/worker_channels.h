#pragma once

// The pipes the worker talks to the program through.

#include <cstddef>
#include <optional>
#include <string_view>
#include <sys/types.h>

namespace corvander::worker {

struct Channels {
    int requests = -1;
    int answers = -1;
};

// Keeps private copies of standard input and output for the conversation, then points standard
// input at /dev/null and standard output at standard error. The PDF library may print or read
// on the standard streams; that must never mix with a frame or swallow a request.
std::optional<Channels> takeOverStandardStreams();

// Reads what is there, at most size bytes: 0 at the end of input, -1 on an error.
ssize_t readSome(int fd, char* buffer, std::size_t size);

// False when the program stopped listening.
bool writeAll(int fd, std::string_view bytes);

} // namespace corvander::worker
