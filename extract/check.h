#pragma once

#include <QString>

class BusyPointer;
class Dialogs;
class FileListView;
class ProgressView;

// The readability check: extracts the text of every list entry once and lists, in one message,
// the entries whose output is below 10 bytes. It never changes the list. The output text files
// go into the work folder and are deleted again.
void CheckByCodeNotPreviewTextbox(Dialogs& dialogs, FileListView& list, BusyPointer& busy,
                                  ProgressView& bar, const QString& pdftotextPath,
                                  const QString& workFolder);

// The message that names the unreadable files; each path in the list ends in CR LF.
QString unreadableFilesMessage(const QString& unreadableList);
