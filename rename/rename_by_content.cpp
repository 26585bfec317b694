#include "rename/rename_by_content.h"

#include "common/error_report.h"
#include "common/path_helpers.h"
#include "common/window_port.h"
#include "extract/text_reading.h"
#include "rename/clean_name.h"
#include "rename/content_words.h"
#include "rename/rename_context.h"

using corvander::ExtractRequest;
using corvander::ExtractResult;

std::optional<ExtractRequest> contentRequest(int mode, const QString& path, int page,
                                             const QString& wordList, const QString& searchText) {
    switch (mode) {
    case 0:
        return ExtractRequest::wholeText(path);
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
    case 6:
        if (searchText.isEmpty())
            return std::nullopt;
        return ExtractRequest::wholeText(path);
    default:
        return std::nullopt;
    }
}

QString contentNameText(int mode, const QString& text, int count, const QString& wordList,
                        const QString& searchText, const QString& path) {
    if (mode == 4)
        return pickListedWords(text, count, wordList);
    if (mode == 5 || mode == 6)
        return pickAroundSearch(text, count, searchText, mode == 5,
                                StripExtension(FileNameOf(path)));
    return pickFirstWords(text, count);
}

bool RenameFile(const RenameContext& context, const QString& path, int count, int page,
                const QString& wordList, const QString& searchText) {
    TrappedProcedure proc(context.dialogs, context.labels.content);
    bool renamed = false;
    int mode = -1;
    std::optional<ExtractRequest> request;
    ExtractResult extracted;
    QString nameText;
    proc.step([&] { mode = context.controls.modeIndex(); });
    proc.step([&] { request = contentRequest(mode, path, page, wordList, searchText); });
    proc.step([&] {
        if (request)
            extracted = context.extract(*request, true);
    });
    // A document that could not be read, or a page past the last, gives no text at all.
    proc.step([&] {
        if (extracted.hasText())
            nameText = contentNameText(mode, decodeExtractedText(extracted.text), count, wordList,
                                       searchText, path);
    });
    // A copy that fails raises its report here and leaves the file on the skipped list.
    proc.step([&] {
        if (!nameText.isEmpty())
            renamed = CopyWithCleanName(path, nameText, false, context.controls.resultsFolder());
    });
    return renamed;
}
