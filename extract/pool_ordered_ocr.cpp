// The extraction pool's reading by OCR for a request with a stop rule: the pages without words
// are read in page order, a few at a time, and no further than the rule needs. The rule decides
// on the text each page will have once read by OCR, so it never looks past a page that is still
// being read; the pages read ahead meanwhile are what "a few at a time" costs at most.

#include "extract/extraction_pool.h"
#include "extract/word_pages.h"
#include "worker/extract_protocol.h"

#include <algorithm>

namespace corvander {

namespace {

// Pages under way at once for one document: enough to keep a few workers on a scanned document,
// few enough that little is read that the rule then does not need.
constexpr int kMostPagesAhead = 4;

void addPages(QList<int>& into, const QList<int>& pages) {
    for (const int page : pages) {
        if (!into.contains(page))
            into << page;
    }
    std::sort(into.begin(), into.end());
}

} // namespace

void ExtractionPool::startOrderedJob(Ticket ticket, const ExtractRequest& request) {
    OrderedOcrJob job;
    job.request = request;
    job.gatherer.emplace(request.stop, qsizetype(protocol::kMaxTextBytes));
    m_orderedJobs.insert(ticket, job);
    // The text layer first, as far as it goes before the first page without words: up to there
    // the rule sees what it would see with OCR, so a document with a text layer throughout is
    // read as it would be without OCR.
    ExtractRequest text = request;
    text.ocrLanguages.clear();
    text.stopAtWordless = true;
    enqueue(ticket, text);
}

bool ExtractionPool::textOfOrderedJobRead(Ticket ticket, const ExtractResult& result) {
    const auto found = m_orderedJobs.find(ticket);
    if (found == m_orderedJobs.end())
        return false;
    // A document that could not be read, or whose rule was done before any page without words,
    // is answered as the worker answered.
    if (!result.hasText() || result.wordlessPage < 1) {
        m_orderedJobs.erase(found);
        return false;
    }
    OrderedOcrJob& job = *found;
    job.result = result;
    job.result.wordlessPage = 0;
    // The page without words was read but is not in the text; it comes again on its own.
    job.result.pagesRead = result.pagesRead - 1;
    job.gatherer->resume(result.text, result.textOffset, result.wordOffset);
    job.nextPage = job.nextToAdd = result.wordlessPage;
    const int last = job.request.lastPage;
    job.lastPage = last < 1 || last > result.pageCount ? result.pageCount : last;
    // The pages OCR may have to read, counted on the bar; the rule may be done before the last.
    m_ocrTally[ticket].second = std::max(0, job.lastPage - job.nextPage + 1);
    advanceOrderedJob(ticket);
    return true;
}

void ExtractionPool::orderedPartAnswered(Ticket ticket, int page, const ExtractResult& result) {
    const auto found = m_orderedJobs.find(ticket);
    if (found == m_orderedJobs.end())
        return;
    OrderedOcrJob& job = *found;
    // A page whose OCR the pool had to give up keeps its own text, read again without OCR.
    if (result.outcome == ExtractResult::Outcome::TimedOut && !job.withoutOcr.contains(page)) {
        job.withoutOcr.insert(page);
        addPages(job.result.ocrTimedOut, {page});
        sendOrderedPage(ticket, job, page, false);
        return;
    }
    job.arrived.insert(page, result);
    advanceOrderedJob(ticket);
}

void ExtractionPool::sendOrderedPage(Ticket ticket, OrderedOcrJob& job, int page, bool ocr) {
    ExtractRequest request = onePageOf(job.request, page, job.result.pageCount);
    if (!ocr)
        request.ocrLanguages.clear();
    const std::optional<OcrCache::Key> key = ocr ? OcrCache::keyFor(request) : std::nullopt;
    if (key) {
        if (const std::optional<ExtractResult> known = m_ocrCache.find(*key)) {
            job.arrived.insert(page, *known);
            return;
        }
    }
    const Ticket part = ++m_lastTicket;
    if (key)
        m_ocrKeys.insert(part, *key);
    job.parts.insert(part, page);
    queuePart(part, ticket, request);
}

void ExtractionPool::queuePart(Ticket part, Ticket caller, const ExtractRequest& request) {
    m_ocrPaths.insert(part, request.path);
    countOcrPage(caller, request);
    m_ocrPartOf.insert(part, caller);
    // After the pages of this and earlier documents, before everything else, so that the
    // document whose turn it is is done first. The caller sends it on.
    auto place = m_queue.begin();
    while (place != m_queue.end()) {
        const auto owner = m_ocrPartOf.constFind(place->first);
        if (owner == m_ocrPartOf.constEnd() || *owner > caller)
            break;
        ++place;
    }
    m_queue.insert(place, {part, request});
}

void ExtractionPool::advanceOrderedJob(Ticket ticket) {
    const auto found = m_orderedJobs.find(ticket);
    if (found == m_orderedJobs.end())
        return;
    OrderedOcrJob& job = *found;
    const int ahead = std::clamp(m_settings.workers, 1, kMostPagesAhead);
    for (;;) {
        while (job.arrived.contains(job.nextToAdd)) {
            const ExtractResult page = job.arrived.take(job.nextToAdd);
            if (!page.hasText()) {
                endOrderedJob(ticket, &page);
                return;
            }
            job.gatherer->add(page.text);
            ++job.result.pagesRead;
            ++job.nextToAdd;
            addPages(job.result.ocrPages, page.ocrPages);
            addPages(job.result.ocrTimedOut, page.ocrTimedOut);
            takeWordsOf(job.result, page);
            if (job.result.error.isEmpty())
                job.result.error = page.error;
            if (job.gatherer->satisfied() || job.gatherer->overflowed()) {
                endOrderedJob(ticket, nullptr);
                return;
            }
        }
        if (job.nextToAdd > job.lastPage) {
            endOrderedJob(ticket, nullptr);
            return;
        }
        if (job.nextPage > job.lastPage || job.parts.size() >= ahead)
            return;
        // A page found in the OCR cache arrives at once; the loop then takes it.
        sendOrderedPage(ticket, job, job.nextPage++, true);
    }
}

void ExtractionPool::endOrderedJob(Ticket ticket, const ExtractResult* failure) {
    OrderedOcrJob job = m_orderedJobs.take(ticket);
    // Pages still waiting are withdrawn; the answers of those under way are not waited for.
    for (auto part = job.parts.constBegin(); part != job.parts.constEnd(); ++part) {
        const Ticket partTicket = part.key();
        m_ocrPartOf.remove(partTicket);
        if (std::erase_if(m_queue,
                          [partTicket](const auto& entry) { return entry.first == partTicket; })) {
            m_ocrPaths.remove(partTicket);
            m_ocrKeys.remove(partTicket);
        }
    }
    if (failure) {
        complete(ticket, *failure);
        return;
    }
    ExtractResult result = job.result;
    if (job.gatherer->overflowed()) {
        result.status = protocol::kStatusOtherError;
        result.error = QStringLiteral("the text is too long to send");
        result.text.clear();
    } else {
        result.text = job.gatherer->answerText();
        result.textOffset = job.gatherer->answerCharactersBefore();
        result.wordOffset = job.gatherer->answerWordsBefore();
    }
    complete(ticket, result);
}

} // namespace corvander
