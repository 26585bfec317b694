#pragma once

#include "extract/extract_request.h"

#include <QString>
#include <optional>

struct RenameContext;

// The extraction a content mode needs for one file: the document from its start up to the page
// that completes the name (modes 0, 5, 6: count words, the search text and count words after it,
// the search text), page 2, the last page, page y, or page 1 (mode 4). Nothing when the file is
// skipped without reading it (no word list, no search text, no mode).
std::optional<corvander::ExtractRequest> contentRequest(int mode, const QString& path, int count,
                                                        int page, const QString& wordList,
                                                        const QString& searchText);

// Copies one PDF into the results folder under a name made of words of its own text, picked by
// the content mode selected now. count is x (modes 0 to 3), n (modes 5, 6) or the first listed
// word number (mode 4); page is y (mode 3). False when the file is skipped, a failed copy
// included. Errors are reported under the context's content label.
bool RenameFile(const RenameContext& context, const QString& path, int count, int page,
                const QString& wordList, const QString& searchText);
