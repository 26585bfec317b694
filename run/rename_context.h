#pragma once

#include "extract/metadata.h"
#include "naming/planned_file.h"
#include "run/run_request.h"

#include <QString>
#include <functional>

namespace corvander {

class Dialogs;
class ProgressView;

class NameReservations;
class ResultsFolder;

// The names under which the rename steps report errors; each caller gives its own.
struct RenameLabels {
    QString run;
    QString content;
    QString metadata;
    QString templates = QStringLiteral("Form1.RenameByTemplate");
};

// How one file ended: its plan, and the file name it was copied (or, planning ahead, would be
// copied) under; a copy that failed leaves the name empty and says why.
struct FileOutcome {
    corvander::PlannedFile plan;
    QString fileName;
    QString copyFailure;
    // Skipped as already copied: the name of the identical copy, in the results folder.
    QString copiedBefore;

    // "already copied as NAME", or the skip reason in a few words.
    QString skipText() const;

    bool copied() const { return !fileName.isEmpty(); }
};

// What a per-file rename step needs of the window and of the run around it.
struct RenameContext {
    Dialogs& dialogs;
    ProgressView& progress;
    // The rule choice at this moment: a window's choices changed during a run apply to the files
    // that follow.
    std::function<RuleChoice()> choice;
    RenameLabels labels;
    // Brings the answer for this file's extraction. With progress on, a long wait shows on the
    // bar ("Please wait..") as the run's text extractions always have.
    std::function<corvander::ExtractResult(const corvander::ExtractRequest&, bool progress)>
        extract;
    // Planning ahead (a preview): no copy is made; each name is reserved here instead.
    corvander::NameReservations* preview = nullptr;
    // Told how each file ended.
    std::function<void(const FileOutcome&)> finished;
    // The results folder a run opened once for all its files; without it (a file renamed on its
    // own) the folder at this path is opened for the one copy.
    const corvander::ResultsFolder* resultsFolder = nullptr;
    QString resultsFolderPath;
};

// The last step of both families: copies the file under its planned name (or reserves the name
// when planning ahead) and tells the context. True when the file counts as renamed. A copy that
// fails raises its report in the caller's procedure, after the outcome was told.
bool finishFile(const RenameContext& context, const corvander::PlannedFile& plan);

} // namespace corvander
