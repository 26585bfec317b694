#include "worker/text_reader.h"

#include "naming/words/text_gatherer.h"
#include "worker/extract_protocol.h"
#include "worker/info_printer.h"
#include "worker/page_ocr.h"
#include "worker/page_words.h"
#include "worker/pdf_library.h"
#include "worker/word_boxes.h"

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
                      WordBoxes& boxes, Answer& answer) {
    if (protocol::pageHasWords(sink.text))
        return;
    const PageOcr ocr = readPageByOcr(doc, page, options, boxes.wants(page), answer);
    if (ocr.outcome != PageOcr::Outcome::Read)
        return;
    boxes.addRecognised(page, ocr);
    if (ocr.text.empty())
        return;
    if (ocr.text.size() > sink.maxBytes) {
        sink.overflowed = true;
        sink.text = std::string();
        return;
    }
    sink.text = ocr.text;
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
    if (!openedFor(doc, answer))
        return answer;
    const int pages = doc->getNumPages();
    answer.pageCount = pages;
    // First, as an "info" request reads it: its look-ups follow pdfinfo's order from the opening
    // of the document on.
    if (request.withInfo && pages >= 1)
        addInformation(*doc, request.path, answer);

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
    WordBoxes boxes(*doc, request.wordPages, request.maxWordBoxBytes);
    boxes.readAloneUpTo(first - 1, request.ocr, answer);
    // Page by page, as the library's own loop over a range does, so that each page's text can be
    // looked at as it is written, and the reading can stop at the page that completes the rule.
    for (int page = first; page <= last; ++page) {
        sink.text.clear();
        doc->displayPage(&output, page, 72, 72, 0, true, false, false);
        ++answer.pagesRead;
        if (request.ocr.enabled && !sink.overflowed)
            readWordlessPage(*doc, page, request.ocr, sink, boxes, answer);
        if (sink.overflowed)
            return tooLong(std::move(answer));
        boxes.addLaidOut(page, output);
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
    boxes.readAloneUpTo(pages, request.ocr, answer);
    answer.wordBoxes = boxes.take();
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
