#pragma once

namespace corvander {

// What the commands tell the script that started them.
enum ExitStatus {
    kExitAllDone = 0,     // every file copied (would be, readable)
    kExitSomeNotDone = 1, // some file skipped, failed or unreadable
    kExitUsage = 2,       // the command line cannot be carried out as typed
    kExitCannotStart = 3, // no results folder, no extraction worker
};

} // namespace corvander
