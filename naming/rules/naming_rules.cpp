#include "naming/rules/naming_rules.h"

#include "naming/rules/naming_rule.h"

#include <cstdlib>

namespace corvander {

// Each rule lives in a file of its own.
const NamingRule& firstWordsRule();
const NamingRule& pageTwoWordsRule();
const NamingRule& lastPageWordsRule();
const NamingRule& pageWordsRule();
const NamingRule& wordNumbersRule();
const NamingRule& wordsAfterRule();
const NamingRule& wordsBeforeRule();
const NamingRule& metadataRule();
const NamingRule& templateRule();

const QList<const NamingRule*>& namingRules() {
    static const QList<const NamingRule*> rules = {
        &firstWordsRule(),  &pageTwoWordsRule(), &lastPageWordsRule(),
        &pageWordsRule(),   &wordNumbersRule(),  &wordsAfterRule(),
        &wordsBeforeRule(), &metadataRule(),     &templateRule(),
    };
    return rules;
}

const NamingRule& namingRule(RuleId id) {
    for (const NamingRule* rule : namingRules()) {
        if (rule->id() == id)
            return *rule;
    }
    // Every id has its rule in the table; a missing one is a fault of the table itself.
    std::abort();
}

const NamingRule* contentRuleAt(int comboIndex) {
    int index = 0;
    for (const NamingRule* rule : namingRules()) {
        if (rule->family() != Family::Content)
            continue;
        if (index++ == comboIndex)
            return rule;
    }
    return nullptr;
}

int comboIndexOf(RuleId id) {
    int index = 0;
    for (const NamingRule* rule : namingRules()) {
        if (rule->family() != Family::Content)
            continue;
        if (rule->id() == id)
            return index;
        ++index;
    }
    return -1;
}

QStringList contentLabels() {
    QStringList labels;
    for (const NamingRule* rule : namingRules()) {
        if (rule->family() == Family::Content)
            labels << rule->label();
    }
    return labels;
}

} // namespace corvander
