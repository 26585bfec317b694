#pragma once

#include "extract/extract_request.h"
#include "naming/planned_file.h"

#include <optional>

namespace corvander {

// The steps every rule's planning shares.

// The state of the file the worker read, named as the plan names its source.
std::optional<FileIdentity> readIdentityOf(const QString& path, const ExtractResult& extracted);

// What an answer that brought no usable text says about the file.
SkipReason failureOf(const ExtractResult& extracted);
// The same, set on the plan with the words that say more where the reason alone does not ("the
// document has only 2 pages").
void skipAsFailed(PlannedFile& planned, const ExtractResult& extracted);

// Names the file, or says that its name came out empty.
void nameFrom(PlannedFile& planned, const QString& nameText, bool removePercent);

} // namespace corvander
