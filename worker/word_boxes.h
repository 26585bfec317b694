#pragma once

// The words and their boxes a "text" request asks for, gathered page by page in page order as
// the pages are read, and pages the text does not reach read for their words alone.

#include "worker/answer.h"
#include "worker/text_reader.h"
#include "worker/word_box_codec.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

class PDFDoc;
class TextOutputDev;

namespace corvander::worker {

struct PageOcr;

class WordBoxes {
public:
    // `asked` as the request gives the pages: negative numbers count from the end of the
    // document's pageCount pages; pages it does not have are left out.
    WordBoxes(PDFDoc& doc, const std::vector<int>& asked, std::size_t budget);
    ~WordBoxes();
    WordBoxes(const WordBoxes&) = delete;
    WordBoxes& operator=(const WordBoxes&) = delete;

    // Whether the page's words are wanted and not yet given.
    bool wants(int page) const;
    // The words of a page just laid out by output, as pdftotext -bbox lists them.
    void addLaidOut(int page, TextOutputDev& output);
    // The words OCR read on a page, in its reading order.
    void addRecognised(int page, const PageOcr& ocr);
    // Reads the pages wanted up to `last` on their own; with OCR, a page without words by OCR,
    // noted in the answer as a page of the text would be.
    void readAloneUpTo(int last, const OcrOptions& ocr, Answer& answer);

    std::string take() { return m_writer.take(); }

private:
    PDFDoc& m_doc;
    std::vector<int> m_pages; // ascending, each once
    std::size_t m_next = 0;   // the first of m_pages not given yet
    protocol::WordBoxWriter m_writer;
    std::unique_ptr<TextOutputDev> m_alone;
    bool m_aloneHasWords = false;
};

} // namespace corvander::worker
