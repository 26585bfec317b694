#pragma once

#include <QString>

// Copies sourcePath into folder as name + suffix + ".pdf", where the suffix is the shortest run of
// "!" that gives a name nothing stands at (a file, a folder, a link, a dangling link). The name is
// created exclusively and only once the copy is complete, so an existing file is never replaced, a
// link is never written through, and no partial copy ever stands under a final name, also when
// another program takes a name at the same moment. Returns the path written; raises an AppError
// naming the path and the reason when the copy cannot be made. Nothing is left behind on failure.
QString CopyToFreeName(const QString& sourcePath, const QString& folder, const QString& name);
