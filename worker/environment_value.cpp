#include "worker/environment_value.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace corvander::worker {

namespace {

// The value as it was given, but with every byte that could act on a terminal written as \xHH.
std::string printable(const char* value) {
    std::string text;
    for (const char* byte = value; *byte != '\0'; ++byte) {
        const auto code = static_cast<unsigned char>(*byte);
        if (code < 0x20 || code >= 0x7f) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", code);
            text += escaped;
        } else {
            text += *byte;
        }
    }
    return text;
}

// As the program reads the same variables: blanks around the number and a plus sign before it
// are allowed.
bool isBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

} // namespace

std::uint64_t wholeNumberFromEnvironment(const char* name, WholeRange range, std::uint64_t fallback,
                                         const char* program) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0')
        return fallback;
    const char* begin = value;
    const char* end = value + std::strlen(value);
    while (begin < end && isBlank(*begin))
        ++begin;
    while (end > begin && isBlank(end[-1]))
        --end;
    if (begin < end && *begin == '+')
        ++begin;
    std::uint64_t number = 0;
    const auto [stop, error] = std::from_chars(begin, end, number);
    if (error == std::errc() && stop == end && begin < end && number >= range.least &&
        number <= range.most)
        return number;
    std::fprintf(
        stderr,
        "%s: %s is \"%s\", not a whole number from %llu to %llu; the default %llu is "
        "used\n",
        program, name, printable(value).c_str(), static_cast<unsigned long long>(range.least),
        static_cast<unsigned long long>(range.most), static_cast<unsigned long long>(fallback));
    return fallback;
}

} // namespace corvander::worker
