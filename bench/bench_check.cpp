// (a) the readability check over every file, through the program's runner, against (b) the same
// pdftotext runs in a plain loop.
#include "bench/headless_window.h"
#include "bench/measurement.h"
#include "bench/plain_runs.h"
#include "common/error_report.h"
#include "extract/check.h"
#include "extract/extractor_tools.h"
#include "extract/text_reading.h"

#include <QDir>

namespace {

BenchResult measureCheck(const BenchSetup& setup) {
    const QString pdftotext = DeployTool(QStringLiteral("pdftotext"));
    HeadlessWindow window;
    for (const QString& pdf : setup.pdfs)
        window.appendEntry(pdf);

    const QString plainFolder = setup.scratchFolder + QStringLiteral("/plain");
    QDir().mkpath(plainFolder);
    QList<QStringList> plainRuns;
    for (const QString& pdf : setup.pdfs)
        plainRuns.append(textExtractorArguments(pdf, outputTextPath(plainFolder, pdf)));

    bool allReadable = true;
    BenchResult result;
    result.programLabel = QStringLiteral("readability check through the runner");
    result.baselineLabel = QStringLiteral("plain pdftotext loop");
    bestOfRounds(
        setup.rounds, result.programSeconds, result.baselineSeconds,
        [&] {
            HeadlessDialogs dialogs;
            const double seconds = timeSeconds([&] {
                CheckByCodeNotPreviewTextbox(dialogs, window, window, window, pdftotext,
                                             setup.scratchFolder);
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
