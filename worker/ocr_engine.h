#pragma once

// The OCR library as the worker uses it: set up once for each language string and kept, since
// setting up takes far longer than reading a page.

#include "worker/page_image.h"

#include <list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace tesseract {
class TessBaseAPI;
}

namespace corvander::worker {

class OcrEngine {
public:
    OcrEngine();
    ~OcrEngine();
    OcrEngine(const OcrEngine&) = delete;
    OcrEngine& operator=(const OcrEngine&) = delete;

    // Sets the library up for the languages ("eng+deu") unless it already is. Returns the
    // languages of the string that are not installed (or not language names at all); none when
    // the library is ready for all of them.
    std::vector<std::string> prepare(const std::string& languages);

    // A word as the library found it, its box in pixels of the image read.
    struct Word {
        std::string text;
        int left = 0, top = 0, right = 0, bottom = 0;
    };
    struct Reading {
        std::string text; // as the library gives it, lines ending in LF
        bool timedOut = false;
        std::vector<Word> words; // when asked for: in the library's reading order
    };
    // Reads the image in the languages, which prepare() has accepted, with the words one by one
    // when asked for. Recognition stops when the deadline passes; nothing is read then.
    Reading read(const GreyImage& image, const std::string& languages, Deadline deadline,
                 bool withWords = false);

    // The installed languages in alphabetical order, without the script detection data.
    std::vector<std::string> installedLanguages();

private:
    tesseract::TessBaseAPI* find(const std::string& languages);

    // Most recently used first.
    std::list<std::pair<std::string, std::unique_ptr<tesseract::TessBaseAPI>>> m_apis;
};

// The worker's one engine, made on first use.
OcrEngine& ocrEngine();

} // namespace corvander::worker
