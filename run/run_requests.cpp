#include "run/run_requests.h"

#include "common/error_report.h"
#include "common/window_port.h"
#include "naming/file_planner.h"
#include "run/current_rule.h"
#include "run/rename_by_content.h"
#include "run/rename_by_metadata.h"

namespace corvander {

std::optional<ExtractRequest> expectedRequest(const RenameControls& controls,
                                              const RunParameters& parameters,
                                              const QString& path) {
    const NamingRule* rule = corvander::currentRule(controls);
    try {
        return corvander::requestFor(rule, path,
                                     corvander::argumentsNow(rule, parameters, controls));
    } catch (const AppError&) {
        return std::nullopt;
    }
}

bool renameOne(const RenameContext& context, const RunParameters& parameters, const QString& path) {
    const NamingRule* rule = corvander::currentRule(context.controls);
    if (!rule && !context.controls.contentSelected())
        return false;
    const RuleArguments arguments = corvander::argumentsNow(rule, parameters, context.controls);
    if (rule && rule->family() == Family::Metadata)
        return !RenameMeta(context, path, arguments.format);
    if (rule && rule->family() == Family::Template)
        return !RenameByTemplate(context, path, arguments);
    return !RenameFile(context, path, arguments);
}

} // namespace corvander
