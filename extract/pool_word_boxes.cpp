// The extraction pool's reading of word boxes by OCR: a request with OCR on that asks for the
// words of pages its text did not take through OCR (pages outside its range, or after its rule
// was satisfied) has those of them that have no words read by OCR on their own before it is
// answered, so that a page's words are always those its text has or would have.

#include "extract/extraction_pool.h"
#include "extract/word_pages.h"

#include <algorithm>

namespace corvander {

namespace {

void addPage(QList<int>& into, int page) {
    if (!into.contains(page)) {
        into << page;
        std::sort(into.begin(), into.end());
    }
}

// A page OCR could not finish keeps the words it had: none.
void addWordPart(ExtractResult& held, int page, const ExtractResult& part) {
    if (part.hasText()) {
        takeWordsOf(held, part);
        for (const int read : part.ocrPages)
            addPage(held.ocrPages, read);
        for (const int late : part.ocrTimedOut)
            addPage(held.ocrTimedOut, late);
    } else if (part.outcome == ExtractResult::Outcome::TimedOut) {
        addPage(held.ocrTimedOut, page);
    }
}

} // namespace

bool ExtractionPool::readWordPagesByOcr(Ticket ticket, const ExtractResult& result) {
    const ExtractRequest request = m_wordRequests.take(ticket);
    // Missing languages (the only error that comes with a text) would fail every page again.
    if (!m_open.contains(ticket) || !result.hasText() || !result.error.isEmpty())
        return false;
    const QList<int> pages = pagesLeftForOcr(result);
    if (pages.isEmpty())
        return false;
    WordJob job{result, {}};
    QList<std::pair<Ticket, ExtractRequest>> parts;
    for (const int page : pages) {
        const ExtractRequest one = onePageOf(request, page, result.pageCount);
        const std::optional<OcrCache::Key> key = OcrCache::keyFor(one);
        if (key) {
            if (const std::optional<ExtractResult> known = m_ocrCache.find(*key)) {
                addWordPart(job.result, page, *known);
                continue;
            }
        }
        const Ticket part = ++m_lastTicket;
        if (key)
            m_ocrKeys.insert(part, *key);
        job.parts.insert(part, page);
        parts.append({part, one});
    }
    if (parts.isEmpty()) {
        complete(ticket, job.result);
        return true;
    }
    m_wordJobs.insert(ticket, job);
    for (const auto& [part, one] : std::as_const(parts))
        queuePart(part, ticket, one);
    dispatch();
    return true;
}

void ExtractionPool::wordPartAnswered(Ticket ticket, int page, const ExtractResult& result) {
    const auto found = m_wordJobs.find(ticket);
    if (found == m_wordJobs.end())
        return;
    addWordPart(found->result, page, result);
    if (!found->parts.isEmpty())
        return;
    const ExtractResult finished = m_wordJobs.take(ticket).result;
    complete(ticket, finished);
}

} // namespace corvander
