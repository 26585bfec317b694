#pragma once

// The "page" request: a page drawn in colour for the program's window to show.

#include "worker/answer.h"

#include <optional>
#include <string>

namespace corvander::worker {

struct PictureRequest {
    std::string path;
    std::optional<std::string> password;
    int page = 1;
    // The box in pixels the picture fits into, within the protocol's bounds.
    int width = 0;
    int height = 0;
};

Answer drawPagePicture(const PictureRequest& request);

} // namespace corvander::worker
