#include "cli/commands.h"

#include "cli/command_ocr.h"
#include "cli/command_ports.h"
#include "cli/command_request.h"
#include "cli/command_settings.h"
#include "cli/command_start.h"
#include "cli/exit_status.h"
#include "cli/inbox_watcher.h"
#include "cli/result_lines.h"
#include "cli/terminal_progress.h"
#include "cli/worker_program.h"
#include "common/path_helpers.h"
#include "common/stop_signals.h"
#include "extract/extraction_pool.h"
#include "extract/reason_texts.h"
#include "journal/copied_index.h"
#include "journal/journal_folder.h"
#include "journal/run_journal.h"
#include "run/rename_run.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <unistd.h>

namespace corvander {

namespace {

// How soon files whose copy failed for want of a writable results folder are tried again.
constexpr int kRetryMilliseconds = 5000;
// At most this many files go through one run, so that a burst is named in bounded memory.
constexpr int kMostPerRun = 500;

// Watches the inboxes and names each file as it arrives, with the rename command's run.
class WatchCommand : public QObject {
public:
    WatchCommand(const RenameSettings& settings, const QString& password,
                 const QList<QByteArray>& inboxes, const QString& program)
        : m_settings(settings), m_dialogs(nullptr), m_lines(settings.common.json, nullptr),
          m_request(commandRequest(settings, password)),
          m_pool(poolSettingsFor(settings.common, program)), m_folder(m_request.resultsFolder),
          m_index(std::make_shared<CopiedIndex>(m_folder)),
          m_watcher(inboxes, settings.common.extension) {
        connect(&m_watcher, &InboxWatcher::filesReady, this, &WatchCommand::soon);
        connect(&m_watcher, &InboxWatcher::inboxGone, this, [](const QString& inbox) {
            tellError(nullptr, QCoreApplication::translate(
                                   "corvander::CommandLine",
                                   "the inbox %1 is gone; it is watched again when it returns")
                                   .arg(inbox));
        });
        connect(&m_watcher, &InboxWatcher::inboxBack, this, [](const QString& inbox) {
            tellError(nullptr,
                      QCoreApplication::translate("corvander::CommandLine", "the inbox %1 is back")
                          .arg(inbox));
        });
        m_retry.setSingleShot(true);
        connect(&m_retry, &QTimer::timeout, this, &WatchCommand::retryFailed);
    }

    int run() {
        const StopSignals stop([this](int) {
            m_stop = true;
            if (!m_running)
                QCoreApplication::exit(0);
        });
        m_request.ocr = commandOcr(m_settings.common, m_pool, m_waiter);
        QCoreApplication::exec();
        endJournal();
        m_pool.shutdown();
        if (m_pool.cannotStart())
            return kExitCannotStart;
        return kExitAllDone;
    }

private:
    // The files are named from the event loop, never inside the watcher's own handlers.
    void soon() {
        if (!m_scheduled && !m_running) {
            m_scheduled = true;
            QTimer::singleShot(0, this, &WatchCommand::nameWaitingFiles);
        }
    }

    void nameWaitingFiles() {
        m_scheduled = false;
        m_queue += m_watcher.takeReady();
        while (!m_queue.isEmpty() && !m_stop) {
            QList<ListedSource> batch = m_queue.mid(0, kMostPerRun);
            m_queue.remove(0, batch.size());
            nameBatch(batch);
            m_queue += m_watcher.takeReady();
        }
        if (m_stop)
            QCoreApplication::exit(0);
    }

    // Files gone before their turn are passed over without a word: there is nothing to name.
    void nameBatch(const QList<ListedSource>& batch) {
        QList<ListedSource> files;
        for (const ListedSource& source : batch) {
            if (!source.readable())
                m_lines.shortfall("skipped", source.name, source.reason);
            else if (QFileInfo::exists(source.path))
                files.append(source);
        }
        if (files.isEmpty())
            return;
        if (!folderWritable()) {
            for (const ListedSource& source : std::as_const(files))
                failedForNow(source);
            return;
        }
        runOver(files);
    }

    bool folderWritable() const {
        return IsDirectory(m_folder) &&
               ::access(QFile::encodeName(m_folder).constData(), W_OK) == 0;
    }

    // Told once until it succeeds, and tried again once the folder can be written.
    void failedForNow(const ListedSource& source) {
        if (!m_failedTold.contains(source.path)) {
            m_failedTold.insert(source.path);
            m_lines.shortfall("failed", source.name,
                              QStringLiteral("the results folder %1 cannot be written; the file "
                                             "is tried again when it can")
                                  .arg(m_folder));
        }
        m_failed.append(source);
        if (!m_retry.isActive())
            m_retry.start(kRetryMilliseconds);
    }

    void retryFailed() {
        m_queue += std::exchange(m_failed, {});
        soon();
    }

    void runOver(const QList<ListedSource>& files) {
        beginJournalOfToday();
        RunRequest request = m_request;
        for (const ListedSource& source : files)
            request.files << source.path;
        QList<bool> told(files.size(), false);
        RunOptions options;
        options.skipCopied = true;
        options.copiedIndex = m_index;
        options.sharedJournal = m_journal.get();
        options.stopRequested = [this] { return m_stop || m_pool.cannotStart(); };
        options.fileDone = [&](int position, const FileOutcome& outcome) {
            told[position - 1] = true;
            fileDone(files.at(position - 1), outcome);
        };
        const RunPorts ports{m_dialogs,
                             m_progress,
                             m_busy,
                             m_pool,
                             m_waiter,
                             {QStringLiteral("watch"), QStringLiteral("rename by content"),
                              QStringLiteral("rename by metadata")}};
        m_running = true;
        bool running = false;
        RunRenaming(std::move(request), ports, running, options);
        m_running = false;
        m_progress.hide();
        if (m_pool.cannotStart()) {
            m_stop = true;
            return;
        }
        // A file whose end an error report told; the files a stop left are taken next time.
        const int last = int(told.lastIndexOf(true));
        for (int i = 0; i < told.size(); ++i) {
            if (told.at(i) || (m_stop && i > last))
                continue;
            const QString reason = m_dialogs.lastError().isEmpty() ? QStringLiteral("not renamed")
                                                                   : m_dialogs.lastError();
            m_lines.shortfall("skipped", files.at(i).name, reason);
        }
    }

    void fileDone(const ListedSource& source, const FileOutcome& outcome) {
        ++m_handledInJournal;
        if (outcome.copied()) {
            m_failedTold.remove(source.path);
            m_lines.success("copied", source.name, outcome.fileName);
        } else if (!outcome.copiedBefore.isEmpty()) {
            m_failedTold.remove(source.path);
            m_lines.passedOver("skipped", source.name, outcome.skipText());
        } else if (!outcome.copyFailure.isEmpty() && !folderWritable()) {
            // The folder went while the file was copied (a stick pulled out): tried again later.
            if (!m_failedTold.contains(source.path))
                m_lines.shortfall("failed", source.name, outcome.copyFailure);
            failedForNow(source);
        } else if (!outcome.copyFailure.isEmpty()) {
            m_lines.shortfall("failed", source.name, outcome.copyFailure);
        } else {
            m_lines.shortfall("skipped", source.name,
                              outcome.plan.copies()
                                  ? QStringLiteral("not renamed")
                                  : outcome.plan.skipTextWithHint(
                                        m_pool.ocr().enabled, reasons::ocrHintForCommandLine()));
        }
    }

    // One journal a day, so that an undo takes back a day's work at most.
    void beginJournalOfToday() {
        const QDate today = QDate::currentDate();
        if (m_journal && m_journalDay == today)
            return;
        endJournal();
        m_journal = RunJournal::begin(
            journalStart(m_request, m_settings.parameters), [](const QString& failure) {
                tellError(nullptr, QCoreApplication::translate(
                                       "corvander::CommandLine",
                                       "the journal of this watch could not be written (%1), so "
                                       "its copies cannot be undone")
                                       .arg(failure));
            });
        m_journalDay = today;
        m_handledInJournal = 0;
    }

    void endJournal() {
        if (!m_journal)
            return;
        m_journal->end(false, m_handledInJournal, m_handledInJournal);
        m_journal.reset();
    }

    const RenameSettings& m_settings;
    TerminalProgress m_progress;
    CommandDialogs m_dialogs;
    ResultLines m_lines;
    RunRequest m_request;
    CommandList m_busy;
    ExtractionPool m_pool;
    EventLoopWaiter m_waiter;
    QString m_folder;
    std::shared_ptr<CopiedIndex> m_index;
    InboxWatcher m_watcher;
    std::unique_ptr<RunJournal> m_journal;
    QDate m_journalDay;
    int m_handledInJournal = 0;
    QList<ListedSource> m_queue;
    QList<ListedSource> m_failed;
    QSet<QString> m_failedTold;
    QTimer m_retry;
    bool m_scheduled = false;
    bool m_running = false;
    bool m_stop = false;
};

} // namespace

int runWatchCommand(const CommandArguments& arguments) {
    if (arguments.has(QStringLiteral("--dry-run")))
        throw UsageError(QCoreApplication::translate("corvander::CommandLine",
                                                     "--dry-run does not go with watch"));
    const RenameSettings settings = renameSettingsOf(arguments);
    const std::optional<CommandStart> start = prepareCommand(settings);
    if (!start)
        return kExitCannotStart;
    const QString& password = start->password;
    const QString& program = start->program;
    // The files come later; the folder must be there from the start.
    if (const std::optional<int> status =
            tellProblems(settings, commandRequest(settings, password), FilesNeeded::No))
        return *status;
    pruneJournals(QDateTime::currentDateTime());
    return WatchCommand(settings, password, arguments.paths, program).run();
}

} // namespace corvander
