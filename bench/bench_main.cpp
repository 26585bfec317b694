// Times the program's extraction work against the plain extractor runs it replaced, and measures
// its memory over a long list.
//
//   corvander_bench [--files N] [--rounds R] [--content] [--last-page] [--long-documents]
//                   [--metadata] [--template] [--learn] [--memory] [--check]
//
// With no measurement named, every one runs, the readability check last. A timed measurement
// prints its two times and, last, the ratio (a)/(b) against its target; one that compares
// several kinds of work prints each in turn. --files N sets how many PDFs the timed measurements
// share (200 unless given) and how many files the memory measurement gives the window (10,000
// unless given).
#include "bench/bench_files.h"
#include "bench/measurement.h"
#include "common/error_report.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cstdio>

namespace corvander {

namespace {

// The PDFs the timed measurements share, unless --files says otherwise.
constexpr int kSharedFiles = 200;

QList<Measurement>& measurements() {
    static QList<Measurement> list;
    return list;
}

int usage(QTextStream& err) {
    err << "usage: corvander_bench [--files N] [--rounds R]";
    for (const Measurement& m : registeredMeasurements())
        err << " [" << m.option << ']';
    err << '\n';
    return 2;
}

void print(QTextStream& out, const QString& title, const BenchResult& result) {
    out << "\n" << title << ":\n";
    for (const QString& line : result.lines)
        out << line << '\n';
    for (const Comparison& comparison : result.comparisons) {
        const double ratio = comparison.programSeconds / comparison.baselineSeconds;
        out << QStringLiteral("(a) %1: %2 s\n")
                   .arg(comparison.programLabel)
                   .arg(comparison.programSeconds, 0, 'f', 3);
        out << QStringLiteral("(b) %1: %2 s\n")
                   .arg(comparison.baselineLabel)
                   .arg(comparison.baselineSeconds, 0, 'f', 3);
        out << QStringLiteral("ratio (a)/(b): %1, target %2 or less: %3\n")
                   .arg(ratio, 0, 'f', 3)
                   .arg(comparison.targetRatio, 0, 'f', 2)
                   .arg(verdict(ratio <= comparison.targetRatio));
    }
    out.flush();
}

} // namespace

MeasurementRegistration::MeasurementRegistration(const char* option, const char* title,
                                                 MeasureFunction measure, RunOrder order,
                                                 bool onlyWhenNamed, Files files) {
    measurements().append({QString::fromLatin1(option), QString::fromLatin1(title), measure, order,
                           onlyWhenNamed, files});
}

QList<Measurement> registeredMeasurements() {
    // The files register in whatever order the linker chose.
    QList<Measurement> list = measurements();
    std::sort(list.begin(), list.end(),
              [](const Measurement& a, const Measurement& b) { return a.order < b.order; });
    return list;
}

QString verdict(bool withinTarget) {
    return withinTarget ? QStringLiteral("within target") : QStringLiteral("OVER TARGET");
}

} // namespace corvander

int main(int argc, char* argv[]) {
    using namespace corvander;
    QTemporaryDir home;
    if (!home.isValid()) {
        std::fputs("could not make a temporary folder\n", stderr);
        return 1;
    }
    // Whatever the window saves goes into a settings file of the bench's own, never the user's,
    // and Qt's runtime folder, when none is set, is a private one that goes with the bench.
    const QString configFolder = home.filePath(QStringLiteral("config"));
    QDir().mkpath(configFolder);
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configFolder));
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(home.path()));
    // The memory measurement runs the real window; nobody needs to see it.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    int fileCount = 0;
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
            const QList<Measurement> all = registeredMeasurements();
            const auto named = std::find_if(
                all.begin(), all.end(), [&](const Measurement& m) { return m.option == argument; });
            ok = named != all.end();
            if (ok && std::none_of(chosen.begin(), chosen.end(),
                                   [&](const Measurement& m) { return m.option == argument; }))
                chosen.append(*named);
        }
        if (!ok)
            return usage(err);
    }
    if (chosen.isEmpty()) {
        for (const Measurement& m : registeredMeasurements())
            if (!m.onlyWhenNamed)
                chosen.append(m);
    }
    std::sort(chosen.begin(), chosen.end(),
              [](const Measurement& a, const Measurement& b) { return a.order < b.order; });

    BenchSetup setup;
    setup.rounds = rounds;
    setup.givenFiles = fileCount;
    // The shared files are written only for the measurements that work on them.
    if (std::any_of(chosen.begin(), chosen.end(),
                    [](const Measurement& m) { return m.files == Files::Shared; })) {
        const int sharedCount = fileCount > 0 ? fileCount : kSharedFiles;
        const QString pdfFolder = home.filePath(QStringLiteral("pdfs"));
        QDir().mkpath(pdfFolder);
        setup.pdfs = makeBenchPdfs(pdfFolder, sharedCount);
        if (setup.pdfs.size() != sharedCount) {
            err << "could not write the PDF files into " << pdfFolder << '\n';
            return 1;
        }
        out << sharedCount << " PDF files of 1 to 3 pages, best of " << rounds << " rounds\n";
    }

    for (qsizetype i = 0; i < chosen.size(); ++i) {
        setup.scratchFolder = home.filePath(QStringLiteral("scratch%1").arg(i));
        QDir().mkpath(setup.scratchFolder);
        try {
            print(out, chosen[i].title, chosen[i].measure(setup));
        } catch (const AppError& error) {
            err << chosen[i].title << ": " << error.description() << '\n';
            return 1;
        }
        // What a measurement wrote is not left for the next one's file cache or disk.
        QDir(setup.scratchFolder).removeRecursively();
    }
    return 0;
}
