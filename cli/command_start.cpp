#include "cli/command_start.h"

#include "cli/terminal_progress.h"
#include "cli/worker_program.h"
#include "common/error_report.h"
#include "naming/metadata_name.h"

namespace corvander {

std::optional<CommandStart> prepareCommand(const RenameSettings& settings) {
    CommandStart start;
    if (settings.common.passwordFile)
        start.password = readPasswordFile(*settings.common.passwordFile);
    start.program = workerProgram();
    if (const QString problem = workerProblem(start.program); !problem.isEmpty()) {
        tellError(nullptr, problem);
        return std::nullopt;
    }
    // A part that names no field leaves every name without it: said once, before any file.
    if (settings.metadata)
        if (const QString problem = formatProblem(settings.format); !problem.isEmpty())
            tellError(nullptr, problem);
    return start;
}

} // namespace corvander
