#pragma once

#include <QString>

namespace corvander {

// Small path and file helpers shared by every part of the program. Paths use "/".

// True when the file or folder's modification time can be read (a dangling link gives false).
bool PathExists(const QString& path);
// True when the path names an existing folder (links followed); false for an empty text.
bool IsDirectory(const QString& path);
// Deletes the file, making it writable first when it refuses; every failure is ignored.
void DeleteFileForced(const QString& path);
// The text after the last "/", or the whole text.
QString FileNameOf(const QString& path);
// For a non-empty text whose last "." stands after the first character: the text before it.
QString StripExtension(const QString& text);
// The desktop folder followed by "/". Raises an error when it cannot be determined.
QString DesktopFolderPath();

} // namespace corvander
