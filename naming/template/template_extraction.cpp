#include "naming/template/template_extraction.h"

#include "extract/metadata.h"
#include "naming/words/extracted_text.h"

#include <algorithm>

namespace corvander {

namespace {

// Pages of a text read from the first page on: the range is never refused, since a last page
// past the end is the last page.
ExtractRequest pagesFromTheStart(const QString& path, const PageSet& pages) {
    if (pages.last && pages.numbers.isEmpty())
        return ExtractRequest::lastPageText(path);
    ExtractRequest request = ExtractRequest::wholeText(path);
    if (!pages.last)
        request.lastPage = std::max(pages.numbers.last(), 1);
    return request;
}

ExtractRequest textRequestFor(const QString& path, const TemplateNeeds& needs) {
    switch (needs.text) {
    case TextExtent::Whole:
        return ExtractRequest::wholeText(path);
    case TextExtent::Leading:
        return ExtractRequest::textUntil(path, StopRule::words(std::max(needs.leadingWords, 1)));
    case TextExtent::Pages:
        if (!needs.textPages.isEmpty())
            return pagesFromTheStart(path, needs.textPages);
        break;
    case TextExtent::None:
        break;
    }
    // Only words of pages: the first page's text is the least there is to read with them.
    return ExtractRequest::pageText(path, 1);
}

bool textIsWhole(const ExtractRequest& request, const ExtractResult& result) {
    if (request.lastPageOnly)
        return result.pageCount <= 1;
    if (request.stop.kind != StopRule::Kind::None)
        return result.pagesRead >= result.pageCount;
    return request.lastPage == 0 || request.lastPage >= result.pageCount;
}

} // namespace

ExtractRequest templateRequest(const QString& path, const TemplateNeeds& needs) {
    if (!needs.needsText() && needs.boxPages.isEmpty())
        return ExtractRequest::information(path);
    ExtractRequest request = textRequestFor(path, needs);
    request.withInfo = needs.info;
    request.wordPages = needs.boxPages.numbers;
    if (needs.boxPages.last)
        request.wordPages << -1;
    return request;
}

TemplateDocument templateDocument(const QString& path, const TemplateNeeds& needs,
                                  const ExtractResult& result) {
    TemplateDocument document;
    document.path = path;
    if (!result.hasText())
        return document;
    document.pageCount = result.pageCount;
    if (needs.info)
        document.infoLines = documentInfoLines(result);
    const ExtractRequest request = templateRequest(path, needs);
    if (request.kind != ExtractRequest::Kind::Text)
        return document;
    document.pageWords = result.pageWords;
    if (!needs.needsText())
        return document;
    QString text = decodeExtractedText(result.text);
    // The last page alone stands at its own place: every page before it is there, empty.
    if (request.lastPageOnly && result.pageCount > 1)
        text.prepend(QString(result.pageCount - 1, QChar(u'\f')));
    document.text = text;
    document.textComplete = textIsWhole(request, result);
    return document;
}

} // namespace corvander
