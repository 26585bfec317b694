#pragma once

// The "text" request: the pages' text exactly as `pdftotext -eol dos -f F -l L FILE OUT` writes
// it into OUT.

#include "naming/words/stop_rule.h"
#include "worker/answer.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace corvander::worker {

// Reading wordless pages by OCR.
struct OcrOptions {
    bool enabled = false;
    std::string languages = "eng";
    long long timeoutMs = 120000;
    // Called as a page's OCR starts, with its number.
    std::function<void(int)> pageStarts;
};

struct TextRequest {
    std::string path;
    std::optional<std::string> password;
    // As given to -f and -l; 0 or less means not given.
    int firstPage = 0;
    int lastPage = 0;
    // The last page alone, whatever firstPage and lastPage say.
    bool lastPageOnly = false;
    // How much of the text the answer needs; the reading stops once the rule has it.
    StopRule stop;
    // The reading also stops at the first page without words, leaving that page out.
    bool stopAtWordless = false;
    // Text the rule needs beyond this many bytes is not collected and the request fails instead.
    std::size_t maxTextBytes = 0;
    OcrOptions ocr;
    // The document information as well, as an "info" request gives it.
    bool withInfo = false;
    // The pages whose words and boxes the answer carries (negative: from the end), and how many
    // bytes they may take.
    std::vector<int> wordPages;
    std::size_t maxWordBoxBytes = 0;
};

Answer readText(const TextRequest& request);

} // namespace corvander::worker
