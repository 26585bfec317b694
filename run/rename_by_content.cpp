#include "run/rename_by_content.h"

#include "common/error_report.h"
#include "naming/file_planner.h"
#include "run/current_rule.h"
#include "run/finish_as_read.h"
#include "run/rename_context.h"

namespace corvander {

bool RenameFile(const RenameContext& context, const QString& path,
                const corvander::RuleArguments& arguments) {
    TrappedProcedure proc(context.dialogs, context.labels.content);
    bool renamed = false;
    const corvander::NamingRule* rule = nullptr;
    std::optional<ExtractRequest> request;
    std::optional<ExtractResult> extracted;
    corvander::PlannedFile plan;
    proc.step([&] { rule = corvander::currentRule(context.choice()); });
    proc.step([&] { request = corvander::requestFor(rule, path, arguments); });
    proc.step([&] {
        if (request)
            extracted = context.extract(*request, true);
    });
    proc.step([&] { plan = corvander::planFor(rule, path, arguments, extracted); });
    // A copy that fails raises its report here and leaves the file on the skipped list. A source
    // that changed since its text was read is read again.
    proc.step([&] {
        renamed = finishAsRead(context, plan, [&] {
            if (request)
                extracted = context.extract(*request, true);
            return corvander::planFor(rule, path, arguments, extracted);
        });
    });
    return renamed;
}

} // namespace corvander
