#pragma once

#include "naming/rules/naming_rule.h"

#include <QList>
#include <QStringList>

namespace corvander {

// The table of naming rules: the content modes in Combo1's order, then rename by metadata.
const QList<const NamingRule*>& namingRules();

const NamingRule& namingRule(RuleId id);

// The content mode at Combo1's index; nothing for no choice (-1) or an index past the list.
const NamingRule* contentRuleAt(int comboIndex);
// Combo1's index of a content rule, -1 for any other.
int comboIndexOf(RuleId id);
// Combo1's items.
QStringList contentLabels();

} // namespace corvander
