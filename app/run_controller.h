#pragma once

#include "app/planned_names_view.h"
#include "app/skip_copied_option.h"
#include "app/text_progress_bar.h"
#include "common/dialogs.h"
#include "common/window_port.h"
#include "run/rename_run.h"
#include "run/run_plan.h"

#include <QObject>
#include <functional>

class QAction;
class QMenu;
class QPushButton;

namespace corvander {

class DrawnArea;
class ExtractionPool;
class Waiter;

// The rename run and what goes with it: "Start Renaming" (PushButton2), the progress bar
// (ProgressBar1), which also stops a run when clicked, the Rename menu's Preview Names, Stop, Undo
// Last Run and Save Report, the option to preview before copying, and the planned names a preview
// shows beside the list. It marks the window busy while a run lasts.
class RunController : public QObject, public ProgressView {
    Q_OBJECT
public:
    struct Needs {
        Dialogs& dialogs;
        FileListView& list;
        PlannedNamesView& plannedNames;
        RenameControls& controls;
        BusyPointer& busy;
        ExtractionPool& pool;
        Waiter& waiter;
        // Hands the workers the reading settings as they stand, before anything is read.
        std::function<void()> prepareReading;
        SettingsStore& settings;
        // Asked before a run or a preview begins; false (having said why) leaves it unbegun.
        std::function<bool()> readyToRun;
    };

    RunController(QWidget* window, DrawnArea& area, Needs needs);

    // Rename > Preview Names, Stop, Undo Last Run and Save Report; Options > Preview names before
    // copying and Skip files already copied.
    void addMenuItems(QMenu* rename, QMenu* options);

    // ProgressView
    int progressValue() const override;
    QString progressText() const override;
    void setProgressValue(int value) override;
    void setProgressText(const QString& text) override;

    // Start-up: journals of runs too old to undo go.
    void pruneOldJournals();

    void PushButton2_Click(); // rename run
    // Plans every file as "Start Renaming" would and shows each planned name (or why the file is
    // skipped) in the list's second column; copies nothing.
    void mnuPreview_Click();
    // Esc, Rename > Stop, a click on the progress bar: the run ends after the current file.
    void mnuStop_Click();
    // Removes the copies of the last run that are still as it made them.
    void mnuUndo_Click();
    // The last run's journal as a CSV file.
    void mnuReport_Click();
    // Undo Last Run and Save Report are offered only while there is a run to undo or report on:
    // runs of the command line and of other windows count too, so the state is read afresh
    // whenever the user may reach the items.
    void refreshJournalItems();

    // A preview's plan stands (nothing was edited since it was made).
    bool hasPreview() const { return m_previewShown; }
    // The list, an option or the way files are read changed: a shown plan no longer stands.
    void planMayBeStale();

    // Puts the controller's button into the Tab order after the given control; gives it back.
    QWidget* setTabOrderAfter(QWidget* previous);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    RenameRunPorts renameRunPorts();
    void runRenaming(bool preview);
    void showPlannedName(int position, const FileOutcome& outcome);
    void discardPreview();

    Needs m_needs;
    TextProgressBar* ProgressBar1 = nullptr;
    QPushButton* PushButton2 = nullptr;
    QAction* mnuPreview = nullptr;
    QAction* mnuStop = nullptr;
    QAction* mnuUndo = nullptr;
    QAction* mnuReport = nullptr;
    QAction* mnuPreviewFirst = nullptr;
    SkipCopiedOption m_skipCopied;

    RunPlan m_plan;
    bool m_previewShown = false;
    bool m_stopRequested = false;
    bool m_runInProgress = false;
};

} // namespace corvander
