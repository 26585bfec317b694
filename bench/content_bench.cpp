// (a) a rename run by content (mode 0, the first 5 words) through the program's own run code,
// against (b) what the program did before its workers: one pdftotext run per file, its output
// read, the words picked and the file copied under them.
#include "bench/headless_window.h"
#include "bench/measurement.h"
#include "bench/plain_runs.h"
#include "bench/program_runs.h"

namespace corvander {

namespace {

constexpr int kWords = 5;
constexpr double kTarget = 0.15;

double timePlainTextAndCopy(const QString& pdftotext, const QStringList& pdfs,
                            const QString& scratch) {
    const QString results = emptyFolder(scratch, QStringLiteral("plain-results"));
    const QString output =
        emptyFolder(scratch, QStringLiteral("plain-work")) + QStringLiteral("/out.txt");
    return timeSeconds([&] {
        for (const QString& pdf : pdfs) {
            runPlainly(pdftotext, {QStringLiteral("-eol"), QStringLiteral("dos"),
                                   QStringLiteral("--"), pdf, output});
            copyUnderFirstWords(pdf, output, kWords, results);
        }
    });
}

BenchResult measureContent(const BenchSetup& setup) {
    const QString pdftotext = requireProgram(QStringLiteral("pdftotext"));
    HeadlessWindow window;
    for (const QString& pdf : setup.pdfs)
        window.appendEntry(pdf);
    window.content = true;
    window.mode = 0;

    BenchResult result;
    Comparison& timed = result.comparisons.emplaceBack();
    timed.programLabel = QStringLiteral("rename run by content (mode 0, x = %1)").arg(kWords);
    timed.baselineLabel = QStringLiteral("pdftotext -eol dos, pick words and copy, per file");
    timed.targetRatio = kTarget;
    bestOfRounds(
        setup.rounds, timed.programSeconds, timed.baselineSeconds,
        [&] {
            HeadlessDialogs dialogs;
            dialogs.inputAnswers.enqueue(QString::number(kWords));
            return timeRenameRun(window, dialogs, setup.scratchFolder);
        },
        [&] { return timePlainTextAndCopy(pdftotext, setup.pdfs, setup.scratchFolder); });
    return result;
}

const MeasurementRegistration registration("--content", "rename by content (mode 0)",
                                           &measureContent, RunOrder::Content);

} // namespace

} // namespace corvander
