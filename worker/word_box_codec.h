#pragma once

// The WordBoxes field of a "text" answer (see extract_protocol.h): written by the worker,
// read by the program, in plain C++ so that both sides share one reading of it.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace corvander::protocol {

// Writes the pages one after the other, never past the budget.
class WordBoxWriter {
public:
    explicit WordBoxWriter(std::size_t budget);

    // Begins a page; its words follow, then endPage(). A page whose words would pass the
    // budget is written without them, as omitted.
    void startPage(int page, double width, double height);
    void addWord(std::string_view text, double xMin, double yMin, double xMax, double yMax);
    void endPage();

    const std::string& bytes() const { return m_bytes; }
    std::string take() { return std::move(m_bytes); }

private:
    std::size_t m_budget;
    std::string m_bytes;
    std::string m_header;
    std::string m_words;
    long long m_count = 0;
    bool m_overflowed = false;
};

struct WordBoxRecord {
    std::string text;
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
};

struct PageBoxRecord {
    int page = 0;
    double width = 0, height = 0;
    // Its words did not fit into the answer; words is then empty.
    bool omitted = false;
    std::vector<WordBoxRecord> words;
};

// The pages of a WordBoxes field; nullopt when the bytes are not such a field.
std::optional<std::vector<PageBoxRecord>> readWordBoxes(std::string_view bytes);

// Decimal numbers apart by blanks ("36 0 540 720"), each as short as it can be and still read
// back exactly; and back, nullopt for anything else.
std::string numbersText(const std::vector<double>& numbers);
std::optional<std::vector<double>> readNumbers(std::string_view text);

// A WordPages value: the numbers, in the order given; nullopt for anything but decimal numbers
// apart by commas (an empty value is no pages).
std::optional<std::vector<int>> readPageList(std::string_view text);

} // namespace corvander::protocol
