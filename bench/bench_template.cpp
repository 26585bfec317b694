// (a) a rename run by template (a labelled value, a date, the title) through the program's own
// run code, against (b) the plain tools a user would script for it: pdftotext -eol dos and
// pdfinfo on each file, the values read from their output and the file copied under them.
#include "bench/headless_window.h"
#include "bench/measurement.h"
#include "bench/plain_runs.h"
#include "bench/program_runs.h"

#include <QFile>

namespace corvander {

namespace {

constexpr double kTarget = 0.10;

// The word after "number", the creation date and the title, as the template below names them.
QString plainName(const QByteArray& text, const QByteArray& info) {
    QString after = QStringLiteral("none");
    const QList<QByteArray> words = text.simplified().split(' ');
    const qsizetype at = words.indexOf("number");
    if (at >= 0 && at + 1 < words.size())
        after = QString::fromUtf8(words.at(at + 1));
    QString title;
    QString created;
    for (const QByteArray& line : info.split('\n')) {
        if (line.startsWith("Title:"))
            title = QString::fromUtf8(line.mid(6)).trimmed();
        if (line.startsWith("CreationDate:"))
            created = QString::fromUtf8(line.mid(13)).trimmed();
    }
    return after + QLatin1Char(' ') + created.left(10) + QLatin1Char(' ') + title;
}

double timePlainTextInfoAndCopy(const QString& pdftotext, const QString& pdfinfo,
                                const QStringList& pdfs, const QString& scratch) {
    const QString results = emptyFolder(scratch, QStringLiteral("plain-results"));
    const QString work = emptyFolder(scratch, QStringLiteral("plain-work"));
    const QString textOutput = work + QStringLiteral("/out.txt");
    const QString infoOutput = work + QStringLiteral("/info.txt");
    return timeSeconds([&] {
        for (const QString& pdf : pdfs) {
            runPlainly(pdftotext, {QStringLiteral("-eol"), QStringLiteral("dos"),
                                   QStringLiteral("--"), pdf, textOutput});
            runPlainly(pdfinfo, {QStringLiteral("--"), pdf}, infoOutput);
            QFile text(textOutput);
            QFile info(infoOutput);
            if (!text.open(QIODevice::ReadOnly) || !info.open(QIODevice::ReadOnly))
                continue;
            copyUnderName(pdf, plainName(text.readAll(), info.readAll()), results);
        }
    });
}

BenchResult measureTemplate(const BenchSetup& setup) {
    const QString pdftotext = requireProgram(QStringLiteral("pdftotext"));
    const QString pdfinfo = requireProgram(QStringLiteral("pdfinfo"));
    HeadlessWindow window;
    for (const QString& pdf : setup.pdfs)
        window.appendEntry(pdf);
    window.byTemplate = true;
    window.templates = {QStringLiteral("{after \"number\" 1|\"none\"} {date|created} {title}")};

    BenchResult result;
    Comparison& timed = result.comparisons.emplaceBack();
    timed.programLabel =
        QStringLiteral("rename run by template (%1)").arg(window.templates.first());
    timed.baselineLabel = QStringLiteral("pdftotext -eol dos, pdfinfo, read and copy, per file");
    timed.targetRatio = kTarget;
    bestOfRounds(
        setup.rounds, timed.programSeconds, timed.baselineSeconds,
        [&] {
            HeadlessDialogs dialogs;
            return timeRenameRun(window, dialogs, setup.scratchFolder);
        },
        [&] {
            return timePlainTextInfoAndCopy(pdftotext, pdfinfo, setup.pdfs, setup.scratchFolder);
        });
    return result;
}

const MeasurementRegistration registration("--template", "rename by template", &measureTemplate,
                                           RunOrder::Template);

} // namespace

} // namespace corvander
