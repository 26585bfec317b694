// (a) a rename run by metadata ("%a - %t") through the program's own run code, against (b) a plain
// loop that runs pdfinfo on each file and copies it.
#include "bench/bench_waiter.h"
#include "bench/headless_window.h"
#include "bench/measurement.h"
#include "bench/plain_runs.h"
#include "common/error_report.h"
#include "common/path_helpers.h"
#include "extract/extraction_pool.h"
#include "rename/rename_run.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace {

double timePlainInfoAndCopy(const QString& pdfinfo, const QStringList& pdfs,
                            const QString& scratch) {
    const QString results = emptyFolder(scratch, QStringLiteral("plain-results"));
    const QString output = scratch + QStringLiteral("/plain-info.txt");
    return timeSeconds([&] {
        for (const QString& pdf : pdfs) {
            runPlainly(pdfinfo, {QStringLiteral("--"), pdf}, output);
            QFile::copy(pdf, results + QLatin1Char('/') + FileNameOf(pdf));
        }
    });
}

BenchResult measureMetadata(const BenchSetup& setup) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    const QString work = emptyFolder(setup.scratchFolder, QStringLiteral("work"));
    HeadlessWindow window;
    for (const QString& pdf : setup.pdfs)
        window.appendEntry(pdf);
    window.content = false;
    window.format = QStringLiteral("%a - %t");

    BenchResult result;
    result.programLabel = QStringLiteral("rename run by metadata");
    result.baselineLabel = QStringLiteral("plain pdfinfo and copy loop");
    int copies = 0;
    bestOfRounds(
        setup.rounds, result.programSeconds, result.baselineSeconds,
        [&] {
            window.results =
                emptyFolder(setup.scratchFolder, QStringLiteral("results")) + QLatin1Char('/');
            HeadlessDialogs dialogs;
            bool running = false;
            BenchWaiter waiter;
            corvander::ExtractionPool pool(corvander::PoolSettings::fromEnvironment(
                QStringLiteral(CORVANDER_EXTRACT_PROGRAM)));
            const RenameRunPorts ports{
                dialogs,
                window,
                window,
                window,
                window,
                pool,
                waiter,
                {QStringLiteral("run"), QStringLiteral("content"), QStringLiteral("metadata")}};
            const double seconds = timeSeconds([&] { RunRenaming(ports, running); });
            copies = int(QDir(window.results).entryList(QDir::Files).size());
            return seconds;
        },
        [&] { return timePlainInfoAndCopy(pdfinfo, setup.pdfs, setup.scratchFolder); });
    // A run that skipped files did not do the work being timed.
    if (copies != setup.pdfs.size())
        raiseError(
            QStringLiteral("the run copied %1 of %2 files").arg(copies).arg(setup.pdfs.size()));
    return result;
}

const MeasurementRegistration registration("--metadata", "rename by metadata", &measureMetadata);

} // namespace
