// Long documents, where reading only as far as a name needs pays most: (a) the program's own check
// and rename code, through the real pool, against (b) a bare loop of pdftotext over each whole
// document, for the readability check, the first 5 words (mode 0) and the 3 words after a text on
// the first page (mode 5). The baseline is timed once a round and shared by the three.
#include "bench/bench_files.h"
#include "bench/headless_window.h"
#include "bench/measurement.h"
#include "bench/plain_runs.h"
#include "bench/program_runs.h"
#include "common/error_report.h"
#include "common/event_loop_waiter.h"
#include "extract/check.h"
#include "extract/extraction_pool.h"

#include <algorithm>
#include <limits>

namespace corvander {

namespace {

constexpr int kDocuments = 30;
constexpr int kPages = 200;
constexpr int kFirstWords = 5;
constexpr int kWordsAfter = 3;
constexpr double kTarget = 0.03;
// Opens the first page of every document; the text searched for is its first word.
const QString kHeading = QStringLiteral("Reference LD-%1 filed under archive");
const QString kSearched = QStringLiteral("Reference");

double timeCheck(HeadlessWindow& window) {
    HeadlessDialogs dialogs;
    const double seconds = timeSeconds([&] {
        corvander::EventLoopWaiter waiter;
        corvander::ExtractionPool pool(
            corvander::PoolSettings::fromEnvironment(QStringLiteral(CORVANDER_EXTRACT_PROGRAM)));
        corvander::ReadabilityCheck check(
            {dialogs, window, window, window, pool, waiter, QStringLiteral("check")});
        check.run();
    });
    // A check that found unreadable files did not do the work being timed.
    if (!dialogs.messages.isEmpty() || !dialogs.warnings.isEmpty())
        raiseError(QStringLiteral("the check reported long documents as unreadable"));
    return seconds;
}

double timeRun(HeadlessWindow& window, int mode, const QStringList& answers,
               const QString& scratch) {
    window.content = true;
    window.mode = mode;
    HeadlessDialogs dialogs;
    for (const QString& answer : answers)
        dialogs.inputAnswers.enqueue(answer);
    return timeRenameRun(window, dialogs, scratch);
}

BenchResult measureLongDocuments(const BenchSetup& setup) {
    const QString pdftotext = requireProgram(QStringLiteral("pdftotext"));
    const QStringList pdfs = makeLongPdfs(emptyFolder(setup.scratchFolder, QStringLiteral("long")),
                                          kDocuments, kPages, kHeading);
    if (pdfs.size() != kDocuments)
        raiseError(QStringLiteral("could not write the long documents"));
    HeadlessWindow window;
    for (const QString& pdf : pdfs)
        window.appendEntry(pdf);
    const QString output =
        emptyFolder(setup.scratchFolder, QStringLiteral("plain")) + QStringLiteral("/out.txt");
    QList<QStringList> plainRuns;
    for (const QString& pdf : pdfs)
        plainRuns.append(
            {QStringLiteral("-eol"), QStringLiteral("dos"), QStringLiteral("--"), pdf, output});

    constexpr double kNone = std::numeric_limits<double>::infinity();
    double baseline = kNone;
    double check = kNone;
    double firstWords = kNone;
    double wordsAfter = kNone;
    for (int round = 0; round < setup.rounds; ++round) {
        baseline = std::min(baseline, timePlainRuns(pdftotext, plainRuns));
        check = std::min(check, timeCheck(window));
        firstWords = std::min(
            firstWords, timeRun(window, 0, {QString::number(kFirstWords)}, setup.scratchFolder));
        wordsAfter =
            std::min(wordsAfter, timeRun(window, 5, {kSearched, QString::number(kWordsAfter)},
                                         setup.scratchFolder));
    }

    BenchResult result;
    result.lines << QStringLiteral("%1 PDF files of %2 pages, text on every page")
                        .arg(kDocuments)
                        .arg(kPages);
    const QString plain = QStringLiteral("pdftotext -eol dos, whole document, per file");
    result.comparisons.append(
        {QStringLiteral("readability check"), check, plain, baseline, kTarget});
    result.comparisons.append(
        {QStringLiteral("rename run by content (mode 0, x = %1)").arg(kFirstWords), firstWords,
         plain, baseline, kTarget});
    result.comparisons.append(
        {QStringLiteral("rename run by content (mode 5, n = %1 after \"%2\" on page 1)")
             .arg(kWordsAfter)
             .arg(kSearched),
         wordsAfter, plain, baseline, kTarget});
    return result;
}

const MeasurementRegistration registration("--long-documents",
                                           "long documents (30 of 200 pages), read as far as "
                                           "needed",
                                           &measureLongDocuments, RunOrder::LongDocuments, false,
                                           Files::Own);

} // namespace

} // namespace corvander
