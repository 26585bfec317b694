#include "common/error_report.h"
#include "naming/file_planner.h"
#include "naming/rules/naming_rules.h"
#include "run/finish_as_read.h"
#include "run/rename_by_metadata.h"
#include "run/rename_context.h"

namespace corvander {

bool RenameByTemplate(const RenameContext& context, const QString& pdfPath,
                      const corvander::RuleArguments& arguments) {
    TrappedProcedure proc(context.dialogs, context.labels.templates);
    bool renamed = false;
    const corvander::NamingRule& rule = corvander::namingRule(corvander::RuleId::Template);
    std::optional<corvander::ExtractRequest> request;
    std::optional<corvander::ExtractResult> extracted;
    corvander::PlannedFile plan;
    // One request for every field of every template; none when they read nothing of the file.
    proc.step([&] { request = corvander::requestFor(&rule, pdfPath, arguments); });
    proc.step([&] {
        if (request)
            extracted = context.extract(*request, true);
    });
    proc.step([&] { plan = corvander::planFor(&rule, pdfPath, arguments, extracted); });
    proc.step([&] {
        renamed = finishAsRead(context, plan, [&] {
            if (request)
                extracted = context.extract(*request, true);
            return corvander::planFor(&rule, pdfPath, arguments, extracted);
        });
    });
    return renamed;
}

} // namespace corvander
