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
#include <QCoreApplication>

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
    openTheFolder();
    if (!askTheUser())
        return;
    m_proc.step([&] { m_count = int(m_request.files.size()); });
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

void RenameRun::openTheFolder() {
    if (m_request.ocr)
        m_ports.pool.setOcr(*m_request.ocr);
    // Opened once: the run's copies all go where it started, whatever the folder's path
    // leads to later.
    m_folder.emplace(m_request.resultsFolder, m_options.fileSystem
                                                  ? *m_options.fileSystem
                                                  : corvander::FileSystemCalls::real());
    m_context.resultsFolder = &*m_folder;
    // The journal writes the lines of the copies made so far before the next one gets its name,
    // so that a kill leaves at most one copy without its line.
    m_folder->setBeforeNaming([this] {
        if (m_writing)
            m_writing->catchUp();
    });
    // What a killed run of this program left in the folder goes before new copies come.
    if (!m_options.preview)
        corvander::removeLeftovers(*m_folder, corvander::listedFiles(m_request.files));
}

RuleChoice RenameRun::choiceNow() const {
    return m_ports.liveChoice ? choiceOf(*m_ports.liveChoice) : m_request.rule;
}

// The mode's numbers; the request's answers stand in for them. False when the user left a
// prompt: the run ends before it touches any file.
bool RenameRun::askTheUser() {
    bool left = false;
    m_proc.at(106, [&] { m_ports.busy.setBusy(true); });
    if (m_request.answers)
        m_parameters = *m_request.answers;
    if (m_request.password)
        m_password = *m_request.password;
    m_proc.step([&] {
        if (m_request.answers || m_request.rule.family != Family::Content)
            return;
        const corvander::NamingRule* rule = corvander::currentRule(m_request.rule);
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
        m_ports.progress.setProgressText(
            QCoreApplication::translate("corvander::RenameRun", "Progress Bar"));
    });
    m_proc.step([&] {
        // A preview's answer is the plan itself, shown beside the list.
        if (m_options.preview)
            return;
        QString text = QCoreApplication::translate("corvander::RenameRun", "Done.") +
                       m_skippedList + m_dialogs.summary();
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
    // The run goes on without it; the user learns once that it cannot be undone.
    m_journal = corvander::RunJournal::begin(
        journalStart(m_request, m_parameters), [this](const QString& failure) {
            if (m_options.journalFailed) {
                m_options.journalFailed(failure);
                return;
            }
            m_dialogs.showMessage(
                QCoreApplication::translate("corvander::RenameRun",
                                            "The journal of this run could not be written (%1), "
                                            "so the run cannot be undone.")
                    .arg(failure));
        });
    m_writing = m_journal.get();
}

RunStart journalStart(const RunRequest& request, const RunParameters& answers) {
    RunStart start;
    start.time = QDateTime::currentDateTime();
    start.resultsFolder = request.resultsFolder;
    if (request.rule.family == Family::Content) {
        start.family = QStringLiteral("content");
        start.mode = request.rule.mode;
        start.parameters = answers.described();
    } else if (request.rule.family == Family::Template) {
        start.family = QStringLiteral("template");
        for (const QString& line : request.rule.templates)
            start.parameters << QStringLiteral("template=") + line;
    } else {
        start.family = QStringLiteral("metadata");
        start.parameters = {QStringLiteral("format=") + request.rule.format};
    }
    return start;
}

void RunRenaming(RunRequest request, const RunPorts& ports, bool& runInProgress,
                 const RunOptions& options) {
    if (runInProgress)
        return;
    const RunFlag flag(runInProgress);
    RenameRun(std::move(request), ports, options).go();
}

void RunRenaming(const RenameRunPorts& ports, bool& runInProgress, const RunOptions& options) {
    if (runInProgress)
        return;
    RunRequest request = windowRequest(ports.list, ports.controls);
    {
        // A click that arrives while the message shows starts nothing.
        const RunFlag flag(runInProgress);
        const QList<RequestProblem> problems = problemsOf(request);
        if (!problems.isEmpty()) {
            ports.dialogs.showMessage(windowMessage(problems.first()));
            return;
        }
    }
    if (options.plan) {
        request.answers = options.plan->parameters;
        request.password = options.plan->password;
    }
    RunRenaming(std::move(request), ports.runPorts(), runInProgress, options);
}

} // namespace corvander
