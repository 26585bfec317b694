// (a) the readability check over every file, through the program's own check code, against (b)
// what the program did before its workers: one pdftotext run per file.
#include "bench/headless_window.h"
#include "bench/measurement.h"
#include "bench/plain_runs.h"
#include "common/error_report.h"
#include "common/event_loop_waiter.h"
#include "extract/check.h"
#include "extract/extraction_pool.h"

#include <QDir>

namespace corvander {

namespace {

constexpr double kTarget = 0.15;

BenchResult measureCheck(const BenchSetup& setup) {
    const QString pdftotext = requireProgram(QStringLiteral("pdftotext"));
    HeadlessWindow window;
    for (const QString& pdf : setup.pdfs)
        window.appendEntry(pdf);

    const QString output =
        emptyFolder(setup.scratchFolder, QStringLiteral("plain")) + QStringLiteral("/out.txt");
    QList<QStringList> plainRuns;
    for (const QString& pdf : setup.pdfs)
        plainRuns.append(
            {QStringLiteral("-eol"), QStringLiteral("dos"), QStringLiteral("--"), pdf, output});

    bool allReadable = true;
    BenchResult result;
    Comparison& timed = result.comparisons.emplaceBack();
    timed.programLabel = QStringLiteral("readability check");
    timed.baselineLabel = QStringLiteral("pdftotext -eol dos, per file");
    timed.targetRatio = kTarget;
    bestOfRounds(
        setup.rounds, timed.programSeconds, timed.baselineSeconds,
        [&] {
            HeadlessDialogs dialogs;
            // A check object of its own each round: it remembers what it has read.
            const double seconds = timeSeconds([&] {
                corvander::EventLoopWaiter waiter;
                corvander::ExtractionPool pool(corvander::PoolSettings::fromEnvironment(
                    QStringLiteral(CORVANDER_EXTRACT_PROGRAM)));
                corvander::ReadabilityCheck check(
                    {dialogs, window, window, window, pool, waiter, QStringLiteral("check")});
                check.run();
            });
            allReadable = allReadable && dialogs.messages.isEmpty() && dialogs.warnings.isEmpty();
            return seconds;
        },
        [&] { return timePlainRuns(pdftotext, plainRuns); });
    // A check that found unreadable files did not do the work being timed.
    if (!allReadable)
        raiseError(QStringLiteral("the check reported files as unreadable"));
    return result;
}

const MeasurementRegistration registration("--check", "readability check", &measureCheck,
                                           RunOrder::Check);

} // namespace

} // namespace corvander
