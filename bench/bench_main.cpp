// Times the program's extraction work against plain runs of the extractors.
//
//   corvander_bench [--files N] [--rounds R] [--check] [--content] [--metadata]
//
// With no measurement named, --check runs. Each measurement prints its two times and, last, the
// ratio (a)/(b).
#include "bench/bench_files.h"
#include "bench/measurement.h"
#include "common/error_report.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>

namespace {

QList<Measurement>& measurements() {
    static QList<Measurement> list;
    return list;
}

int usage(QTextStream& err) {
    err << "usage: corvander_bench [--files N] [--rounds R]";
    for (const Measurement& m : measurements())
        err << " [" << m.option << ']';
    err << '\n';
    return 2;
}

} // namespace

MeasurementRegistration::MeasurementRegistration(const char* option, const char* title,
                                                 MeasureFunction measure) {
    measurements().append({QString::fromLatin1(option), QString::fromLatin1(title), measure});
}

const QList<Measurement>& registeredMeasurements() {
    return measurements();
}

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    int fileCount = 200;
    int rounds = 3;
    QList<Measurement> chosen;
    const QStringList arguments = app.arguments().mid(1);
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        bool ok = true;
        if (argument == QStringLiteral("--files") && i + 1 < arguments.size()) {
            fileCount = arguments[++i].toInt(&ok);
            ok = ok && fileCount > 0;
        } else if (argument == QStringLiteral("--rounds") && i + 1 < arguments.size()) {
            rounds = arguments[++i].toInt(&ok);
            ok = ok && rounds > 0;
        } else {
            ok = false;
            for (const Measurement& m : registeredMeasurements()) {
                if (m.option == argument) {
                    chosen.append(m);
                    ok = true;
                }
            }
        }
        if (!ok)
            return usage(err);
    }
    if (chosen.isEmpty()) {
        for (const Measurement& m : registeredMeasurements())
            if (m.option == QStringLiteral("--check"))
                chosen.append(m);
    }

    QTemporaryDir home;
    const QString pdfFolder = home.filePath(QStringLiteral("pdfs"));
    QDir().mkpath(pdfFolder);
    BenchSetup setup;
    setup.rounds = rounds;
    setup.pdfs = makeBenchPdfs(pdfFolder, fileCount);
    if (setup.pdfs.size() != fileCount) {
        err << "could not write the PDF files into " << pdfFolder << '\n';
        return 1;
    }
    out << fileCount << " PDF files of 1 to 3 pages, best of " << rounds << " rounds\n";

    for (qsizetype i = 0; i < chosen.size(); ++i) {
        setup.scratchFolder = home.filePath(QStringLiteral("scratch%1").arg(i));
        QDir().mkpath(setup.scratchFolder);
        BenchResult result;
        try {
            result = chosen[i].measure(setup);
        } catch (const AppError& error) {
            err << chosen[i].title << ": " << error.description() << '\n';
            return 1;
        }
        out << "\n" << chosen[i].title << ":\n";
        out << QStringLiteral("(a) %1: %2 s\n")
                   .arg(result.programLabel)
                   .arg(result.programSeconds, 0, 'f', 3);
        out << QStringLiteral("(b) %1: %2 s\n")
                   .arg(result.baselineLabel)
                   .arg(result.baselineSeconds, 0, 'f', 3);
        out << QStringLiteral("ratio (a)/(b): %1\n")
                   .arg(result.programSeconds / result.baselineSeconds, 0, 'f', 3);
        out.flush();
    }
    return 0;
}
