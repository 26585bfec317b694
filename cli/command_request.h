#pragma once

#include "cli/command_settings.h"
#include "run/run_request.h"

#include <optional>

namespace corvander {

// The request of a rename or a watch: the command line's rule, its answers, the password read
// and the results folder made absolute (without its ending "/", as the journals name it), for
// these files.
RunRequest commandRequest(const RenameSettings& settings, const QString& password,
                          const QStringList& files = {});

// Whether a request without files is a problem: a watch starts with none.
enum class FilesNeeded { Yes, No };

// Tells every problem of a command's request on standard error, each in one line. The exit status
// when the command ends there: it cannot start without its results folder, and has nothing to do
// without files.
std::optional<int> tellProblems(const RenameSettings& settings, const RunRequest& request,
                                FilesNeeded files = FilesNeeded::Yes);

} // namespace corvander
