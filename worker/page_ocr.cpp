#include "worker/page_ocr.h"

#include "worker/ocr_engine.h"
#include "worker/ocr_text.h"
#include "worker/page_image.h"

namespace corvander::worker {

PageOcr readPageByOcr(PDFDoc& doc, int page, const OcrOptions& options, bool withWords) {
    PageOcr result;
    OcrEngine* engine = ocrEngine();
    if (engine == nullptr) {
        result.outcome = PageOcr::Outcome::Unavailable;
        return result;
    }
    result.missingLanguages = engine->prepare(options.languages);
    if (!result.missingLanguages.empty()) {
        result.outcome = PageOcr::Outcome::LanguagesMissing;
        return result;
    }
    if (options.pageStarts)
        options.pageStarts(page);
    // The page's time starts once the library is set up: setting up is paid once per worker.
    const Deadline deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(options.timeoutMs);
    GreyImage image;
    switch (drawGreyPage(doc, page, deadline, image)) {
    case Drawing::NoArea:
        return result;
    case Drawing::TimedOut:
        result.outcome = PageOcr::Outcome::TimedOut;
        return result;
    case Drawing::Drawn:
        break;
    }
    const OcrImage seen{image.pixels(), image.width(), image.height(), image.rowBytes(),
                        image.dotsPerInch};
    OcrEngine::Reading reading = engine->read(seen, options.languages, deadline, withWords);
    if (reading.timedOut) {
        result.outcome = PageOcr::Outcome::TimedOut;
        return result;
    }
    result.text = pageTextOf(reading.text);
    result.words = std::move(reading.words);
    result.dotsPerInch = image.dotsPerInch;
    return result;
}

PageOcr readPageByOcr(PDFDoc& doc, int page, const OcrOptions& options, bool withWords,
                      Answer& answer) {
    if (!answer.error.empty()) {
        PageOcr skipped;
        skipped.outcome = PageOcr::Outcome::LanguagesMissing;
        return skipped;
    }
    PageOcr ocr = readPageByOcr(doc, page, options, withWords);
    switch (ocr.outcome) {
    case PageOcr::Outcome::Unavailable:
        answer.error = ocrLoadError();
        break;
    case PageOcr::Outcome::LanguagesMissing:
        // Once for the request: the languages will not appear between two pages.
        answer.error = "OCR languages not installed:";
        for (const std::string& name : ocr.missingLanguages)
            answer.error += " \"" + name + "\"";
        break;
    case PageOcr::Outcome::TimedOut:
        answer.ocrTimedOut.push_back(page);
        break;
    case PageOcr::Outcome::Read:
        answer.ocrPages.push_back(page);
        break;
    }
    return ocr;
}

} // namespace corvander::worker
