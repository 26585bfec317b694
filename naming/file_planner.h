#pragma once

#include "extract/extract_request.h"
#include "naming/planned_file.h"
#include "naming/rules/naming_rule.h"

#include <optional>

namespace corvander {

// The decisions of one file, made from its extraction: the same for the run, the preview and the
// command line, so that they can never disagree about a name. `rule` is the rule chosen when the
// file's turn comes; none (rename by content without a mode) plans every file as skipped.

// The one extraction a file needs; nothing when it is planned without reading it.
std::optional<ExtractRequest> requestFor(const NamingRule* rule, const QString& path,
                                         const RuleArguments& arguments);

// A name or a skip reason from the answer to requestFor() (nothing when that asked for none).
PlannedFile planFor(const NamingRule* rule, const QString& path, const RuleArguments& arguments,
                    const std::optional<ExtractResult>& extracted);

// The same for rename by content by Combo1's index, and for rename by metadata with `format`.
PlannedFile planByContent(int mode, const QString& path, int count, int page,
                          const QString& wordList, const QString& searchText,
                          const std::optional<ExtractResult>& extracted);
PlannedFile planByMetadata(const QString& format, const QString& path,
                           const std::optional<ExtractResult>& extracted);

} // namespace corvander
