#pragma once

namespace corvander {

// What `corvander rename --help`, `corvander check --help` and `corvander undo --help` print.
const char* renameHelp();
const char* checkHelp();
const char* undoHelp();
const char* watchHelp();
// What `corvander learn --help` prints.
const char* learnHelp();

} // namespace corvander
