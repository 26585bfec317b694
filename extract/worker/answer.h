#pragma once

// What reading one document gives, before it becomes an answer frame.

#include <string>
#include <vector>

namespace corvander::worker {

struct Answer {
    int status = 0;
    int pageCount = -1;
    std::string text;
    std::string info;
    std::string xml;
    std::string error;
    // The document is protected and was not opened with the password given.
    bool needsPassword = false;
    // OCR was asked for: the pages it read, and those it ran out of time on.
    bool ocrAsked = false;
    std::vector<int> ocrPages;
    std::vector<int> ocrTimedOut;
    // The installed OCR languages, for "languages".
    std::string languages;
};

} // namespace corvander::worker
