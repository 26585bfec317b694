#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

// The run journals in RunJournal::folder(): their names, which of them can be undone or reported,
// and their removal once old.

namespace corvander {

// The file name of the journal of a run started at the given time by process pid; sequence tells
// apart the runs one process starts in the same millisecond.
QString journalFileName(const QDateTime& start, qint64 pid, int sequence);

// The journals in the folder (plain files named as journals), newest first by the start time in
// their names. Nothing else in the folder is ever listed, so nothing else is ever removed.
QStringList runJournals();

// True while a run still writes the journal (or an undo of it is under way).
bool journalInUse(const QString& path);

// The newest journal that an undo can act on: a run that ended (finished or stopped) or whose
// program was killed (no end line and nobody writing it any more), that made at least one copy
// and has not been undone. A run still going is passed over, and so is one that made no copies
// or was undone, so that undoing again steps back through earlier runs.
std::optional<QString> lastRunJournal();

// The journal of a run still going (a watch that runs for days, a run in another window) that has
// made copies and is newer than lastRunJournal(): an undo of the last run must not take back an
// older run's copies instead, so it waits until this one has ended.
std::optional<QString> runGoingOnJournal();

// The newest journal of a run that is no longer going, undone or not: the one a report is about.
std::optional<QString> lastReportJournal();

// Removes the journals that started more than 90 days before now; then, while all of them
// together pass 64 MiB, the oldest that started more than 7 days before now. A journal in use is
// never removed. Returns how many were removed.
int pruneJournals(const QDateTime& now);

} // namespace corvander
