#pragma once

#include <QtGlobal>
#include <functional>

namespace corvander {

class ResultsFolder;

// Tells whether the file of that device and inode is one the current run copies from.
using RunSourceTest = std::function<bool(quint64 device, quint64 inode)>;

// Clears what copies of this program left in a results folder when their run died: its hidden
// work files, and a copy written straight under its final name that its marker says was never
// finished. A work file counts only when it is a regular file of the user running the clean-up
// whose lock (lockWorkFile) nobody holds, wherever that run was; the copy a marker names goes
// only when it is still the very file that run created (its device and inode), not larger than
// the whole copy, of this user, and not one of the current run's sources. Everything goes
// through the open folder, never by a path. Failures are ignored: the files stay for the next
// run.
void removeLeftovers(const ResultsFolder& folder, const RunSourceTest& isRunSource = {});

} // namespace corvander
