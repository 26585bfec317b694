#pragma once

#include "extract/extract_request.h"

#include <QString>
#include <optional>

namespace corvander {

// The extraction a content mode needs for one file: the document from its start up to the page
// that completes the name (modes 0, 5, 6: count words, the search text and count words after it,
// the search text), page 2, the last page, page y, or page 1 (mode 4). Nothing when the file is
// skipped without reading it (no word list, no search text, no mode).
std::optional<corvander::ExtractRequest> contentRequest(int mode, const QString& path, int count,
                                                        int page, const QString& wordList,
                                                        const QString& searchText);

} // namespace corvander
