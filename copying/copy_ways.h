#pragma once

#include <QString>
#include <functional>
#include <sys/types.h>

// The ways a copy can be put under its final name, best first. A results folder whose file
// system refuses one way gets the next.
enum class CopyWay {
    Unnamed,     // an unnamed file, linked under the final name once whole
    NamedRename, // a hidden named file, renamed without replacing
    NamedLink,   // a hidden named file, linked under the final name, then unlinked
    Exclusive,   // the final name itself, created exclusively, with a marker until it is whole
};

namespace corvander {

class CopyFlusher;
class FileSystemCalls;

// One copy under way: an open source, the open results folder, and the name to make free.
struct CopyJob {
    QString sourcePath;
    int source = -1; // read from its start by every way
    mode_t mode = 0; // the permission bits the finished copy gets
    QString folder;
    int directory = -1;               // the results folder, opened as a path
    QString name;                     // the name without the "!" suffix and ".pdf"
    FileSystemCalls* calls = nullptr; // how the copy reaches the folder's file system
    CopyFlusher* flusher = nullptr;   // flushes the copy meanwhile; none leaves it to the end
    const std::function<void()>* beforeNaming = nullptr; // called once, before the copy is named
};

// What one way came to: the path of the finished copy, or a refusal by the file system, after
// which nothing of the attempt is left. A way that fails for any other reason raises an AppError
// and leaves nothing behind either.
struct CopyAttempt {
    bool refused = false;
    QString path;
};

CopyAttempt copyByWay(CopyWay way, const CopyJob& job);

// Raises the report of a failed copy: what failed, the folder it concerns (if any), and the
// system's reason.
[[noreturn]] void failCopy(const char* what, const QString& folder, int error);

} // namespace corvander
