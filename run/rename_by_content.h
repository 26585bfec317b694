#pragma once

#include "naming/rules/naming_rule.h"

#include <QString>

namespace corvander {

struct RenameContext;

// Copies one PDF into the results folder under a name made of words of its own text, picked by
// the content mode selected now with the run's numbers and texts (x or n as the count, y as the
// page, the word list, the search text). False when the file is skipped, a failed copy included.
// Errors are reported under the context's content label.
bool RenameFile(const RenameContext& context, const QString& path,
                const corvander::RuleArguments& arguments);

} // namespace corvander
