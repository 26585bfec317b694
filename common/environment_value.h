#pragma once

#include <QtGlobal>

namespace corvander {

// Numbers the program takes from its environment. A variable that is not set, or set to nothing,
// gives the default without a word; any other value that is not a number of the range gives the
// default too, and one line on standard error names the variable, the value and the range.

// A whole number from least to most.
qint64 wholeNumberFromEnvironment(const char* name, qint64 least, qint64 most, qint64 fallback);

// Seconds from leastSeconds to mostSeconds, fractions allowed, as milliseconds (at least one).
qint64 millisecondsFromEnvironment(const char* name, double leastSeconds, double mostSeconds,
                                   qint64 fallbackMilliseconds);

} // namespace corvander
