#include "worker/page_ocr.h"

#include "worker/ocr_engine.h"
#include "worker/ocr_text.h"
#include "worker/page_image.h"

namespace corvander::worker {

PageOcr readPageByOcr(PDFDoc& doc, int page, const OcrOptions& options) {
    PageOcr result;
    OcrEngine& engine = ocrEngine();
    result.missingLanguages = engine.prepare(options.languages);
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
    const OcrEngine::Reading reading = engine.read(image, options.languages, deadline);
    if (reading.timedOut) {
        result.outcome = PageOcr::Outcome::TimedOut;
        return result;
    }
    result.text = pageTextOf(reading.text);
    return result;
}

} // namespace corvander::worker
