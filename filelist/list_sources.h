#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "filelist/add_folder.h"

namespace corvander {

class BusyPointer;
class Dialogs;
class FileListView;
class FolderLister;
class SettingsStore;
class Waiter;

// What the sources that fill the file list work with. The readability check runs after every
// addition, a cancelled one included.
struct FileListContext {
    Dialogs& dialogs;
    SettingsStore& settings;
    FileListView& list;
    BusyPointer& busy;
    std::function<void()> readabilityCheck;
    // Lets the window live during a long folder walk; none means the walk does not yield.
    corvander::Waiter* waiter = nullptr;
};

// "Add PDF File(s)": the open dialog, then the check. Error reports name Form1.PushButton1_Click.
void AddFilesThroughOpenDialog(FileListContext& context);

// "Add All PDF File(s) In Folder": extension prompt, folder dialog, walk, then the check. Error
// reports name Form1.PushButton5_Click.
void AddAllFilesInFolder(FileListContext& context, const FolderLister& lister);
void AddAllFilesInFolder(FileListContext& context);

// Appends, folder by folder in the given order, every file matching the pattern, except names
// starting with "~" and hidden ("." names) ones. Each folder ends in "/". Files left out for their
// names or the length of their paths go into leftOut. With a waiter, the window's events run now
// and then, however many files the folders hold.
void appendFilesOfFolders(FileListView& list, const QStringList& folders, const QString& pattern,
                          LeftOutPaths* leftOut = nullptr, corvander::Waiter* waiter = nullptr);

// Dropped paths in their order: a folder adds every file of its tree at its place, anything else
// is appended as delivered. What the walks left out is told in one message.
void AppendDroppedPaths(FileListView& list, const QStringList& paths, Dialogs& dialogs,
                        const FolderLister& lister, corvander::Waiter* waiter = nullptr);
void AppendDroppedPaths(FileListView& list, const QStringList& paths, Dialogs& dialogs,
                        corvander::Waiter* waiter = nullptr);

} // namespace corvander
