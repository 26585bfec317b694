#pragma once

#include "journal/run_journal.h"
#include "run/rename_context.h"
#include "run/run_plan.h"
#include "run/run_request.h"

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

// What a run drives while it goes on, and what it reads of its starter besides the request.
struct RunPorts {
    Dialogs& dialogs;
    ProgressView& progress;
    BusyPointer& busy;
    corvander::Extractor& pool;
    corvander::Waiter& waiter;
    RenameLabels labels;
    // A window whose choices, changed during the run, apply to the files that follow; without
    // it the request's rule holds for every file.
    const RenameControls* liveChoice = nullptr;
};

// The parts of the window that a rename run started from it reads and drives.
struct RenameRunPorts {
    Dialogs& dialogs;
    ProgressView& progress;
    BusyPointer& busy;
    FileListView& list;
    RenameControls& controls;
    corvander::Extractor& pool;
    corvander::Waiter& waiter;
    RenameLabels labels;

    RunPorts runPorts() const { return {dialogs, progress, busy, pool, waiter, labels, &controls}; }
};

// What else a run is asked to do besides copying every file.
struct RunOptions {
    // Plan every file as the run would, copy nothing, and leave the plan in planOut.
    bool preview = false;
    corvander::RunPlan* planOut = nullptr;
    // A preview's plan, carried out as it stands for the files unchanged since.
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

// How a journal of this request begins: the family, the mode and the answers it names files by.
RunStart journalStart(const RunRequest& request, const RunParameters& answers);

// "Start Renaming": copies every file of the request into its results folder under its new name,
// by the family and mode chosen when each file's turn comes, and ends with "Done." and the files
// that were skipped. The request has been checked (problemsOf) by its starter. The extractions of
// the next files are sent ahead while the names, the copies and the progress are worked out one
// file at a time in list order. Does nothing while runInProgress is set (a click that arrives
// while a run lets events through); sets it for the run's length. Errors are reported under the
// labels' run name and the run goes on.
void RunRenaming(RunRequest request, const RunPorts& ports, bool& runInProgress,
                 const RunOptions& options = {});

// The window's "Start Renaming": its request, checked with the first problem told in a message,
// then the run. A preview's plan given in the options stands in for the prompts.
void RunRenaming(const RenameRunPorts& ports, bool& runInProgress, const RunOptions& options = {});

} // namespace corvander
