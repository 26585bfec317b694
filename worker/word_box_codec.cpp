#include "worker/word_box_codec.h"

#include <charconv>
#include <climits>
#include <system_error>

namespace corvander::protocol {

namespace {

// The shortest decimal that reads back as the same double.
void appendNumber(std::string& out, double value) {
    char text[32];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value);
    out.append(text, error == std::errc() ? end : text);
}

void appendNumber(std::string& out, long long value) {
    char text[24];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value);
    out.append(text, error == std::errc() ? end : text);
}

// Reads the text up to the next blank or line feed as a number and steps past that separator.
class Cursor {
public:
    explicit Cursor(std::string_view bytes) : m_rest(bytes) {}

    bool atEnd() const { return m_rest.empty(); }

    template <typename Number> bool number(Number& value, char separator) {
        const std::size_t end = m_rest.find(separator);
        if (end == std::string_view::npos || end == 0)
            return false;
        const char* first = m_rest.data();
        const auto [stop, error] = std::from_chars(first, first + end, value);
        if (error != std::errc() || stop != first + end)
            return false;
        m_rest.remove_prefix(end + 1);
        return true;
    }

    bool bytes(std::size_t length, std::string& value) {
        if (m_rest.size() < length + 1 || m_rest[length] != '\n')
            return false;
        value.assign(m_rest.substr(0, length));
        m_rest.remove_prefix(length + 1);
        return true;
    }

private:
    std::string_view m_rest;
};

} // namespace

WordBoxWriter::WordBoxWriter(std::size_t budget) : m_budget(budget) {}

void WordBoxWriter::startPage(int page, double width, double height) {
    m_header.clear();
    m_words.clear();
    m_count = 0;
    m_overflowed = false;
    appendNumber(m_header, static_cast<long long>(page));
    m_header += ' ';
    appendNumber(m_header, width);
    m_header += ' ';
    appendNumber(m_header, height);
    m_header += ' ';
}

void WordBoxWriter::addWord(std::string_view text, double xMin, double yMin, double xMax,
                            double yMax) {
    if (m_overflowed)
        return;
    for (const double value : {xMin, yMin, xMax, yMax}) {
        appendNumber(m_words, value);
        m_words += ' ';
    }
    appendNumber(m_words, static_cast<long long>(text.size()));
    m_words += ' ';
    m_words.append(text);
    m_words += '\n';
    ++m_count;
    // The page's words go as soon as they cannot fit, so that a page of a million words never
    // takes more memory here than the budget.
    if (m_bytes.size() + m_header.size() + m_words.size() > m_budget) {
        m_overflowed = true;
        m_words = std::string();
    }
}

void WordBoxWriter::endPage() {
    m_bytes += m_header;
    if (m_overflowed) {
        m_bytes += "-1\n";
    } else {
        appendNumber(m_bytes, m_count);
        m_bytes += '\n';
        m_bytes += m_words;
    }
    m_header.clear();
    m_words = std::string();
}

std::optional<std::vector<PageBoxRecord>> readWordBoxes(std::string_view bytes) {
    std::vector<PageBoxRecord> pages;
    Cursor cursor(bytes);
    while (!cursor.atEnd()) {
        PageBoxRecord page;
        long long count = 0;
        if (!cursor.number(page.page, ' ') || !cursor.number(page.width, ' ') ||
            !cursor.number(page.height, ' ') || !cursor.number(count, '\n') || count < -1)
            return std::nullopt;
        page.omitted = count < 0;
        for (long long i = 0; i < count; ++i) {
            WordBoxRecord word;
            std::size_t length = 0;
            if (!cursor.number(word.xMin, ' ') || !cursor.number(word.yMin, ' ') ||
                !cursor.number(word.xMax, ' ') || !cursor.number(word.yMax, ' ') ||
                !cursor.number(length, ' ') || !cursor.bytes(length, word.text))
                return std::nullopt;
            page.words.push_back(std::move(word));
        }
        pages.push_back(std::move(page));
    }
    return pages;
}

std::string numbersText(const std::vector<double>& numbers) {
    std::string text;
    for (const double number : numbers) {
        if (!text.empty())
            text += ' ';
        appendNumber(text, number);
    }
    return text;
}

std::optional<std::vector<double>> readNumbers(std::string_view text) {
    std::vector<double> numbers;
    while (!text.empty()) {
        const std::size_t blank = text.find(' ');
        const std::string_view item = text.substr(0, blank);
        double number = 0;
        const auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), number);
        if (item.empty() || error != std::errc() || end != item.data() + item.size())
            return std::nullopt;
        numbers.push_back(number);
        if (blank == std::string_view::npos)
            break;
        text.remove_prefix(blank + 1);
    }
    return numbers;
}

std::optional<std::vector<int>> readPageList(std::string_view text) {
    std::vector<int> pages;
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        int page = 0;
        const auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), page);
        if (item.empty() || error != std::errc() || end != item.data() + item.size())
            return std::nullopt;
        pages.push_back(page);
        if (comma == std::string_view::npos)
            break;
        text.remove_prefix(comma + 1);
        if (text.empty())
            return std::nullopt;
    }
    return pages;
}

} // namespace corvander::protocol
