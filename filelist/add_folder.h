#pragma once

#include <QString>
#include <QStringList>

class Dialogs;
class FolderLister;
namespace corvander {
class Waiter;
}

// The folder dialog: the chosen folder without a final "/" (the root stays "/"), empty on cancel.
QString BrowseForFolder(Dialogs& dialogs, const QString& title, const QString& startFolder);

// Adds to `folders` (each ending in "/") every qualifying subfolder, level by level: the starting
// folders first, then their subfolders, then the next level, and so on. A folder that cannot be
// listed drops out; a starting folder stays otherwise, whatever it is. A folder already in the
// walk (reached again through a link) is not added a second time, so a link loop ends. Faults
// other than a refused listing are shown in the error report and the walk goes on. With a waiter,
// the window's events run once per folder and once per subfolder name. Every folder left out for
// its name, its length or a refused listing goes into leftOut as "PATH: REASON".
void GetSubDirectories2016(QStringList& folders, bool recurse, Dialogs& dialogs,
                           const FolderLister& lister, corvander::Waiter* waiter = nullptr,
                           QStringList* leftOut = nullptr);
void GetSubDirectories2016(QStringList& folders, bool recurse, Dialogs& dialogs,
                           corvander::Waiter* waiter = nullptr, QStringList* leftOut = nullptr);

// Names of the files in that one folder that match the pattern ("*.pdf", any letter case; "*.*"
// and "*" give every file, hidden ones included) and pass FileExistsByOpen, sorted by name. A
// matching file whose name is not valid UTF-8 goes into leftOut as "PATH: REASON" instead.
QStringList ListFilesInFolder(const QString& folder, const QString& pattern,
                              QStringList* leftOut = nullptr);

// The one message that names what a walk left out, or an empty text when it left out nothing.
QString leftOutMessage(const QStringList& leftOut);

// True when the path names an existing regular file (links followed). A folder, a device, a pipe,
// a socket or a missing path gives false; nothing escapes.
bool FileExistsByOpen(const QString& path);

// True when a folder name holds a control character (C0, DEL or C1) that the walk refuses. The
// raw form is also true for a name that is not valid UTF-8.
bool HasUnsafeChars(const QString& name);
bool HasUnsafeChars(const QByteArray& rawName);
