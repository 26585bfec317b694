#pragma once

#include "run/rename_context.h"
#include "run/run_plan.h"

#include <QString>
#include <functional>
#include <memory>

namespace corvander {

class BusyPointer;
class Dialogs;
class FileListView;
class ProgressView;
class RenameControls;

class CopiedIndex;
class Extractor;
class FileSystemCalls;
class RunJournal;
class Waiter;

// The parts of the window that a rename run reads and drives.
struct RenameRunPorts {
    Dialogs& dialogs;
    ProgressView& progress;
    BusyPointer& busy;
    FileListView& list;
    RenameControls& controls;
    corvander::Extractor& pool;
    corvander::Waiter& waiter;
    RenameLabels labels;
};

// What else a run is asked to do besides copying every file.
struct RunOptions {
    // Plan every file as the run would, copy nothing, and leave the plan in planOut.
    bool preview = false;
    corvander::RunPlan* planOut = nullptr;
    // A preview's plan, carried out as it stands for the files unchanged since; its answers
    // stand in for the prompts.
    const corvander::RunPlan* plan = nullptr;
    // A run that copies keeps a journal (for undo and the report) unless told otherwise.
    bool journal = true;
    // A journal the caller keeps over several runs (a watch): the files go into it, and it is
    // neither begun nor ended here.
    corvander::RunJournal* sharedJournal = nullptr;
    // Told when the journal cannot be written, instead of the message that says the run cannot be
    // undone; the run goes on either way.
    std::function<void(const QString& failure)> journalFailed;
    // Asked after each file: true ends the run there.
    std::function<bool()> stopRequested;
    // A file whose identical copy already stands in the results folder is not copied again.
    bool skipCopied = false;
    // The copies a long-lived caller keeps track of across runs; without it each run looks anew.
    std::shared_ptr<corvander::CopiedIndex> copiedIndex;
    // Told how each file ended, with its list position.
    std::function<void(int position, const FileOutcome&)> fileDone;
    // What the copies call to reach the results folder's file system; the real calls unless
    // given.
    corvander::FileSystemCalls* fileSystem = nullptr;
};

// "Start Renaming": copies every listed file into the results folder under its new name, by the
// family and mode selected when each file's turn comes, and ends with "Done." and the files that
// were skipped. The extractions of the next files are sent ahead while the names, the copies and
// the progress are worked out one file at a time in list order. Does nothing while runInProgress
// is set (a click that arrives while a run lets events through); sets it for the run's length.
// Errors are reported under the labels' run name and the run goes on.
void RunRenaming(const RenameRunPorts& ports, bool& runInProgress, const RunOptions& options = {});

} // namespace corvander
