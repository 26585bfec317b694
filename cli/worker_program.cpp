#include "cli/worker_program.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace corvander {

QString workerProgram() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/corvander-extract");
}

QString workerProblem(const QString& program) {
    const QFileInfo file(program);
    if (!file.exists())
        return QCoreApplication::translate(
                   "corvander::CommandLine",
                   "the extraction program \"corvander-extract\" was not found at %1; "
                   "please reinstall Corvander")
            .arg(program);
    if (!file.isFile() || !file.isExecutable())
        return QCoreApplication::translate(
                   "corvander::CommandLine",
                   "the extraction program %1 is not an executable file; please "
                   "reinstall Corvander")
            .arg(program);
    return {};
}

PoolSettings poolSettingsFor(const CommonSettings& settings, const QString& program) {
    PoolSettings pool = PoolSettings::fromEnvironment(program);
    if (settings.jobs)
        pool.workers = *settings.jobs;
    return pool;
}

} // namespace corvander
