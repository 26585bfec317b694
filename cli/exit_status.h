#pragma once

namespace corvander {

// What the commands tell the script that started them.
enum ExitStatus {
    kExitAllDone = 0,     // every file copied (would be, readable)
    kExitSomeNotDone = 1, // some file skipped, failed or unreadable
    kExitUsage = 2,       // the command line cannot be carried out as typed
    kExitCannotStart = 3, // no results folder, no extraction worker
    // Standard output's reader went away (`corvander check ... | head`): the status a process
    // killed by SIGPIPE leaves, as the shell's own tools end then, without a word.
    kExitReaderGone = 141,
};

} // namespace corvander
