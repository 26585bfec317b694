#pragma once

#include "cli/arguments.h"

namespace corvander {

// `corvander rename`: copies the listed files into the results folder exactly as the window's
// rename run would, one output line per file. Returns the exit status. Raises a UsageError.
int runRenameCommand(const CommandArguments& arguments);

// `corvander check`: the window's readability check, one output line per file.
int runCheckCommand(const CommandArguments& arguments);

// `corvander undo [JOURNAL]`: the window's "Undo Last Run" for the newest run journal that can be
// undone, or for the given one; one output line per copy the run made. Raises a UsageError.
int runUndoCommand(const CommandArguments& arguments);

// `corvander watch`: names every file in the inbox folders, then every one that arrives, into the
// results folder, skipping what is already copied there; runs until SIGINT or SIGTERM.
int runWatchCommand(const CommandArguments& arguments);
// `corvander learn FILE=NAME...`: the template that names each FILE as NAME, one output line per
// example. Returns the exit status. Raises a UsageError.
int runLearnCommand(const CommandArguments& arguments);

} // namespace corvander
