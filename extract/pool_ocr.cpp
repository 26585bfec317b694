// The extraction pool's reading by OCR: pages without words are read one by one, on whichever
// workers are free, and what OCR read is remembered.

#include "extract/extraction_pool.h"
#include "extract/ocr_pages.h"
#include "extract/word_pages.h"

#include <algorithm>

namespace corvander {

namespace {

bool readsOnePage(const ExtractRequest& request) {
    return request.lastPageOnly || (request.firstPage > 0 && request.firstPage == request.lastPage);
}

void addPages(QList<int>& into, const QList<int>& pages) {
    for (const int page : pages) {
        if (!into.contains(page))
            into << page;
    }
    std::sort(into.begin(), into.end());
}

} // namespace

void ExtractionPool::submitWithOcr(Ticket ticket, ExtractRequest request) {
    request.ocrLanguages =
        m_ocr.languages.isEmpty() ? QStringLiteral("eng") : m_ocr.languages.trimmed();
    if (!request.wordPages.isEmpty())
        m_wordRequests.insert(ticket, request);
    if (!readsOnePage(request) && request.stop.kind != StopRule::Kind::None) {
        startOrderedJob(ticket, request);
        return;
    }
    if (!readsOnePage(request)) {
        // The text comes first, read without OCR, so that the pages that need it can be spread.
        ExtractRequest text = request;
        text.ocrLanguages.clear();
        m_ocrJobs.insert(ticket, OcrJob{request, {}, {}, {}, {}});
        enqueue(ticket, text);
        return;
    }
    const std::optional<OcrCache::Key> key = OcrCache::keyFor(request);
    if (key) {
        if (const std::optional<ExtractResult> known = m_ocrCache.find(*key)) {
            complete(ticket, *known);
            return;
        }
        m_ocrKeys.insert(ticket, *key);
    }
    m_ocrPaths.insert(ticket, request.path);
    countOcrPage(ticket, request);
    enqueue(ticket, request);
}

bool ExtractionPool::textOfOcrJobRead(Ticket ticket, const ExtractResult& result) {
    const auto found = m_ocrJobs.find(ticket);
    if (found == m_ocrJobs.end())
        return false;
    OcrJob& job = *found;
    if (!result.hasText()) {
        m_ocrJobs.erase(found);
        return false;
    }
    job.result = result;
    job.pages = splitPages(result.text);
    qsizetype pagesLength = 0;
    for (const QByteArray& page : std::as_const(job.pages))
        pagesLength += page.size();
    job.rest = result.text.mid(pagesLength);
    const int firstPage = std::max(1, job.request.firstPage);
    // Page requests go ahead of the documents sent ahead, in page order, so that the document
    // whose turn it is is done first.
    QList<std::pair<Ticket, ExtractRequest>> parts;
    for (int index = 0; index < job.pages.size(); ++index) {
        if (pageHasWords(job.pages.at(index)))
            continue;
        const ExtractRequest page = onePageOf(job.request, firstPage + index, result.pageCount);
        const std::optional<OcrCache::Key> key = OcrCache::keyFor(page);
        if (key) {
            if (const std::optional<ExtractResult> known = m_ocrCache.find(*key)) {
                job.pages[index] = splitPages(known->text).value(0, job.pages.at(index));
                addPages(job.result.ocrPages, known->ocrPages);
                takeWordsOf(job.result, *known);
                continue;
            }
        }
        const Ticket part = ++m_lastTicket;
        if (key)
            m_ocrKeys.insert(part, *key);
        m_ocrPaths.insert(part, page.path);
        countOcrPage(ticket, page);
        m_ocrPartOf.insert(part, ticket);
        job.parts.insert(part, index);
        parts.append({part, page});
    }
    if (job.parts.isEmpty()) {
        finishOcrJob(ticket);
        return true;
    }
    // After the pages of documents asked for earlier, before everything else.
    auto place = m_queue.begin();
    while (place != m_queue.end() && m_ocrPartOf.value(place->first, ticket) < ticket)
        ++place;
    m_queue.insert(place, parts.cbegin(), parts.cend());
    return true;
}

void ExtractionPool::ocrPartAnswered(Ticket part, const ExtractResult& result) {
    const Ticket ticket = m_ocrPartOf.take(part);
    if (const auto words = m_wordJobs.find(ticket); words != m_wordJobs.end()) {
        wordPartAnswered(ticket, words->parts.take(part), result);
        return;
    }
    if (const auto ordered = m_orderedJobs.find(ticket); ordered != m_orderedJobs.end()) {
        orderedPartAnswered(ticket, ordered->parts.take(part), result);
        return;
    }
    const auto found = m_ocrJobs.find(ticket);
    if (found == m_ocrJobs.end())
        return;
    OcrJob& job = *found;
    const int index = job.parts.take(part);
    const int page = std::max(1, job.request.firstPage) + index;
    // A page OCR could not finish keeps its own wordless text; the rest of the document stands.
    if (result.hasText()) {
        if (const QByteArray text = splitPages(result.text).value(0); !text.isEmpty())
            job.pages[index] = text;
        addPages(job.result.ocrPages, result.ocrPages);
        addPages(job.result.ocrTimedOut, result.ocrTimedOut);
        takeWordsOf(job.result, result);
        if (job.result.error.isEmpty())
            job.result.error = result.error;
    } else if (result.outcome == ExtractResult::Outcome::TimedOut) {
        addPages(job.result.ocrTimedOut, {page});
    }
    if (job.parts.isEmpty())
        finishOcrJob(ticket);
}

void ExtractionPool::finishOcrJob(Ticket ticket) {
    OcrJob job = m_ocrJobs.take(ticket);
    ExtractResult result = job.result;
    result.text = job.pages.join() + job.rest;
    complete(ticket, result);
}

void ExtractionPool::dropOcrParts(Ticket ticket) {
    m_wordRequests.remove(ticket);
    const bool hadParts = (int(m_ocrJobs.remove(ticket)) | int(m_orderedJobs.remove(ticket)) |
                           int(m_wordJobs.remove(ticket))) != 0;
    if (!hadParts)
        return;
    for (auto part = m_ocrPartOf.begin(); part != m_ocrPartOf.end();) {
        if (part.value() != ticket) {
            ++part;
            continue;
        }
        const Ticket partTicket = part.key();
        std::erase_if(m_queue,
                      [partTicket](const auto& entry) { return entry.first == partTicket; });
        part = m_ocrPartOf.erase(part);
    }
}

void ExtractionPool::noteOcrPage(Ticket ticket, int page) {
    const Ticket caller = m_ocrPartOf.value(ticket, ticket);
    if (!m_open.contains(caller))
        return;
    auto& [begun, sent] = m_ocrTally[caller];
    begun = std::min(begun + 1, std::max(sent, 1));
    m_ocrUnderWay.insert(caller, {m_ocrPaths.value(ticket), page, begun, std::max(sent, begun)});
}

// A page goes to OCR for the caller: the bar counts it among the document's pages to read. A
// request with a stop rule sends its pages a few at a time; its count is the pages it may read.
void ExtractionPool::countOcrPage(Ticket caller, const ExtractRequest& request) {
    if (!request.ocrLanguages.isEmpty() && !m_orderedJobs.contains(caller))
        ++m_ocrTally[caller].second;
}

std::optional<ExtractionPool::OcrPage> ExtractionPool::ocrPageUnderWay(Ticket ticket) const {
    const auto found = m_ocrUnderWay.constFind(ticket);
    if (found == m_ocrUnderWay.constEnd())
        return std::nullopt;
    return *found;
}

} // namespace corvander
