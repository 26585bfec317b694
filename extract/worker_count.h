#pragma once

// The most extraction workers one pool runs. Each is a process with memory of its own; more than
// this only fight over the cores and the disk. The number is also a preprocessor word, so that
// the help texts can spell it and the build can write it into the manual page: one limit,
// stated alike everywhere.
#define CORVANDER_MOST_WORKERS 64
// The same number as a string literal: "64".
#define CORVANDER_MOST_WORKERS_TEXT CORVANDER_SPELT(CORVANDER_MOST_WORKERS)
#define CORVANDER_SPELT(number) CORVANDER_SPELT_DIGITS(number)
#define CORVANDER_SPELT_DIGITS(number) #number

namespace corvander {

inline constexpr int kMostWorkers = CORVANDER_MOST_WORKERS;

} // namespace corvander
