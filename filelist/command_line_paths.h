#pragma once

#include <QStringList>

namespace corvander {

class FolderLister;
struct FileListContext;

// Files and folders named on the command line (a file manager's "Open with" hands them over so),
// right after start-up: a file is added as it is, a folder's tree is walked as the folder button
// walks it, for PDF files, and one readability check follows. A path that names nothing is not
// listed: one message names it, with whatever the walks left out. Relative paths are taken from the
// working folder. Error reports name Form1.OpenCommandLinePaths.
void AddCommandLinePaths(FileListContext& context, const QStringList& paths,
                         const FolderLister& lister);
void AddCommandLinePaths(FileListContext& context, const QStringList& paths);

} // namespace corvander
