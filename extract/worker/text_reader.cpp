#include "extract/worker/text_reader.h"

#include "extract/worker/extract_protocol.h"
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

} // namespace

Answer readText(const TextRequest& request) {
    Answer answer;
    const std::unique_ptr<PDFDoc> doc = openDocument(request.path, request.password);
    if (!doc->isOk()) {
        answer.status = protocol::kStatusCannotOpen;
        answer.error = openFailure(*doc);
        answer.needsPassword = needsPassword(*doc);
        return answer;
    }
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
    doc->displayPages(&output, first, last, 72, 72, 0, true, false, false);
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
