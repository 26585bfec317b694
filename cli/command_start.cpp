#include "cli/command_start.h"

#include "cli/terminal_progress.h"
#include "cli/worker_program.h"
#include "common/error_report.h"

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
    return start;
}

} // namespace corvander
