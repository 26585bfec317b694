#pragma once

#include "journal/run_journal.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace corvander {

// Removes the copy a run's journal recorded, only when it still is that copy: a regular file
// below the run's results folder (given as the file system's bytes), reached without following a
// link beneath that folder, with the size and SHA-256 recorded and, where the journal has them,
// the same device and inode. Nothing when it was removed; otherwise the reason it was left alone,
// in a few plain words ("changed since the run", "outside the results folder").
std::optional<QString> removeUnchangedCopy(const QByteArray& resultsFolder, const FileRecord& copy);

} // namespace corvander
