#include "worker/word_boxes.h"

#include "worker/page_frame.h"
#include "worker/page_ocr.h"
#include "worker/page_words.h"

#include <poppler/PDFDoc.h>
#include <poppler/TextOutputDev.h>
#include <poppler/goo/GooString.h>

#include <algorithm>

namespace corvander::worker {

namespace {

// A page read for its words alone needs no text, only whether it has words.
void noteWords(void* stream, const char* text, int length) {
    auto* hasWords = static_cast<bool*>(stream);
    if (!*hasWords && length > 0)
        *hasWords = protocol::pageHasWords(std::string_view(text, std::size_t(length)));
}

std::vector<int> pagesOf(const std::vector<int>& asked, int pageCount) {
    std::vector<int> pages;
    for (const int number : asked) {
        const int page = number < 0 ? pageCount + 1 + number : number;
        if (page >= 1 && page <= pageCount)
            pages.push_back(page);
    }
    std::sort(pages.begin(), pages.end());
    pages.erase(std::unique(pages.begin(), pages.end()), pages.end());
    return pages;
}

} // namespace

WordBoxes::WordBoxes(PDFDoc& doc, const std::vector<int>& asked, std::size_t budget)
    : m_doc(doc), m_pages(pagesOf(asked, doc.getNumPages())), m_writer(budget) {}

WordBoxes::~WordBoxes() = default;

bool WordBoxes::wants(int page) const {
    return m_next < m_pages.size() && m_pages[m_next] == page;
}

void WordBoxes::addLaidOut(int page, TextOutputDev& output) {
    if (!wants(page))
        return;
    const PageFrame frame = pageFrame(m_doc, page);
    m_writer.startPage(page, frame.width, frame.height);
    // The list pdftotext -bbox prints, walked as it walks it.
    const std::unique_ptr<TextWordList> words = output.makeWordList();
    const int count = words ? words->getLength() : 0;
    for (int i = 0; i < count; ++i) {
        TextWord* word = words->get(i);
        double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
        word->getBBox(&xMin, &yMin, &xMax, &yMax);
        const std::unique_ptr<GooString> text(word->getText());
        m_writer.addWord(text->toStr(), xMin, yMin, xMax, yMax);
    }
    m_writer.endPage();
    ++m_next;
}

void WordBoxes::addRecognised(int page, const PageOcr& ocr) {
    if (!wants(page))
        return;
    const PageFrame frame = pageFrame(m_doc, page);
    m_writer.startPage(page, frame.width, frame.height);
    // The picture OCR read shows the crop box; its pixels become points of the page.
    const double scale = ocr.dotsPerInch > 0 ? 72 / ocr.dotsPerInch : 0;
    for (const OcrEngine::Word& word : ocr.words) {
        m_writer.addWord(word.text, frame.cropLeft + word.left * scale,
                         frame.cropTop + word.top * scale, frame.cropLeft + word.right * scale,
                         frame.cropTop + word.bottom * scale);
    }
    m_writer.endPage();
    ++m_next;
}

void WordBoxes::readAloneUpTo(int last, const OcrOptions& ocr, Answer& answer) {
    while (m_next < m_pages.size() && m_pages[m_next] <= last) {
        const int page = m_pages[m_next];
        if (!m_alone)
            m_alone = std::make_unique<TextOutputDev>(&noteWords, &m_aloneHasWords, false, 0, false,
                                                      false);
        m_aloneHasWords = false;
        m_doc.displayPage(m_alone.get(), page, 72, 72, 0, true, false, false);
        if (ocr.enabled && !m_aloneHasWords) {
            const PageOcr read = readPageByOcr(m_doc, page, ocr, true, answer);
            if (read.outcome == PageOcr::Outcome::Read)
                addRecognised(page, read);
        }
        addLaidOut(page, *m_alone);
    }
}

} // namespace corvander::worker
