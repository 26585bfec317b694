#pragma once

#include <QByteArray>
#include <QString>

namespace corvander {

// True when the path names an existing regular file (links followed). A folder, a device, a pipe,
// a socket or a missing path gives false; nothing escapes.
bool FileExistsByOpen(const QString& path);

// True when a folder name holds a control character (C0, DEL or C1) that the walk refuses. The
// raw form is also true for a name that is not valid UTF-8.
bool HasUnsafeChars(const QString& name);
bool HasUnsafeChars(const QByteArray& rawName);

} // namespace corvander
