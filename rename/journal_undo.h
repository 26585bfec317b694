#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

// Undoing a run: the copies its journal recorded are removed again, each only when it is still
// the copy the run made. Sources are never touched.

namespace corvander {

// What the question before an undo names.
struct UndoPlan {
    QString journal;
    QString resultsFolder;
    int copies = 0;
};

// Nothing when there is nothing to undo: the journal cannot be read, is still being written, was
// undone already or records no copy.
std::optional<UndoPlan> planUndo(const QString& journal);

enum class UndoStatus {
    Done,          // the copies were looked at and the journal marked as undone
    AlreadyUndone, // nothing was done
    InUse,         // a run still writes the journal, or another undo is under way: nothing done
    Unreadable,    // not a journal that can be read: nothing done
};

struct UndoOutcome {
    UndoStatus status = UndoStatus::Done;
    QStringList removed;                     // paths of the copies removed
    QList<std::pair<QString, QString>> kept; // path, and why it was left alone
    QString journalError;                    // set when the journal could not be marked as undone
};

// Removes every copy the journal recorded that is still a regular file at its path (links are
// not followed) with the size and SHA-256 recorded; anything else is kept and listed with its
// reason. Then marks the journal as undone, so that a second undo does nothing and
// lastRunJournal() passes over it. Only Done outcomes list paths.
UndoOutcome undoRun(const QString& journal);

// The closing message: how many copies were removed, then each one left alone with its reason.
// Lines end in CR LF.
QString undoMessage(const UndoOutcome& outcome);

} // namespace corvander
