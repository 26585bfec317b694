#pragma once

// What reading one document gives, before it becomes an answer frame.

#include <optional>
#include <string>
#include <vector>

namespace corvander::worker {

// The state of the file a document was read from.
struct FileStamp {
    unsigned long long device = 0;
    unsigned long long inode = 0;
    long long size = 0;
    long long modifiedNanoseconds = 0;
};

struct Answer {
    int status = 0;
    int pageCount = -1;
    std::string text;
    std::string info;
    std::string xml;
    std::string error;
    // The document is protected and was not opened with the password given.
    bool needsPassword = false;
    // ... and a password was given, tried, and did not open it.
    bool passwordRejected = false;
    // OCR was asked for: the pages it read, and those it ran out of time on.
    bool ocrAsked = false;
    std::vector<int> ocrPages;
    std::vector<int> ocrTimedOut;
    // The installed OCR languages, for "languages".
    std::string languages;
    // "text": the pages read, the prepared characters left out before the text and what they add
    // to the numbers of the words before the search text, and the page without words the reading
    // stopped at (0: none).
    int pagesRead = 0;
    long long textOffset = 0;
    long long wordOffset = 0;
    int wordlessPage = 0;
    // The file that was read, once it was open.
    std::optional<FileStamp> file;
    // "text" with word pages: the WordBoxes field.
    std::string wordBoxes;
    // "page": the picture (a PNG file), its size in pixels, and the part of the page it shows
    // and the page's size, in the points of the word boxes.
    std::string image;
    int imageWidth = 0;
    int imageHeight = 0;
    std::vector<double> pageArea;
    std::vector<double> pageSize;
};

} // namespace corvander::worker
