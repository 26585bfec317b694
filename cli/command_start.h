#pragma once

#include "cli/command_settings.h"

#include <QString>
#include <optional>

namespace corvander {

// What a rename or a watch needs before it starts.
struct CommandStart {
    QString password;
    QString program; // the worker program
};

// The password read and the worker program checked; nothing, having said why on standard error,
// when the command cannot start. The request is checked once its files are known.
std::optional<CommandStart> prepareCommand(const RenameSettings& settings);

} // namespace corvander
