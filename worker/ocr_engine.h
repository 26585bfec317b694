#pragma once

// The OCR library as the worker uses it. The library and the dozens of libraries under it are
// loaded only when a page is first read by OCR: linked into the worker, they took most of its
// start-up, which every run and every check pays while most documents never need OCR.

#include <chrono>
#include <string>
#include <vector>

namespace corvander::worker {

using Deadline = std::chrono::steady_clock::time_point;

// A grey page image: one byte a pixel, rows top to bottom, rowBytes apart; 255 is white.
struct OcrImage {
    const unsigned char* pixels = nullptr;
    int width = 0;
    int height = 0;
    int rowBytes = 0;
    double dotsPerInch = 0;
};

class OcrEngine {
public:
    virtual ~OcrEngine() = default;

    // Sets the library up for the languages ("eng+deu") unless it already is, and keeps the set-up,
    // since setting up takes far longer than reading a page. Returns the languages of the string
    // that are not installed (or not language names at all); none when the library is ready for
    // all of them.
    virtual std::vector<std::string> prepare(const std::string& languages) = 0;

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
    virtual Reading read(const OcrImage& image, const std::string& languages, Deadline deadline,
                         bool withWords) = 0;

    // The installed languages in alphabetical order, without the script detection data.
    virtual std::vector<std::string> installedLanguages() = 0;
};

// The worker's one engine, loaded on first use; null when the OCR library cannot be loaded, and
// then ocrLoadError() says why.
OcrEngine* ocrEngine();
const std::string& ocrLoadError();

// What the OCR module exports: a new engine, owned by the caller.
extern "C" using MakeOcrEngine = OcrEngine * ();
inline constexpr const char* kMakeOcrEngineSymbol = "corvanderMakeOcrEngine";
inline constexpr const char* kOcrModuleName = "corvander-ocr.so";

} // namespace corvander::worker
