#include "extract/worker/text_reader.h"

#include "extract/worker/extract_protocol.h"
#include "extract/worker/ocr_text.h"
#include "extract/worker/page_ocr.h"
#include "extract/worker/page_words.h"
#include "extract/worker/pdf_library.h"

#include <poppler/PDFDoc.h>
#include <poppler/TextOutputDev.h>

namespace corvander::worker {

namespace {

struct TextSink {
    std::string text;
    std::size_t maxBytes = 0;
    bool overflowed = false;
};

void collect(void* stream, const char* text, int length) {
    auto* sink = static_cast<TextSink*>(stream);
    if (sink->overflowed || length <= 0)
        return;
    const auto count = static_cast<std::size_t>(length);
    if (sink->text.size() + count > sink->maxBytes) {
        // Stop growing now rather than after the whole document has been laid out in memory.
        sink->overflowed = true;
        sink->text = std::string();
        return;
    }
    sink->text.append(text, count);
}

// Puts the OCR'd text in place of what the page gave from position start on.
void replacePage(TextSink& sink, std::size_t start, const std::string& pageText) {
    if (start + pageText.size() > sink.maxBytes) {
        sink.overflowed = true;
        sink.text = std::string();
        return;
    }
    sink.text.resize(start);
    sink.text += pageText;
}

// Reads the page by OCR when its text, from position start on, has no words.
void readWordlessPage(PDFDoc& doc, int page, const OcrOptions& options, TextSink& sink,
                      std::size_t start, Answer& answer) {
    if (!answer.error.empty() || protocol::pageHasWords(std::string_view(sink.text).substr(start)))
        return;
    const PageOcr ocr = readPageByOcr(doc, page, options);
    switch (ocr.outcome) {
    case PageOcr::Outcome::LanguagesMissing:
        // Once for the request: the languages will not appear between two pages.
        answer.error = "OCR languages not installed:";
        for (const std::string& name : ocr.missingLanguages)
            answer.error += " \"" + name + "\"";
        return;
    case PageOcr::Outcome::TimedOut:
        answer.ocrTimedOut.push_back(page);
        return;
    case PageOcr::Outcome::Read:
        answer.ocrPages.push_back(page);
        if (!ocr.text.empty())
            replacePage(sink, start, ocr.text);
        return;
    }
}

} // namespace

Answer readText(const TextRequest& request) {
    Answer answer;
    const std::unique_ptr<PDFDoc> doc = openDocument(request.path, request.password);
    if (!openedFor(*doc, answer))
        return answer;
    const int pages = doc->getNumPages();
    answer.pageCount = pages;

    // pdftotext's reading of -f and -l: a first page below 1 is 1, a last page that is missing
    // or past the end is the last page, and a range that ends before it starts is refused.
    int first = request.lastPageOnly ? pages : request.firstPage;
    int last = request.lastPageOnly ? pages : request.lastPage;
    if (first < 1)
        first = 1;
    if (last < 1 || last > pages)
        last = pages;
    if (last < first) {
        answer.status = protocol::kStatusBadPageRange;
        answer.error = "the first page (" + std::to_string(first) +
                       ") comes after the last page (" + std::to_string(last) + ")";
        return answer;
    }

    TextSink sink;
    sink.maxBytes = request.maxTextBytes;
    TextOutputDev output(&collect, &sink, false, 0, false, false);
    if (!output.isOk()) {
        answer.status = protocol::kStatusOtherError;
        answer.error = "the text output could not be set up";
        return answer;
    }
    output.setTextEOL(eolDOS);
    answer.ocrAsked = request.ocr.enabled;
    // Page by page, as the library's own loop over a range does, so that each page's text can be
    // looked at as it is written.
    for (int page = first; page <= last && !sink.overflowed; ++page) {
        const std::size_t start = sink.text.size();
        doc->displayPage(&output, page, 72, 72, 0, true, false, false);
        if (request.ocr.enabled && !sink.overflowed)
            readWordlessPage(*doc, page, request.ocr, sink, start, answer);
    }
    if (sink.overflowed) {
        answer.status = protocol::kStatusOtherError;
        answer.error = "the text is too long to send";
        return answer;
    }
    answer.status = protocol::kStatusDone;
    answer.text = std::move(sink.text);
    return answer;
}

} // namespace corvander::worker
