#pragma once

// Recognised text turned into a page's text, so that the word rules see an OCR'd page as they
// see any other.

#include <string>
#include <string_view>

namespace corvander::worker {

// Text as the OCR library gives it (lines ending in LF, paragraphs apart by an empty line) laid
// out as a page of the text answer: each line ending in CR LF, one empty line between paragraphs,
// and after the last line an empty line and a form feed. Blanks are single and never at a line's
// ends. Empty when the text has no words.
std::string pageTextOf(std::string_view recognised);

} // namespace corvander::worker
