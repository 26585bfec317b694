#pragma once

#include "extract/extract_request.h"

#include <QList>

// The words and boxes of pages, when the pool reads a document's pages by OCR one by one: which
// pages' words a request wants, and the words of pages read on their own put into place.

namespace corvander {

// Whether the request asks for the words of page `page` of a document of `pageCount` pages.
bool asksWordsOf(const ExtractRequest& request, int page, int pageCount);

// The request for page `page` of the request's document read on its own, with the page's words
// when the request asks for them, without the document information and without a stop rule.
ExtractRequest onePageOf(const ExtractRequest& request, int page, int pageCount);

// The words of the pages `part` holds, in place of what `into` holds for the same pages.
void takeWordsOf(ExtractResult& into, const ExtractResult& part);

// The pages of the result's words that have no words and that OCR neither read nor ran out of
// time on: with OCR on, these are still to be read by OCR for their words.
QList<int> pagesLeftForOcr(const ExtractResult& result);

} // namespace corvander
