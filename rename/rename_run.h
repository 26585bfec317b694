#pragma once

#include <QString>

class BusyPointer;
class Dialogs;
class FileListView;
class ProgressView;
class RenameControls;

// The parts of the window that a rename run reads and drives.
struct RenameRunPorts {
    Dialogs& dialogs;
    ProgressView& progress;
    BusyPointer& busy;
    FileListView& list;
    RenameControls& controls;
    QString workFolder;
    QString pdftotext;
};

// "Start Renaming": copies every listed file into the results folder under its new name, by the
// family and mode selected when each file's turn comes, and ends with "Done." and the files that
// were skipped. Does nothing while runInProgress is set (a click that arrives while a run lets
// events through); sets it for the run's length. Errors are reported under
// "Form1.PushButton2_Click" and the run goes on.
void RunRenaming(const RenameRunPorts& ports, bool& runInProgress);
