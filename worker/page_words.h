#pragma once

#include <string_view>

namespace corvander::protocol {

// Whether a page's text holds anything but blanks, line ends and form feeds: the worker reads a
// page by OCR only when it does not, and the program asks for such pages one by one.
bool pageHasWords(std::string_view text);

} // namespace corvander::protocol
