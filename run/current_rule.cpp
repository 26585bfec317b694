#include "run/current_rule.h"

#include "common/vb_convert.h"
#include "common/window_port.h"
#include "naming/rules/naming_rules.h"

namespace corvander {

const NamingRule* currentRule(const RenameControls& controls) {
    if (controls.contentSelected())
        return contentRuleAt(controls.modeIndex());
    if (controls.metadataSelected())
        return &namingRule(RuleId::Metadata);
    if (controls.templateSelected())
        return &namingRule(RuleId::Template);
    return nullptr;
}

RuleArguments argumentsNow(const NamingRule* rule, const RunParameters& answers,
                           const RenameControls& controls) {
    RuleArguments arguments;
    if (!rule)
        return arguments;
    if (rule->family() == Family::Metadata) {
        arguments.format = controls.nameFormat();
        return arguments;
    }
    if (rule->family() == Family::Template) {
        arguments.templates = controls.templateLines();
        arguments.dateOrder = controls.dateOrder();
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
