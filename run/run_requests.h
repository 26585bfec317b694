#pragma once

#include "extract/extract_request.h"
#include "naming/rules/naming_rule.h"
#include "run/rename_context.h"

#include <optional>

namespace corvander {

// The per-file part of a run, by the rule chosen when the file's turn comes.

// The extraction a file will need if the choices stay as they are now; nothing when it needs
// none, or when its arguments cannot be worked out (that is reported at its turn).
std::optional<corvander::ExtractRequest> expectedRequest(const RuleChoice& choice,
                                                         const corvander::RunParameters& parameters,
                                                         const QString& path);

// Renames one file; true when it goes on the skipped list. A number that does not fit raises.
bool renameOne(const RenameContext& context, const corvander::RunParameters& parameters,
               const QString& path);

} // namespace corvander
