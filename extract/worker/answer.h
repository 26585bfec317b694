#pragma once

// What reading one document gives, before it becomes an answer frame.

#include <string>

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
};

} // namespace corvander::worker
