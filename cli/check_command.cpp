#include "cli/commands.h"

#include "cli/command_ocr.h"
#include "cli/command_ports.h"
#include "cli/command_settings.h"
#include "cli/exit_status.h"
#include "cli/result_lines.h"
#include "cli/source_list.h"
#include "cli/terminal_progress.h"
#include "cli/worker_program.h"
#include "common/stop_signals.h"
#include "extract/check.h"
#include "extract/extraction_pool.h"
#include "extract/reason_texts.h"

#include <QCoreApplication>
#include <cstdlib>

namespace corvander {

int runCheckCommand(const CommandArguments& arguments) {
    const CommonSettings settings = checkSettingsOf(arguments);
    const QString password =
        settings.passwordFile ? readPasswordFile(*settings.passwordFile) : QString();
    const QString program = workerProgram();
    if (const QString problem = workerProblem(program); !problem.isEmpty()) {
        tellError(nullptr, problem);
        return kExitCannotStart;
    }
    TerminalProgress progress;
    CommandDialogs dialogs(&progress);
    QStringList leftOut;
    const QList<ListedSource> sources =
        listSources(arguments.paths, settings.extension, dialogs, leftOut);
    for (const QString& item : std::as_const(leftOut))
        tellError(nullptr,
                  QCoreApplication::translate("corvander::CommandLine", "left out %1").arg(item));
    if (sources.isEmpty()) {
        tellError(nullptr,
                  QCoreApplication::translate("corvander::CommandLine", "no files to check"));
        return kExitAllDone;
    }

    ResultLines lines(settings.json, &progress);
    ListOrder order(sources, [&](const ListedSource& source) {
        lines.shortfall("unreadable", source.name,
                        source.readable() ? QStringLiteral("unreadable") : source.reason);
    });
    CommandList list;
    for (const QString& path : order.runPaths())
        list.appendEntry(path);
    ExtractionPool pool(poolSettingsFor(settings, program));
    EventLoopWaiter waiter;
    // The check draws the bar itself ("Checking: I of N"), as the window shows it.
    ReadabilityCheck check({dialogs, list, list, progress, pool, waiter, QStringLiteral("check")});
    check.setPassword(password);
    check.setFileChecked([&](const CheckedFile& checked) {
        if (pool.cannotStart())
            return;
        const ListedSource& source = order.reach(checked.position);
        if (checked.readability == Readability::Readable)
            lines.success("readable", source.name);
        else
            lines.shortfall("unreadable", source.name,
                            readabilityText(checked.readability) +
                                (checked.readability == Readability::NoText && !pool.ocr().enabled
                                     ? reasons::ocrHintForCommandLine()
                                     : QString()));
    });
    const auto endNow = [&](int status) {
        pool.shutdown();
        progress.hide();
        std::_Exit(status);
    };
    const StopSignals stop([&](int signal) { endNow(128 + signal); });
    // Nobody reads the answers any more: checking on would only keep the workers busy.
    lines.setReaderGoneHandler([&] { endNow(kExitReaderGone); });
    setCommandOcr(settings, pool, waiter);
    check.run();
    progress.hide();
    if (pool.cannotStart())
        return kExitCannotStart;
    order.finish();
    pool.shutdown();
    if (lines.writeFailed()) {
        tellError(nullptr, QCoreApplication::translate("corvander::CommandLine",
                                                       "the output could not be written"));
        return kExitSomeNotDone;
    }
    return lines.anyShortfall() ? kExitSomeNotDone : kExitAllDone;
}

} // namespace corvander
