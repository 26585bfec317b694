#pragma once

#include "extract/metadata.h"

#include <QString>

class Dialogs;
class FileListView;
class ProgressView;
class RenameControls;

// The names under which the rename steps report errors; each caller gives its own.
struct RenameLabels {
    QString run;
    QString content;
    QString metadata;
};

// What a per-file rename step needs of the window and of the run around it.
struct RenameContext {
    Dialogs& dialogs;
    ProgressView& progress;
    FileListView& list;
    RenameControls& controls;
    RenameLabels labels;
    // Brings the answer for this file's extraction. With progress on, a long wait shows on the
    // bar ("Please wait..") as the run's text extractions always have.
    std::function<corvander::ExtractResult(const corvander::ExtractRequest&, bool progress)>
        extract;
};
