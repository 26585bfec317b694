#include "rename/rename_by_content.h"

#include "common/error_report.h"
#include "common/path_helpers.h"
#include "common/window_port.h"
#include "rename/content_words.h"
#include "rename/file_planner.h"
#include "rename/finish_as_read.h"
#include "rename/rename_context.h"

using corvander::ExtractRequest;
using corvander::ExtractResult;

std::optional<ExtractRequest> contentRequest(int mode, const QString& path, int count, int page,
                                             const QString& wordList, const QString& searchText) {
    using corvander::StopRule;
    switch (mode) {
    case 0:
        return ExtractRequest::textUntil(path, StopRule::words(count));
    case 1:
        return ExtractRequest::pageText(path, 2);
    case 2:
        // The last page comes from the page count; a document without pages gives no text.
        return ExtractRequest::lastPageText(path);
    case 3:
        return ExtractRequest::pageText(path, page);
    case 4:
        if (wordList.trimmed().isEmpty())
            return std::nullopt;
        return ExtractRequest::pageText(path, 1);
    case 5:
        if (searchText.isEmpty())
            return std::nullopt;
        return ExtractRequest::textUntil(path, StopRule::wordsAfter(searchText, count));
    case 6:
        if (searchText.isEmpty())
            return std::nullopt;
        return ExtractRequest::textUntil(path, StopRule::wordsBefore(searchText, count));
    default:
        return std::nullopt;
    }
}

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
