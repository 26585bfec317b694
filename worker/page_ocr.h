#pragma once

// One wordless page read by OCR: drawn, recognised, and laid out as a page's text.

#include "worker/ocr_engine.h"
#include "worker/text_reader.h"

#include <string>
#include <vector>

class PDFDoc;

namespace corvander::worker {

struct PageOcr {
    enum class Outcome { Read, TimedOut, LanguagesMissing, Unavailable };
    Outcome outcome = Outcome::Read;
    // Read: the page's text, empty when OCR found no words.
    std::string text;
    // LanguagesMissing: which ones.
    std::vector<std::string> missingLanguages;
    // Read, when asked for: the words in reading order, their boxes in pixels of the page
    // (crop box, turned by its /Rotate) drawn at dotsPerInch.
    std::vector<OcrEngine::Word> words;
    double dotsPerInch = 0;
};

PageOcr readPageByOcr(PDFDoc& doc, int page, const OcrOptions& options, bool withWords = false);

// The same for a request, whose answer notes the outcome: the page among those OCR read or those
// it ran out of time on, or the missing languages or a library that would not load, once; after
// that no page of the request is read by OCR (the outcome is then LanguagesMissing with no
// languages named).
PageOcr readPageByOcr(PDFDoc& doc, int page, const OcrOptions& options, bool withWords,
                      Answer& answer);

} // namespace corvander::worker
