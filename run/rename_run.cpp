#include "run/rename_run.h"

#include "run/current_rule.h"

#include "common/dialogs.h"
#include "common/error_report.h"
#include "common/path_helpers.h"
#include "common/text_helpers.h"
#include "common/waiter.h"
#include "common/window_port.h"
#include "copying/copy_ways.h"
#include "copying/leftovers.h"
#include "copying/listed_files.h"
#include "copying/name_reservations.h"
#include "copying/results_folder.h"
#include "copying/safe_copy.h"
#include "extract/lookahead.h"
#include "extract/waiting_progress.h"
#include "journal/run_journal.h"
#include "run/repeated_reports.h"
#include "run/run_requests.h"
#include "run/skip_copied.h"

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

int percentDone(int done, int count) {
    return count > 0 ? int(qint64(done) * 100 / count) : 0;
}

// One run, from its checks and prompts through the files to its last message.
class RenameRun {
public:
    RenameRun(const RenameRunPorts& ports, const RunOptions& options)
        : m_ports(ports), m_options(options), m_dialogs(ports.dialogs),
          m_proc(m_dialogs, ports.labels.run),
          m_ahead(ports.pool, corvander::lookaheadDepth(ports.pool)),
          m_context{m_dialogs,    ports.progress,
                    ports.list,   ports.controls,
                    ports.labels, [this](ExtractRequest r, bool p) { return extract(r, p); },
                    preview(),    [this](const FileOutcome& o) { fileFinished(o); }} {}

    void go() {
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

private:
    corvander::NameReservations* preview() { return m_options.preview ? &m_reservations : nullptr; }

    bool checkTheStart() {
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
        m_folder.emplace(m_ports.controls.resultsFolder(),
                         m_options.fileSystem ? *m_options.fileSystem
                                              : corvander::FileSystemCalls::real());
        m_context.resultsFolder = &*m_folder;
        // What a killed run of this program left in the folder goes before new copies come.
        if (!m_options.preview)
            corvander::removeLeftovers(*m_folder, corvander::listedFiles(m_ports.list));
        return ok;
    }

    // The mode's numbers and the password; a preview's answers stand in for them. False when
    // the user left a prompt: the run ends before it touches any file.
    bool askTheUser() {
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
        m_proc.step([&] {
            if (left || m_options.plan || !m_ports.controls.asksForPassword())
                return;
            const std::optional<QString> answer = m_dialogs.askText(
                QStringLiteral("Password for protected PDF files:"), {}, {}, true);
            if (answer)
                m_password = *answer;
            else
                left = true;
        });
        if (left)
            m_proc.step([&] { m_ports.busy.setBusy(false); });
        if (m_options.planOut) {
            m_options.planOut->parameters = m_parameters;
            m_options.planOut->password = m_password;
            m_options.planOut->rows.clear();
        }
        return !left;
    }

    void handleFile() {
        QString path;
        bool skipped = true;
        m_proc.at(114, [&] { path = m_ports.list.entryText(m_position); });
        // The workers go on with the next files while this one is worked out.
        m_proc.step(
            [&] { m_ahead.fill(m_position, m_count, [this](int at) { return requestFor(at); }); });
        m_proc.step([&] {
            m_ports.progress.setProgressValue(percentDone(m_position, m_ports.list.entryCount()));
        });
        m_proc.step([&] {
            m_ports.progress.setProgressText(QStringLiteral("Processing: ") + FileNameOf(path));
        });
        m_proc.step([&] { m_ports.waiter.yieldOnce(); });
        m_proc.step([&] {
            m_ports.busy.setBusy(true);
            m_identity = corvander::identityOfFile(path);
            m_told = false;
        });
        // A number that does not fit fails here, is reported, and leaves the file skipped.
        m_proc.step([&] {
            if (alreadyCopied(path)) {
                skipped = false;
                return;
            }
            const corvander::PlanRow* planned =
                m_options.plan ? m_options.plan->unchangedRow(m_position, path) : nullptr;
            // Whether a file is already copied is decided afresh when the plan is carried out.
            if (planned && planned->outcome.plan.skip == corvander::SkipReason::AlreadyCopied)
                planned = nullptr;
            skipped = planned ? !finishPlanned(planned->outcome.plan, path)
                              : renameOne(m_context, m_parameters, path);
        });
        m_proc.step([&] {
            const QString failure = m_ports.pool.takeStartFailure();
            if (!failure.isEmpty())
                raiseError(failure);
        });
        m_proc.step([&] {
            ++m_handled;
            if (skipped)
                m_skippedList += QStringLiteral("\r\n") + path;
            // A file that ended in an error report before its plan was made.
            if (skipped && !m_told && m_writing)
                m_writing->record(corvander::FileRecord::skipped(
                    path, QStringLiteral("an error was reported"), QString()));
        });
        m_proc.step([&] { m_ports.busy.setBusy(true); });
    }

    // The paths are taken now: the thread that reads them ahead must not touch the list.
    void startSkippingCopied() {
        if (!m_options.skipCopied)
            return;
        QStringList paths;
        m_proc.step([&] {
            for (int at = 1; at <= m_count; ++at)
                paths << m_ports.list.entryText(at);
        });
        m_skipCopied.emplace(m_folder->path(), paths, m_options.copiedIndex);
    }

    // Tells the file's end when an identical copy of it already stands in the results folder.
    bool alreadyCopied(const QString& path) {
        if (!m_skipCopied)
            return false;
        const std::optional<QString> name = m_skipCopied->copiedAs(m_position, m_ports.waiter);
        if (!name)
            return false;
        FileOutcome outcome;
        outcome.plan.source = path;
        outcome.plan.skip = corvander::SkipReason::AlreadyCopied;
        outcome.copiedBefore = *name;
        fileFinished(outcome);
        return true;
    }

    // A preview's plan for a file that changed after the preview read it is made again, from
    // the file as it is now.
    bool finishPlanned(const corvander::PlannedFile& plan, const QString& path) {
        try {
            return finishFile(m_context, plan);
        } catch (const SourceChanged&) {
            return !renameOne(m_context, m_parameters, path);
        }
    }

    void finish() {
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
                text +=
                    QStringLiteral("\r\nStopped after %1 of %2 files.").arg(m_handled).arg(m_count);
            m_dialogs.showMessage(text);
        });
    }

    // Every extraction of the run carries its password; documents without one ignore it.
    std::optional<ExtractRequest> requestFor(int position) const {
        const QString path = m_ports.list.entryText(position);
        if (m_options.plan && m_options.plan->unchangedRow(position, path))
            return std::nullopt;
        std::optional<ExtractRequest> request =
            expectedRequest(m_ports.controls, m_parameters, path);
        if (request)
            request->password = m_password;
        return request;
    }

    ExtractResult extract(ExtractRequest request, bool showProgress) {
        request.password = m_password;
        const corvander::Extractor::Ticket ticket = m_ahead.claim(m_position, request);
        if (!showProgress)
            return corvander::waitForResult(m_ports.pool, m_ports.waiter, ticket);
        corvander::WaitingProgress progress(&m_ports.progress, m_ports.progress.progressText(),
                                            m_ports.progress.progressValue(),
                                            m_ports.list.entryCount());
        return corvander::waitForResult(m_ports.pool, m_ports.waiter, ticket, &progress);
    }

    void beginJournal() {
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

    void record(const FileOutcome& outcome) {
        const corvander::Provenance& provenance = outcome.plan.provenance;
        // A file already copied was never read for a name.
        const QString madeFrom =
            outcome.copiedBefore.isEmpty()
                ? provenance.family() + QStringLiteral(": ") + provenance.describe()
                : QString();
        if (outcome.copied()) {
            const QString& folder = m_folder->path();
            const QString base =
                folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
            m_writing->record(corvander::FileRecord::copied(outcome.plan.source,
                                                            base + outcome.fileName, madeFrom));
            return;
        }
        const QString reason = outcome.copyFailure.isEmpty()
                                   ? outcome.skipText()
                                   : QStringLiteral("the copy failed: ") + outcome.copyFailure;
        m_writing->record(corvander::FileRecord::skipped(outcome.plan.source, reason, madeFrom));
    }

    void fileFinished(const FileOutcome& outcome) {
        m_told = true;
        m_copied = m_copied || (outcome.copied() && !m_options.preview);
        if (m_skipCopied && outcome.copied())
            m_skipCopied->madeCopy(m_position, outcome.fileName);
        if (m_writing)
            record(outcome);
        if (m_options.planOut && m_position <= m_options.planOut->rows.size())
            m_options.planOut->rows[m_position - 1] = {
                outcome.plan.source,
                outcome.plan.readIdentity ? outcome.plan.readIdentity : m_identity, outcome};
        if (m_options.fileDone)
            m_options.fileDone(m_position, outcome);
    }

    const RenameRunPorts& m_ports;
    const RunOptions& m_options;
    // One box for each kind of error; its repeats are counted in the last message.
    RepeatedReports m_dialogs;
    TrappedProcedure m_proc;
    corvander::Lookahead m_ahead;
    corvander::NameReservations m_reservations;
    std::optional<corvander::ResultsFolder> m_folder;
    RenameContext m_context;
    corvander::RunParameters m_parameters;
    QString m_password;
    QString m_skippedList;
    std::optional<corvander::FileIdentity> m_identity;
    std::unique_ptr<corvander::RunJournal> m_journal;
    // The journal the files are recorded in: the run's own, or the caller's.
    corvander::RunJournal* m_writing = nullptr;
    // Declared after the folder and the list it reads: its thread ends before they go.
    std::optional<corvander::SkipCopied> m_skipCopied;
    bool m_told = false;
    bool m_copied = false;
    int m_count = 0;
    int m_position = 0;
    int m_handled = 0;
};

} // namespace

void RunRenaming(const RenameRunPorts& ports, bool& runInProgress, const RunOptions& options) {
    if (runInProgress)
        return;
    const RunFlag flag(runInProgress);
    RenameRun(ports, options).go();
}

} // namespace corvander
