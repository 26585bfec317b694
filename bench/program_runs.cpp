#include "bench/program_runs.h"

#include "bench/headless_window.h"
#include "bench/plain_runs.h"
#include "common/error_report.h"
#include "common/event_loop_waiter.h"
#include "extract/extraction_pool.h"
#include "run/rename_run.h"

#include <QDir>

namespace corvander {

double timeRenameRun(HeadlessWindow& window, HeadlessDialogs& dialogs, const QString& scratch) {
    window.results = emptyFolder(scratch, QStringLiteral("results")) + QLatin1Char('/');
    bool running = false;
    const double seconds = timeSeconds([&] {
        corvander::EventLoopWaiter waiter;
        corvander::ExtractionPool pool(
            corvander::PoolSettings::fromEnvironment(QStringLiteral(CORVANDER_EXTRACT_PROGRAM)));
        const RenameRunPorts ports{
            dialogs,
            window,
            window,
            window,
            window,
            pool,
            waiter,
            {QStringLiteral("run"), QStringLiteral("content"), QStringLiteral("metadata")}};
        RunRenaming(ports, running);
    });
    const int copies = int(QDir(window.results).entryList(QDir::Files).size());
    if (copies != window.entryCount())
        raiseError(
            QStringLiteral("the run copied %1 of %2 files").arg(copies).arg(window.entryCount()));
    return seconds;
}

} // namespace corvander
