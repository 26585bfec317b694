#include "cli/commands.h"

#include "cli/command_ocr.h"
#include "cli/command_ports.h"
#include "cli/command_request.h"
#include "cli/command_settings.h"
#include "cli/command_start.h"
#include "cli/example_learning.h"
#include "cli/exit_status.h"
#include "cli/result_lines.h"
#include "cli/source_list.h"
#include "cli/terminal_progress.h"
#include "cli/worker_program.h"
#include "common/code_page.h"
#include "common/path_helpers.h"
#include "common/stop_signals.h"
#include "extract/extraction_pool.h"
#include "extract/reason_texts.h"
#include "journal/journal_folder.h"
#include "run/rename_run.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdlib>

namespace corvander {

namespace {

// One rename from the command line: the list, the window's run over it, and the lines.
class RenameCommand {
public:
    RenameCommand(const RenameSettings& settings, RunRequest request,
                  const QList<ListedSource>& sources, const QString& program)
        : m_settings(settings), m_dialogs(&m_progress), m_lines(settings.common.json, &m_progress),
          m_order(sources, [this](const ListedSource& source) { passedOver(source); }),
          m_pool(poolSettingsFor(settings.common, program)), m_request(std::move(request)) {
        // The files nothing can read are told without a run.
        m_request.files = m_order.runPaths();
    }

    int run() {
        const RunPorts ports{m_dialogs,
                             m_progress,
                             m_busy,
                             m_pool,
                             m_waiter,
                             {QStringLiteral("rename"), QStringLiteral("rename by content"),
                              QStringLiteral("rename by metadata")}};
        RunOptions options;
        options.preview = m_settings.dryRun;
        options.skipCopied = m_settings.skipCopied;
        // No worker, no reading: the files after the first would only be skipped for it.
        // Nor when nobody reads the lines any more: the run ends after the file it told last,
        // with its journal whole.
        options.stopRequested = [this] { return m_pool.cannotStart() || m_lines.readerGone(); };
        options.fileDone = [this](int position, const FileOutcome& outcome) {
            fileDone(position, outcome);
        };
        // The copies are whole all the same; only their undo is lost.
        options.journalFailed = [this](const QString& failure) {
            tellError(&m_progress,
                      QCoreApplication::translate("corvander::CommandLine",
                                                  "the journal of this run could not be written "
                                                  "(%1), so the run cannot be undone")
                          .arg(failure));
        };
        const StopSignals stop([this](int signal) { stopNow(signal); });
        m_request.ocr = commandOcr(m_settings.common, m_pool, m_waiter);
        bool running = false;
        if (!m_request.files.isEmpty())
            RunRenaming(m_request, ports, running, options);
        m_progress.hide();
        // The run has told why on standard error.
        if (m_pool.cannotStart())
            return kExitCannotStart;
        if (m_lines.readerGone()) {
            m_pool.shutdown();
            return kExitReaderGone;
        }
        m_order.finish();
        m_pool.shutdown();
        if (m_lines.writeFailed()) {
            tellError(nullptr, QCoreApplication::translate("corvander::CommandLine",
                                                           "the output could not be written"));
            return kExitSomeNotDone;
        }
        return m_lines.anyShortfall() ? kExitSomeNotDone : kExitAllDone;
    }

private:
    // The workers go with the program; the files already copied are whole and told.
    [[noreturn]] void stopNow(int signal) {
        m_pool.shutdown();
        m_progress.hide();
        std::_Exit(128 + signal);
    }

    // Where the run journal will take its line for each file: the same outcome, in list order.
    void fileDone(int position, const FileOutcome& outcome) {
        if (m_pool.cannotStart())
            return;
        const ListedSource& source = m_order.reach(position);
        QList<std::array<QString, 3>> fields;
        for (const FieldValue& field : outcome.plan.provenance.templateFields)
            fields.append({field.field, field.value, field.source});
        m_lines.setNextFields(fields);
        if (outcome.copied())
            m_lines.success(m_settings.dryRun ? "would-copy" : "copied", source.name,
                            outcome.fileName);
        else if (!outcome.copiedBefore.isEmpty())
            m_lines.passedOver("skipped", source.name, outcome.skipText());
        else if (!outcome.copyFailure.isEmpty())
            m_lines.shortfall("failed", source.name, outcome.copyFailure);
        else
            m_lines.shortfall("skipped", source.name,
                              outcome.plan.copies()
                                  ? QStringLiteral("not renamed")
                                  : outcome.plan.skipTextWithHint(
                                        m_pool.ocr().enabled, reasons::ocrHintForCommandLine()));
    }

    // A file the run never saw (nothing can read it), or one it ended without telling how (an
    // error report said why).
    void passedOver(const ListedSource& source) {
        QString reason = source.reason;
        if (source.readable())
            reason = m_dialogs.lastError().isEmpty() ? QStringLiteral("not renamed")
                                                     : m_dialogs.lastError();
        m_lines.shortfall("skipped", source.name, reason);
    }

    const RenameSettings& m_settings;
    TerminalProgress m_progress;
    CommandDialogs m_dialogs;
    ResultLines m_lines;
    ListOrder m_order;
    CommandList m_busy;
    ExtractionPool m_pool;
    EventLoopWaiter m_waiter;
    RunRequest m_request;
};

} // namespace

namespace {

// --like: the templates learned from the examples, in their order, as --template would give
// them. An example that cannot be learned stops the run before anything is copied.
bool learnTemplates(RenameSettings& settings, const QString& password, const QString& program) {
    const std::optional<LearnedTemplates> learned = learnExamples(
        settings.examples, settings.common, settings.parameters.dateOrder, password, program);
    if (!learned)
        return false;
    QStringList problems;
    for (qsizetype index = 0; index < settings.examples.size(); ++index) {
        const LearnOutcome& outcome = learned->outcomes.at(index);
        if (!outcome.learned)
            problems << QStringLiteral("--like %1=%2: %3")
                            .arg(escapeInvalidUtf8(settings.examples.at(index).file),
                                 settings.examples.at(index).name, outcome.reason);
    }
    if (!problems.isEmpty())
        throw UsageError(problems.join(QStringLiteral("\nrename: ")));
    settings.parameters.templates = learned->lines;
    return true;
}

} // namespace

int runRenameCommand(const CommandArguments& arguments) {
    RenameSettings settings = renameSettingsOf(arguments);
    const std::optional<CommandStart> start = prepareCommand(settings);
    if (!start)
        return kExitCannotStart;
    const QString& password = start->password;
    const QString& program = start->program;
    CommandDialogs walkDialogs(nullptr);
    QStringList leftOut;
    const QList<ListedSource> sources =
        listSources(arguments.paths, settings.common.extension, walkDialogs, leftOut);
    for (const QString& item : std::as_const(leftOut))
        tellError(nullptr,
                  QCoreApplication::translate("corvander::CommandLine", "left out %1").arg(item));
    QStringList files;
    for (const ListedSource& source : sources)
        files << source.path;
    RunRequest request = commandRequest(settings, password, files);
    if (const std::optional<int> status = tellProblems(settings, request))
        return *status;
    if (!settings.examples.isEmpty()) {
        if (!learnTemplates(settings, password, program))
            return kExitCannotStart;
        request = commandRequest(settings, password, files);
    }
    // As the window does when it starts: scripts and cron jobs may never open the window.
    if (!settings.dryRun)
        pruneJournals(QDateTime::currentDateTime());
    return RenameCommand(settings, std::move(request), sources, program).run();
}

} // namespace corvander
