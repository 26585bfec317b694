#pragma once

#include <QString>

namespace corvander {

// Clears what copies of this program left in a results folder when their process was killed:
// hidden work files, and a copy written straight under its final name that its marker says was
// never finished. Only the files of processes of this host that no longer run are touched; those
// of a running process, of another host and every other file stay. Failures are ignored: the
// files stay for the next run.
void removeLeftovers(const QString& folder);

} // namespace corvander
