#pragma once

#include "extract/extract_request.h"
#include "naming/planned_file.h"

#include <optional>

namespace corvander {

// The decisions of one file, made from its extraction: the same for the run, the preview and the
// command line, so that they can never disagree about a name.

// Rename by content in `mode` with the run's numbers and texts; `extracted` is the answer to
// contentRequest() for the file, or nothing when that asked for no extraction.
PlannedFile planByContent(int mode, const QString& path, int count, int page,
                          const QString& wordList, const QString& searchText,
                          const std::optional<ExtractResult>& extracted);

// Rename by metadata with `format`; `extracted` answers ExtractRequest::information() for the
// file, or is nothing for a blank format, which keeps the file's own name.
PlannedFile planByMetadata(const QString& format, const QString& path,
                           const std::optional<ExtractResult>& extracted);

} // namespace corvander
