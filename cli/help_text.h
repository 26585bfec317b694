#pragma once

#include <QString>

namespace corvander {

// What `corvander rename --help`, `corvander check --help` and `corvander undo --help` print.
QString renameHelp();
QString checkHelp();
QString undoHelp();
QString watchHelp();
// What `corvander learn --help` prints.
QString learnHelp();

} // namespace corvander
