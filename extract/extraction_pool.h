#pragma once

#include "extract/extract_request.h"
#include "extract/extractor.h"
#include "extract/ocr_cache.h"
#include "extract/ocr_settings.h"
#include "naming/words/text_gatherer.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

namespace corvander {

class WorkerSlot;

struct PoolSettings {
    // The worker program, corvander-extract.
    QString program;
    // How many workers may run at once.
    int workers = 1;
    // A request that takes longer is given up and its worker replaced.
    int timeoutMilliseconds = 60000;
    // How long the OCR of one page may take; a request is given this much more time for each
    // page it reads by OCR.
    int ocrPageTimeoutMilliseconds = 120000;

    // The number of cores, 60 s and 120 s, unless CORVANDER_WORKERS, CORVANDER_EXTRACT_TIMEOUT
    // or CORVANDER_OCR_TIMEOUT (in seconds) say otherwise.
    static PoolSettings fromEnvironment(const QString& program);
};

// The extraction workers: started on first use, several at once, and kept until shutdown(). A
// worker that dies or hangs on a document is replaced, and that document gets no answer but its
// outcome. Requests are answered in whatever order the workers finish; callers take each result
// by its ticket when they need it.
class ExtractionPool : public Extractor {
    Q_OBJECT
public:
    explicit ExtractionPool(PoolSettings settings, QObject* parent = nullptr);
    ~ExtractionPool() override;

    Ticket submit(const ExtractRequest& request) override;
    bool isFinished(Ticket ticket) const override;
    qint64 resultBytes(Ticket ticket) const override;
    // The result of a finished request; the pool forgets the ticket.
    ExtractResult take(Ticket ticket) override;
    void drop(Ticket ticket) override;
    // Kills every worker at once. Requests still open, and any sent later, end as dropped.
    void shutdown();

    const PoolSettings& settings() const { return m_settings; }
    // With OCR on, every text request reads its pages without words by OCR; requests already
    // sent keep the settings they were sent with.
    void setOcr(const OcrSettings& ocr) override { m_ocr = ocr; }
    const OcrSettings& ocr() const override { return m_ocr; }
    std::optional<OcrPage> ocrPageUnderWay(Ticket ticket) const override;
    // Why no worker could be started, the first time it is asked; empty afterwards and when the
    // workers run. Every request meanwhile ends with the outcome NoWorker.
    QString takeStartFailure() override;
    // Its workers.
    int parallelRequests() const override { return m_settings.workers; }
    // True from the moment no worker could be started; stays true.
    bool cannotStart() const { return m_cannotStart; }
    // How many requests went to a worker so far.
    qint64 requestsSent() const { return m_requestsSent; }
    // The workers running now, by process id.
    QList<qint64> workerProcessIds() const;

private:
    // A text request over several pages, with OCR: its text is read first, then each page
    // without words by OCR on its own, on whichever workers are free.
    struct OcrJob {
        ExtractRequest request;
        ExtractResult result;
        QList<QByteArray> pages;
        QByteArray rest;
        QHash<Ticket, int> parts; // page requests still under way, by their index in pages
    };

    // A text request with a stop rule and OCR over several pages: the text up to the first page
    // without words comes first, read without OCR; from that page on each page is read on its
    // own (by OCR when it has no words), a few at a time, and taken in page order until the rule
    // has all it needs. Pages sent ahead that it turns out not to need are withdrawn.
    struct OrderedOcrJob {
        ExtractRequest request;
        ExtractResult result;
        std::optional<TextGatherer> gatherer;
        int nextPage = 0;  // the next page to send
        int nextToAdd = 0; // the next page the gatherer takes
        int lastPage = 0;
        QHash<int, ExtractResult> arrived; // pages answered before the pages ahead of them
        QHash<Ticket, int> parts;          // pages under way
        QSet<int> withoutOcr;              // pages read again without OCR, which ran out of time
    };

    // A request with OCR that asks for the words of pages: once its text is read, each of those
    // pages that has no words and that OCR has not read yet is read by OCR on its own.
    struct WordJob {
        ExtractResult result;
        QHash<Ticket, int> parts; // pages under way
    };

    void enqueue(Ticket ticket, const ExtractRequest& request, bool first = false);
    void startOrderedJob(Ticket ticket, const ExtractRequest& request);
    bool textOfOrderedJobRead(Ticket ticket, const ExtractResult& result);
    void orderedPartAnswered(Ticket ticket, int page, const ExtractResult& result);
    void sendOrderedPage(Ticket ticket, OrderedOcrJob& job, int page, bool ocr);
    void advanceOrderedJob(Ticket ticket);
    void endOrderedJob(Ticket ticket, const ExtractResult* failure);
    void queuePart(Ticket part, Ticket caller, const ExtractRequest& request);
    void submitWithOcr(Ticket ticket, ExtractRequest request);
    bool textOfOcrJobRead(Ticket ticket, const ExtractResult& result);
    void ocrPartAnswered(Ticket part, const ExtractResult& result);
    void finishOcrJob(Ticket ticket);
    void dropOcrParts(Ticket ticket);
    void noteOcrPage(Ticket ticket, int page);
    void countOcrPage(Ticket caller, const ExtractRequest& request);
    bool readWordPagesByOcr(Ticket ticket, const ExtractResult& result);
    void wordPartAnswered(Ticket ticket, int page, const ExtractResult& result);
    void dispatch();
    void answered(Ticket ticket, const ExtractResult& result);
    void workersCannotStart(const QString& description);
    void complete(Ticket ticket, const ExtractResult& result);

    PoolSettings m_settings;
    OcrSettings m_ocr;
    OcrCache m_ocrCache;
    QHash<Ticket, OcrCache::Key> m_ocrKeys;        // requests sent with OCR, to keep their answers
    QHash<Ticket, QString> m_ocrPaths;             // the same requests' files
    QHash<Ticket, OcrJob> m_ocrJobs;               // by the caller's ticket
    QHash<Ticket, OrderedOcrJob> m_orderedJobs;    // by the caller's ticket
    QHash<Ticket, ExtractRequest> m_wordRequests;  // requests with OCR asking for words
    QHash<Ticket, WordJob> m_wordJobs;             // by the caller's ticket
    QHash<Ticket, Ticket> m_ocrPartOf;             // a page request's job
    QHash<Ticket, OcrPage> m_ocrUnderWay;          // by the caller's ticket
    QHash<Ticket, std::pair<int, int>> m_ocrTally; // pages begun and sent, by the caller's ticket
    std::vector<std::unique_ptr<WorkerSlot>> m_slots;
    std::deque<std::pair<Ticket, ExtractRequest>> m_queue;
    QSet<Ticket> m_open;
    QHash<Ticket, ExtractResult> m_results;
    Ticket m_lastTicket = 0;
    qint64 m_requestsSent = 0;
    bool m_shutDown = false;
    bool m_cannotStart = false;
    QString m_startFailure;
    bool m_startFailureTaken = false;
};

} // namespace corvander
