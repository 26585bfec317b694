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
    Refused,       // a journal that is not to be trusted (see refusal): nothing done
};

struct UndoOutcome {
    UndoStatus status = UndoStatus::Done;
    QStringList removed;                     // paths of the copies removed
    QList<std::pair<QString, QString>> kept; // path, and why it was left alone
    // The same paths as the file system's bytes, in the same order: the very names removed or
    // left alone, which the text above shows as well as text can.
    QList<QByteArray> removedBytes;
    QList<QByteArray> keptBytes;
    QString refusal;      // why a Refused journal is not trusted, e.g. "the journal is not yours"
    QString journalError; // set when the journal could not be marked as undone
};

// Undo does what the journal says, so it acts only on a journal that belongs to the user running
// it and that no one else may write (Refused otherwise). It removes every copy the journal
// recorded that is still a regular file below the run's results folder (no link followed beneath
// it) with the size, SHA-256 and, where recorded, device and inode the run saw; anything else is
// kept and listed with its reason (removeUnchangedCopy()). Then marks the journal as undone, so
// that a second undo does nothing and lastRunJournal() passes over it. Only Done outcomes list
// paths. The window's Undo Last Run and `corvander undo` both come here.
UndoOutcome undoRun(const QString& journal);

// The closing message: how many copies were removed, then each one left alone with its reason.
// Lines end in CR LF.
QString undoMessage(const UndoOutcome& outcome);

} // namespace corvander
