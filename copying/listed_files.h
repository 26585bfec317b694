#pragma once

#include "copying/leftovers.h"

#include <QStringList>

namespace corvander {

// Tells whether a file is one of these (links followed). They are looked up when it is first
// asked, and only then: a clean-up that finds nothing to remove costs nothing.
RunSourceTest listedFiles(const QStringList& paths);

} // namespace corvander
