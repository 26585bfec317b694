// (a) a rename run by content, mode 2 (the first 5 words of the last page), through the program's
// own run code, against (b) what the program did before its workers: it found the last page by
// probing, one pdftotext run per page until a page gave no output, then ran pdftotext once more
// on the last page, read that text and copied the file. The documents are long, where probing
// costs most.
#include "bench/bench_files.h"
#include "bench/headless_window.h"
#include "bench/measurement.h"
#include "bench/plain_runs.h"
#include "bench/program_runs.h"
#include "common/error_report.h"

#include <QFile>

namespace corvander {

namespace {

constexpr int kWords = 5;
constexpr int kDocuments = 20;
constexpr int kPages = 32;
constexpr double kTarget = 0.05;

QStringList pageArguments(int page, const QString& pdf, const QString& output) {
    return {QStringLiteral("-eol"),
            QStringLiteral("dos"),
            QStringLiteral("-f"),
            QString::number(page),
            QStringLiteral("-l"),
            QString::number(page),
            QStringLiteral("--"),
            pdf,
            output};
}

// Runs pdftotext on one page; true when it wrote the output file, which it does not for a page
// past the last.
bool extractPage(const QString& pdftotext, const QString& pdf, int page, const QString& output) {
    QFile::remove(output);
    runPlainly(pdftotext, pageArguments(page, pdf, output));
    return QFile::exists(output);
}

double timePlainProbeAndCopy(const QString& pdftotext, const QStringList& pdfs,
                             const QString& scratch) {
    const QString results = emptyFolder(scratch, QStringLiteral("plain-results"));
    const QString output =
        emptyFolder(scratch, QStringLiteral("plain-work")) + QStringLiteral("/out.txt");
    return timeSeconds([&] {
        for (const QString& pdf : pdfs) {
            int pages = 0;
            while (extractPage(pdftotext, pdf, pages + 1, output))
                ++pages;
            if (pages > 0 && extractPage(pdftotext, pdf, pages, output))
                copyUnderFirstWords(pdf, output, kWords, results);
        }
    });
}

BenchResult measureLastPage(const BenchSetup& setup) {
    const QString pdftotext = requireProgram(QStringLiteral("pdftotext"));
    const QStringList pdfs =
        makeLongPdfs(emptyFolder(setup.scratchFolder, QStringLiteral("long")), kDocuments, kPages);
    if (pdfs.size() != kDocuments)
        raiseError(QStringLiteral("could not write the long documents"));
    HeadlessWindow window;
    for (const QString& pdf : pdfs)
        window.appendEntry(pdf);
    window.content = true;
    window.mode = 2;

    BenchResult result;
    Comparison& timed = result.comparisons.emplaceBack();
    result.lines << QStringLiteral("%1 PDF files of %2 pages").arg(kDocuments).arg(kPages);
    timed.programLabel = QStringLiteral("rename run by content (mode 2, x = %1)").arg(kWords);
    timed.baselineLabel =
        QStringLiteral("pdftotext -f P -l P for P = 1, 2, ... until no output, the last page "
                       "again, pick words and copy, per file");
    timed.targetRatio = kTarget;
    bestOfRounds(
        setup.rounds, timed.programSeconds, timed.baselineSeconds,
        [&] {
            HeadlessDialogs dialogs;
            dialogs.inputAnswers.enqueue(QString::number(kWords));
            return timeRenameRun(window, dialogs, setup.scratchFolder);
        },
        [&] { return timePlainProbeAndCopy(pdftotext, pdfs, setup.scratchFolder); });
    return result;
}

const MeasurementRegistration registration("--last-page", "rename by content (mode 2, last page)",
                                           &measureLastPage, RunOrder::LastPage, false, Files::Own);

} // namespace

} // namespace corvander
