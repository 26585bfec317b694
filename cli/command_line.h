#pragma once

#include <QString>

namespace corvander {

// True when the arguments ask for a command rather than the window: the first one is "rename",
// "check", "undo" or "learn".
bool isCommandLine(int argc, char* argv[]);

// Runs `corvander rename`, `check`, `undo` or `learn` without a display and returns
// the exit status.
int runCommandLine(int argc, char* argv[]);

// The commands, for the program's own --help.
QString commandsHelp();

} // namespace corvander
