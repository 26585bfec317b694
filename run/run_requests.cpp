#include "run/run_requests.h"

#include "common/error_report.h"
#include "naming/file_planner.h"
#include "run/current_rule.h"
#include "run/rename_by_content.h"
#include "run/rename_by_metadata.h"

namespace corvander {

std::optional<ExtractRequest>
expectedRequest(const RuleChoice& choice, const RunParameters& parameters, const QString& path) {
    const NamingRule* rule = corvander::currentRule(choice);
    try {
        return corvander::requestFor(rule, path, corvander::argumentsNow(rule, parameters, choice));
    } catch (const AppError&) {
        return std::nullopt;
    }
}

bool renameOne(const RenameContext& context, const RunParameters& parameters, const QString& path) {
    const RuleChoice choice = context.choice();
    const NamingRule* rule = corvander::currentRule(choice);
    if (!rule && choice.family != Family::Content)
        return false;
    const RuleArguments arguments = corvander::argumentsNow(rule, parameters, choice);
    if (rule && rule->family() == Family::Metadata)
        return !RenameMeta(context, path, arguments.format);
    if (rule && rule->family() == Family::Template)
        return !RenameByTemplate(context, path, arguments);
    return !RenameFile(context, path, arguments);
}

} // namespace corvander
