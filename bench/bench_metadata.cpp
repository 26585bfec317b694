// (a) a rename run by metadata ("%a - %t") through the program's own run code, against (b) what
// the program did before its workers: pdfinfo, then pdfinfo -meta for the XML stream, on each
// file, the author and title read from the output and the file copied under them.
#include "bench/headless_window.h"
#include "bench/measurement.h"
#include "bench/plain_runs.h"
#include "bench/program_runs.h"

#include <QFile>

namespace corvander {

namespace {

constexpr double kTarget = 0.15;

// The text after "label:" on the line of pdfinfo's output that starts with it.
QString infoField(const QByteArray& output, const QByteArray& label) {
    for (const QByteArray& line : output.split('\n')) {
        if (line.startsWith(label + ':'))
            return QString::fromUtf8(line.mid(label.size() + 1)).trimmed();
    }
    return {};
}

double timePlainInfoAndCopy(const QString& pdfinfo, const QStringList& pdfs,
                            const QString& scratch) {
    const QString results = emptyFolder(scratch, QStringLiteral("plain-results"));
    const QString work = emptyFolder(scratch, QStringLiteral("plain-work"));
    const QString infoOutput = work + QStringLiteral("/info.txt");
    const QString xmlOutput = work + QStringLiteral("/meta.xml");
    return timeSeconds([&] {
        for (const QString& pdf : pdfs) {
            runPlainly(pdfinfo, {QStringLiteral("--"), pdf}, infoOutput);
            runPlainly(pdfinfo, {QStringLiteral("-meta"), QStringLiteral("--"), pdf}, xmlOutput);
            QFile info(infoOutput);
            QFile xml(xmlOutput);
            if (!info.open(QIODevice::ReadOnly) || !xml.open(QIODevice::ReadOnly))
                continue;
            const QByteArray lines = info.readAll();
            xml.readAll();
            copyUnderName(
                pdf, infoField(lines, "Author") + QStringLiteral(" - ") + infoField(lines, "Title"),
                results);
        }
    });
}

BenchResult measureMetadata(const BenchSetup& setup) {
    const QString pdfinfo = requireProgram(QStringLiteral("pdfinfo"));
    HeadlessWindow window;
    for (const QString& pdf : setup.pdfs)
        window.appendEntry(pdf);
    window.content = false;
    window.format = QStringLiteral("%a - %t");

    BenchResult result;
    Comparison& timed = result.comparisons.emplaceBack();
    timed.programLabel = QStringLiteral("rename run by metadata (%a - %t)");
    timed.baselineLabel = QStringLiteral("pdfinfo, pdfinfo -meta, read and copy, per file");
    timed.targetRatio = kTarget;
    bestOfRounds(
        setup.rounds, timed.programSeconds, timed.baselineSeconds,
        [&] {
            HeadlessDialogs dialogs;
            return timeRenameRun(window, dialogs, setup.scratchFolder);
        },
        [&] { return timePlainInfoAndCopy(pdfinfo, setup.pdfs, setup.scratchFolder); });
    return result;
}

const MeasurementRegistration registration("--metadata", "rename by metadata", &measureMetadata,
                                           RunOrder::Metadata);

} // namespace

} // namespace corvander
