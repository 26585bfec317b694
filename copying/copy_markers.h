#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <optional>

namespace corvander {

// The hidden files a copy keeps in the results folder while it works. Their names say which
// process on which host made them, for whoever looks at the folder; whether that process still
// works on them is told by the lock it holds on each (lockWorkFile), never by its name.
enum class OwnFileKind {
    Part, // a copy under way, not yet under its final name
    Mark, // the note of a copy written straight under its final name
};

// A fresh, unpredictable name for this process: ".corvander-<pid>-<random>-<host>.part" or
// ".mark".
QByteArray ownFileName(OwnFileKind kind);

struct OwnFileName {
    OwnFileKind kind;
    qint64 pid;
    QByteArray host;
};
// The parts of a name made by ownFileName; nothing for any other name.
std::optional<OwnFileName> parseOwnFileName(const QByteArray& name);

// This machine's name as it stands in own file names.
QByteArray thisHost();

enum class WorkFileLock {
    Taken,       // the lock is held through this descriptor now
    Held,        // another open file holds it: a run still works on the file
    Unsupported, // the file system keeps no locks, so nobody can tell
};
// Takes the write lock a run holds on each of its work files for as long as the file exists, on
// the descriptor's open file (not on the process, so a second descriptor the process closes never
// drops it). It is honoured across PID namespaces and, over NFS, across machines. Never waits.
WorkFileLock lockWorkFile(int fd);

// What a marker says about the copy it belongs to.
struct CopyMarker {
    enum class State {
        Pending, // the final name is about to be created; it may already be someone else's
        Created, // the final name was created by the copy and is not yet whole
    };
    State state = State::Pending;
    qint64 size = 0; // the size of the whole copy
    QByteArray name; // the final name in the results folder
    // The file the copy created under the final name (zero while it is pending).
    quint64 device = 0;
    quint64 inode = 0;
};
QByteArray encodeMarker(const CopyMarker& marker);
std::optional<CopyMarker> decodeMarker(const QByteArray& bytes);

} // namespace corvander
