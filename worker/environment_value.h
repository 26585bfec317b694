#pragma once

#include <cstdint>

namespace corvander::worker {

// The whole numbers from least to most.
struct WholeRange {
    std::uint64_t least;
    std::uint64_t most;
};

// A whole number of the range from the environment. A variable that is not set, or set to
// nothing, gives the default without a word; any other value that is not a number of the range
// gives the default too, and one line on standard error, starting with the program's name, names
// the variable, the value and the range.
std::uint64_t wholeNumberFromEnvironment(const char* name, WholeRange range, std::uint64_t fallback,
                                         const char* program = "corvander-extract");

} // namespace corvander::worker
