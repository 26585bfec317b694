#pragma once

#include "journal/file_digest.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

// The run journal: what each rename run did, written as it goes, so that the run can be undone
// and reported on later, also after a crash or a kill.
//
// A journal is a file in RunJournal::folder() named run-YYYYMMDD-HHMMSS-mmm-PID.jsonl after the
// run's start in UTC and the writing process (a "-N" before ".jsonl" when one process starts two
// runs in the same millisecond), readable by its owner only. Each line is one compact JSON object
// in UTF-8 ending in a line feed, told apart by "type":
//
//   {"type":"start","version":1,"time":"2024-05-01T09:30:00.000Z","pid":4242,
//    "family":"content","mode":3,"parameters":["x=3","y=2"],"resultsFolder":"/home/u/out"}
//   {"type":"file","source":"/in/a.pdf","newPath":"/home/u/out/Alpha.pdf","size":5120,
//    "sha256":"<64 lower-case hex digits>","device":2049,"inode":1835011,
//    "provenance":"words 1-3 of page 2"}
//   {"type":"file","source":"/in/b.pdf","skipReason":"no text","provenance":"page 2"}
//   {"type":"end","time":"...","stopped":false,"handled":2,"total":2}
//   {"type":"undone","time":"...","removed":1,"kept":0}
//
// A path is stored as its text ("source", "newPath"). A file name whose bytes are not UTF-8
// cannot be held by a QString, so when the bytes the file system knows a path by differ from the
// UTF-8 of its text, they are stored beside it in base64 ("sourceBytes", "newPathBytes"); readers
// take those bytes when present, and show the text. "device" and "inode" name the copy the run
// made (st_dev and st_ino, a value past 2^63 written as its negative two's complement), so that
// another file put at its name, even with the same bytes, is never taken for it. Readers skip
// fields they do not know and lines they cannot parse: only the last line can be torn, by a crash
// while it was being written.
//
// While a run writes its journal, the journal is locked (flock, exclusive); the lock goes with the
// process, so an unlocked journal without an "end" line is the journal of a run that was killed.

namespace corvander {

struct RunStart {
    QDateTime time;
    QString family;         // "content" or "metadata"
    int mode = -1;          // the content mode 0-6; -1 for metadata
    QStringList parameters; // as "name=value", e.g. "x=3" or "format=%a - %t"; never a password
    QString resultsFolder;
};

// What the run did with one listed file: a copy (newPath set) or a skip (skipReason set).
struct FileRecord {
    QString source;
    QString newPath; // empty when skipped
    qint64 size = -1;
    QByteArray sha256;  // of the copy, lower-case hex
    QString provenance; // in words, e.g. "words 1-3 of page 2"
    QString skipReason; // empty when copied
    // The paths as the file system's bytes, for names that are not UTF-8 (see above). Empty: the
    // bytes QFile::encodeName gives for the text. Readers of a journal always fill them.
    QByteArray nativeSource;
    QByteArray nativeNewPath;
    // The copy's device and inode, read from the descriptor its digest was read from. Nothing in
    // journals written before they were recorded.
    std::optional<DeviceAndInode> identity;
    // Set by readers when a line's newPath text and its newPathBytes name different files: such
    // a record cannot say which of the two the run made.
    bool pathsDisagree = false;

    // A copy just made at newPath, with its size, SHA-256, device and inode read from the copy
    // itself. Should the copy be unreadable, no digest is recorded and an undo will leave that copy
    // alone.
    static FileRecord copied(const QString& source, const QString& newPath,
                             const QString& provenance);
    static FileRecord skipped(const QString& source, const QString& reason,
                              const QString& provenance);
};

template <typename Item> class WorkQueue;

// Writes one run's journal. A journal that cannot be written never stops or fails the run: the
// first failure is handed to the failure handler (once, on the thread that owns the journal: in
// the call that meets it, also begin(), or, for a copy's line, the next call) and kept in
// failure(); every later call then writes nothing.
class RunJournal {
public:
    using FailureHandler = std::function<void(const QString& description)>;

    // $XDG_STATE_HOME/corvander, or ~/.local/state/corvander when that is unset, empty or not an
    // absolute path. Not created here: begin() creates it, owner-only.
    static QString folder();

    // Creates a new journal in folder() and writes its start line. Never null.
    static std::unique_ptr<RunJournal> begin(const RunStart& start, FailureHandler onFailure = {});

    RunJournal(const RunJournal&) = delete;
    RunJournal& operator=(const RunJournal&) = delete;
    // Without end() the journal is left as a killed run's would be.
    ~RunJournal();

    // Appends the file's line in one write: once this returns, the line is whole in the file
    // (in the system's hands, not yet on the disk), so a kill loses nothing recorded.
    void record(const FileRecord& file);
    // A copy just made, recorded as FileRecord::copied records it; the copy is read for its
    // digest on a thread of the journal's own meanwhile, and its line follows the lines recorded
    // before it. The lines of every copy are written by the next record() and by end().
    void recordCopy(const QString& source, const QString& newPath, const QString& provenance);
    // Returns once every copy recorded so far has its line written. A run calls it before it
    // names its next copy, so that a kill leaves at most one copy without its line.
    void catchUp();
    // Writes the end line, syncs the journal to the disk and closes it; later calls do nothing.
    void end(bool stopped, int handled, int total);

    // Empty when the journal could not be created.
    QString path() const { return m_path; }
    // The first failure, empty while every line was written.
    QString failure() const;

private:
    explicit RunJournal(FailureHandler onFailure);
    void open(RunStart start);
    void writeLine(const QByteArray& line);
    void fail(const QString& what, const QString& path, int error);
    // Hands a failure met since the last call to the handler, on the caller's thread.
    void tellFailure();
    void close();

    // A copy whose line waits for its digest.
    struct PendingCopy {
        QString source, newPath, provenance;
    };

    FailureHandler m_onFailure;
    QString m_path;
    // Guards the lines and the failure: the queue's thread writes copies' lines.
    mutable std::mutex m_mutex;
    QString m_failure;
    bool m_failureTold = false;
    int m_fd = -1;
    qint64 m_size = 0;
    // Reading a copy back for its SHA-256 takes as long as copying it, so a thread of the
    // journal's own does it while the run goes on with the next file, and writes the copies'
    // lines in the order they were made. Its end still writes every copy added: each one is in
    // the results folder already.
    std::unique_ptr<WorkQueue<PendingCopy>> m_queue;
};

} // namespace corvander
