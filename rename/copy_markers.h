#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <optional>

namespace corvander {

// The hidden files a copy keeps in the results folder while it works. Their names say which
// process on which host made them, so that a later run can tell the leftovers of a killed
// process from the work of one that still runs.
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
// True when a process of that id runs on this machine (or may: one it may not signal counts).
bool processRuns(qint64 pid);

// What a marker says about the copy it belongs to.
struct CopyMarker {
    enum class State {
        Pending, // the final name is about to be created; it may already be someone else's
        Created, // the final name was created by the copy and is not yet whole
    };
    State state = State::Pending;
    qint64 size = 0; // the size of the whole copy
    QByteArray name; // the final name in the results folder
};
QByteArray encodeMarker(const CopyMarker& marker);
std::optional<CopyMarker> decodeMarker(const QByteArray& bytes);

} // namespace corvander
