#include "worker/text_reader.h"

#include "naming/words/text_gatherer.h"
#include "worker/extract_protocol.h"
#include "worker/ocr_text.h"
#include "worker/page_ocr.h"
#include "worker/page_words.h"
#include "worker/pdf_library.h"

#include <poppler/PDFDoc.h>
#include <poppler/TextOutputDev.h>

namespace corvander::worker {

namespace {

// The text of the page being laid out.
struct PageSink {
    std::string text;
    std::size_t maxBytes = 0;
    bool overflowed = false;
};

void collect(void* stream, const char* text, int length) {
    auto* sink = static_cast<PageSink*>(stream);
    if (sink->overflowed || length <= 0)
        return;
    const auto count = static_cast<std::size_t>(length);
    if (sink->text.size() + count > sink->maxBytes) {
        // Stop growing now rather than after the whole page has been laid out in memory.
        sink->overflowed = true;
        sink->text = std::string();
        return;
    }
    sink->text.append(text, count);
}

// Reads the page by OCR when its text has no words, and puts what OCR read in its place.
void readWordlessPage(PDFDoc& doc, int page, const OcrOptions& options, PageSink& sink,
                      Answer& answer) {
    if (!answer.error.empty() || protocol::pageHasWords(sink.text))
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
        if (ocr.text.empty())
            return;
        if (ocr.text.size() > sink.maxBytes) {
            sink.overflowed = true;
            sink.text = std::string();
            return;
        }
        sink.text = ocr.text;
        return;
    }
}

Answer tooLong(Answer answer) {
    answer.status = protocol::kStatusOtherError;
    answer.error = "the text is too long to send";
    return answer;
}

} // namespace

Answer readText(const TextRequest& request) {
    Answer answer;
    const OpenedDocument doc = openDocument(request.path, request.password);
    answer.file = doc.stamp;
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

    PageSink sink;
    sink.maxBytes = request.maxTextBytes;
    TextOutputDev output(&collect, &sink, false, 0, false, false);
    if (!output.isOk()) {
        answer.status = protocol::kStatusOtherError;
        answer.error = "the text output could not be set up";
        return answer;
    }
    output.setTextEOL(eolDOS);
    answer.ocrAsked = request.ocr.enabled;
    TextGatherer gatherer(request.stop, qsizetype(request.maxTextBytes));
    // Page by page, as the library's own loop over a range does, so that each page's text can be
    // looked at as it is written, and the reading can stop at the page that completes the rule.
    for (int page = first; page <= last; ++page) {
        sink.text.clear();
        doc->displayPage(&output, page, 72, 72, 0, true, false, false);
        ++answer.pagesRead;
        if (request.ocr.enabled && !sink.overflowed)
            readWordlessPage(*doc, page, request.ocr, sink, answer);
        if (sink.overflowed)
            return tooLong(std::move(answer));
        if (request.stopAtWordless && !protocol::pageHasWords(sink.text)) {
            answer.wordlessPage = page;
            break;
        }
        gatherer.add(QByteArray::fromStdString(sink.text));
        if (gatherer.overflowed())
            return tooLong(std::move(answer));
        if (gatherer.satisfied())
            break;
    }
    answer.status = protocol::kStatusDone;
    // Stopped at a page without words, the reading is not over: the program goes on from what
    // was kept, as it was kept.
    const QByteArray text = answer.wordlessPage ? gatherer.keptText() : gatherer.answerText();
    answer.textOffset =
        answer.wordlessPage ? gatherer.charactersBefore() : gatherer.answerCharactersBefore();
    answer.wordOffset = answer.wordlessPage ? gatherer.wordsBefore() : gatherer.answerWordsBefore();
    answer.text = text.toStdString();
    return answer;
}

} // namespace corvander::worker
