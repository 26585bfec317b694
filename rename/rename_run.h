#pragma once

#include "rename/rename_context.h"

#include <QString>

class BusyPointer;
class Dialogs;
class FileListView;
class ProgressView;
class RenameControls;

namespace corvander {
class ExtractionPool;
class Waiter;
} // namespace corvander

// The parts of the window that a rename run reads and drives.
struct RenameRunPorts {
    Dialogs& dialogs;
    ProgressView& progress;
    BusyPointer& busy;
    FileListView& list;
    RenameControls& controls;
    corvander::ExtractionPool& pool;
    corvander::Waiter& waiter;
    RenameLabels labels;
};

// "Start Renaming": copies every listed file into the results folder under its new name, by the
// family and mode selected when each file's turn comes, and ends with "Done." and the files that
// were skipped. The extractions of the next files are sent ahead while the names, the copies and
// the progress are worked out one file at a time in list order. Does nothing while runInProgress
// is set (a click that arrives while a run lets events through); sets it for the run's length.
// Errors are reported under the labels' run name and the run goes on.
void RunRenaming(const RenameRunPorts& ports, bool& runInProgress);
