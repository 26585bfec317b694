#pragma once

#include "naming/planned_file.h"

#include <functional>

namespace corvander {

struct RenameContext;

// How often a file is read in all when its source keeps changing between its reading and its
// copy: a file still being written is skipped rather than waited for.
inline constexpr int kMostReadings = 3;

// Why such a file has no copy.
QString keptChangingText();

// Copies the file under its plan as finishFile does. When the source is no longer the file whose
// text named it, the file is read and planned again (readAgain: a fresh extraction, never an
// answer read ahead) and that plan is carried out instead; after kMostReadings readings that each
// found it changed again, it is skipped and its outcome says why. True when the file counts as
// renamed.
bool finishAsRead(const RenameContext& context, corvander::PlannedFile plan,
                  const std::function<corvander::PlannedFile()>& readAgain);

} // namespace corvander
