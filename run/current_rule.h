#pragma once

#include "naming/rules/naming_rule.h"

namespace corvander {

class RenameControls;

// The rule the choices name now: nothing for rename by content without a mode. A run asks at each
// file's turn, because a mode or family changed during a run applies to the files that follow;
// this is the one place that reads the choices while a run goes on.
const NamingRule* currentRule(const RenameControls& controls);

// The file's arguments under that rule: the run's answers mapped onto it, and the format as it
// stands now. A number that does not fit raises, to be reported at the file's turn.
RuleArguments argumentsNow(const NamingRule* rule, const RunParameters& answers,
                           const RenameControls& controls);

} // namespace corvander
