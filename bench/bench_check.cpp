// (a) the readability check over every file, through the program's runner, against (b) the same
// pdftotext runs in a plain loop.
#include "bench/bench_waiter.h"
#include "bench/headless_window.h"
#include "bench/measurement.h"
#include "bench/plain_runs.h"
#include "common/error_report.h"
#include "extract/check.h"
#include "extract/extraction_pool.h"
#include "extract/text_reading.h"

#include <QDir>
#include <QStandardPaths>

namespace {

BenchResult measureCheck(const BenchSetup& setup) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    HeadlessWindow window;
    for (const QString& pdf : setup.pdfs)
        window.appendEntry(pdf);

    const QString plainFolder = setup.scratchFolder + QStringLiteral("/plain");
    QDir().mkpath(plainFolder);
    QList<QStringList> plainRuns;
    for (const QString& pdf : setup.pdfs)
        plainRuns.append({QStringLiteral("-eol"), QStringLiteral("dos"), QStringLiteral("--"), pdf,
                          plainFolder + QStringLiteral("/out.txt")});

    bool allReadable = true;
    BenchResult result;
    result.programLabel = QStringLiteral("readability check through the runner");
    result.baselineLabel = QStringLiteral("plain pdftotext loop");
    bestOfRounds(
        setup.rounds, result.programSeconds, result.baselineSeconds,
        [&] {
            HeadlessDialogs dialogs;
            const double seconds = timeSeconds([&] {
                BenchWaiter waiter;
                corvander::ExtractionPool pool(corvander::PoolSettings::fromEnvironment(
                    QStringLiteral(CORVANDER_EXTRACT_PROGRAM)));
                corvander::ReadabilityCheck check(
                    {dialogs, window, window, window, pool, waiter, QStringLiteral("check")});
                check.run();
            });
            allReadable = allReadable && dialogs.messages.isEmpty();
            return seconds;
        },
        [&] { return timePlainRuns(pdftotext, plainRuns); });
    // A check that found unreadable files did not do the work being timed.
    if (!allReadable)
        raiseError(QStringLiteral("the check reported files as unreadable"));
    return result;
}

const MeasurementRegistration registration("--check", "readability check", &measureCheck);

} // namespace
