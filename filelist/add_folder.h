#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace corvander {

class Dialogs;
class FolderLister;
class Waiter;

// A path a walk left out, and why.
struct LeftOutPath {
    // As the file system has it: it need not be UTF-8.
    QByteArray path;
    QString reason;

    // "PATH: REASON", the path's bytes that are not UTF-8 written as "\xHH".
    QString text() const;
};
using LeftOutPaths = QList<LeftOutPath>;

// The folder dialog: the chosen folder without a final "/" (the root stays "/"), empty on cancel.
QString BrowseForFolder(Dialogs& dialogs, const QString& title, const QString& startFolder);

// Adds to `folders` (each ending in "/") every qualifying subfolder, level by level: the starting
// folders first, then their subfolders, then the next level, and so on. A folder that cannot be
// listed drops out; a starting folder stays otherwise, whatever it is. A folder already in the
// walk (reached again through a link) is not added a second time, so a link loop ends. Folders
// are walked at any depth, also below paths too long for the rest of the program, so that the
// files there can be named. Faults other than a refused listing are shown in the error report and
// the walk goes on. With a waiter, the window's events run once per folder and once per subfolder
// name. Every folder left out for its name or a refused listing goes into leftOut.
void GetSubDirectories2016(QStringList& folders, bool recurse, Dialogs& dialogs,
                           const FolderLister& lister, corvander::Waiter* waiter = nullptr,
                           LeftOutPaths* leftOut = nullptr);
void GetSubDirectories2016(QStringList& folders, bool recurse, Dialogs& dialogs,
                           corvander::Waiter* waiter = nullptr, LeftOutPaths* leftOut = nullptr);

// Names of the regular files (links followed) in that one folder that match the pattern ("*.pdf",
// any letter case; "*.*" and "*" give every file, hidden ones included), sorted by name. A
// matching file whose name is not valid UTF-8, or whose full path is too long for one system
// call, goes into leftOut instead. With a waiter, the window's events run now and then while a
// folder of many thousand files is read.
QStringList ListFilesInFolder(const QString& folder, const QString& pattern,
                              LeftOutPaths* leftOut = nullptr, corvander::Waiter* waiter = nullptr);

// The one message that names what a walk left out, or an empty text when it left out nothing.
QString leftOutMessage(const LeftOutPaths& leftOut);

// True when the path names an existing regular file (links followed). A folder, a device, a pipe,
// a socket or a missing path gives false; nothing escapes.
bool FileExistsByOpen(const QString& path);

// True when a folder name holds a control character (C0, DEL or C1) that the walk refuses. The
// raw form is also true for a name that is not valid UTF-8.
bool HasUnsafeChars(const QString& name);
bool HasUnsafeChars(const QByteArray& rawName);

} // namespace corvander
