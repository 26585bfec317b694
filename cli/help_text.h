#pragma once

namespace corvander {

// What `corvander rename --help` and `corvander check --help` print.
const char* renameHelp();
const char* checkHelp();

} // namespace corvander
