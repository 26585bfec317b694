#include "worker/ocr_text.h"

#include <vector>

namespace corvander::worker {

namespace {

// One line with every run of blanks and control characters made a single blank, none at the
// ends: a doubled blank would make an empty word.
std::string tidyLine(std::string_view line) {
    std::string tidy;
    bool blankPending = false;
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= ' ' || byte == 0x7F) {
            blankPending = !tidy.empty();
            continue;
        }
        if (blankPending)
            tidy += ' ';
        blankPending = false;
        tidy += c;
    }
    return tidy;
}

} // namespace

std::string pageTextOf(std::string_view recognised) {
    std::vector<std::string> lines;
    bool paragraphEnded = false;
    while (!recognised.empty()) {
        const std::size_t end = recognised.find('\n');
        std::string line = tidyLine(recognised.substr(0, end));
        recognised.remove_prefix(end == std::string_view::npos ? recognised.size() : end + 1);
        if (line.empty()) {
            paragraphEnded = !lines.empty();
            continue;
        }
        if (paragraphEnded)
            lines.emplace_back();
        paragraphEnded = false;
        lines.push_back(std::move(line));
    }
    if (lines.empty())
        return {};
    std::string page;
    for (const std::string& line : lines)
        page += line + "\r\n";
    page += "\r\n\f";
    return page;
}

} // namespace corvander::worker
