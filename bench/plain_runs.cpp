#include "bench/plain_runs.h"

#include "common/error_report.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <limits>

namespace corvander {

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

void copyUnderFirstWords(const QString& pdf, const QString& textFile, int words,
                         const QString& results) {
    QFile text(textFile);
    if (!text.open(QIODevice::ReadOnly))
        return;
    copyUnderName(
        pdf, QString::fromUtf8(text.readAll()).simplified().section(QLatin1Char(' '), 0, words - 1),
        results);
}

void copyUnderName(const QString& pdf, const QString& name, const QString& results) {
    QString target = results + QLatin1Char('/') + name + QStringLiteral(".pdf");
    while (QFile::exists(target))
        target.insert(target.size() - 4, QLatin1Char('!'));
    QFile::copy(pdf, target);
}

QString requireProgram(const QString& name) {
    const QString path = QStandardPaths::findExecutable(name);
    if (path.isEmpty())
        raiseError(name + QStringLiteral(" was not found on PATH (Debian package poppler-utils)"));
    return path;
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

} // namespace corvander
