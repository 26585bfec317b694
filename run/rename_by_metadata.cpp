#include "run/rename_by_metadata.h"

#include "common/error_report.h"
#include "common/text_helpers.h"
#include "naming/file_planner.h"
#include "run/finish_as_read.h"
#include "run/rename_context.h"

bool RenameMeta(const RenameContext& context, const QString& pdfPath, const QString& format) {
    TrappedProcedure proc(context.dialogs, context.labels.metadata);
    bool renamed = false;
    std::optional<corvander::ExtractResult> extracted;
    corvander::PlannedFile plan;
    // A blank format keeps the file's own name and needs no extraction at all.
    proc.step([&] {
        if (!trimBlanks(format).isEmpty())
            extracted = context.extract(corvander::ExtractRequest::information(pdfPath), false);
    });
    proc.step([&] { plan = corvander::planByMetadata(format, pdfPath, extracted); });
    // A copy that fails is reported by the step and leaves the file on the skipped list. A
    // source that changed since it was read is read again.
    proc.step([&] {
        renamed = finishAsRead(context, plan, [&] {
            if (extracted)
                extracted = context.extract(corvander::ExtractRequest::information(pdfPath), false);
            return corvander::planByMetadata(format, pdfPath, extracted);
        });
    });
    return renamed;
}
