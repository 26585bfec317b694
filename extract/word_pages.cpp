#include "extract/word_pages.h"

#include <algorithm>

namespace corvander {

bool asksWordsOf(const ExtractRequest& request, int page, int pageCount) {
    return std::any_of(request.wordPages.begin(), request.wordPages.end(), [&](int asked) {
        return asked == page || (asked < 0 && pageCount + 1 + asked == page);
    });
}

ExtractRequest onePageOf(const ExtractRequest& request, int page, int pageCount) {
    ExtractRequest one = request;
    one.firstPage = one.lastPage = page;
    one.lastPageOnly = false;
    one.stop = {};
    one.withInfo = false;
    one.wordPages.clear();
    if (asksWordsOf(request, page, pageCount))
        one.wordPages = {page};
    return one;
}

void takeWordsOf(ExtractResult& into, const ExtractResult& part) {
    for (const PageWords& words : part.pageWords) {
        into.wordPagesOmitted.removeAll(words.page);
        const auto place =
            std::find_if(into.pageWords.begin(), into.pageWords.end(),
                         [&](const PageWords& held) { return held.page >= words.page; });
        if (place != into.pageWords.end() && place->page == words.page)
            *place = words;
        else
            into.pageWords.insert(place, words);
    }
    for (const int page : part.wordPagesOmitted) {
        into.pageWords.removeIf([page](const PageWords& held) { return held.page == page; });
        if (!into.wordPagesOmitted.contains(page))
            into.wordPagesOmitted << page;
    }
    std::sort(into.wordPagesOmitted.begin(), into.wordPagesOmitted.end());
}

QList<int> pagesLeftForOcr(const ExtractResult& result) {
    QList<int> pages;
    for (const PageWords& words : result.pageWords) {
        if (words.words.isEmpty() && !result.ocrPages.contains(words.page) &&
            !result.ocrTimedOut.contains(words.page))
            pages << words.page;
    }
    return pages;
}

} // namespace corvander
