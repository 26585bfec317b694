#include "run/rename_run.h"

#include "common/dialogs.h"
#include "common/path_helpers.h"
#include "common/text_helpers.h"
#include "common/window_port.h"
#include "copying/copy_ways.h"
#include "copying/leftovers.h"
#include "copying/listed_files.h"
#include "run/current_rule.h"
#include "run/rename_run_state.h"

namespace corvander {

namespace {

// Clears the run flag however the run ends.
class RunFlag {
public:
    explicit RunFlag(bool& flag) : m_flag(flag) { m_flag = true; }
    RunFlag(const RunFlag&) = delete;
    RunFlag& operator=(const RunFlag&) = delete;
    ~RunFlag() { m_flag = false; }

private:
    bool& m_flag;
};

} // namespace

void RenameRun::go() {
    if (!checkTheStart() || !askTheUser())
        return;
    m_proc.step([&] { m_count = m_ports.list.entryCount(); });
    // The workers start on the first files while the journal is set up.
    m_proc.step([&] { m_ahead.fill(1, m_count, [this](int at) { return requestFor(at); }); });
    beginJournal();
    startSkippingCopied();
    if (m_options.planOut)
        m_options.planOut->rows.resize(m_count);
    for (m_position = 1; m_position <= m_count; ++m_position) {
        handleFile();
        if (m_options.stopRequested && m_options.stopRequested())
            break;
    }
    finish();
}

bool RenameRun::checkTheStart() {
    bool ok = true;
    m_proc.at(102, [&] {
        if (m_ports.list.entryCount() == 0) {
            ok = false;
            m_dialogs.showMessage(QStringLiteral("No files added."));
        }
    });
    if (!ok)
        return false;
    m_proc.at(104, [&] {
        if (!IsDirectory(m_ports.controls.resultsFolder())) {
            ok = false;
            m_dialogs.showMessage(
                QStringLiteral("Folder does not exist. Please select another folder."));
        }
    });
    if (!ok)
        return false;
    // Without a mode no file could be renamed by content, and every one would be reported
    // as unreadable.
    if (m_ports.controls.contentSelected() && m_ports.controls.modeIndex() < 0) {
        m_dialogs.showMessage(QStringLiteral("Please choose a rename mode first."));
        return false;
    }
    // Opened once: the run's copies all go where it started, whatever the folder's path
    // leads to later.
    m_folder.emplace(m_ports.controls.resultsFolder(), m_options.fileSystem
                                                           ? *m_options.fileSystem
                                                           : corvander::FileSystemCalls::real());
    m_context.resultsFolder = &*m_folder;
    // What a killed run of this program left in the folder goes before new copies come.
    if (!m_options.preview)
        corvander::removeLeftovers(*m_folder, corvander::listedFiles(m_ports.list));
    return ok;
}

// The mode's numbers; a preview's answers stand in for them. False when the user left a prompt:
// the run ends before it touches any file.
bool RenameRun::askTheUser() {
    bool left = false;
    m_proc.at(106, [&] { m_ports.busy.setBusy(true); });
    if (m_options.plan) {
        m_parameters = m_options.plan->parameters;
        m_password = m_options.plan->password;
    }
    m_proc.step([&] {
        if (m_options.plan || !m_ports.controls.contentSelected())
            return;
        const corvander::NamingRule* rule = corvander::currentRule(m_ports.controls);
        if (!rule)
            return;
        const std::optional<corvander::RunParameters> answers = rule->ask(m_dialogs);
        if (answers)
            m_parameters = *answers;
        else
            left = true;
    });
    // The password is asked for when the first file that needs one is met (see askPassword).
    if (left)
        m_proc.step([&] { m_ports.busy.setBusy(false); });
    if (m_options.planOut) {
        m_options.planOut->parameters = m_parameters;
        m_options.planOut->password = m_password;
        m_options.planOut->rows.clear();
    }
    return !left;
}

void RenameRun::finish() {
    const bool stopped = m_handled < m_count;
    m_proc.at(134, [&] {
        // A stopped run leaves nothing for the workers to do.
        m_ahead.dropAll();
        if (!trimBlanks(m_skippedList).isEmpty())
            m_skippedList.prepend(QStringLiteral("\r\nThe following files were skipped "
                                                 "because they could not be read or renamed:"));
    });
    m_proc.step([&] {
        // The copies are on the disk before the journal says the run is finished.
        const int flushError = m_copied ? m_folder->flushToDisk() : 0;
        if (m_journal)
            m_journal->end(stopped, m_handled, m_count);
        // Gone, the journal is free for an undo.
        m_journal.reset();
        m_writing = nullptr;
        if (flushError != 0)
            corvander::failCopy("Cannot write into", m_folder->path(), flushError);
    });
    m_proc.step([&] { m_ports.busy.setBusy(false); });
    m_proc.step([&] {
        m_ports.progress.setProgressValue(0);
        m_ports.progress.setProgressText(QStringLiteral("Progress Bar"));
    });
    m_proc.step([&] {
        // A preview's answer is the plan itself, shown beside the list.
        if (m_options.preview)
            return;
        QString text = QStringLiteral("Done.") + m_skippedList + m_dialogs.summary();
        if (stopped)
            text += QStringLiteral("\r\nStopped after %1 of %2 files.").arg(m_handled).arg(m_count);
        m_dialogs.showMessage(text);
    });
}

void RenameRun::beginJournal() {
    if (m_options.preview || !m_options.journal)
        return;
    if (m_options.sharedJournal) {
        m_writing = m_options.sharedJournal;
        return;
    }
    corvander::RunStart start;
    start.time = QDateTime::currentDateTime();
    start.resultsFolder = m_folder->path();
    if (m_ports.controls.contentSelected()) {
        start.family = QStringLiteral("content");
        start.mode = m_ports.controls.modeIndex();
        start.parameters = m_parameters.described();
    } else if (m_ports.controls.templateSelected()) {
        start.family = QStringLiteral("template");
        for (const QString& line : m_ports.controls.templateLines())
            start.parameters << QStringLiteral("template=") + line;
    } else {
        start.family = QStringLiteral("metadata");
        start.parameters = {QStringLiteral("format=") + m_ports.controls.nameFormat()};
    }
    // The run goes on without it; the user learns once that it cannot be undone.
    m_journal = corvander::RunJournal::begin(start, [this](const QString& failure) {
        if (m_options.journalFailed) {
            m_options.journalFailed(failure);
            return;
        }
        m_dialogs.showMessage(
            QStringLiteral("The journal of this run could not be written (%1), so the run "
                           "cannot be undone.")
                .arg(failure));
    });
    m_writing = m_journal.get();
}

void RunRenaming(const RenameRunPorts& ports, bool& runInProgress, const RunOptions& options) {
    if (runInProgress)
        return;
    const RunFlag flag(runInProgress);
    RenameRun(ports, options).go();
}

} // namespace corvander
