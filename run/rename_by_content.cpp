#include "run/rename_by_content.h"

#include "common/error_report.h"
#include "common/path_helpers.h"
#include "common/window_port.h"
#include "naming/content_request.h"
#include "naming/content_words.h"
#include "naming/file_planner.h"
#include "run/finish_as_read.h"
#include "run/rename_context.h"

using corvander::ExtractRequest;
using corvander::ExtractResult;

bool RenameFile(const RenameContext& context, const QString& path, int count, int page,
                const QString& wordList, const QString& searchText) {
    TrappedProcedure proc(context.dialogs, context.labels.content);
    bool renamed = false;
    int mode = -1;
    std::optional<ExtractRequest> request;
    std::optional<ExtractResult> extracted;
    corvander::PlannedFile plan;
    proc.step([&] { mode = context.controls.modeIndex(); });
    proc.step([&] { request = contentRequest(mode, path, count, page, wordList, searchText); });
    proc.step([&] {
        if (request)
            extracted = context.extract(*request, true);
    });
    proc.step([&] {
        plan = corvander::planByContent(mode, path, count, page, wordList, searchText, extracted);
    });
    // A copy that fails raises its report here and leaves the file on the skipped list. A source
    // that changed since its text was read is read again.
    proc.step([&] {
        renamed = finishAsRead(context, plan, [&] {
            if (request)
                extracted = context.extract(*request, true);
            return corvander::planByContent(mode, path, count, page, wordList, searchText,
                                            extracted);
        });
    });
    return renamed;
}
