#include "run/current_rule.h"

#include "common/vb_convert.h"
#include "naming/rules/naming_rules.h"

namespace corvander {

const NamingRule* currentRule(const RuleChoice& choice) {
    if (!choice.family)
        return nullptr;
    switch (*choice.family) {
    case Family::Content:
        return contentRuleAt(choice.mode);
    case Family::Metadata:
        return &namingRule(RuleId::Metadata);
    case Family::Template:
        return &namingRule(RuleId::Template);
    }
    return nullptr;
}

RuleArguments argumentsNow(const NamingRule* rule, const RunParameters& answers,
                           const RuleChoice& choice) {
    RuleArguments arguments;
    if (!rule)
        return arguments;
    if (rule->family() == Family::Metadata) {
        arguments.format = choice.format;
        return arguments;
    }
    if (rule->family() == Family::Template) {
        arguments.templates = choice.templates;
        arguments.dateOrder = choice.dateOrder;
        return arguments;
    }
    const FileArguments given = rule->argumentsFor(answers);
    arguments.count = toInt32(given.count);
    arguments.page = toInt32(given.page);
    arguments.wordList = given.wordList;
    arguments.searchText = given.searchText;
    return arguments;
}

} // namespace corvander
