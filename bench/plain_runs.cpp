#include "bench/plain_runs.h"

#include <QProcess>
#include <limits>

double timePlainRuns(const QString& program, const QList<QStringList>& argumentLists) {
    return timeSeconds([&] {
        for (const QStringList& arguments : argumentLists) {
            QProcess process;
            process.setStandardInputFile(QProcess::nullDevice());
            process.setStandardOutputFile(QProcess::nullDevice());
            process.setStandardErrorFile(QProcess::nullDevice());
            process.start(program, arguments);
            process.waitForFinished(-1);
        }
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
