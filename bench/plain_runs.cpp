#include "bench/plain_runs.h"

#include <QDir>
#include <QProcess>
#include <limits>

void runPlainly(const QString& program, const QStringList& arguments, const QString& stdoutFile) {
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(stdoutFile.isEmpty() ? QProcess::nullDevice() : stdoutFile);
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, arguments);
    process.waitForFinished(-1);
}

QString emptyFolder(const QString& scratch, const QString& name) {
    const QString folder = scratch + QLatin1Char('/') + name;
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    return folder;
}

double timePlainRuns(const QString& program, const QList<QStringList>& argumentLists) {
    return timeSeconds([&] {
        for (const QStringList& arguments : argumentLists)
            runPlainly(program, arguments);
    });
}

void bestOfRounds(int rounds, double& programBest, double& baselineBest,
                  const std::function<double()>& program, const std::function<double()>& baseline) {
    programBest = std::numeric_limits<double>::infinity();
    baselineBest = std::numeric_limits<double>::infinity();
    for (int round = 0; round < rounds; ++round) {
        baselineBest = std::min(baselineBest, baseline());
        programBest = std::min(programBest, program());
    }
}
