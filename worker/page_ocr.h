#pragma once

// One wordless page read by OCR: drawn, recognised, and laid out as a page's text.

#include "worker/text_reader.h"

#include <string>
#include <vector>

class PDFDoc;

namespace corvander::worker {

struct PageOcr {
    enum class Outcome { Read, TimedOut, LanguagesMissing };
    Outcome outcome = Outcome::Read;
    // Read: the page's text, empty when OCR found no words.
    std::string text;
    // LanguagesMissing: which ones.
    std::vector<std::string> missingLanguages;
};

PageOcr readPageByOcr(PDFDoc& doc, int page, const OcrOptions& options);

} // namespace corvander::worker
