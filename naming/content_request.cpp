#include "naming/content_request.h"

using corvander::ExtractRequest;

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
