#pragma once

#include "cli/command_settings.h"
#include "extract/extraction_pool.h"

#include <QString>

namespace corvander {

// The extraction worker, corvander-extract, beside this program.
QString workerProgram();

// Why the worker cannot be started as it stands; empty when it is there to run.
QString workerProblem(const QString& program);

// The pool's settings: the environment's, with --jobs workers when given.
PoolSettings poolSettingsFor(const CommonSettings& settings, const QString& program);

} // namespace corvander
