#pragma once

#include <QString>
#include <QStringList>

namespace corvander {

class FileListView;

// Joining a folder that already ends in "/" to "/name" doubles the separator. One left-to-right
// pass replaces each pair of "//" by "/" (so "///" inside a path becomes "//"); a path that starts
// with "/" comes back with exactly one leading "/".
QString collapseDoubledSlashes(const QString& path);

// True when some entry's text equals the path exactly: case-sensitive, no trimming, no
// canonicalisation ("/a.pdf" and "/A.pdf" are different paths).
bool ListContainsPath(const FileListView& list, const QString& path);

// The text of the entry for one of several files chosen together: folder, "/" and name, with the
// doubled separator that a root folder leaves collapsed.
QString joinFolderAndName(const QString& folder, const QString& name);

} // namespace corvander
