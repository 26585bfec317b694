// (a) a rename run by content (the first 5 words) through the program's own run code, against
// (b) a plain loop that runs pdftotext on each file and copies it under the same kind of name.
#include "bench/bench_waiter.h"
#include "bench/headless_window.h"
#include "bench/measurement.h"
#include "bench/plain_runs.h"
#include "common/error_report.h"
#include "extract/extraction_pool.h"
#include "extract/text_reading.h"
#include "rename/rename_run.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace {

constexpr int kWords = 5;

double timePlainTextAndCopy(const QString& pdftotext, const QStringList& pdfs,
                            const QString& scratch) {
    const QString results = emptyFolder(scratch, QStringLiteral("plain-results"));
    const QString work = emptyFolder(scratch, QStringLiteral("plain-work"));
    return timeSeconds([&] {
        for (const QString& pdf : pdfs) {
            const QString output = work + QStringLiteral("/out.txt");
            runPlainly(pdftotext, {QStringLiteral("-eol"), QStringLiteral("dos"),
                                   QStringLiteral("--"), pdf, output});
            QFile text(output);
            if (!text.open(QIODevice::ReadOnly))
                continue;
            const QString name = QString::fromUtf8(text.readAll())
                                     .simplified()
                                     .section(QLatin1Char(' '), 0, kWords - 1);
            QString target = results + QLatin1Char('/') + name + QStringLiteral(".pdf");
            while (QFile::exists(target))
                target.insert(target.size() - 4, QLatin1Char('!'));
            QFile::copy(pdf, target);
        }
    });
}

BenchResult measureContent(const BenchSetup& setup) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    const QString work = emptyFolder(setup.scratchFolder, QStringLiteral("work"));
    HeadlessWindow window;
    for (const QString& pdf : setup.pdfs)
        window.appendEntry(pdf);
    window.content = true;
    window.mode = 0;

    BenchResult result;
    result.programLabel = QStringLiteral("rename run by content (mode 0, x = %1)").arg(kWords);
    result.baselineLabel = QStringLiteral("plain pdftotext and copy loop");
    int copies = 0;
    bestOfRounds(
        setup.rounds, result.programSeconds, result.baselineSeconds,
        [&] {
            window.results = emptyFolder(setup.scratchFolder, QStringLiteral("results"));
            HeadlessDialogs dialogs;
            dialogs.inputAnswers.enqueue(QString::number(kWords));
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
        [&] { return timePlainTextAndCopy(pdftotext, setup.pdfs, setup.scratchFolder); });
    // A run that skipped files did not do the work being timed.
    if (copies != setup.pdfs.size())
        raiseError(
            QStringLiteral("the run copied %1 of %2 files").arg(copies).arg(setup.pdfs.size()));
    return result;
}

const MeasurementRegistration registration("--content", "rename by content", &measureContent);

} // namespace
