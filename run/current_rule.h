#pragma once

#include "naming/rules/naming_rule.h"
#include "run/run_request.h"

namespace corvander {

// The rule a choice names: nothing for rename by content without a mode, or without a family.
const NamingRule* currentRule(const RuleChoice& choice);

// The file's arguments under that rule: the run's answers mapped onto it, and the format and
// templates of the choice. A number that does not fit raises, to be reported at the file's turn.
RuleArguments argumentsNow(const NamingRule* rule, const RunParameters& answers,
                           const RuleChoice& choice);

} // namespace corvander
