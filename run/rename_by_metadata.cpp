#include "run/rename_by_metadata.h"

#include "common/error_report.h"
#include "naming/file_planner.h"
#include "naming/rules/naming_rules.h"
#include "run/finish_as_read.h"
#include "run/rename_context.h"

namespace corvander {

bool RenameMeta(const RenameContext& context, const QString& pdfPath, const QString& format) {
    TrappedProcedure proc(context.dialogs, context.labels.metadata);
    bool renamed = false;
    const corvander::NamingRule& rule = corvander::namingRule(corvander::RuleId::Metadata);
    corvander::RuleArguments arguments;
    arguments.format = format;
    const std::optional<corvander::ExtractRequest> request =
        corvander::requestFor(&rule, pdfPath, arguments);
    std::optional<corvander::ExtractResult> extracted;
    corvander::PlannedFile plan;
    proc.step([&] {
        if (request)
            extracted = context.extract(*request, false);
    });
    proc.step([&] { plan = corvander::planFor(&rule, pdfPath, arguments, extracted); });
    // A copy that fails is reported by the step and leaves the file on the skipped list. A
    // source that changed since it was read is read again.
    proc.step([&] {
        renamed = finishAsRead(context, plan, [&] {
            if (request)
                extracted = context.extract(*request, false);
            return corvander::planFor(&rule, pdfPath, arguments, extracted);
        });
    });
    return renamed;
}

} // namespace corvander
