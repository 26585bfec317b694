#include "cli/commands.h"

#include "cli/command_ocr.h"
#include "cli/command_ports.h"
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

#include <QDir>
#include <cstdlib>

namespace corvander {

namespace {

// One rename from the command line: the list, the window's run over it, and the lines.
class RenameCommand {
public:
    RenameCommand(const RenameSettings& settings, const QString& password,
                  const QList<ListedSource>& sources, const QString& program)
        : m_settings(settings), m_dialogs(&m_progress), m_lines(settings.common.json, &m_progress),
          m_order(sources, [this](const ListedSource& source) { passedOver(source); }),
          m_pool(poolSettingsFor(settings.common, program)) {
        for (const QString& path : m_order.runPaths())
            m_list.appendEntry(path);
        m_controls.mode = settings.mode;
        m_controls.metadata = settings.metadata;
        m_controls.format = settings.format;
        m_controls.byTemplate = settings.rule == RuleId::Template;
        m_controls.templates = settings.parameters.templates;
        m_controls.order = settings.parameters.dateOrder;
        // The journal names each copy by the folder's path: a relative one would send an undo
        // from another working folder (or the window's) to other files.
        m_controls.folder = QDir(settings.resultsFolder).absolutePath();
        m_plan.parameters = settings.parameters;
        m_plan.password = password;
    }

    int run() {
        const RenameRunPorts ports{m_dialogs,
                                   m_progress,
                                   m_list,
                                   m_list,
                                   m_controls,
                                   m_pool,
                                   m_waiter,
                                   {QStringLiteral("rename"), QStringLiteral("rename by content"),
                                    QStringLiteral("rename by metadata")}};
        RunOptions options;
        // The command line's answers stand in for the window's prompts; with no rows, every
        // file is planned afresh.
        options.plan = &m_plan;
        options.preview = m_settings.dryRun;
        options.skipCopied = m_settings.skipCopied;
        // No worker, no reading: the files after the first would only be skipped for it.
        options.stopRequested = [this] { return m_pool.cannotStart(); };
        options.fileDone = [this](int position, const FileOutcome& outcome) {
            fileDone(position, outcome);
        };
        // The copies are whole all the same; only their undo is lost.
        options.journalFailed = [this](const QString& failure) {
            tellError(&m_progress, QStringLiteral("the journal of this run could not be written "
                                                  "(%1), so the run cannot be undone")
                                       .arg(failure));
        };
        const StopSignals stop([this](int signal) { stopNow(signal); });
        setCommandOcr(m_settings.common, m_pool, m_waiter);
        bool running = false;
        RunRenaming(ports, running, options);
        m_progress.hide();
        // The run has told why on standard error.
        if (m_pool.cannotStart())
            return kExitCannotStart;
        m_order.finish();
        m_pool.shutdown();
        if (m_lines.writeFailed()) {
            tellError(nullptr, QStringLiteral("the output could not be written"));
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
    CommandList m_list;
    CommandControls m_controls;
    ExtractionPool m_pool;
    EventLoopWaiter m_waiter;
    RunPlan m_plan;
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
    if (!settings.examples.isEmpty() && !learnTemplates(settings, password, program))
        return kExitCannotStart;
    CommandDialogs walkDialogs(nullptr);
    QStringList leftOut;
    const QList<ListedSource> sources =
        listSources(arguments.paths, settings.common.extension, walkDialogs, leftOut);
    for (const QString& item : std::as_const(leftOut))
        tellError(nullptr, QStringLiteral("left out %1").arg(item));
    if (sources.isEmpty()) {
        tellError(nullptr, QStringLiteral("no files to rename"));
        return kExitAllDone;
    }
    // As the window does when it starts: scripts and cron jobs may never open the window.
    if (!settings.dryRun)
        pruneJournals(QDateTime::currentDateTime());
    return RenameCommand(settings, password, sources, program).run();
}

} // namespace corvander
