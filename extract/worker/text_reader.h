#pragma once

// The "text" request: the pages' text exactly as `pdftotext -eol dos -f F -l L FILE OUT` writes
// it into OUT.

#include "extract/worker/answer.h"

#include <cstddef>
#include <optional>
#include <string>

namespace corvander::worker {

struct TextRequest {
    std::string path;
    std::optional<std::string> password;
    // As given to -f and -l; 0 or less means not given.
    int firstPage = 0;
    int lastPage = 0;
    // The last page alone, whatever firstPage and lastPage say.
    bool lastPageOnly = false;
    // Text beyond this many bytes is not collected and the request fails instead.
    std::size_t maxTextBytes = 0;
};

Answer readText(const TextRequest& request);

} // namespace corvander::worker
