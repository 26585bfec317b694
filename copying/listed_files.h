#pragma once

#include "copying/leftovers.h"

namespace corvander {

class FileListView;

// Tells whether a file is one of the list's entries (links followed). The entries are looked up
// when it is first asked, and only then: a clean-up that finds nothing to remove costs nothing.
RunSourceTest listedFiles(const FileListView& list);

} // namespace corvander
